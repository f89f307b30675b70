// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the desktop program shows in the person's language. The core keeps
// them in English, which is also the key the desktop looks them up by in its
// catalog (qt/translations.h); the command line and scripts read English.
#pragma once

// Marks a text for the catalogs: lupdate collects it (as QT_TR_NOOP, in the
// context "ambrel"); the program sees the English text unchanged.
#define AMBREL_TEXT(text) text
