// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program in the person's language: its own catalog and Qt's,
// chosen by the languages of messages (LANGUAGE, LC_MESSAGES), never by the
// locale of numbers (LC_NUMERIC).
#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

namespace ambrel {

// Loads the catalogs of the first of the person's languages Ambrel has,
// into the running application. English needs none but the one that
// spells its plurals. Returns the language loaded ("de"), "en" if none.
// QLocale::system() takes the languages of messages from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG, in that order, and its numbers from LC_NUMERIC: the
// two stay apart. Catalogs installed before are removed first.
QString installTranslations(const QLocale& messages = QLocale::system());

// The language whose catalog installTranslations loaded ("de"); "en" before
// it runs or when it found none.
QString uiLanguage();

// A text the core marked with AMBREL_TEXT, in the person's language; the
// English when the catalog has no translation of it.
QString translatedCoreText(std::string_view english);

// A cell's label in the person's language: a unit's name from the unit
// catalog, any other label (a calculator's "weight") from the program's.
QString translatedLabel(std::string_view english);

}  // namespace ambrel
