// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/search_answers.h"

#include "app/unit_finder.h"
#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/conversion.h"
#include "framework/converter_def.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace ambrel {

namespace {

// The units a quantity without a target is shown in, by window: the ones
// people reach for, not the table's order. A window not listed shows the
// units of its table in order. Only those its quantity's box converts with
// count: watts are not shown in joules.
struct UsualUnits {
    const char* window;
    const char* units;  // '|' between them, each read as a target would be
};

// clang-format off
constexpr UsualUnits kUsualUnits[] = {
    {"length",       "m|km|cm|mi|ft|in"},
    {"area",         "m^2|km^2|ha|acre|ft^2"},
    {"velocity",     "km/h|mph|m/s|knot"},
    {"pressure",     "kPa|bar|psi|atm|mmHg"},
    {"temperature",  "C|F|K"},
    {"time",         "s|min|h|day|week"},
    {"volume",       "l|ml|gal|qt|cup"},
    {"weight",       "kg|g|lb|oz|st"},
    {"power-energy", "W|kW|hp|MW|J|kJ|kWh|kcal|Btu"},
    {"computing",    "B|kB|MB|GB|KiB|MiB|GiB"},
    {"flow",         "L/min|L/s|m^3/h|gal/min|ft^3/min|kg/s|kg/h|t/h|lb/h"},
    {"electricity",  "uA|mA|A|kA|C|mC|mAh|Ah|mV|V|kV|MV|mohm|ohm|kohm|Mohm|F|uF|nF|pF|H|mH|uH|S|mS|uS"},
    {"radiation",    "Gy|mGy|uGy|rad|Sv|mSv|uSv|rem|mrem|Bq|kBq|MBq|GBq|Ci|mCi|C/kg|mC/kg|R|mR|Gy/h|mGy/h|uGy/h|Sv/h|mSv/h|uSv/h|mrem/h"},
    {"viscosity",    "Pa s|mPa s|P|cP|m^2/s|mm^2/s|St|cSt"},
    {"magnetism",    "T|mT|uT|G|mG|Wb|mWb|Mx|A/m|kA/m|Oe|At|kAt|Gi"},
    {"substance",    "mol|mmol|umol|kmol|lb-mol|mol/L|mmol/L|umol/L|nmol/L|mol/kg|mmol/kg|kat|ukat|nkat|U"},
    {"heat",         "J/kg|kJ/kg|kWh/kg|BTU/lb|cal/g|J/kg K|kJ/kg K|BTU/lb F|cal/g C|W/m K|W/cm K|BTU/h ft F|BTU in/h ft^2 F|"
                     "W/m^2|kW/m^2|W/cm^2|BTU/h ft^2|W/m^2 K|kW/m^2 K|BTU/h ft^2 F|kcal/h m^2 C|m^2 K/W|ft^2 F h/BTU|clo"},
};
// clang-format on

bool sameUnit(const UnitPick& a, const UnitPick& b)
{
    return a.window == b.window && a.outlet == b.outlet && sameSetting(a.setting, b.setting) &&
        a.multiply == b.multiply && a.divide == b.divide;
}

class Answers {
public:
    explicit Answers(const SearchOptions& options) : options_(options) {}

    bool full() const { return answers_.size() >= options_.limit; }
    std::vector<SearchAnswer> take() { return std::move(answers_); }

    // Adds the conversion `words` ask for; false if they ask for none.
    bool add(std::span<const std::string> words, const WindowEntry* window, Conversion* kept = nullptr)
    {
        Conversion c;
        std::ostringstream ignored;
        if (readConversion(words, window, options_.exact, c, ignored) != 0)
            return false;
        if (!c.parts.empty()) {
            // One answer in parts: "5 ft 8.8976 in".
            std::string units;
            for (const UnitPick& part : c.parts)
                units += part.typed + " ";
            units += c.target->typed;
            const std::string shown = mixedAnswer(c, {options_.accuracy, false}, [&](double rest) {
                return formatShown(rest, options_.accuracy, options_.decimalSeparator);
            });
            answers_.push_back({shown, c.quantity + " \u2192 " + units, windowTitle(*c.from.window)});
        } else if (c.target) {
            const std::string unit = c.target->typed;
            // One answer a unit, however it was spelled.
            if (std::any_of(seen_.begin(), seen_.end(), [&](const UnitPick& u) { return sameUnit(u, *c.target); }))
                return true;
            seen_.push_back(*c.target);
            const std::string shown = formatShown(c.total, options_.accuracy, options_.decimalSeparator);
            answers_.push_back({shown + " " + unit, c.quantity + " \u2192 " + unit, windowTitle(*c.from.window)});
        }
        if (kept)
            *kept = std::move(c);
        return true;
    }

private:
    const SearchOptions& options_;
    std::vector<SearchAnswer> answers_;
    std::vector<UnitPick> seen_;
};

std::vector<std::string> withTarget(std::span<const std::string> quantity, std::string_view unit)
{
    std::vector<std::string> words(quantity.begin(), quantity.end());
    words.emplace_back("to");
    words.emplace_back(unit);
    return words;
}

// The field a unit's box converts through; empty where the window has no
// table.
std::string_view baseOf(const Conversion& read, const UnitPick& unit)
{
    const ConverterDef* def = read.from.window->def;
    const WindowController& window = *read.session->controller;
    const int index = window.fieldIndex(unit.outlet);
    if (!def || index < 0)
        return {};
    const int box = window.plan().fields[index].box;
    return box >= 0 && static_cast<std::size_t>(box) < def->boxes.size() ? def->boxes[box].base : "";
}

// The quantity in the units its window is most often read in, its own unit
// left out.
void addUsualUnits(Answers& answers, std::span<const std::string> quantity, const Conversion& read)
{
    const WindowEntry& window = *read.from.window;
    const std::string_view base = baseOf(read, read.from);
    const auto usual = std::find_if(std::begin(kUsualUnits), std::end(kUsualUnits),
                                    [&](const UsualUnits& u) { return std::strcmp(u.window, window.cliName) == 0; });
    std::vector<std::string> units;
    if (usual != std::end(kUsualUnits))
        eachName(usual->units, [&](std::string_view u) { units.emplace_back(u); });
    else
        for (const UnitName& u : unitNames())
            if (std::strcmp(u.window, window.cliName) == 0)
                units.emplace_back(u.name);
    for (const std::string& unit : units) {
        if (answers.full())
            return;
        const std::optional<UnitPick> pick = pickUnit(unit, &window);
        if (!pick || sameUnit(*pick, read.from) || baseOf(read, *pick) != base)
            continue;
        answers.add(withTarget(quantity, unit), &window);
    }
}

bool startsWith(std::string_view text, std::string_view prefix, bool anyCase)
{
    if (text.size() < prefix.size())
        return false;
    if (!anyCase)
        return text.starts_with(prefix);
    return normalizeUnitName(text.substr(0, prefix.size())) == normalizeUnitName(prefix);
}

// "3 mi to k": the conversions into the units of the quantity's window whose
// symbol or name starts with the last word.
void addCompletions(Answers& answers, std::span<const std::string> words)
{
    if (words.size() < 3 || !isSeparator(words[words.size() - 2]))
        return;
    const std::span<const std::string> quantity = words.first(words.size() - 2);
    const std::string& prefix = words.back();
    Conversion read;
    if (!answers.add(quantity, nullptr, &read) || !read.from.window)
        return;
    const std::string_view window = read.from.window->cliName;
    // Symbols first, in the letter case typed ("M" begins "Mm", not "mm"),
    // then names in any case.
    for (const bool names : {false, true})
        for (const UnitName& u : unitNames()) {
            if (answers.full())
                return;
            if (window != u.window)
                continue;
            if (!names)
                eachName(u.symbols, [&](std::string_view symbol) {
                    if (!answers.full() && startsWith(symbol, prefix, false))
                        answers.add(withTarget(quantity, symbol), read.from.window);
                });
            else if (startsWith(u.name, prefix, true))
                answers.add(withTarget(quantity, u.name), read.from.window);
        }
}

}  // namespace

std::vector<SearchAnswer> answerSearch(std::string_view text, const SearchOptions& options)
{
    if (text.size() > kLongestSearch || options.limit == 0)
        return {};
    const std::vector<std::string> words = splitWords(text);
    if (words.empty())
        return {};
    Answers answers(options);
    Conversion read;
    if (answers.add(words, nullptr, &read)) {
        if (!read.target)
            addUsualUnits(answers, words, read);
    } else {
        addCompletions(answers, words);
    }
    return answers.take();
}

}  // namespace ambrel
