#include "cli/batch.h"

#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/safe_text.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace ambrel {

namespace {

// Buffered output: one write call per large block, not per number.
class Output {
public:
    explicit Output(std::FILE* out) : out_(out) { buffer_.reserve(kBlock + 512); }
    ~Output() { flush(); }
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
        buffer_.append(buf, res.ptr);
    }
    void endLine()
    {
        buffer_.push_back('\n');
        if (buffer_.size() >= kBlock)
            flush();
    }
    void flush()
    {
        if (!buffer_.empty())
            std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
        buffer_.clear();
    }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::FILE* out_;
    std::string buffer_;
};

int usage(std::FILE* err, const std::string& message)
{
    std::fprintf(err, "ambrel: %s\nUsage: ambrel batch [--exact] WINDOW OUTLET [--to OUTLET] < numbers\n", message.c_str());
    return kExitUsage;
}

}  // namespace

int runBatch(std::span<const std::string> given, std::FILE* in, std::FILE* out, std::FILE* err)
{
    // --exact may stand anywhere.
    bool exact = exactFromEnvironment();
    std::vector<std::string> args;
    for (const std::string& a : given) {
        if (a == "--exact")
            exact = true;
        else
            args.push_back(a);
    }
    if (args.size() < 2)
        return usage(err, "batch needs a window and the field the numbers go into");
    const WindowEntry* entry = findWindow(args[0]);
    if (!entry)
        return usage(err, "unknown window " + quoted(args[0]));
    std::string to;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--to" && i + 1 < args.size())
            to = args[++i];
        else
            return usage(err, "unexpected " + quoted(args[i]));
    }

    HeadlessPlatform platform;
    platform.events().setRecording(false);
    const std::unique_ptr<WindowController> window = openWindow(*entry, platform, kDefaultCliAccuracy, exact);
    const int from = window->fieldIndex(args[1]);
    if (from < 0)
        return usage(err, "no field named " + quoted(args[1]));
    const int target = to.empty() ? -1 : window->fieldIndex(to);
    if (!to.empty() && target < 0)
        return usage(err, "no field named " + quoted(to));
    const std::vector<Field*>& fields = window->parts().fields;
    const auto& plans = window->plan().fields;

    Output output(out);
    int status = 0;
    long long lineNumber = 0;
    std::string line;
    std::vector<char> chunk(1 << 16);
    std::string pending;
    bool done = false;
    while (!done) {
        const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), in);
        if (n == 0) {
            done = true;
            if (pending.empty())
                break;
            pending.push_back('\n');
        } else {
            pending.append(chunk.data(), n);
        }
        std::size_t start = 0;
        for (std::size_t nl = pending.find('\n'); nl != std::string::npos; nl = pending.find('\n', start)) {
            const std::string_view text(pending.data() + start, nl - start);
            start = nl + 1;
            ++lineNumber;
            const EntryResult result = typeAndConfirm(platform, *window, from, text);
            if (!result.accepted) {
                std::fprintf(err, "ambrel: line %lld: \"%.*s\" refused: %s\n", lineNumber,
                             static_cast<int>(std::min<std::size_t>(text.size(), 80)), text.data(),
                             result.message.c_str());
                status = kExitRefused;
                output.endLine();
                continue;
            }
            if (target >= 0) {
                if (plans[target].kind == FieldKind::Text)
                    output.put(fields[target]->stringValue());
                else
                    output.number(fields[target]->doubleValue());
            } else {
                for (std::size_t i = 0; i < fields.size(); ++i) {
                    if (i)
                        output.put('\t');
                    if (plans[i].kind == FieldKind::Text)
                        output.put(fields[i]->stringValue());
                    else
                        output.number(fields[i]->doubleValue());
                }
            }
            output.endLine();
        }
        pending.erase(0, start);
    }
    return status;
}

}  // namespace ambrel
