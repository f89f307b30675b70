// SPDX-License-Identifier: GPL-3.0-or-later
// The documents the exact sizes of the later windows are taken from, named
// as each unit row and notebook names them.
#pragma once

namespace ambrel {

inline constexpr const char* kSiBrochure = "SI Brochure 2019";
inline constexpr const char* kNistSp811 = "NIST SP 811 Appendix B";
inline constexpr const char* kNistHb44 = "NIST HB 44 Appendix C";
inline constexpr const char* kIec80000 = "IEC 80000-13";
// The desktop-publishing point of 1/72 inch and the pica of 12 points.
inline constexpr const char* kCssUnits = "CSS Values and Units";
// The month as a twelfth of the Gregorian year, the fortnight of 14 days.
inline constexpr const char* kGregorianCalendar = "Gregorian calendar";
// The mean sidereal day.
inline constexpr const char* kIersConventions = "IERS Conventions 2010";
// The enzyme unit, a micromole per minute, which the SI Brochure and NIST SP
// 811 do not list.
inline constexpr const char* kIupacGoldBook = "IUPAC Gold Book";
// Angles named as whole fractions of the circle: the sign of the zodiac, the
// compass point, the artillery mils of 6000 and 6300 to the turn.
inline constexpr const char* kCircleDivisions = "Division of the circle";

}  // namespace ambrel
