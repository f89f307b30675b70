// SPDX-License-Identifier: GPL-3.0-or-later
// The classic tables keep rounded factors, on purpose. This
// is every unit whose classic factor is more than 1e-4 from its definition,
// with the size of the difference, for the texts that warn about them and
// for the test that keeps this list complete.
#pragma once

#include <span>

namespace ambrel {

struct ClassicDeparture {
    const char* window;      // command-line window name, "volume"
    const char* outlet;      // the unit's field, "Ibushel"
    const char* unit;        // as a person reads it, "imperial bushel"
    const char* classic;     // the classic size in words, "36 L"
    const char* definition;  // the defined size in words, "8 imperial gallons = 36.36872 L"
    // Relative size of the classic unit against its definition, classic ÷
    // definition − 1: +0.333 for a tablespoon of 20 mL against 15 mL. Where
    // typing into the unit and reading it out differ, the larger of the two.
    // Offset scales are compared in kelvin at 20 °C.
    double departure;
};

// In the command line's window order, by table row.
std::span<const ClassicDeparture> classicDepartures();

}  // namespace ambrel
