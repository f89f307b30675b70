// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/interactive.h"

#include "app/unit_names.h"
#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace ambrel {

namespace {

constexpr const char* kPrompt = "ambrel> ";

// Tab completion over the window names and the units' names and symbols.
char* completeName(const char* text, int state)
{
    static std::vector<std::string> names;
    static std::size_t next = 0;
    if (state == 0) {
        names.clear();
        next = 0;
        const std::string_view typed = text;
        auto offer = [&](std::string_view name) {
            if (name.substr(0, typed.size()) == typed && name.find(' ') == std::string_view::npos)
                names.emplace_back(name);
        };
        for (const WindowEntry& e : windowRegistry())
            offer(e.cliName);
        for (const UnitName& u : unitNames()) {
            offer(u.name);
            for (std::string_view rest = u.symbols; !rest.empty();) {
                const std::size_t bar = std::min(rest.find('|'), rest.size());
                offer(rest.substr(0, bar));
                rest.remove_prefix(std::min(bar + 1, rest.size()));
            }
        }
    }
    return next < names.size() ? strdup(names[next++].c_str()) : nullptr;
}

// GNU Readline, loaded when the prompt opens: every one-shot command would
// otherwise pay for loading it and its terminal library at start-up.
struct Readline {
    void* library = nullptr;
    char* (*readline)(const char*) = nullptr;
    void (*addHistory)(const char*) = nullptr;

    Readline(std::FILE* in, std::FILE* out)
    {
        library = dlopen("libreadline.so.8", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return;
        readline = reinterpret_cast<char* (*)(const char*)>(dlsym(library, "readline"));
        addHistory = reinterpret_cast<void (*)(const char*)>(dlsym(library, "add_history"));
        auto set = [&](const char* name, auto value) {
            if (auto* p = static_cast<decltype(value)*>(dlsym(library, name)))
                *p = value;
        };
        set("rl_instream", in);
        set("rl_outstream", out);
        set("rl_readline_name", "ambrel");
        set("rl_completion_entry_function", &completeName);
        if (!readline || !addHistory)
            readline = nullptr;
    }
    // Never closed: Readline keeps its keymaps and history for the life of
    // the process, and unloading it would only strand them.
    bool loaded() const { return readline != nullptr; }
};

std::vector<std::string> words(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

bool isQuit(const std::string& line)
{
    const std::vector<std::string> args = words(line);
    return args.size() == 1 && (args[0] == "quit" || args[0] == "exit" || args[0] == "q");
}

// Answers one line; false when the answer could not be written.
bool answer(const std::string& line, const CommonOptions& options, std::FILE* out, std::FILE* err)
{
    std::vector<std::string> args = words(line);
    if (args.empty())
        return true;
    if (args[0] == "?" || args[0] == "help") {
        args[0] = "units";
        if (args.size() == 1)
            std::fputs("A quantity and a unit per line, e.g. 5 ft 3 in cm, 3*4 m ft, length 1 foot.\n"
                       "'? WINDOW' lists a window's units; 'quit' leaves. The windows:\n",
                       out);
    }
    // The session's options go first, so that a line's own come later and count.
    std::vector<std::string> given = {options.exact ? "--exact" : "--classic"};
    if (options.digitsGiven && args[0] != "units" && args[0] != "run")
        given.insert(given.end(), {"--digits", std::to_string(options.digits)});
    args.insert(args.begin(), given.begin(), given.end());
    std::ostringstream o, e;
    runCli(args, o, e);
    std::fputs(o.str().c_str(), out);
    std::fputs(e.str().c_str(), err);
    return std::fflush(out) == 0;
}

// Output that could not be written ends the session with its reason.
int writeFailed(std::FILE* err)
{
    if (errno != EPIPE)
        std::fprintf(err, "ambrel: cannot write the output: %s\n", std::strerror(errno ? errno : EIO));
    return kExitWriteFailed;
}

}  // namespace

int runInteractive(std::span<const std::string> given, std::FILE* in, std::FILE* out, std::FILE* err)
{
    CommonOptions options;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const OptionRead read = readCommonOption(given, i, options);
        const char* wrong = read == OptionRead::Bad ? kDigitsNeeded
            : options.json                          ? "--json is for the one-shot forms, not for -i"
            : read == OptionRead::Other             ? "-i takes --classic, --exact and --digits N"
                                                    : nullptr;
        if (wrong) {
            std::fprintf(err, "ambrel: %s\nTry 'ambrel --help' for more information.\n", wrong);
            return kExitUsage;
        }
    }
    if (!isatty(fileno(in))) {
        std::string line;
        for (int c; (c = std::fgetc(in)) != EOF;) {
            if (c != '\n') {
                if (line.size() <= 4096)
                    line += static_cast<char>(c);
                continue;
            }
            if (isQuit(line))
                return 0;
            if (!answer(line, options, out, err))
                return writeFailed(err);
            line.clear();
        }
        if (!line.empty() && !isQuit(line) && !answer(line, options, out, err))
            return writeFailed(err);
        return 0;
    }
    Readline editor(in, out);
    std::fputs("Ambrel: type a quantity and a unit (5 ft 3 in cm), '?' for the windows, 'quit' to leave.\n", out);
    for (;;) {
        char* raw = nullptr;
        if (editor.loaded()) {
            raw = editor.readline(kPrompt);
        } else {
            // Without Readline: a plain prompt, no editing.
            std::fputs(kPrompt, out);
            std::fflush(out);
            char buf[4096];
            if (std::fgets(buf, sizeof buf, in)) {
                buf[std::strcspn(buf, "\n")] = '\0';
                raw = strdup(buf);
            }
        }
        if (!raw) {
            std::fputc('\n', out);
            break;
        }
        const std::string line = raw;
        std::free(raw);
        if (line.find_first_not_of(" \t") != std::string::npos)
            if (editor.loaded())
                editor.addHistory(line.c_str());
        if (isQuit(line))
            break;
        if (!answer(line, options, out, err))
            return writeFailed(err);
    }
    return 0;
}

}  // namespace ambrel
