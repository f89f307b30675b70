// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the batch mode: what `ambrel batch length FeetField --to
// MetersField` does with nothing else. Reads one number a line in large
// blocks, multiplies it once and writes its shortest round-trip form.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

int main()
{
    std::vector<char> chunk(1 << 16);
    std::string pending;
    std::string out;
    out.reserve((1 << 16) + 64);
    for (;;) {
        const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), stdin);
        if (n == 0 && pending.empty())
            break;
        if (n == 0)
            pending.push_back('\n');
        else
            pending.append(chunk.data(), n);
        std::size_t start = 0;
        for (std::size_t nl = pending.find('\n'); nl != std::string::npos; nl = pending.find('\n', start)) {
            double v = 0;
            std::from_chars(pending.data() + start, pending.data() + nl, v);
            start = nl + 1;
            char buf[32];
            out.append(buf, std::to_chars(buf, buf + sizeof buf, v * 0.3048).ptr);
            out.push_back('\n');
            if (out.size() >= (1 << 16)) {
                std::fwrite(out.data(), 1, out.size(), stdout);
                out.clear();
            }
        }
        pending.erase(0, start);
        if (n == 0)
            break;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
