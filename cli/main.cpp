// `ambrel`: with arguments, the command line on the headless core; without,
// hands over to the desktop program, so the command line never loads Qt.
#include "app/display.h"
#include "cli/batch.h"
#include "cli/cli.h"

#include <cerrno>
#include <cstring>
#include <iostream>
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc <= 1) {
        if (!ambrel::hasDisplay()) {
            std::cerr << ambrel::kNoDisplayMessage;
            return 1;
        }
        return startDesktop(argv);
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args[0] == "batch")
        return ambrel::runBatch(std::span(args).subspan(1), stdin, stdout, stderr);
    return ambrel::runCli(args, std::cout, std::cerr);
}
