// SPDX-License-Identifier: GPL-3.0-or-later
// The quantity reader on arbitrary bytes: it never crashes or recurses
// without bound, an accepted text gives finite amounts (one for a plain
// amount, each but a lone one with a unit), a refused one gives none and a
// position inside the text, and a plain number reads as readNumber reads it.
#include "framework/quantity_text.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

using namespace ambrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char separator : {'.', ','}) {
        const QuantityReading q = readQuantity(text, separator);
        if (q.ok()) {
            FUZZ_CHECK(!q.terms.empty(), "no amounts");
            for (const QuantityTerm& t : q.terms)
                FUZZ_CHECK(std::isfinite(t.value), "an infinite amount");
            if (q.terms.size() > 1)
                for (const QuantityTerm& t : q.terms)
                    FUZZ_CHECK(!t.unit.empty(), "an amount of a sum without a unit");
        } else {
            FUZZ_CHECK(q.terms.empty(), "amounts kept from a refused text");
            FUZZ_CHECK(q.position >= 1 && q.position <= size + 1, "position %zu of %zu", q.position, size);
        }
        const QuantityReading a = readAmount(text, separator);
        if (a.ok())
            FUZZ_CHECK(a.terms.size() == 1 && a.terms[0].unit.empty(), "a plain amount with a unit");
        const NumberReading n = readNumber(text, separator);
        if (n.ok()) {
            FUZZ_CHECK(a.ok(), "a number the amount reader refuses");
            FUZZ_CHECK(std::memcmp(&n.value, &a.terms[0].value, sizeof n.value) == 0, "another value");
        }
    }
    return 0;
}
