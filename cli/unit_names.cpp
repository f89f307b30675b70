#include "cli/unit_names.h"

#include <algorithm>
#include <cctype>

namespace ambrel {

namespace {

// Where a word means units in several windows, or several units of one
// window, the plain word and its abbreviation go to one of them and the
// others keep their full names:
//   ton, tonne, t       metric ton (short ton: tn; long ton by name)
//   oz, ounce           avoirdupois ounce (US fluid ounce: floz, fl oz)
//   lb, pound           avoirdupois pound (troy pound: lbt)
//   dram, dr            avoirdupois dram
//   carat, ct           metric carat
//   cwt, hundredweight  short hundredweight, 100 lb
//   gal, gallon         US gallon (imperial: impgal); pint, quart, gill and
//                       minim likewise are the US ones
//   barrel, bbl         barrel of oil, 42 US gallons
//   cup, tsp, tbsp      the metric cooking measures
//   hp, horsepower      550 ft-lbf/s (metric: PS)
//   cal, calorie        the physics calorie (food: kcal, Cal)
//   therm, thm          US therm
//   kt                  kiloton (knots: kn)
//   L                   liter (the lambert has no abbreviation)
//   mb                  none: millibar is mbar, megabit Mb, megabyte MB
//   KB                  none: kilobyte is kB (1000 bytes), kibibyte KiB (1024)
//   c, f                Celsius and Fahrenheit, as people type them (the
//                       speed of light is named in full)
constexpr const char* kBinary = "BaseRadioSelection=0";
constexpr const char* kDecimal = "BaseRadioSelection=1";

constexpr UnitName kUnits[] = {
    // length
    {"length", "MillimetersField", "millimeter", "mm", ""},
    {"length", "CentimetersField", "centimeter", "cm", ""},
    {"length", "DecimeterField", "decimeter", "dm", ""},
    {"length", "MetersField", "meter", "m", ""},
    {"length", "DekameterField", "dekameter", "dam", ""},
    {"length", "HectometerField", "hectometer", "hm", ""},
    {"length", "KilometersField", "kilometer", "km", ""},
    {"length", "InchesField", "inch", "in", ""},
    {"length", "FeetField", "foot", "ft", ""},
    {"length", "YardsField", "yard", "yd|yds", ""},
    {"length", "RodField", "rod", "rd", "perch|pole"},
    {"length", "ChainField", "chain", "ch", ""},
    {"length", "FurlongField", "furlong", "fur", ""},
    {"length", "MilesField", "mile", "mi", ""},
    {"length", "LeagueField", "league", "lea", ""},
    {"length", "NauticalMileField", "nautical mile", "nmi|NM", ""},
    {"length", "ParsecField", "parsec", "pc", ""},
    {"length", "LightYearField", "light year", "ly", "lightyear"},
    {"length", "AstroUnitField", "astronomical unit", "au|AU|ua", ""},

    // area
    {"area", "SqMillimeter", "square millimeter", "mm2|mm²|sq mm", ""},
    {"area", "SqCentimeter", "square centimeter", "cm2|cm²|sq cm", ""},
    {"area", "SqMeter", "square meter", "m2|m²|sq m", ""},
    {"area", "SqAre", "are", "a", ""},
    {"area", "SqHectare", "hectare", "ha", ""},
    {"area", "SqKilometer", "square kilometer", "km2|km²|sq km", ""},
    {"area", "SqInch", "square inch", "in2|in²|sq in", ""},
    {"area", "SqFoot", "square foot", "ft2|ft²|sq ft", ""},
    {"area", "SqYard", "square yard", "yd2|yd²|sq yd", ""},
    {"area", "SqRod", "square rod", "rd2|rd²|sq rd", "square perch"},
    {"area", "SqRood", "rood", "", ""},
    {"area", "SqAcre", "acre", "ac", ""},
    {"area", "SqMileArea", "square mile", "mi2|mi²|sq mi", ""},

    // velocity
    {"velocity", "MeterSecField", "meter per second", "m/s", ""},
    {"velocity", "MeterMinField", "meter per minute", "m/min", ""},
    {"velocity", "MeterHourField", "meter per hour", "m/h", ""},
    {"velocity", "KiloSecField", "kilometer per second", "km/s", ""},
    {"velocity", "KiloMinField", "kilometer per minute", "km/min", ""},
    {"velocity", "KiloHourField", "kilometer per hour", "km/h|kmh", "kph"},
    {"velocity", "FeetSecField", "foot per second", "ft/s", "fps"},
    {"velocity", "FeetMinField", "foot per minute", "ft/min", "fpm"},
    {"velocity", "FeetHourField", "foot per hour", "ft/h", ""},
    {"velocity", "MileSecField", "mile per second", "mi/s", ""},
    {"velocity", "MileMinField", "mile per minute", "mi/min", ""},
    {"velocity", "MileHourField", "mile per hour", "mi/h", "mph"},
    {"velocity", "KnotsField", "knot", "kn", ""},
    {"velocity", "MachField", "Mach", "", "mach number"},
    {"velocity", "LightSpeedField", "speed of light (c)", "", "speed of light"},
    {"velocity", "WarpSpeedField", "warp factor", "", "warp"},

    // pressure
    {"pressure", "PascalField", "pascal", "Pa", ""},
    {"pressure", "KilopascalField", "kilopascal", "kPa", ""},
    {"pressure", "MegapascalField", "megapascal", "MPa", ""},
    {"pressure", "MillibarField", "millibar", "mbar|hPa", "hectopascal"},
    {"pressure", "BarField", "bar", "", ""},
    {"pressure", "MiliMerc", "millimeter of mercury", "mmHg", ""},
    {"pressure", "CentiMerc", "centimeter of mercury", "cmHg", ""},
    {"pressure", "InchMerc", "inch of mercury", "inHg", ""},
    {"pressure", "NewtonSQmeter", "newton per square meter", "N/m2|N/m²", ""},
    {"pressure", "Atmosphere", "atmosphere", "", "atm"},
    {"pressure", "PoundSQinch", "pound per square inch", "", "psi"},
    {"pressure", "PoundSQfoot", "pound per square foot", "", "psf"},
    {"pressure", "InchWater", "inch of water", "inH2O", ""},
    {"pressure", "FootWater", "foot of water", "ftH2O", ""},
    {"pressure", "Torr", "torr", "", ""},

    // temperature
    {"temperature", "CelsiusField", "degree Celsius", "C|c|°C|degC|℃", "celsius|centigrade"},
    {"temperature", "FahrenheitField", "degree Fahrenheit", "F|f|°F|degF|℉", "fahrenheit"},
    {"temperature", "KelvinField", "kelvin", "K", ""},
    {"temperature", "RankineField", "degree Rankine", "R|°R|degR", "rankine"},

    // time
    {"time", "PicoSecondField", "picosecond", "ps", ""},
    {"time", "NanoSecondField", "nanosecond", "ns", ""},
    {"time", "MicroSecondField", "microsecond", "us|µs|μs", ""},
    {"time", "MilliSecondField", "millisecond", "ms", ""},
    {"time", "SecondField", "second", "s|sec|secs", ""},
    {"time", "MinuteField", "minute", "min|mins", ""},
    {"time", "HourField", "hour", "h|hr|hrs", ""},
    {"time", "DayField", "day", "d", ""},
    {"time", "WeekField", "week", "wk", ""},
    {"time", "YearField", "year", "yr|yrs", ""},
    {"time", "DecadeField", "decade", "", ""},
    {"time", "CenturyField", "century", "", ""},

    // volume
    {"volume", "Mmilliiter", "milliliter", "ml|mL", ""},
    {"volume", "Mcentiliter", "centiliter", "cl|cL", ""},
    {"volume", "Mdeciliter", "deciliter", "dl|dL", ""},
    {"volume", "Mliter", "liter", "l|L", ""},
    {"volume", "Mdekaliter", "dekaliter", "dal|daL", ""},
    {"volume", "Mhectoliter", "hectoliter", "hl|hL", ""},
    {"volume", "Mkiloliter", "kiloliter", "kl|kL", ""},
    {"volume", "MDcmillimeter", "cubic millimeter", "mm3|mm³", ""},
    {"volume", "MDccentimeter", "cubic centimeter", "cm3|cm³|cc", ""},
    {"volume", "MDcmeter", "cubic meter", "m3|m³", ""},
    {"volume", "MDckilometer", "cubic kilometer", "km3|km³", ""},
    {"volume", "Ipint", "imperial pint", "imppt", "imp pint"},
    {"volume", "Iquart", "imperial quart", "impqt", "imp quart"},
    {"volume", "Igallon", "imperial gallon", "impgal", "imp gallon"},
    {"volume", "Iminim", "imperial minim", "", ""},
    {"volume", "Igill", "imperial gill", "", ""},
    {"volume", "Ipeck", "imperial peck", "pk", "peck"},
    {"volume", "Ibushel", "imperial bushel", "bu", "bushel"},
    {"volume", "UScinch", "cubic inch", "in3|in³|cu in", ""},
    {"volume", "UScfoot", "cubic foot", "ft3|ft³|cu ft", ""},
    {"volume", "UScyard", "cubic yard", "yd3|yd³|cu yd", ""},
    {"volume", "USacrefoot", "acre-foot", "ac-ft|ac ft", ""},
    {"volume", "USregisterton", "register ton", "", ""},
    {"volume", "USdryounce", "US dry ounce", "", "dry ounce"},
    {"volume", "USdrydram", "US dry dram", "", "dry dram"},
    {"volume", "USfluidonce", "US fluid ounce", "floz|fl oz|fl. oz.", "fluid ounce"},
    {"volume", "USfuilddram", "US fluid dram", "fl dr|fl. dr.", "fluid dram"},
    {"volume", "USgill", "US gill", "", "gill"},
    {"volume", "USpint", "US pint", "pt", "pint"},
    {"volume", "USquart", "US quart", "qt", "quart"},
    {"volume", "USgallon", "US gallon", "gal", "gallon"},
    {"volume", "USbarrel", "US barrel", "", "fluid barrel"},
    {"volume", "USbarrelofoil", "barrel of oil", "bbl", "barrel|oil barrel"},
    {"volume", "USminim", "US minim", "", "minim"},
    {"volume", "Mcookteaspoon", "metric teaspoon", "", "teaspoon|tsp"},
    {"volume", "Mcooktablespoon", "metric tablespoon", "", "tablespoon|tbsp"},
    {"volume", "Mcookcup", "metric cup", "", "cup"},
    {"volume", "Icookteaspoon", "imperial teaspoon", "", ""},
    {"volume", "Icooktablespoon", "imperial tablespoon", "", ""},
    {"volume", "Icookcup", "imperial cup", "", ""},

    // weight
    {"weight", "Mcarat", "metric carat", "ct", "carat"},
    {"weight", "Mnewton", "newton", "N", ""},
    {"weight", "Mmilligram", "milligram", "mg", ""},
    {"weight", "Mcentigram", "centigram", "cg", ""},
    {"weight", "Mdecigram", "decigram", "dg", ""},
    {"weight", "Mgram", "gram", "g", ""},
    {"weight", "Mdekagram", "dekagram", "dag", ""},
    {"weight", "Mhectogram", "hectogram", "hg", ""},
    {"weight", "Mkilogram", "kilogram", "kg", "kilo"},
    {"weight", "Mhundredweight", "metric hundredweight", "", "quintal"},
    {"weight", "Mton", "metric ton", "t", "tonne|ton"},
    {"weight", "Mkiloton", "kiloton", "kt", ""},
    {"weight", "AVgrain", "grain", "gr", ""},
    {"weight", "AVdram", "avoirdupois dram", "dr", "dram"},
    {"weight", "AVounce", "avoirdupois ounce", "oz", "ounce"},
    {"weight", "AVpound", "avoirdupois pound", "lb|lbs", "pound"},
    {"weight", "AVstone", "stone", "st", ""},
    {"weight", "AVslug", "slug", "", ""},
    {"weight", "AVshundredweight", "short hundredweight", "cwt", "hundredweight"},
    {"weight", "AVlhundredweight", "long hundredweight", "", ""},
    {"weight", "AVshortton", "short ton", "tn", ""},
    {"weight", "AVlongton", "long ton", "", ""},
    {"weight", "APgrain", "apothecaries' grain", "", ""},
    {"weight", "APscruple", "scruple", "", ""},
    {"weight", "APdram", "apothecaries' dram", "", ""},
    {"weight", "APounce", "apothecaries' ounce", "", ""},
    {"weight", "APpound", "apothecaries' pound", "", ""},
    {"weight", "Tgrain", "troy grain", "", ""},
    {"weight", "Tdyne", "dyne", "dyn", ""},
    {"weight", "Tcarat", "troy carat", "", ""},
    {"weight", "Tpennyweight", "pennyweight", "dwt", ""},
    {"weight", "Tounce", "troy ounce", "ozt|oz t", ""},
    {"weight", "Tpound", "troy pound", "lbt|lb t", ""},

    // power-energy
    {"power-energy", "Pwatt", "watt", "W", ""},
    {"power-energy", "Pkilowatt", "kilowatt", "kW", ""},
    {"power-energy", "Pmegawatt", "megawatt", "MW", ""},
    {"power-energy", "Pbtupersecond", "BTU per second", "BTU/s|Btu/s", ""},
    {"power-energy", "Pbtuperhour", "BTU per hour", "BTU/h|Btu/h", ""},
    {"power-energy", "PfootPFpersecond", "foot-pound-force per second", "ft·lbf/s|ft-lbf/s|ft lbf/s",
     "foot-pound per second"},
    {"power-energy", "Prefigerationton", "ton of refrigeration", "TR", "refrigeration ton"},
    {"power-energy", "Phorsepower550", "horsepower (550 ft-lbf/s)", "hp", "horsepower|mechanical horsepower"},
    {"power-energy", "PhorsepowerMetric", "metric horsepower", "PS", ""},
    {"power-energy", "PhorsepowerElectric", "electric horsepower", "", "electrical horsepower"},
    {"power-energy", "PhorsepowerWater", "water horsepower", "", ""},
    {"power-energy", "PhorsepowerBoiler", "boiler horsepower", "", ""},
    {"power-energy", "Ejoule", "joule", "J", ""},
    {"power-energy", "Ekilojoule", "kilojoule", "kJ", ""},
    {"power-energy", "Emegajoule", "megajoule", "MJ", ""},
    {"power-energy", "Ewattsecond", "watt-second", "Ws|W·s|W s", ""},
    {"power-energy", "Ewatthour", "watt-hour", "Wh|W·h", ""},
    {"power-energy", "Ekilowatthour", "kilowatt-hour", "kWh|kW·h", ""},
    {"power-energy", "EcaloriePhysics", "calorie (physics)", "cal", "calorie"},
    {"power-energy", "EcalorieNutrition", "calorie (nutrition)", "kcal|Cal", "kilocalorie|food calorie"},
    {"power-energy", "EnewtonMeter", "newton-meter", "N·m|Nm|N m", ""},
    {"power-energy", "Ebtu", "BTU", "Btu", "british thermal unit"},
    {"power-energy", "EtermUS", "therm (US)", "thm", "therm|US therm"},
    {"power-energy", "EtermEurope", "therm (Europe)", "", "European therm"},
    {"power-energy", "EhorsepowerHour", "horsepower-hour", "hp·h|hph|hp h", ""},
    {"power-energy", "Efootpoundforce", "foot-pound-force", "ft·lbf|ft-lbf|ftlbf|ft lbf", "foot-pound"},

    // fuel-light
    {"fuel-light", "KiloLiterfField", "kilometer per liter", "km/l|km/L", "kmpl"},
    {"fuel-light", "MileGallonField", "mile per US gallon", "", "mpg|mile per gallon"},
    {"fuel-light", "Litersper100km", "liter per 100 kilometers", "l/100km|L/100km|l/100 km|L/100 km", ""},
    {"fuel-light", "Gallonsper100miles", "US gallon per 100 miles", "gal/100mi|gal/100 mi", "gallon per 100 miles"},
    {"fuel-light", "LuxField", "lux", "lx", ""},
    {"fuel-light", "LumenSqMeter", "lumen per square meter", "lm/m2|lm/m²", ""},
    {"fuel-light", "LumenSqFootField", "lumen per square foot", "lm/ft2|lm/ft²", ""},
    {"fuel-light", "FootCandleField", "foot-candle", "fc", ""},
    {"fuel-light", "CandSqMeterField", "candela per square meter", "cd/m2|cd/m²", "nit"},
    {"fuel-light", "CandSqInchField", "candela per square inch", "cd/in2|cd/in²", ""},
    {"fuel-light", "FootlambertField", "foot-lambert", "fL|ftL", ""},
    {"fuel-light", "LambertField", "lambert", "", ""},

    // computing. The byte first: sizes under binary and decimal prefixes
    // meet there, as it needs no prefix system.
    {"computing", "ByteField", "byte", "B", "octet"},
    {"computing", "BitField", "bit", "b", ""},
    {"computing", "KilobitField", "kibibit", "Kib|Kibit", "", kBinary},
    {"computing", "MegabitField", "mebibit", "Mib|Mibit", "", kBinary},
    {"computing", "KilobyteField", "kibibyte", "KiB", "", kBinary},
    {"computing", "MegabyteField", "mebibyte", "MiB", "", kBinary},
    {"computing", "GigaByteField", "gibibyte", "GiB", "", kBinary},
    {"computing", "TerabyteField", "tebibyte", "TiB", "", kBinary},
    {"computing", "KilobitField", "kilobit", "kb|kbit", "", kDecimal},
    {"computing", "MegabitField", "megabit", "Mb|Mbit", "", kDecimal},
    {"computing", "KilobyteField", "kilobyte", "kB", "", kDecimal},
    {"computing", "MegabyteField", "megabyte", "MB", "", kDecimal},
    {"computing", "GigaByteField", "gigabyte", "GB", "", kDecimal},
    {"computing", "TerabyteField", "terabyte", "TB", "", kDecimal},
};

void replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

// Calls `f` with each '|'-separated part of `list`.
template <class F>
void eachPart(const char* list, F f)
{
    const std::string_view all = list ? list : "";
    std::size_t start = 0;
    while (start <= all.size()) {
        const std::size_t bar = std::min(all.find('|', start), all.size());
        if (bar > start)
            f(all.substr(start, bar - start));
        start = bar + 1;
    }
}

bool inWindow(const UnitName& u, std::string_view window)
{
    return window.empty() || window == u.window;
}

bool isConsonant(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) && std::string_view("aeiou").find(c) == std::string_view::npos;
}

std::string pluralWord(std::string_view w)
{
    std::string word(w);
    if (word.size() >= 4 && word.compare(word.size() - 4, 4, "foot") == 0)
        return word.substr(0, word.size() - 4) + "feet";
    if (word.empty() || !std::isalpha(static_cast<unsigned char>(word.back())))
        return word + "s";
    const auto endsWith = [&](std::string_view tail) {
        return word.size() >= tail.size() && word.compare(word.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith("s") || endsWith("x") || endsWith("z") || endsWith("ch") || endsWith("sh"))
        return word + "es";
    if (word.size() >= 2 && word.back() == 'y' && isConsonant(word[word.size() - 2]))
        return word.substr(0, word.size() - 1) + "ies";
    return word + "s";
}

bool namesMatch(std::string_view name, const std::string& typed)
{
    const std::string n = normalizeUnitName(name);
    if (n == typed)
        return true;
    // A plural is at least as long as the name: skip the work otherwise.
    if (typed.size() < n.size() || typed.size() > n.size() + 3)
        return false;
    for (const std::string& p : pluralsOf(n))
        if (p == typed)
            return true;
    return false;
}

// Edit distance, for texts short enough that its cost does not matter.
std::size_t distance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::span<const UnitName> unitNames()
{
    return kUnits;
}

std::string normalizeUnitName(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    bool space = false;
    for (const char c : text) {
        if (c == '\'')
            continue;
        if (c == ' ' || c == '-' || c == '\t') {
            space = !s.empty();
            continue;
        }
        if (space)
            s += ' ';
        space = false;
        s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    replaceAll(s, "\xE2\x80\x99", "");  // a typographic apostrophe
    replaceAll(s, "metre", "meter");
    replaceAll(s, "litre", "liter");
    replaceAll(s, "deca", "deka");
    replaceAll(s, "gramme", "gram");
    return s;
}

std::vector<std::string> pluralsOf(std::string_view name)
{
    std::vector<std::string> plurals;
    const std::string n(name);
    std::size_t start = 0;
    while (start < n.size()) {
        const std::size_t end = std::min(n.find(' ', start), n.size());
        const std::string word = n.substr(start, end - start);
        if (!word.empty() && std::isalpha(static_cast<unsigned char>(word[0])))
            plurals.push_back(n.substr(0, start) + pluralWord(word) + n.substr(end));
        start = end + 1;
    }
    return plurals;
}

const UnitName* findUnit(std::string_view typed, std::string_view window)
{
    bool symbol = false;
    for (const UnitName& u : kUnits) {
        if (!inWindow(u, window))
            continue;
        eachPart(u.symbols, [&](std::string_view s) { symbol = symbol || s == typed; });
        if (symbol)
            return &u;
    }
    const std::string wanted = normalizeUnitName(typed);
    if (wanted.empty())
        return nullptr;
    for (const UnitName& u : kUnits) {
        if (!inWindow(u, window))
            continue;
        bool named = namesMatch(u.name, wanted);
        eachPart(u.aliases, [&](std::string_view a) { named = named || namesMatch(a, wanted); });
        if (named)
            return &u;
    }
    return nullptr;
}

std::vector<std::string> closeUnitNames(std::string_view typed, std::string_view window, std::size_t limit)
{
    struct Candidate {
        std::size_t score;
        const UnitName* unit;
        std::string text;
    };
    std::vector<Candidate> found;
    const std::string wanted = normalizeUnitName(typed);
    if (wanted.empty() || wanted.size() > 40)
        return {};
    const auto consider = [&](std::string_view written, const UnitName& u) {
        const std::string candidate = normalizeUnitName(written);
        std::size_t score;
        if (candidate == wanted)
            score = 0;  // another letter case of a symbol
        else if (wanted.size() >= 3 && candidate.compare(0, wanted.size(), wanted) == 0)
            score = 1;
        else if ((" " + candidate + " ").find(" " + wanted + " ") != std::string::npos)
            score = 2;  // a word of a longer name: "ounce" in "US fluid ounce"
        else if (const std::size_t d = distance(wanted, candidate);
                 wanted.size() > 1 && d <= (wanted.size() <= 3 ? 1u : 2u))
            score = 1 + d;
        else
            return;
        std::string text(written);
        if (written != u.name)
            text += std::string(" (") + u.name + ")";
        found.push_back({score, &u, text});
    };
    for (const UnitName& u : kUnits) {
        if (!inWindow(u, window))
            continue;
        consider(u.name, u);
        eachPart(u.symbols, [&](std::string_view s) { consider(s, u); });
        eachPart(u.aliases, [&](std::string_view a) { consider(a, u); });
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    // Each unit once, by its closest way of writing.
    std::vector<std::string> out;
    std::vector<const UnitName*> named;
    for (const Candidate& c : found) {
        if (out.size() >= limit)
            break;
        if (std::find(named.begin(), named.end(), c.unit) != named.end())
            continue;
        named.push_back(c.unit);
        out.push_back(c.text);
    }
    return out;
}

const UnitName* meetingUnit(std::string_view window)
{
    for (const UnitName& u : kUnits)
        if (window == u.window && !u.setting)
            return &u;
    return nullptr;
}

}  // namespace ambrel
