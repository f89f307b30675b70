#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every unit of every converter window that GNU units also knows, against
GNU units' definitions: one unit in its box's base, as `ambrel batch --digits
17` gives it and as `units -t` does, within 1e-12 relative, unless the two
differ by a convention the window's notebook names (CONVENTIONS below).

Usage: gnu_units_check.py AMBREL [UNITS]
Prints each disagreement and a summary; exits 1 if a unit disagrees without
a listed convention, or a listed convention no longer differs."""

import re
import subprocess
import sys

TOLERANCE = 1e-12

# GNU units' spelling where Ambrel's name or symbols do not reach it, by
# window and outlet. A reciprocal unit (volume per distance) is written as
# the size it has in its base, as Ambrel's table has it.
NAMES = {
    ("area", "SqAre"): "are",
    ("velocity", "KiloHourField"): "km/hr",
    ("velocity", "MachField"): None,  # GNU units has no speed of sound at 15 °C
    ("velocity", "LightSpeedField"): "c",
    ("pressure", "MiliMerc"): "mmHg",
    ("pressure", "CentiMerc"): "cm Hg",
    ("pressure", "InchMerc"): "inHg",
    ("pressure", "InchWater"): "inH2O",
    ("pressure", "FootWater"): "ft water",
    ("pressure", "PoundSQfoot"): "lbf/ft^2",
    ("pressure", "MilliWater"): "mmH2O",
    ("volume", "Ipint"): "brpint",
    ("volume", "Iquart"): "brquart",
    ("volume", "Igallon"): "brgallon",
    ("volume", "Iminim"): "brminim",
    ("volume", "Igill"): "brgill",
    ("volume", "Ipeck"): "brpeck",
    ("volume", "Ibushel"): "brbushel",
    ("volume", "Ifluidounce"): "brfloz",
    ("volume", "Icup"): "brcup",
    ("volume", "USdryounce"): None,  # no US dry ounce in GNU units
    ("volume", "USdrydram"): None,
    ("volume", "USfluidonce"): "usfloz",
    ("volume", "USfuilddram"): "fluiddram",
    ("volume", "USgill"): "usgill",
    ("volume", "USpint"): "uspint",
    ("volume", "USquart"): "usquart",
    ("volume", "USgallon"): "usgallon",
    ("volume", "USbarrel"): "liquidbarrel",
    ("volume", "USminim"): "minim",
    ("volume", "USbarrelofoil"): "petroleumbarrel",
    ("volume", "Mcookteaspoon"): "5 ml",
    ("volume", "Mcooktablespoon"): "15 ml",
    ("volume", "Mcookcup"): "metriccup",
    ("volume", "Icookteaspoon"): "usteaspoon",
    ("volume", "Icooktablespoon"): "ustablespoon",
    ("volume", "Icookcup"): "uscup",
    ("weight", "Mnewton"): "N / gravity",
    ("weight", "Mhundredweight"): "quintal",
    ("weight", "Mton"): "tonne",
    ("weight", "Mkiloton"): "kilotonne",
    ("weight", "AVgrain"): "grain",
    ("weight", "AVdram"): "dram",
    ("weight", "AVounce"): "ounce",
    ("weight", "AVpound"): "pound",
    ("weight", "APgrain"): "grain",
    ("weight", "Tgrain"): "grain",
    ("weight", "AVshundredweight"): "shorthundredweight",
    ("weight", "AVlhundredweight"): "longhundredweight",
    ("weight", "AVslug"): "slug",
    ("weight", "APscruple"): "apscruple",
    ("weight", "APdram"): "apdram",
    ("weight", "APounce"): "apounce",
    ("weight", "APpound"): "appound",
    ("weight", "Tdyne"): "dyne / gravity",
    ("weight", "Tcarat"): None,  # a troy carat of 4 grains: GNU units has none
    ("weight", "Tounce"): "troyounce",
    ("weight", "Tpound"): "troypound",
    ("power-energy", "Pbtupersecond"): "btu/s",
    ("power-energy", "Pbtuperhour"): "btu/hr",
    ("power-energy", "PfootPFpersecond"): "ft lbf / s",
    ("power-energy", "Prefigerationton"): "tonrefrigeration",
    ("power-energy", "Phorsepower550"): "hp",
    ("power-energy", "PhorsepowerMetric"): "metrichorsepower",
    ("power-energy", "PhorsepowerElectric"): "electrichorsepower",
    ("power-energy", "PhorsepowerWater"): "waterhorsepower",
    ("power-energy", "PhorsepowerBoiler"): "boilerhorsepower",
    ("power-energy", "EcaloriePhysics"): "thermcalorie",
    ("power-energy", "EcalorieNutrition"): "kilo thermcalorie",
    ("power-energy", "Ebtu"): "btu",
    ("power-energy", "EtermUS"): "UStherm",
    ("power-energy", "EtermEurope"): "ECtherm",
    ("power-energy", "EhorsepowerHour"): "hp hr",
    ("power-energy", "Efootpoundforce"): "ft lbf",
    ("power-energy", "EtonTNT"): "ton tnt",
    ("fuel-light", "KiloLiterfField"): "km/l",
    ("fuel-light", "MileGallonField"): "mi/usgallon",
    ("fuel-light", "Litersper100km"): "1 / (l / 100 km)",
    ("fuel-light", "Gallonsper100miles"): "1 / (usgallon / 100 mi)",
    ("fuel-light", "MileImpGallonField"): "mi/brgallon",
    ("fuel-light", "ImpGallonsper100miles"): "1 / (brgallon / 100 mi)",
    ("fuel-light", "CandSqMeterField"): "cd/m^2",
    ("fuel-light", "CandSqInchField"): "cd/in^2",
    ("fuel-light", "LumenSqMeter"): "lm/m^2",
    ("fuel-light", "LumenSqFootField"): "lm/ft^2",
    ("angle", "NatoMilField"): "1|6400 circle",
    ("frequency", "RevPerMinuteField"): "rev/min",
    ("frequency", "RevPerSecondField"): "rev/s",
    ("frequency", "RadPerSecondField"): "radian/s",
    ("frequency", "DegPerSecondField"): "degree/s",
    ("force", "ShortTonForceField"): "tonf",
    ("torque", "PoundFootField"): "lbf ft",
    ("torque", "PoundInchField"): "lbf in",
    ("torque", "OunceInchField"): "ounce force in",
    ("torque", "KgfMeterField"): "kgf m",
    ("torque", "KgfCentimeterField"): "kgf cm",
    ("torque", "DyneCentimeterField"): "dyne cm",
    ("acceleration", "StandardGravityField"): "gravity",
    ("acceleration", "KmhPerSecondField"): "km/hr/s",
    ("acceleration", "MphPerSecondField"): "mph/s",
    ("density", "PoundPerUsGallonField"): "lb/usgallon",
    ("density", "PoundPerImpGallonField"): "lb/brgallon",
    ("data-rate", "KilobytePerSecondField"): "1000 byte/s",
    ("data-rate", "MegabytePerSecondField"): "1e6 byte/s",
    ("data-rate", "GigabytePerSecondField"): "1e9 byte/s",
    ("data-rate", "TerabytePerSecondField"): "1e12 byte/s",
    # GNU units reads "US gallon" as a gallon scaled by its US-survey prefix.
    ("flow", "CubicMeterPerHourField"): "m^3/hr",
    ("flow", "UsGallonPerMinuteField"): "usgallon/min",
    ("flow", "UsGallonPerHourField"): "usgallon/hr",
    ("flow", "ImpGallonPerMinuteField"): "brgallon/min",
    ("flow", "ImpGallonPerHourField"): "brgallon/hr",
    ("viscosity", "PoundForceSecondPerSqFootField"): "lbf s/ft^2",
    # GNU units' turn is 2 pi radians, so its "ampere turn" is 2 pi A; a
    # turn of a coil is a count. Its gamma is a microgram.
    ("magnetism", "AmpereTurnField"): "A",
    ("magnetism", "KiloampereTurnField"): "kA",
    ("magnetism", "AmpereTurnPerInchField"): "A/in",
    ("magnetism", "GammaField"): None,
    ("substance", "PoundMoleField"): "(lb/g) mol",
    ("substance", "ParticleField"): "1/avogadro",
    ("substance", "EnzymeUnitField"): "umol/min",
    ("angle", "OctantField"): None,  # GNU units' octant is a solid angle
    ("angle", "CompassPointField"): "pointangle",
    ("flow", "UsGallonPerDayField"): "usgallon/day",
    ("flow", "MillionGallonsPerDayField"): "mgd",
    ("flow", "ShortTonPerHourField"): "shortton/hr",
    ("power-energy", "Pkilocalorieperhour"): "kilo thermcalorie/hr",
    ("power-energy", "Pcaloriepersecond"): "thermcalorie/s",
    ("power-energy", "Pbtuperminute"): "btu/min",
    ("pressure", "CentiWater"): "cm water",
    ("pressure", "DyneSQcentimeter"): "dyne/cm^2",
    ("volume", "USdrypint"): "drypint",
    ("volume", "USdryquart"): "dryquart",
    ("volume", "USpeck"): "peck",
    ("volume", "USbushel"): "bushel",
    # GNU units' calorie is the thermochemical one, its BTU is spelled in
    # lower case and its degF is the Fahrenheit degree of difference.
    ("heat", "CaloriePerGramField"): "cal_IT/g",
    ("heat", "BtuPerPoundField"): "btu/lb",
    ("heat", "CaloriePerGramCelsiusField"): "cal_IT/(g K)",
    ("heat", "BtuPerPoundFahrenheitField"): "btu/(lb degF)",
    ("heat", "BtuPerHourFootFahrenheitField"): "btu/(hr ft degF)",
    ("heat", "BtuInchPerHourSqFootFahrenheitField"): "btu in/(hr ft^2 degF)",
    ("heat", "CaloriePerSecondCmCelsiusField"): "cal_IT/(s cm K)",
    ("heat", "KilocaloriePerHourMeterCelsiusField"): "kcal_IT/(hr m K)",
    ("heat", "BtuPerHourSqFootField"): "btu/(hr ft^2)",
    ("heat", "KilocaloriePerHourSqMeterField"): "kcal_IT/(hr m^2)",
    ("heat", "CaloriePerSqCmSecondField"): "cal_IT/(cm^2 s)",
    ("heat", "KilowattPerSqMeterKelvinField"): "kW/(m^2 K)",
    ("heat", "BtuPerHourSqFootFahrenheitField"): "btu/(hr ft^2 degF)",
    ("heat", "KilocaloriePerHourSqMeterCelsiusField"): "kcal_IT/(hr m^2 K)",
    ("heat", "SqMeterKelvinPerWattField"): "m^2 K/W",
    ("heat", "SqFootFahrenheitHourPerBtuField"): "ft^2 degF hr/btu",
}

# Units that GNU units defines otherwise, each with the convention that the
# window's notebook names.
CONVENTIONS = {
    ("time", "YearField"): "GNU units' year is the tropical year; Ambrel's the Julian year",
    ("time", "DecadeField"): "decades of GNU units' tropical year against Julian years",
    ("time", "CenturyField"): "centuries of GNU units' tropical year against Julian years",
    ("time", "MonthField"): "GNU units' month is a twelfth of its tropical year; Ambrel's of the Gregorian",
    ("time", "SiderealDayField"): "GNU units' sidereal day is 86164.09054 s; Ambrel's 86164.0905 s",
    # GNU units' radian is 1 and its revolution 2 pi radians, so a
    # revolution per second is 2 pi hertz there; here a revolution is a cycle.
    ("frequency", "RevPerMinuteField"): "GNU units' revolution is 2 pi radians of 1; here one cycle",
    ("frequency", "RevPerSecondField"): "GNU units' revolution is 2 pi radians of 1; here one cycle",
    ("frequency", "RadPerSecondField"): "GNU units' radian per second is 1 Hz; here 1/(2 pi) cycle per second",
    ("frequency", "DegPerSecondField"): "GNU units' degree per second is pi/180 Hz; here 1/360 cycle per second",
    # GNU units divides by the measured magnetic constant of the 2019 SI;
    # NIST SP 811's factors keep 4 pi x 1e-7.
    ("magnetism", "OerstedField"): "GNU units' oersted is 1e-4 T over the measured mu0; here 1000/(4 pi) A/m",
    ("magnetism", "KilooerstedField"): "GNU units' oersted is 1e-4 T over the measured mu0; here 1000/(4 pi) A/m",
    ("magnetism", "GilbertField"): "GNU units' gilbert is 1e-6 T m over the measured mu0; here 10/(4 pi) A",
    ("length", "ParsecField"): "GNU units' parsec is an au over the tangent of an arcsecond; the IAU's 648000/pi au",
    ("length", "PicaField"): "GNU units' pica is the printer's pica; here the pica of CSS, 1/6 inch",
    ("time", "MillenniumField"): "a millennium of GNU units' tropical year against Julian years",
    ("frequency", "RevPerHourField"): "GNU units' revolution is 2 pi radians of 1; here one cycle",
    ("frequency", "RadPerMinuteField"): "GNU units' radian per minute is 1/60 Hz; here 1/(2 pi) cycle per minute",
    ("frequency", "DegPerMinuteField"): "GNU units' degree per minute is pi/180 per minute; here 1/360 cycle per minute",
}

SKIPPED_WINDOWS = {
    "temperature": "temperatures have offsets; GNU units converts them with functions",
    "computing": "the data sizes follow the window's prefix setting",
}


def run(args, stdin=None):
    done = subprocess.run(args, input=stdin, capture_output=True, text=True)
    return done.returncode, done.stdout.strip()


def windows(ambrel):
    _, out = run([ambrel, "units"])
    return [m.group(1) for m in re.finditer(r"^\s*(\S+)\s+.*\(\d+ units\)$", out, re.M)]


def rows(ambrel, window):
    """Each unit of the window: (name, symbols, outlet, base name, reciprocal)."""
    _, out = run([ambrel, "units", window])
    found = []
    for line in out.splitlines():
        parts = re.split(r"\s{2,}", line.strip())
        if len(parts) < 3 or " = " not in parts[-1]:
            continue
        name, outlet, size = parts[0], parts[-2], parts[-1]
        symbols = parts[1].split(", ") if len(parts) == 4 else []
        # The size, then the document that defines it in parentheses.
        after = re.sub(r" \([^()]*\)$", "", size.split(" = ", 1)[1])
        reciprocal = after.endswith(" divided by the value")
        # The document that defines the size, "(SI Brochure 2019)", is no
        # part of the base's name.
        after = re.sub(r" \([^()]*\)$", "", after)
        after = after.removesuffix(" divided by the value")
        # The size ends with its source: "= 1 tesla (SI Brochure 2019)".
        after = re.sub(r" \([^()]*\)$", "", after)
        found.append((name, symbols, outlet, after.split(" ", 1)[1], reciprocal))
    return found


def gnu_value(units, expression, base):
    code, out = run([units, "-t", "-o", "%.17g", "--", expression, base])
    try:
        return float(out) if code == 0 else None
    except ValueError:
        return None


def gnu_names(window, name, symbols, outlet):
    if (window, outlet) in NAMES:
        named = NAMES[(window, outlet)]
        return [named] if named else []
    tries = [name.replace(" ", "").replace("-", ""), name.replace("-", " ")]
    return tries + [s for s in symbols if s.isascii()]


def main():
    ambrel = sys.argv[1]
    units = sys.argv[2] if len(sys.argv) > 2 else "units"
    compared, unknown, agreeing_conventions = 0, [], []
    wrong, conventions = [], []
    for window in windows(ambrel):
        if window in SKIPPED_WINDOWS:
            print(f"{window}: skipped, {SKIPPED_WINDOWS[window]}")
            continue
        table = rows(ambrel, window)
        bases = {}
        for name, symbols, outlet, base, _ in table:
            if name == base:
                gnu = next((g for g in gnu_names(window, name, symbols, outlet) if gnu_value(units, g, g)), None)
                bases[base] = (outlet, gnu)
        for name, symbols, outlet, base, reciprocal in table:
            base_outlet, gnu_base = bases.get(base, (None, None))
            if not gnu_base or outlet == base_outlet:
                continue
            want = None
            for g in gnu_names(window, name, symbols, outlet):
                want = gnu_value(units, g, gnu_base)
                if want is not None:
                    break
            if want is None:
                unknown.append(f"{window} {name}")
                continue
            code, got = run([ambrel, "batch", "--digits", "17", window, outlet, "--to", base_outlet], "1\n")
            if code != 0:
                wrong.append(f"{window} {name}: ambrel batch failed: {got}")
                continue
            compared += 1
            off = abs(float(got) - want) / abs(want)
            key = (window, outlet)
            if off <= TOLERANCE:
                if key in CONVENTIONS:
                    agreeing_conventions.append(f"{window} {name}")
                continue
            line = f"{window} {name}: ambrel {got} {base}, GNU units {want!r} ({off:.2g} apart)"
            if key in CONVENTIONS:
                conventions.append(line + f": {CONVENTIONS[key]}")
            else:
                wrong.append(line)
    print(f"{compared} units compared; {len(unknown)} unknown to GNU units: {', '.join(unknown)}")
    for line in conventions:
        print("convention:", line)
    for line in wrong:
        print("DISAGREES:", line)
    for line in agreeing_conventions:
        print("STALE CONVENTION (the two agree):", line)
    return 1 if wrong or agreeing_conventions or compared == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
