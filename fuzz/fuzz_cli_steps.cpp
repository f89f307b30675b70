// SPDX-License-Identifier: GPL-3.0-or-later
// The command line on arbitrary steps. The first byte picks the window and
// the form of the command; the rest, split at line breaks, are the steps.
// Properties: nothing crashes; the exit status is 0, 2 or 64; the same steps
// replayed on a window of our own give the table the command printed; and an
// entry that is refused changes no field but the one typed into, which keeps
// the typed text, with at most one beep.
#include "app/window_registry.h"
#include "cli/cli.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "fuzz_check.h"
#include "headless/headless_platform.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace ambrel;

namespace {

constexpr std::uint8_t kFriendlyForm = 0x40;    // ambrel WINDOW NUMBER UNIT...
constexpr std::uint8_t kAccuracyOption = 0x80;  // the first line is --accuracy's value

std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        out.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return out;
}

bool parseTag(std::string_view text, int& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto res = std::from_chars(first, last, value);
    return res.ec == std::errc() && res.ptr == last && first != last;
}

// The window opened as the command line opens it, and the steps applied the
// way a person would apply them.
class Replay {
public:
    // The table set is the one the command line picks when no option names one.
    Replay(const WindowEntry& entry, int accuracy)
        : window_(openWindow(entry, platform_, accuracy, exactFromEnvironment()))
    {}

    // The status the command line gives for these steps.
    int run(const std::vector<std::string>& steps)
    {
        for (const std::string& step : steps) {
            const std::size_t eq = step.find('=');
            if (eq == std::string::npos) {
                if (step.empty() || step.back() != ':' || !window_->perform(step))
                    return kExitUsage;
                continue;
            }
            const std::string_view outlet = std::string_view(step).substr(0, eq);
            const std::string_view text = std::string_view(step).substr(eq + 1);
            const int index = window_->fieldIndex(outlet);
            if (index >= 0) {
                if (!type(index, text))
                    return kExitRefused;
                continue;
            }
            if (!choose(outlet, text))
                return kExitUsage;
        }
        return 0;
    }

    std::string tsv()
    {
        std::string out;
        for (std::size_t i = 0; i < window_->plan().fields.size(); ++i)
            out += row(static_cast<int>(i));
        return out;
    }

private:
    HeadlessField& cell(int index) { return static_cast<HeadlessField&>(*window_->parts().fields[index]); }

    std::string row(int index)
    {
        HeadlessField& c = cell(index);
        return window_->plan().fields[index].outlet + '\t' + c.stringValue() + '\t' + c.shown() + '\n';
    }

    bool type(int index, std::string_view text)
    {
        std::vector<std::string> before;
        for (std::size_t i = 0; i < window_->plan().fields.size(); ++i)
            before.push_back(row(static_cast<int>(i)));
        const int beeps = platform_.beeps();
        if (typeAndConfirm(platform_, *window_, index, text).accepted)
            return true;

        FUZZ_CHECK(platform_.beeps() - beeps <= 1, "%d beeps for one refusal", platform_.beeps() - beeps);
        if (!window_->plan().fields[index].readOnly) {
            FUZZ_CHECK(platform_.beeps() - beeps == 1, "a refusal without the alert");
            FUZZ_CHECK(cell(index).shown() == text, "the refused text is not kept");
        }
        for (std::size_t i = 0; i < before.size(); ++i)
            FUZZ_CHECK(static_cast<int>(i) == index || row(static_cast<int>(i)) == before[i],
                       "a refused entry in %s changed %s", window_->plan().fields[index].outlet.c_str(),
                       before[i].c_str());
        return false;
    }

    bool choose(std::string_view outlet, std::string_view text)
    {
        const auto& choices = window_->plan().choices;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            if (choices[i].outlet != outlet)
                continue;
            int tag = 0;
            if (!parseTag(text, tag))
                return false;
            // A tag that names no item is refused, like any unknown name.
            const auto& items = choices[i].items;
            if (std::none_of(items.begin(), items.end(), [tag](const ChoiceItem& item) { return item.tag == tag; }))
                return false;
            window_->parts().choices[i]->selectItemWithTag(tag);
            if (!choices[i].action.empty())
                window_->perform(choices[i].action);
            return true;
        }
        return false;
    }

    HeadlessPlatform platform_;
    std::unique_ptr<WindowController> window_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto windows = windowRegistry();
    const WindowEntry& entry = windows[data[0] % windows.size()];
    std::vector<std::string> steps = lines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    std::vector<std::string> args;
    if (data[0] & kFriendlyForm) {
        args.push_back(entry.cliName);
        args.insert(args.end(), steps.begin(), steps.end());
    } else {
        args = {"run"};
        if ((data[0] & kAccuracyOption) && !steps.empty()) {
            args.push_back("--accuracy");
            args.push_back(steps.front());
        }
        args.push_back("--tsv");
        args.push_back(entry.cliName);
        const std::size_t skip = (data[0] & kAccuracyOption) && !steps.empty() ? 1 : 0;
        args.insert(args.end(), steps.begin() + static_cast<std::ptrdiff_t>(skip), steps.end());
    }

    std::ostringstream out, err;
    const int status = runCli(args, out, err);
    FUZZ_CHECK(status == 0 || status == kExitRefused || status == kExitUsage, "exit status %d", status);
    if (status != 0)
        FUZZ_CHECK(!err.str().empty(), "status %d without a message", status);

    if (data[0] & kFriendlyForm)
        return 0;
    int accuracy = kDefaultCliAccuracy;
    if ((data[0] & kAccuracyOption) && !steps.empty()) {
        if (!parseTag(steps.front(), accuracy)) {
            FUZZ_CHECK(status == kExitUsage, "a bad --accuracy gave status %d", status);
            return 0;
        }
        steps.erase(steps.begin());
    }
    Replay replay(entry, accuracy);
    const int expected = replay.run(steps);
    FUZZ_CHECK(status == expected, "the command gave status %d, the window %d", status, expected);
    if (status == 0)
        FUZZ_CHECK(out.str() == replay.tsv(), "the printed table differs from the window");
    return 0;
}
