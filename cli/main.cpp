// SPDX-License-Identifier: GPL-3.0-or-later
// `ambrel`: with arguments, the command line on the headless core; without,
// hands over to the desktop program, so the command line never loads Qt.
#include "app/display.h"
#include "cli/batch.h"
#include "cli/cli.h"
#include "cli/interactive.h"
#include "cli/options.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

int startDesktop(char** argv)
{
    std::string self(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
    std::string desktop = "ambrel-desktop";
    if (n > 0) {
        self.resize(static_cast<std::size_t>(n));
        desktop = self.substr(0, self.rfind('/') + 1) + "ambrel-desktop";
    }
    argv[0] = desktop.data();
    execv(desktop.c_str(), argv);
    execvp("ambrel-desktop", argv);
    std::cerr << "ambrel: cannot start the desktop program: " << std::strerror(errno) << "\n";
    return 1;
}

// Output that never reached its file is an error, not a success: the status
// says so, and stderr says why (unless the reader simply went away).
int checkedExit(int status)
{
    if (status == ambrel::kExitWriteFailed)
        return status;  // already reported
    errno = 0;
    std::cout.flush();
    const bool lost = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout);
    const int error = errno;
    if (std::fclose(stdout) != 0 || lost) {
        const int why = lost ? error : errno;
        if (why != EPIPE)
            std::fprintf(stderr, "ambrel: cannot write the output: %s\n", std::strerror(why ? why : EIO));
        return ambrel::kExitWriteFailed;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    // A reader that closes the pipe (ambrel batch ... | head) ends the run
    // quietly, even when the parent ignored the signal.
    std::signal(SIGPIPE, SIG_DFL);
    if (argc <= 1) {
        if (ambrel::hasDisplay())
            return startDesktop(argv);
        if (isatty(STDIN_FILENO))
            return checkedExit(ambrel::runInteractive({}, stdin, stdout, stderr));
        std::cerr << ambrel::kNoDisplayMessage;
        return 1;
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    // Options may come before the command: ambrel --json batch ...
    const std::size_t at = ambrel::commandWord(args);
    if (at < args.size() && (args[at] == "batch" || args[at] == "-i" || args[at] == "--interactive")) {
        const std::vector<std::string> rest = ambrel::commandArgs(args, at);
        if (args[at] == "batch")
            return checkedExit(ambrel::runBatch(rest, stdin, stdout, stderr));
        return checkedExit(ambrel::runInteractive(rest, stdin, stdout, stderr));
    }
    // The answer is written in one go, so that a write that fails is seen
    // with its reason rather than found later on a stream that lost it.
    std::ostringstream out;
    const int status = ambrel::runCli(args, out, std::cerr);
    const std::string text = std::move(out).str();
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        if (errno != EPIPE)
            std::fprintf(stderr, "ambrel: cannot write the output: %s\n", std::strerror(errno ? errno : EIO));
        return ambrel::kExitWriteFailed;
    }
    return checkedExit(status);
}
