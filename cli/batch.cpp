// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/conversion.h"
#include "cli/json.h"
#include "cli/line_streams.h"
#include "cli/options.h"
#include "cli/result_range.h"
#include "cli/safe_text.h"
#include "cli/session.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "framework/quantity_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <vector>

namespace ambrel {

namespace {

int usage(std::FILE* err, const std::string& message)
{
    std::fprintf(err,
                 "ambrel: %s\nUsage: ambrel batch [--classic] [--json | --digits N] FROM-UNIT TO-UNIT < numbers\n"
                 "       ambrel batch [--classic] [--json | --digits N] WINDOW OUTLET [--to OUTLET] < numbers\n",
                 message.c_str());
    return kExitUsage;
}

// A field named by its outlet, or a unit of `window` by any of its names.
std::optional<UnitPick> pickField(Session& s, const std::string& typed)
{
    if (s.controller->fieldIndex(typed) >= 0)
        return UnitPick{&s.entry, typed, nullptr, typed};
    return pickUnit(typed, &s.entry);
}

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

// What the command line asks for: the options, and the window and units
// as typed.
struct Request {
    CommonOptions options;
    std::string to;                  // the field or unit to print, if any
    std::vector<std::string> words;  // WINDOW OUTLET [TO] or FROM-UNIT TO-UNIT
};

// The options, anywhere among the words; 0, or the usage status.
int readRequest(std::span<const std::string> given, Request& r, std::FILE* err)
{
    for (std::size_t i = 0; i < given.size(); ++i) {
        const std::string& a = given[i];
        if (const OptionRead read = readCommonOption(given, i, r.options); read != OptionRead::Other) {
            if (read == OptionRead::Bad)
                return usage(err, kDigitsNeeded);
        } else if (a == "--to" && i + 1 < given.size()) {
            r.to = given[++i];
        } else if (a.rfind("--", 0) == 0) {
            return usage(err, "unknown option " + quoted(a));
        } else {
            r.words.push_back(a);
        }
    }
    if (r.words.empty())
        return usage(err, "batch needs the unit the numbers are in and the unit to convert into");
    if (r.options.json && r.options.digitsGiven)
        return usage(err, "--json writes every digit; --digits is for the text output");
    return 0;
}

// The window and its two units: WINDOW FROM [TO] or FROM TO.
struct Units {
    const WindowEntry* window = nullptr;
    std::optional<UnitPick> from, target;
};

// The window the request names; 0, or the usage status.
int readWindow(Request& r, Units& u, std::FILE* err)
{
    const std::vector<std::string>& w = r.words;
    u.window = findWindow(w[0]);
    if (!u.window) {
        if (w.size() != 2 || !r.to.empty())
            return usage(err, "give two units, or a window and its fields");
        u.from = pickUnit(w[0], nullptr);
        if (!u.from)
            return usage(err, "no unit " + quoted(w[0]));
        std::optional<UnitPick> target = pickUnit(w[1], nullptr);
        pickSameWindow(u.from, target);
        u.window = u.from->window;
        r.to = w[1];
        return 0;
    }
    if (w.size() < 2 || w.size() > 3 || (w.size() == 3 && !r.to.empty()))
        return usage(err, "give a window, the field the numbers go into and perhaps the one to print");
    if (w.size() == 3)
        r.to = w[2];
    return 0;
}

// The fields (or units) in the open window; 0, or the usage status.
int pickFields(Session& session, const Request& r, Units& u, std::FILE* err)
{
    const char* window = u.window->cliName;
    if (!u.from && !(u.from = pickField(session, r.words[1])))
        return usage(err, "no field or unit " + quoted(r.words[1]) + " in " + window);
    if (!r.to.empty() && !(u.target = pickField(session, r.to))) {
        if (const std::optional<UnitPick> elsewhere = pickUnit(r.to, nullptr))
            return usage(err,
                         quoted(u.from->typed) + " is a unit of " + window + " and " + quoted(r.to) + " of " +
                             elsewhere->window->cliName + "; they do not convert into each other");
        // "ft in": an answer in several units, which the friendly form gives
        // a quantity at a time.
        const std::vector<std::string> words = splitWords(r.to);
        if (words.size() > 1 && std::all_of(words.begin(), words.end(), [&](const std::string& w) {
                return pickUnit(w, u.window).has_value();
            }))
            return usage(err,
                         "batch gives each number in one unit; for an answer in " + quoted(r.to) + " write 'ambrel 3 " +
                             u.from->typed + " " + r.to + "'");
        return usage(err, "no field or unit " + quoted(r.to) + " in " + window);
    }
    const WindowController& c = *session.controller;
    if (u.target && !c.convertsBetween(c.fieldIndex(u.from->outlet), c.fieldIndex(u.target->outlet)))
        return usage(err,
                     quoted(u.from->typed) + " and " + quoted(u.target->typed) + " measure different things in " +
                         window + "; they do not convert into each other");
    return 0;
}

// Converts line after line in one window and writes what each gives.
class Converter {
public:
    Converter(Session& session, const Units& units, const CommonOptions& options, Output& output)
        : s_(session), units_(units), json_(options.json), digits_(options.digitsGiven ? options.digits : 0),
          out_(output), fields_(session.controller->parts().fields), plans_(session.controller->plan().fields),
          from_(session.controller->fieldIndex(units.from->outlet)),
          target_(units.target ? session.controller->fieldIndex(units.target->outlet) : -1),
          // A unit the table holds as a multiple of a cell's ("nm" of the
          // meter's), or two that need different settings of the window (the
          // prefix systems of the data sizes): the number goes in and comes
          // out through the units' scales rather than being typed.
          byAmount_(
              scaled(*units.from) ||
              (units.target && (scaled(*units.target) || !sameSetting(units.from->setting, units.target->setting)))),
          // A plain number into one field, printed from one other: the window
          // works out that one cell alone when it can, as it would have shown it.
          oneCell_(target_ >= 0 && plans_[from_].kind == FieldKind::Number && !plans_[from_].readOnly)
    {
        applySetting(s_, units.from->setting);
    }

    // Converts one line: why it was refused, or empty.
    std::string convert(std::string_view line, bool tooLong)
    {
        worked_ = false;
        if (tooLong)
            return "longer than " + std::to_string(kLongestNumberText) + " characters";
        if (isBlank(line))
            return "a blank line";
        if (byAmount_) {
            const QuantityReading r = readAmount(line);
            if (!r.ok())
                return describe(r);
            const ExactValue& amount = r.terms.front().exact;
            amount_ = r.terms.front().value;
            if (!units_.target) {
                carry(s_, from_, inTableUnit(*units_.from, amount));
                return outOfRange();
            }
            const std::optional<ExactValue> result = convertIn(s_, *units_.from, amount, *units_.target);
            if (const char* why = ambrel::outOfRange(amount, result))
                return why;
            result_ = result->toDouble();
            worked_ = true;
            return {};
        }
        ExactValue number;
        if (oneCell_)
            if (const NumberReading plain = readNumber(line, '.', &number); plain.ok()) {
                amount_ = plain.value;
                if (const std::optional<double> alone = s_.controller->convertedValue(from_, target_, number)) {
                    result_ = *alone;
                    worked_ = true;
                }
            }
        if (!worked_) {
            if (const EntryResult typed = typeAndConfirm(s_.platform, *s_.controller, from_, line); !typed.accepted)
                return typed.message;
            amount_ = fields_[from_]->doubleValue();
        }
        return outOfRange();
    }

    // The line's result: the target's value, or every field's.
    void writeResult(long long lineNumber)
    {
        if (!json_) {
            if (target_ >= 0)
                putTarget();
            else
                for (std::size_t i = 0; i < fields_.size(); ++i) {
                    if (i)
                        out_.put('\t');
                    putValue(static_cast<int>(i));
                }
        } else if (target_ >= 0) {
            out_.put(JsonObject()
                         .add("line", std::to_string(lineNumber))
                         .add("unit", jsonString(units_.target->typed))
                         .add("value", worked_ ? jsonNumber(result_) : jsonValue(target_))
                         .close());
        } else {
            JsonObject all;
            for (std::size_t i = 0; i < fields_.size(); ++i)
                all.add(plans_[i].outlet, jsonValue(static_cast<int>(i)));
            out_.put(JsonObject().add("line", std::to_string(lineNumber)).add("fields", all.close()).close());
        }
        out_.endLine();
    }

    // An empty line (or one with the error, in JSON) keeps the alignment.
    void writeRefusal(long long lineNumber, const std::string& why)
    {
        if (json_)
            out_.put(JsonObject().add("line", std::to_string(lineNumber)).add("error", jsonString(why)).close());
        out_.endLine();
    }

private:
    static bool scaled(const UnitPick& unit) { return unit.multiply != 1 || unit.divide != 1; }

    // Why the target's value cannot be given, or empty (result_range.h).
    std::string outOfRange()
    {
        if (target_ < 0 || plans_[target_].kind == FieldKind::Text)
            return {};
        const double value = worked_ ? result_ : fields_[target_]->doubleValue();
        if (const char* why = ambrel::outOfRange(s_, *units_.from, amount_, value, *units_.target))
            return why;
        // The check may have left the window showing another conversion.
        result_ = value;
        worked_ = true;
        return {};
    }

    std::string jsonValue(int i)
    {
        return plans_[i].kind == FieldKind::Text ? jsonString(fields_[i]->stringValue())
                                                 : jsonNumber(fields_[i]->doubleValue());
    }
    void putValue(int i)
    {
        if (plans_[i].kind == FieldKind::Text)
            out_.put(fields_[i]->stringValue());
        else
            out_.number(fields_[i]->doubleValue(), digits_);
    }
    void putTarget()
    {
        if (worked_)
            out_.number(result_, digits_);
        else
            putValue(target_);
    }

    Session& s_;
    const Units& units_;
    const bool json_;
    const int digits_;  // significant digits, or 0 for every digit
    Output& out_;
    const std::vector<Field*>& fields_;
    const std::vector<FieldPlan>& plans_;
    const int from_, target_;
    const bool byAmount_, oneCell_;
    // The one cell's value, when worked out alone.
    bool worked_ = false;
    double result_ = 0;
    double amount_ = 0;  // the line's amount, in the unit the numbers are in
};

// The end of the run: output that was lost or input that could not be read
// is reported; else the status the lines gave.
int finish(Output& output, std::FILE* in, std::FILE* err, int status)
{
    if (!output.finish()) {
        // A reader that went away wants no more; anything else is a loss.
        if (output.error() != EPIPE)
            std::fprintf(err, "ambrel: cannot write the output: %s\n", std::strerror(output.error()));
        return kExitWriteFailed;
    }
    if (std::ferror(in)) {
        std::fprintf(err, "ambrel: cannot read the input: %s\n", std::strerror(errno));
        return kExitWriteFailed;
    }
    return status;
}

}  // namespace

int runBatch(std::span<const std::string> given, std::FILE* in, std::FILE* out, std::FILE* err)
{
    Request request;
    Units units;
    if (const int status = readRequest(given, request, err))
        return status;
    if (const int status = readWindow(request, units, err))
        return status;
    Session session(*units.window, kDefaultCliAccuracy, request.options.exact);
    if (const int status = pickFields(session, request, units, err))
        return status;

    Output output(out);
    Converter converter(session, units, request.options, output);
    int status = 0;
    long long lineNumber = 0;
    LineReader reader(in);
    std::string_view line;
    bool tooLong = false;
    while (!output.failed() && reader.next(line, tooLong)) {
        ++lineNumber;
        const std::string why = converter.convert(line, tooLong);
        if (why.empty()) {
            converter.writeResult(lineNumber);
            continue;
        }
        std::fprintf(err, "ambrel: line %lld: %s refused: %s\n", lineNumber, quoted(line).c_str(), why.c_str());
        status = kExitRefused;
        converter.writeRefusal(lineNumber, why);
    }
    return finish(output, in, err, status);
}

}  // namespace ambrel
