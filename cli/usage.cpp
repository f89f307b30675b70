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
           "  ambrel QUANTITY UNIT [in] TO-UNIT\n"
           "                                  convert a quantity from one unit into another\n"
           "  ambrel QUANTITY UNIT            convert into every unit of the same window\n"
           "  ambrel WINDOW QUANTITY UNIT [TO-UNIT]\n"
           "                                  the same, with the unit looked up in WINDOW\n"
           "  ambrel units [WINDOW]           list the windows, or a window's units and\n"
           "                                  choices with each unit's exact definition\n"
           "                                  (with --classic, without; with --names, every\n"
           "                                  name and symbol, one a line)\n"
           "  ambrel run [--accuracy D] [--tsv | --json] WINDOW STEP...\n"
           "                                  run a window as a script\n"
           "  ambrel batch [--json | --digits N] FROM-UNIT TO-UNIT < numbers\n"
           "  ambrel batch [--json | --digits N] WINDOW OUTLET [--to OUTLET] < numbers\n"
           "                                  one number per input line; one line out per\n"
           "                                  input: the TO-UNIT value, or every field's\n"
           "                                  stored value (reads back to the same double),\n"
           "                                  tab-separated; with --json one object a line\n"
           "  ambrel -i                       the interactive mode: a quantity and units per\n"
           "                                  line, '?' lists the windows, 'quit' leaves\n"
           "  ambrel --help                   show this text\n"
           "  ambrel --version                show the version\n"
           "\n"
           "Options, before the command word or among the command's own:\n"
           "  --classic     convert with the classic tables (every form)\n"
           "  --exact       convert with exact definitions, the default (every form)\n"
           "  --json        print JSON instead of text (the converting forms, run, batch)\n"
           "  --digits N    significant digits, 1 to 17 (the converting forms and -i,\n"
           "                default "
        << kDefaultFriendlyDigits
        << "; batch, default every digit; not with --json);\n"
           "                17 shows every digit the number has\n"
           "  --            end the options, though a negative number needs none\n"
           "Given both --exact and --classic, the last one counts. An option that a\n"
           "command does not take is refused.\n"
           "\n"
           "A quantity is a number, arithmetic on numbers (+ - * / and parentheses), or\n"
           "amounts in units of one window side by side, which add up (5 ft 3 in).\n"
           "Units are full names (\"miles\", \"degrees Celsius\", any case; quotes around\n"
           "several words are optional) or symbols (\"mi\", \"C\", \"KiB\", \"kB\"), with SI\n"
           "prefixes on metric units (nm, kN, GW), powers (m^2, ft3), rates (km/hr, km\n"
           "per hour), byte and bit multiples (PB, Gbit) and months. A symbol's letter\n"
           "case matters where another unit has the other case (mb: Mb or MB).\n"
           "Between the quantity and the target unit 'in', 'to', 'as', '->' or '=' may\n"
           "stand (3 mi in km, 100 F to C); elsewhere 'in' and 'as' are units (3 in cm\n"
           "is inches), and a unit followed by one of them alone (3 mi in) is refused as\n"
           "unclear.\n"
           "A target of several units, largest first, gives the answer in parts (175 cm\n"
           "ft in: 5 ft 8.89763779528 in); the last part takes the rest at the output's\n"
           "digits. A name that units of several windows share (N) needs the window or a\n"
           "target to tell which.\n"
           "A result beyond the range of doubles, or one too small to tell from zero, is\n"
           "refused.\n"
           "\n"
           "Table sets: by default each unit is taken at its exact definition (2019 SI,\n"
           "the international yard and pound, the imperial and US gallons, NIST SP 811)\n"
           "and each result correctly rounded.\n"
           "--classic on any form, or AMBREL_CLASSIC=1 in the environment, converts with\n"
           "the classic tables instead, whose factors are rounded (a pound of 454 g,\n"
           "K = C + 273, an acre of 4046.9 m2, an imperial gallon of 4.546 L, a nautical\n"
           "mile of 1851.66 m, an imperial bushel 1% small). An option wins over the\n"
           "environment; AMBREL_EXACT=1 is still taken, and loses to AMBREL_CLASSIC=1.\n"
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
           "  ambrel 175 cm ft in\n"
           "  ambrel '1/2' cup ml\n"
           "  ambrel 500 nm m\n"
           "  ambrel 1 TB GiB\n"
           "  ambrel --digits 4 100 km/hr mph\n"
           "  ambrel 100 F to C\n"
           "  ambrel --classic 1 lb kg\n"
           "  ambrel length 1 foot\n"
           "  ambrel -- -5 ft m\n"
           "  ambrel units file-transfer\n"
           "  ambrel run --tsv length FeetField=1\n"
           "  ambrel --classic run --tsv length FeetField=1\n"
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
