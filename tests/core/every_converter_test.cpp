// SPDX-License-Identifier: GPL-3.0-or-later
// What every converter window shares, driven by the registry so that a new
// window is covered by one line here: the field it opens on, the order an
// entry writes the others in, the selections it keeps, what an accuracy
// change touches, the bounds of its boxes, and what a box does when no field
// in it counts as edited.
#include "app/window_registry.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

using namespace ambrel;

namespace {

// The field each window selects on opening (null: none), and whether an
// entry converts the plain way: its base once, first, then every other
// field through that base in table order. The others depart from it in their own tests.
struct Traits {
    const char* window;
    const char* opensOn;
    bool plain;
};
// clang-format off
constexpr Traits kTraits[] = {
    {"length", "MetersField", true},        {"area", "SqMeter", true},        {"velocity", "KiloHourField", false},
    {"pressure", "KilopascalField", true},  {"temperature", "CelsiusField", false}, {"time", "HourField", true},
    {"volume", "Mliter", true},             {"weight", "Mkilogram", true},    {"power-energy", "Ejoule", false},
    {"fuel-light", "KiloLiterfField", true},         {"computing", "KilobyteField", false},
    {"angle", "DegreeField", true},        {"frequency", "HertzField", true},
    {"force", "NewtonField", true},        {"torque", "NewtonMeterField", true},
    {"acceleration", "MeterPerSecondSqField", true}, {"density", "KgPerCubicMeterField", true},
    {"data-rate", "MegabitPerSecondField", true},
    {"flow", "CubicMeterPerSecondField", true},      {"electricity", "AmpereField", true},
    {"radiation", "GrayField", true},                {"viscosity", "PascalSecondField", true},
    {"magnetism", "TeslaField", true},
    {"substance", "MoleField", true},
    {"heat", "KilojoulePerKgField", true},
};
// clang-format on

const Traits& traitsOf(const WindowEntry& e)
{
    for (const Traits& t : kTraits)
        if (std::string_view(t.window) == e.cliName)
            return t;
    ADD_FAILURE() << e.cliName << " has no line in kTraits";
    return kTraits[0];
}

// A converter of the registry on its own platform, every field holding 3.
struct Converter {
    const WindowEntry& entry;
    HeadlessPlatform platform;
    std::unique_ptr<WindowController> controller = entry.make(platform);
    ConverterWindow& window = dynamic_cast<ConverterWindow&>(*controller);

    explicit Converter(const WindowEntry& e, bool distinct = false) : entry(e)
    {
        double v = 3;
        for (Field* f : window.parts().fields)
            f->setDoubleValue(distinct ? v += 1.25 : v);
        platform.events().clear();
    }

    std::vector<std::string> writes() const { return ambrel::testing::writtenOutlets(platform.events()); }
    long writesTo(std::string_view outlet) const { return std::ranges::count(writes(), outlet); }
    std::vector<double> values() const
    {
        std::vector<double> out;
        for (Field* f : window.parts().fields)
            out.push_back(f->doubleValue());
        return out;
    }
};

template <class F>
void eachConverter(F f)
{
    for (const WindowEntry& e : windowRegistry())
        if (e.def)
            f(e);
}

// Opening brings the window to the front and selects its unit, writing no
// field: the numbers of the last visit stay.
TEST(EveryConverter, OpensOnItsUnitAndKeepsTheNumbers)
{
    eachConverter([](const WindowEntry& e) {
        const char* opensOn = traitsOf(e).opensOn;
        Converter c(e);
        ASSERT_TRUE(c.window.perform(e.openAction)) << e.cliName;
        const EventLog& log = c.platform.events();
        EXPECT_EQ(log.count("write"), 0) << e.cliName;
        EXPECT_EQ(log.count("front"), 1) << e.cliName;
        EXPECT_TRUE(c.window.parts().window->isVisible()) << e.cliName;
        if (!opensOn) {
            EXPECT_EQ(log.count("select"), 0) << e.cliName;
            return;
        }
        const FieldPlan& field = c.window.plan().fields[c.window.fieldIndex(opensOn)];
        const auto selections = log.ofKind("select");
        ASSERT_EQ(selections.size(), 1u) << e.cliName;
        EXPECT_EQ(selections[0].target, c.window.plan().boxes[field.box].outlet) << e.cliName;
        EXPECT_EQ(selections[0].value, field.tag) << e.cliName;
    });
}

// An entry writes its base once, first, then every other field through
// that base in table order, and nothing of another box's base; the edited
// field keeps what was typed.
TEST(EveryConverter, AnEntryWritesTheBaseThenTheRestInTableOrder)
{
    eachConverter([](const WindowEntry& e) {
        if (!traitsOf(e).plain)
            return;
        Converter probe(e);
        for (int row = 0; row < probe.window.rowCount(); ++row) {
            Converter c(e, true);
            const char* typed = c.window.def().rows[row].outlet;
            std::vector<std::string> expected;
            if (!c.window.isBaseRow(row))
                expected.push_back(c.window.def().rows[c.window.baseRowOf(row)].outlet);
            for (int other = 0; other < c.window.rowCount(); ++other)
                if (other != row && !c.window.isBaseRow(other) && c.window.baseRowOf(other) == c.window.baseRowOf(row))
                    expected.push_back(c.window.def().rows[other].outlet);
            ASSERT_TRUE(typeAndConfirm(c.platform, c.window, c.window.fieldIndex(typed), "7").accepted);
            EXPECT_EQ(c.writes(), expected) << e.cliName << " " << typed;
            EXPECT_EQ(c.window.field(typed)->doubleValue(), 7) << e.cliName << " " << typed;
        }
    });
}

// An entry leaves its field selected in its box, the last thing its action
// does, and every other box's selection as it was.
TEST(EveryConverter, AnEntryKeepsEveryBoxsSelection)
{
    eachConverter([](const WindowEntry& e) {
        Converter probe(e);
        for (int box = 0; box < probe.window.boxCount(); ++box) {
            Converter c(e);
            auto& boxes = c.window.parts().boxes;
            for (int other = 0; other < c.window.boxCount(); ++other)
                boxes[other]->selectCellWithTag(c.window.boxRowCount(other) - 1);
            const int row = c.window.boxFirstRow(box);
            ASSERT_TRUE(typeAndConfirm(c.platform, c.window, c.window.fieldIndex(c.window.def().rows[row].outlet), "2")
                            .accepted);
            for (int other = 0; other < c.window.boxCount(); ++other)
                EXPECT_EQ(boxes[other]->selectedTag(), other == box ? 0 : c.window.boxRowCount(other) - 1)
                    << e.cliName << " entry in box " << box << ", box " << other;
            const Event& last = c.platform.events().events().back();
            EXPECT_EQ(last.kind + " " + last.target, "select " + std::string(c.window.def().boxes[box].outlet))
                << e.cliName;
            EXPECT_EQ(last.value, 0) << e.cliName;
        }
    });
}

// An accuracy change formats every unit of the table at those digits and
// writes no number.
TEST(EveryConverter, AccuracyChangesOnlyTheFormat)
{
    eachConverter([](const WindowEntry& e) {
        Converter c(e, true);
        const std::vector<double> before = c.values();
        c.window.accuracyChange(2);
        std::vector<std::string> formatted, table;
        for (const Event& ev : c.platform.events().ofKind("format")) {
            formatted.push_back(ev.target);
            EXPECT_EQ(ev.value, 2) << e.cliName << " " << ev.target;
        }
        for (const UnitRow& row : c.window.def().rows)
            table.push_back(row.outlet);
        std::sort(formatted.begin(), formatted.end());
        std::sort(table.begin(), table.end());
        EXPECT_EQ(formatted, table) << e.cliName;
        EXPECT_EQ(c.platform.events().count("write"), 0) << e.cliName;
        EXPECT_EQ(c.values(), before) << e.cliName;
    });
}

// A box's last tag names its last unit, so its action there reaches the
// base. One past it, or a negative tag, names no edited field: the box is converted as if its
// base had just been confirmed, every field but the base rewritten from it,
// the one that last took an entry included. A box number outside the window
// writes no base.
TEST(EveryConverter, BoxesHoldTheirUnitsAndConvertFromTheBaseWhenNoneIsEdited)
{
    eachConverter([](const WindowEntry& e) {
        Converter probe(e);
        for (int box = 0; box < probe.window.boxCount(); ++box) {
            SCOPED_TRACE(std::string(e.cliName) + " box " + std::to_string(box));
            const int rows = probe.window.boxRowCount(box);
            const char* base = probe.window.def().boxes[box].base;
            Converter atLast(e);
            atLast.window.parts().boxes[box]->selectCellWithTag(rows - 1);
            ASSERT_TRUE(atLast.window.perform(atLast.window.def().boxes[box].action));
            const char* last = probe.window.def().rows[probe.window.boxFirstRow(box) + rows - 1].outlet;
            EXPECT_EQ(atLast.writesTo(base) > 0, std::string_view(last) != base);

            Converter confirmed(e, true);
            const int baseIndex = confirmed.window.fieldIndex(base);
            ASSERT_TRUE(typeAndConfirm(confirmed.platform, confirmed.window, baseIndex,
                                       formatExact(confirmed.window.field(base)->doubleValue()))
                            .accepted);
            for (const int tag : {rows, -1}) {
                Converter unnamed(e, true);
                unnamed.window.parts().boxes[box]->selectCellWithTag(tag);
                unnamed.platform.events().clear();
                unnamed.window.calc(box);
                EXPECT_EQ(unnamed.writesTo(base), 0) << "tag " << tag;
                EXPECT_EQ(unnamed.writes(), confirmed.writes()) << "tag " << tag;
                EXPECT_EQ(unnamed.values(), confirmed.values()) << "tag " << tag;
            }
        }
        for (const int box : {-1, probe.window.boxCount()}) {
            Converter c(e);
            c.window.calc(box);
            for (const BoxDef& each : c.window.def().boxes)
                EXPECT_EQ(c.writesTo(each.base), 0) << e.cliName << " box " << box;
        }
    });
}

}  // namespace
