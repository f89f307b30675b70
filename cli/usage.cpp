// SPDX-License-Identifier: GPL-3.0-or-later
// The help text and the usage errors.
#include "app/window_registry.h"
#include "cli/cli.h"
#include "cli/commands.h"

#include <charconv>
#include <ostream>

namespace ambrel {

std::string windowNames()
{
    std::string names;
    for (const WindowEntry& e : windowRegistry()) {
        if (!names.empty())
            names += ' ';
        names += e.cliName;
    }
    return names;
}

void printUsage(std::ostream& out)
{
    out << "Usage:\n"
           "  ambrel                          start the desktop program (on a terminal\n"
           "                                  without a display: the interactive mode)\n"
           "  ambrel QUANTITY UNIT TO-UNIT    convert a quantity from one unit into another\n"
           "  ambrel QUANTITY UNIT            convert into every unit of the same window\n"
           "  ambrel WINDOW QUANTITY UNIT [TO-UNIT]\n"
           "                                  the same, with the unit looked up in WINDOW\n"
           "  ambrel units [WINDOW] [--exact] list the windows, or a window's units and\n"
           "                                  choices (with --exact, each unit's exact\n"
           "                                  definition; with --names, every name and\n"
           "                                  symbol, one a line)\n"
           "  ambrel run [--exact] [--accuracy D] [--tsv | --json] WINDOW STEP...\n"
           "                                  run a window as a script\n"
           "  ambrel batch [--exact] [--json] FROM-UNIT TO-UNIT < numbers\n"
           "  ambrel batch [--exact] [--json] WINDOW OUTLET [--to OUTLET] < numbers\n"
           "                                  one number per input line; one line out per\n"
           "                                  input: the TO-UNIT value, or every field's\n"
           "                                  stored value (reads back to the same double),\n"
           "                                  tab-separated; with --json one object a line\n"
           "  ambrel -i                       the interactive mode: a quantity and units per\n"
           "                                  line, '?' lists the windows, 'quit' leaves\n"
           "  ambrel --help                   show this text\n"
           "  ambrel --version                show the version\n"
           "\n"
           "A quantity is a number, arithmetic on numbers (+ - * / and parentheses), or\n"
           "amounts in units of one window side by side, which add up (5 ft 3 in).\n"
           "Units are full names (\"miles\", \"degrees Celsius\", any case; quotes around\n"
           "several words are optional) or symbols (\"mi\", \"C\", \"KiB\", \"kB\"), with SI\n"
           "prefixes on metric units (nm, kN, GW), powers (m^2, ft3), rates (km/hr, km\n"
           "per hour), byte and bit multiples (PB, Gbit) and months. A symbol's letter\n"
           "case matters where another unit has the other case (mb: Mb or MB).\n"
           "--json, with a friendly form or run, prints a JSON object instead of text.\n"
           "--digits N sets the friendly forms' significant digits (default "
        << kDefaultFriendlyDigits
        << ").\n"
           "\"--\" ends the options, though a negative number needs none.\n"
           "\n"
           "Table sets: by default Ambrel converts with its classic tables, whose factors\n"
           "are rounded (a pound of 454 g, K = C + 273, an acre of 4046.9 m2, an imperial\n"
           "gallon of 4.546 L, a nautical mile of 1851.66 m, an imperial bushel 1% small).\n"
           "--exact on any form, or AMBREL_EXACT=1 in the environment, converts with\n"
           "exact definitions instead (2019 SI, the international yard and pound, the\n"
           "imperial and US gallons, NIST SP 811), correctly rounded.\n"
           "\n"
           "Script steps, applied in order:\n"
           "  OUTLET=TEXT   type TEXT into the field OUTLET and press Enter; for a choice\n"
           "                (radio buttons or pop-up), select the item with tag TEXT\n"
           "  Selector:     send an action to the window, such as Calc: to a calculator\n"
           "\n"
           "After the last step every field is printed in the window's order. With --tsv\n"
           "each line is OUTLET, the stored value (which reads back to the same double) and\n"
           "the text the window shows, separated by tabs; in a text field's value a\n"
           "backslash, tab or line break is written \\\\, \\t, \\n or \\r. D is the number of\n"
           "decimals shown (default "
        << kDefaultCliAccuracy
        << "); from 17 on every number shows all the digits it has.\n"
           "\n"
           "Windows: "
        << windowNames()
        << "\n"
           "\n"
           "Examples:\n"
           "  ambrel 3 mi km\n"
           "  ambrel -40 C F\n"
           "  ambrel 5 ft 3 in cm\n"
           "  ambrel '1/2' cup ml\n"
           "  ambrel 500 nm m\n"
           "  ambrel 1 TB GiB\n"
           "  ambrel --digits 4 100 km/hr mph\n"
           "  ambrel --exact 1 lb kg\n"
           "  ambrel length 1 foot\n"
           "  ambrel -- -5 ft m\n"
           "  ambrel units file-transfer\n"
           "  ambrel run --tsv length FeetField=1\n"
           "  ambrel run file-transfer FileSize=700 BytesSelPopup=2 TransferSpeed=7 Calc:\n"
           "  ambrel batch ft m < numbers\n"
           "  ambrel --json batch length FeetField --to MetersField < numbers\n"
           "\n"
           "Exit status: 0 done; 1 the output could not be written; 2 an entry was\n"
           "refused; 64 bad usage.\n";
}

int usageError(std::ostream& err, const std::string& message)
{
    err << "ambrel: " << message << "\n";
    err << "Try 'ambrel --help' for more information.\n";
    return kExitUsage;
}

bool parseInt(std::string_view text, int& value)
{
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto res = std::from_chars(first, last, value);
    return res.ec == std::errc() && res.ptr == last && first != last;
}

}  // namespace ambrel
