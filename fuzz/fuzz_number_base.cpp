// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of binary, octal, decimal and hexadecimal entries on arbitrary
// bytes: it never crashes, a refusal gives 0 and a reason, and an accepted
// value is written in every notation as text that reads back to it.
#include "computing/number_base.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace ambrel;

namespace {

constexpr Notation kNotations[] = {Notation::Binary, Notation::Octal, Notation::Decimal, Notation::Hexadecimal};

// 32 binary digits, or a sign and ten decimal digits.
constexpr std::size_t kLongestText = 32;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Notation notation : kNotations) {
        const BaseReading reading = readInteger(text, notation);
        if (!reading.ok()) {
            FUZZ_CHECK(reading.value == 0, "a refusal carries %d", static_cast<int>(reading.value));
            FUZZ_CHECK(!describe(reading.error, notation).empty(), "a refusal without a reason");
            continue;
        }
        for (const Notation shown : kNotations) {
            const std::string written = writeInteger(reading.value, shown);
            FUZZ_CHECK(!written.empty() && written.size() <= kLongestText, "\"%s\" written for %d", written.c_str(),
                       static_cast<int>(reading.value));
            const BaseReading back = readInteger(written, shown);
            FUZZ_CHECK(back.ok() && back.value == reading.value, "\"%s\" reads back as %d, not %d", written.c_str(),
                       static_cast<int>(back.value), static_cast<int>(reading.value));
        }
    }
    return 0;
}
