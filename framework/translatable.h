// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the desktop program shows in the person's language. The core keeps
// them in English, which is also the key the desktop looks them up by in its
// catalog (qt/translations.h); the command line and scripts read English.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the catalogs: lupdate collects it (as QT_TR_NOOP) in the
// context "ambrel". Use it at namespace scope or in a free function: inside
// a class lupdate would file the text under the class's name, where the
// program does not look (the catalog check refuses such a context).
#define AMBREL_TEXT(text) text

namespace ambrel {

// The person's language for the texts the core composes at run time (a
// refusal naming the unit typed, a window's title with its table set). The
// desktop program installs its catalog's lookup; everywhere else the texts
// stay English.
using TextLookup = std::string (*)(std::string_view english);
void setTextLookup(TextLookup lookup);

// `english`, a text marked with AMBREL_TEXT, in the person's language.
std::string localText(std::string_view english);

// `pattern` with %1 … %9 replaced by `args` in order; "%%" is a percent
// sign, and a number with no argument stays as it is.
std::string fillText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace ambrel
