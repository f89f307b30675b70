// SPDX-License-Identifier: GPL-3.0-or-later
// Unit names in the person's language: what the desktop's windows label a
// unit with, and the further names its finder accepts ("Meile", "pouce").
// One catalog per language, translations/units_LANG.tsv; the command line
// and scripts never read them, so their units stay English.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

struct UnitTranslation {
    std::string english;   // the table's name or label, "foot"
    std::string singular;  // "Fuß"
    std::string plural;    // "Fuß"
    std::vector<std::string> aliases;
};

// A catalog's text: a unit a line, its English name, singular, plural and
// aliases ('|' between them) apart by tabs. Blank lines and lines starting
// with '#' say nothing. A line without a singular and a plural is left out
// and described in `problems`.
std::vector<UnitTranslation> readUnitTranslations(std::string_view text, std::vector<std::string>* problems = nullptr);

// Every English name or label a catalog is to translate: each row's unit
// name and its label under exact definitions, once each.
std::vector<std::string> translatableUnitNames();

// Why some of `catalog`'s names would mislead the finder, one line each:
// a name or alias the same as another unit's symbol (letter case counts, as
// symbols are matched), or another unit's name or alias in English or in the
// catalog (any case). A name the unit already has in English is no clash.
std::vector<std::string> unitTranslationClashes(std::span<const UnitTranslation> catalog);

// The catalog of the desktop's language; none (English) until it is set.
void useUnitTranslations(std::vector<UnitTranslation> catalog);
// The translation of a unit name or label, null when there is none.
const UnitTranslation* unitTranslation(std::string_view english);

}  // namespace ambrel
