// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of typed numbers on arbitrary bytes, in a point and a comma
// locale: it never crashes, an accepted text gives a finite number that the
// exact form reads back bit for bit (and that the C library reads the same
// way), a refused text gives 0 and a reason, and the fixed format of any
// accepted number stays short.
#include "framework/number_text.h"
#include "fuzz_check.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using namespace ambrel;

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Plain ASCII number texts, which strtod in the C locale reads as the reader must.
bool plainNumberText(std::string_view s)
{
    if (s.empty())
        return false;
    for (const char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char separator : {'.', ','}) {
        const NumberReading reading = readNumber(text, separator);
        if (!reading.ok()) {
            FUZZ_CHECK(sameBits(reading.value, 0.0), "a refusal carries %g", reading.value);
            FUZZ_CHECK(!describe(reading.error).empty(), "a refusal without a reason");
            continue;
        }
        const double value = reading.value;
        FUZZ_CHECK(std::isfinite(value), "accepted a non-finite number");

        const std::string exact = formatExact(value);
        const NumberReading back = readNumber(exact);
        FUZZ_CHECK(back.ok(), "the exact form \"%s\" is refused", exact.c_str());
        FUZZ_CHECK(sameBits(back.value, value), "\"%s\" reads back as %a, not %a", exact.c_str(), back.value, value);

        if (separator == '.' && plainNumberText(text)) {
            const std::string copy(text);
            char* end = nullptr;
            errno = 0;
            const double c = std::strtod(copy.c_str(), &end);
            FUZZ_CHECK(end == copy.c_str() + copy.size() && sameBits(c, value),
                       "strtod reads \"%s\" as %a, the reader as %a", copy.c_str(), c, value);
        }

        for (const int digits : {INT_MIN, -1, 0, 4, 16, 17, kMaxShownDecimals, INT_MAX}) {
            const std::string shown = formatShown(value, digits);
            FUZZ_CHECK(!shown.empty() && shown.size() <= kLongestShownText, "%zu characters shown at %d digits",
                       shown.size(), digits);
            // Only the largest doubles, rounded up, leave the double range.
            const NumberReading read = readNumber(shown);
            if (read.error == NumberError::TooLarge)
                continue;
            FUZZ_CHECK(read.ok(), "\"%s\" is shown but refused", shown.c_str());
            FUZZ_CHECK((read.value == 0) == (value == 0), "%a is shown as \"%s\"", value, shown.c_str());
            if (digits >= kFullPrecisionDigits)
                FUZZ_CHECK(sameBits(std::fabs(read.value), std::fabs(value)), "\"%s\" does not read back as %a",
                           shown.c_str(), value);
        }
    }
    return 0;
}
