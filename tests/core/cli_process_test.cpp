// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a user runs it: the documented examples, output that
// cannot be written, a reader that goes away, and the interactive prompt on
// a terminal.
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <pty.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Process {
    int status = -1;  // the exit status, or -1 when a signal ended it
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string tempPath(const char* name)
{
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir ? dir : "/tmp") + "/ambrel-test-" + std::to_string(getpid()) + "-" + name;
}

// Runs `command` through the shell with `input` on stdin and stdout into
// `outPath` (a file of ours when empty).
Process shell(const std::string& command, const std::string& input = "", std::string outPath = "")
{
    const std::string inPath = tempPath("in"), errPath = tempPath("err");
    const bool ownOut = outPath.empty();
    if (ownOut)
        outPath = tempPath("out");
    std::ofstream(inPath, std::ios::binary) << input;
    const int status = std::system((command + " < " + inPath + " > " + outPath + " 2> " + errPath).c_str());
    Process p{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ownOut ? slurp(outPath) : "", slurp(errPath)};
    for (const std::string& path : {inPath, errPath, ownOut ? outPath : std::string()})
        unlink(path.c_str());
    return p;
}

// The program with `arguments` as a shell writes them, without a display.
Process runShell(const std::string& arguments, const std::string& input = "", std::string outPath = "")
{
    return shell("env -u DISPLAY -u WAYLAND_DISPLAY " AMBREL_BINARY " " + arguments, input, std::move(outPath));
}

Process runProgram(const std::vector<std::string>& args, const std::string& input = "", std::string outPath = "")
{
    std::string arguments;
    for (const std::string& a : args)
        arguments += " '" + std::regex_replace(a, std::regex("'"), "'\\''") + "'";
    return runShell(arguments, input, outPath);
}

struct Example {
    std::string where, line;
};

// "ambrel ..." lines: the help's examples, the manual's EXAMPLES and
// CAVEATS, and the README's command-line blocks.
std::vector<Example> documentedExamples()
{
    std::vector<Example> found;
    bool in = false;
    std::istringstream help(runProgram({"--help"}).out);
    for (std::string line; std::getline(help, line);) {
        in = line == "Examples:" || (in && !line.empty());
        if (in && line.starts_with("  ambrel "))
            found.push_back({"--help", line.substr(2)});
    }
    in = false;
    std::istringstream manual(slurp(AMBREL_SOURCE_DIR "/resources/ambrel.1"));
    for (std::string line; std::getline(manual, line);) {
        if (line.starts_with(".SH "))
            in = line == ".SH EXAMPLES" || line == ".SH CAVEATS";
        else if (in && line.starts_with(".B ambrel "))  // roff's \- is a minus, \% no character
            found.push_back({"ambrel.1", std::regex_replace(line.substr(3), std::regex(R"(\\(-)|\\%)"), "$1")});
    }
    in = false;
    std::istringstream readme(slurp(AMBREL_SOURCE_DIR "/README.md"));
    for (std::string line; std::getline(readme, line);) {
        if (line.find("```") != std::string::npos)
            in = !in;
        else if (in && line.starts_with("  ambrel"))
            found.push_back({"README.md", std::regex_replace(line.substr(2), std::regex(" *(#.*)?$"), "")});
    }
    return found;
}

TEST(DocumentedExamples, EveryExampleRuns)
{
    const std::vector<Example> examples = documentedExamples();
    // The help, the manual and the README each show a dozen or so.
    ASSERT_GE(examples.size(), 35u);
    for (const Example& e : examples) {
        std::string arguments = e.line.substr(std::string("ambrel").size()), input;
        if (const std::size_t from = arguments.find(" < "); from != std::string::npos) {
            input = "1\n2.5\n";  // the "numbers" file
            arguments.resize(from);
        }
        if (arguments.starts_with(" -i"))
            input = "3 mi km\nquit\n";
        const Process p = runShell(arguments, input);
        EXPECT_EQ(p.status, 0) << e.where << ": " << e.line << "\n" << p.err;
        EXPECT_FALSE(p.out.empty()) << e.where << ": " << e.line;
        EXPECT_TRUE(p.err.empty()) << e.where << ": " << e.line << "\n" << p.err;
    }
}

TEST(ProgramOutput, AWriteThatFailsIsReportedWithStatusOne)
{
    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += "1\n";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"3", "mi", "km"}, ""},
        {{"units", "volume"}, ""},
        {{"run", "--tsv", "length", "FeetField=1"}, ""},
        {{"batch", "m", "km"}, many},
        {{"batch", "length", "MetersField"}, "1\n2\n3\n"},
        {{"-i"}, "3 mi km\n"},
        {{"--help"}, ""},
    };
    for (const auto& [args, input] : cases) {
        const Process p = runProgram(args, input, "/dev/full");
        EXPECT_EQ(p.status, 1) << args[0];
        EXPECT_EQ(p.err, "ambrel: cannot write the output: No space left on device\n") << args[0];
    }
}

// The options before batch and -i reach them as they reach the other
// commands, and the environment picks the table set where no option does.
TEST(ProgramOptions, BatchAndThePromptTakeTheOptionsBeforeThem)
{
    // clang-format off
    const struct { std::string env; std::vector<std::string> args; std::string input; int status; const char *out, *err; } cases[] = {
        {"", {"--digits", "17", "--classic", "batch", "ft", "in"}, "1\n", 0, "11.999976\n", ""},
        {"", {"--json", "batch", "ft", "m"}, "1\n", 0, "{\"line\":1,\"unit\":\"m\",\"value\":0.3048}\n", ""},
        {"", {"--classic", "--exact", "batch", "lb", "kg"}, "1\n", 0, "0.45359237\n", ""},
        {"", {"--classic", "-i"}, "1 lb kg\nquit\n", 0, "0.454 kg\n", ""},
        {"", {"--digits", "3", "-i"}, "3 mi km\n? length\n", 0, "4.83 km\n", ""},
        {"AMBREL_CLASSIC=1", {"batch", "lb", "kg"}, "1\n", 0, "0.454\n", ""},
        {"AMBREL_CLASSIC=1", {"--exact", "-i"}, "1 lb kg\n", 0, "0.45359237 kg\n", ""},
        {"AMBREL_CLASSIC=1", {"units", "length"}, "", 0, "  parsec ", ""},
        {"", {"--json", "-i"}, "", 64, "", "--json is for the one-shot forms"},
        {"", {"--digits", "4", "--json", "batch", "ft", "m"}, "1\n", 64, "", "--json writes every digit"},
        {"", {"1e308", "ly", "m"}, "", 2, "", "\"1e308 ly\" refused: the result is too large"},
        // Two boxes of a window of several quantities.
        {"", {"batch", "kat", "mol"}, "1\n", 64, "", "\"kat\" is a unit of catalytic activity and \"mol\" of amount"},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::string arguments;
        for (const std::string& a : c.args)
            arguments += " '" + a + "'";
        const Process p = shell("env -u DISPLAY -u WAYLAND_DISPLAY -u AMBREL_CLASSIC -u AMBREL_EXACT " + c.env + " " +
                                    AMBREL_BINARY + arguments,
                                c.input);
        EXPECT_EQ(p.status, c.status) << arguments << "\n" << p.err;
        EXPECT_NE(p.out.find(c.out), std::string::npos) << arguments << "\n" << p.out;
        EXPECT_NE(p.err.find(c.err), std::string::npos) << arguments << "\n" << p.err;
    }
    // The classic listing has no definitions (and so no π).
    const Process classic = shell("env AMBREL_CLASSIC=1 " AMBREL_BINARY " units length");
    EXPECT_EQ(classic.out.find("π"), std::string::npos) << classic.out;
}

// Like `| head -c 16`: the run ends by the signal, with no message, even
// when the parent ignores SIGPIPE.
TEST(ProgramOutput, AReaderThatGoesAwayEndsTheRunQuietly)
{
    const Process p = shell("bash -c 'trap \"\" PIPE; seq 200000 2>/dev/null | " AMBREL_BINARY
                            " batch m km | head -c 16 >/dev/null; echo ${PIPESTATUS[1]}'");
    EXPECT_EQ(p.out, "141\n");  // 128 + SIGPIPE
    EXPECT_EQ(p.err, "");
}

// A pseudo-terminal session with the interactive mode.
class Terminal {
public:
    Terminal()
    {
        pid_ = forkpty(&fd_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            setenv("TERM", "dumb", 1);
            setenv("INPUTRC", "/dev/null", 1);
            execl(AMBREL_BINARY, AMBREL_BINARY, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    // Whether a pseudo-terminal could be had (a container without /dev/pts has none).
    bool opened() const { return pid_ >= 0; }
    ~Terminal()
    {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        close(fd_);
    }
    void type(const std::string& keys)
    {
        ASSERT_EQ(write(fd_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }
    // What the program wrote before its next prompt (or within a few
    // seconds, to fail rather than hang).
    std::string untilPrompt()
    {
        const std::string prompt = "ambrel> ";
        std::size_t at;
        for (int waits = 0; (at = screen_.find(prompt)) == std::string::npos && waits < 100; ++waits) {
            pollfd p{fd_, POLLIN, 0};
            char buf[4096];
            const ssize_t n = poll(&p, 1, 50) > 0 ? read(fd_, buf, sizeof buf) : 0;
            screen_.append(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
        }
        const std::string got = screen_.substr(0, at);
        screen_.erase(0, at == std::string::npos ? at : at + prompt.size());
        return got;
    }
    int wait()
    {
        int status = 0;
        waitpid(pid_, &status, 0);
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    int fd_ = -1;
    pid_t pid_ = -1;
    bool exited_ = false;
    std::string screen_;
};

TEST(Interactive, APromptOnATerminalConvertsEditsAndRecalls)
{
    Terminal t;
    if (!t.opened())
        GTEST_SKIP() << "no pseudo-terminal here: " << std::strerror(errno);
    // clang-format off
    const std::pair<const char*, const char*> session[] = {
        {"", "'quit' to leave"}, {"5 ft 3 in cm\r", "160.02 cm"},
        {"\x1b[A\b\bmm\r", "1600.2 mm"},  // the previous line back (up arrow), its end rubbed out and retyped
        {"?\r", "power-energy"}, {"? temperature\r", "KelvinField"}, {"3 parsnips\r", "no unit \"parsnips\""},
    };
    // clang-format on
    for (const auto& [keys, shown] : session) {
        t.type(keys);
        EXPECT_NE(t.untilPrompt().find(shown), std::string::npos) << keys;
    }
    t.type("quit\r");
    EXPECT_EQ(t.wait(), 0);
}

}  // namespace

namespace {

// What bash's completion offers for the words typed so far.
std::string complete(const std::string& words)
{
    const std::string script = tempPath("complete.sh");
    std::ofstream(script) << "source " AMBREL_SOURCE_DIR "/resources/completion/ambrel\n"
                          << "COMP_WORDS=(" AMBREL_BINARY " " << words << ")\n"
                          << "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                          << "_ambrel\n"
                          << "printf '%s\\n' \"${COMPREPLY[@]}\"\n";
    const Process p = shell("bash " + script);
    unlink(script.c_str());
    EXPECT_EQ(p.status, 0) << p.err;
    return p.out + p.err;
}

TEST(Completion, UnitNamesCompleteAfterTheQuantity)
{
    EXPECT_EQ(complete("3 kilomet"), "kilometer\n");
    EXPECT_EQ(complete("length 3 nautical"), "\n");  // names of several words are not offered
    const std::string temperature = complete("temperature 3 ''");
    EXPECT_NE(temperature.find("\nkelvin\n"), std::string::npos) << temperature;
    EXPECT_EQ(temperature.find("km"), std::string::npos) << temperature;  // the window's units only
    EXPECT_EQ(complete("units tempe"), "temperature\n");
    // Every unit whose symbol starts so, in any window.
    std::istringstream g(complete("batch TiB G"));
    std::set<std::string> offered;
    for (std::string line; std::getline(g, line);) {
        EXPECT_TRUE(line.starts_with("G")) << line;
        offered.insert(line);
    }
    EXPECT_TRUE(offered.contains("GiB") && offered.contains("GB") && offered.contains("GHz"));
    EXPECT_EQ(complete("batch length Fee"), "FeetField\n");
    // Options before the command word leave it completing as without them.
    EXPECT_EQ(complete("--cl"), "--classic\n");
    EXPECT_EQ(complete("--classic units tempe"), "temperature\n");
    EXPECT_EQ(complete("--digits 4 --json batch length Fee"), "FeetField\n");
    EXPECT_EQ(complete("--classic 3 kilomet"), "kilometer\n");
}

}  // namespace
