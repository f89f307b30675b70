// SPDX-License-Identifier: GPL-3.0-or-later
// The documents the exact sizes of the later windows are taken from, named
// as each unit row and notebook names them.
#pragma once

namespace ambrel {

inline constexpr const char* kSiBrochure = "SI Brochure 2019";
inline constexpr const char* kNistSp811 = "NIST SP 811 Appendix B";
inline constexpr const char* kNistHb44 = "NIST HB 44 Appendix C";
inline constexpr const char* kIec80000 = "IEC 80000-13";

}  // namespace ambrel
