// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/json.h"
#include "cli/safe_text.h"
#include "cli/session.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "framework/quantity_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

namespace ambrel {

namespace {

// Buffered output: one write call per large block, not per number. A write
// that fails is remembered with its errno and nothing more is written.
class Output {
public:
    explicit Output(std::FILE* out) : out_(out) { buffer_.reserve(kBlock + 512); }
    void put(char c) { buffer_.push_back(c); }
    void put(std::string_view s) { buffer_.append(s); }
    void number(double v)
    {
        if (!std::isfinite(v)) {
            put(formatExact(v));
            return;
        }
        char buf[32];
        const auto res = std::to_chars(buf, buf + sizeof buf, v);
        buffer_.append(buf, static_cast<std::size_t>(res.ptr - buf));
    }
    void endLine()
    {
        buffer_.push_back('\n');
        if (buffer_.size() >= kBlock)
            flush();
    }
    bool flush()
    {
        if (!buffer_.empty() && !error_ && std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size())
            error_ = errno ? errno : EIO;
        buffer_.clear();
        return !error_;
    }
    // Flushes all the way to the file; false if any write failed.
    bool finish()
    {
        if (flush() && std::fflush(out_) != 0)
            error_ = errno ? errno : EIO;
        return !error_;
    }
    bool failed() const { return error_ != 0; }
    int error() const { return error_; }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::FILE* out_;
    std::string buffer_;
    int error_ = 0;
};

int usage(std::FILE* err, const std::string& message)
{
    std::fprintf(err,
                 "ambrel: %s\nUsage: ambrel batch [--exact] [--json] FROM-UNIT TO-UNIT < numbers\n"
                 "       ambrel batch [--exact] [--json] WINDOW OUTLET [--to OUTLET] < numbers\n",
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

// Reads lines of any length in linear time, holding at most
// kLongestNumberText characters of one: the rest of a longer line is
// skipped unread.
class LineReader {
public:
    explicit LineReader(std::FILE* in) : in_(in), chunk_(1 << 16) {}

    // The next line without its end, valid until the next call; false at
    // the end of the input.
    bool next(std::string_view& line, bool& tooLong)
    {
        tooLong = false;
        // Most lines lie whole in the chunk read and are not copied.
        if (const void* nl = std::memchr(chunk_.data() + pos_, '\n', size_ - pos_)) {
            const char* start = chunk_.data() + pos_;
            const std::size_t n = static_cast<std::size_t>(static_cast<const char*>(nl) - start);
            pos_ += n + 1;
            tooLong = n > kLongestNumberText;
            line = trimmed({start, std::min(n, kLongestNumberText)});
            return true;
        }
        held_.clear();
        bool any = false;
        for (;;) {
            if (pos_ == size_) {
                size_ = std::fread(chunk_.data(), 1, chunk_.size(), in_);
                pos_ = 0;
                if (size_ == 0) {
                    if (!any)
                        return false;
                    break;  // the last line has no end
                }
            }
            any = true;
            const char* start = chunk_.data() + pos_;
            const void* nl = std::memchr(start, '\n', size_ - pos_);
            const std::size_t n = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - start) : size_ - pos_;
            if (!tooLong) {
                const std::size_t room = kLongestNumberText - held_.size();
                held_.append(start, std::min(n, room));
                tooLong = n > room;
            }
            pos_ += n;
            if (nl) {
                ++pos_;
                break;
            }
        }
        line = trimmed(held_);
        return true;
    }

private:
    // Without the carriage return of a DOS line end.
    static std::string_view trimmed(std::string_view line)
    {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

    std::FILE* in_;
    std::vector<char> chunk_;
    std::string held_;
    std::size_t pos_ = 0, size_ = 0;
};

bool isBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

}  // namespace

int runBatch(std::span<const std::string> given, std::FILE* in, std::FILE* out, std::FILE* err)
{
    bool exact = exactFromEnvironment();
    bool json = false;
    std::string to;
    std::vector<std::string> args;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const std::string& a = given[i];
        if (a == "--exact")
            exact = true;
        else if (a == "--json")
            json = true;
        else if (a == "--to" && i + 1 < given.size())
            to = given[++i];
        else if (a.rfind("--", 0) == 0)
            return usage(err, "unknown option " + quoted(a));
        else
            args.push_back(a);
    }
    if (args.empty())
        return usage(err, "batch needs the unit the numbers are in and the unit to convert into");

    // The window and the two units: WINDOW FROM [TO] or FROM TO.
    const WindowEntry* entry = findWindow(args[0]);
    std::optional<UnitPick> from, target;
    if (!entry) {
        if (args.size() != 2 || !to.empty())
            return usage(err, "give two units, or a window and its fields");
        from = pickUnit(args[0], nullptr);
        if (!from)
            return usage(err, "no unit " + quoted(args[0]));
        entry = from->window;
        to = args[1];
    } else {
        if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && !to.empty()))
            return usage(err, "give a window, the field the numbers go into and perhaps the one to print");
        if (args.size() == 3)
            to = args[2];
    }

    Session session(*entry, kDefaultCliAccuracy, exact);
    if (!from && !(from = pickField(session, args[1])))
        return usage(err, "no field or unit " + quoted(args[1]) + " in " + entry->cliName);
    if (!to.empty() && !(target = pickField(session, to))) {
        if (const std::optional<UnitPick> elsewhere = pickUnit(to, nullptr))
            return usage(err,
                         quoted(from->typed) + " is a unit of " + entry->cliName + " and " + quoted(to) + " of " +
                             elsewhere->window->cliName + "; they do not convert into each other");
        return usage(err, "no field or unit " + quoted(to) + " in " + entry->cliName);
    }
    const int fromIndex = session.controller->fieldIndex(from->outlet);
    const int targetIndex = target ? session.controller->fieldIndex(target->outlet) : -1;
    // Units that need different settings of the window (the two prefix
    // systems of the data sizes) are converted number by number.
    const bool acrossSettings = target && !sameSetting(from->setting, target->setting);
    applySetting(session, from->setting);

    const std::vector<Field*>& fields = session.controller->parts().fields;
    const auto& plans = session.controller->plan().fields;
    auto putNumber = [&](Output& o, double value) {
        if (json)
            o.put(jsonNumber(value));
        else
            o.number(value);
    };
    auto putValue = [&](Output& o, int i) {
        if (plans[i].kind == FieldKind::Text)
            o.put(json ? jsonString(fields[i]->stringValue()) : fields[i]->stringValue());
        else
            putNumber(o, fields[i]->doubleValue());
    };
    // A plain number into one field, printed from one other: the window
    // works out that one cell alone when it can, as it would have shown it.
    const bool oneCell = targetIndex >= 0 && plans[fromIndex].kind == FieldKind::Number && !plans[fromIndex].readOnly;

    Output output(out);
    int status = 0;
    long long lineNumber = 0;
    LineReader reader(in);
    std::string_view line;
    bool tooLong = false;
    while (!output.failed() && reader.next(line, tooLong)) {
        ++lineNumber;
        std::string why;
        std::optional<double> result;
        if (tooLong)
            why = "longer than " + std::to_string(kLongestNumberText) + " characters";
        else if (isBlank(line))
            why = "a blank line";
        else if (acrossSettings) {
            const QuantityReading r = readAmount(line);
            if (!r.ok())
                why = describe(r);
            else if (const std::optional<ExactValue> value = convertIn(session, *from, r.terms.front().exact, *target))
                result = value->toDouble();
            else
                why = "the result is " + describe(NumberError::TooLarge);
        } else {
            ExactValue number;
            if (oneCell)
                if (const NumberReading plain = readNumber(line, '.', &number); plain.ok())
                    result = session.controller->convertedValue(fromIndex, targetIndex, number);
            if (!result)
                if (const EntryResult typed = typeAndConfirm(session.platform, *session.controller, fromIndex, line);
                    !typed.accepted)
                    why = typed.message;
        }
        if (!why.empty()) {
            std::fprintf(err, "ambrel: line %lld: %s refused: %s\n", lineNumber, quoted(line).c_str(), why.c_str());
            status = kExitRefused;
            if (json)
                output.put("{\"line\":" + std::to_string(lineNumber) + ",\"error\":" + jsonString(why) + "}");
            output.endLine();
            continue;
        }
        if (json) {
            output.put("{\"line\":" + std::to_string(lineNumber) + ",");
            if (targetIndex >= 0) {
                output.put("\"unit\":" + jsonString(target->typed) + ",\"value\":");
                result ? putNumber(output, *result) : putValue(output, targetIndex);
            } else {
                output.put("\"fields\":{");
                for (std::size_t i = 0; i < fields.size(); ++i) {
                    output.put((i ? "," : "") + jsonString(plans[i].outlet) + ":");
                    putValue(output, static_cast<int>(i));
                }
                output.put('}');
            }
            output.put('}');
        } else if (targetIndex >= 0) {
            result ? putNumber(output, *result) : putValue(output, targetIndex);
        } else {
            for (std::size_t i = 0; i < fields.size(); ++i) {
                if (i)
                    output.put('\t');
                putValue(output, static_cast<int>(i));
            }
        }
        output.endLine();
    }
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

}  // namespace ambrel
