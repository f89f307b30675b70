// SPDX-License-Identifier: GPL-3.0-or-later
// The core's UTF-8 text as Qt's.
#pragma once

#include <QString>
#include <string_view>

namespace ambrel {

inline QString toQString(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace ambrel
