// SPDX-License-Identifier: GPL-3.0-or-later
// What every converter window shares, driven by the registry so that a new
// window is covered by one line here: the field it opens on, the bounds of
// its boxes, and what a box does when no field in it counts as edited.
#include "app/window_registry.h"
#include "framework/converter_window.h"
#include "framework/entry.h"
#include "framework/number_text.h"
#include "headless/headless_platform.h"

#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace ambrel;

namespace {

// The field each window selects on opening; null: none.
struct Opening {
    const char* window;
    const char* outlet;
};
constexpr Opening kOpensOn[] = {
    {"length", "MetersField"},
    {"area", "SqMeter"},
    {"velocity", "KiloHourField"},
    {"pressure", "KilopascalField"},
    {"temperature", "CelsiusField"},
    {"time", "HourField"},
    {"volume", "Mliter"},
    {"weight", "Mkilogram"},
    {"power-energy", "Ejoule"},
    {"fuel-light", nullptr},
    {"computing", "KilobyteField"},
};

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

    long writesTo(std::string_view outlet) const
    {
        long n = 0;
        for (const Event& e : platform.events().events())
            n += e.kind == "write" && e.target == outlet;
        return n;
    }
    std::vector<std::string> writes() const { return ambrel::testing::writtenOutlets(platform.events()); }
    std::vector<double> values() const
    {
        std::vector<double> out;
        for (Field* f : window.parts().fields)
            out.push_back(f->doubleValue());
        return out;
    }
    long baseWrites() const
    {
        long n = 0;
        for (const BoxDef& box : window.def().boxes)
            n += writesTo(box.base);
        return n;
    }
};

template <class F>
void eachConverter(F f)
{
    for (const WindowEntry& e : windowRegistry()) {
        HeadlessPlatform probe;
        if (dynamic_cast<ConverterWindow*>(e.make(probe).get()))
            f(e);
    }
}

// Opening brings the window to the front and selects its unit, writing no
// field: the numbers of the last visit stay.
TEST(EveryConverter, OpensOnItsUnitAndKeepsTheNumbers)
{
    eachConverter([](const WindowEntry& e) {
        const Opening* expected = nullptr;
        for (const Opening& o : kOpensOn)
            if (std::string_view(o.window) == e.cliName)
                expected = &o;
        ASSERT_NE(expected, nullptr) << e.cliName << " has no line in kOpensOn";
        Converter c(e);
        ASSERT_TRUE(c.window.perform(e.openAction)) << e.cliName;
        const EventLog& log = c.platform.events();
        EXPECT_EQ(log.count("write"), 0) << e.cliName;
        EXPECT_EQ(log.count("front"), 1) << e.cliName;
        EXPECT_TRUE(c.window.parts().window->isVisible()) << e.cliName;
        if (!expected->outlet) {
            EXPECT_EQ(log.count("select"), 0) << e.cliName;
            return;
        }
        const FieldPlan& field = c.window.plan().fields[c.window.fieldIndex(expected->outlet)];
        const auto selections = log.ofKind("select");
        ASSERT_EQ(selections.size(), 1u) << e.cliName;
        EXPECT_EQ(selections[0].target, c.window.plan().boxes[field.box].outlet) << e.cliName;
        EXPECT_EQ(selections[0].value, field.tag) << e.cliName;
    });
}

// A box's last tag names its last unit, so an entry there reaches the base;
// one past it names none, and neither does a box number outside the window:
// then no base is written.
TEST(EveryConverter, BoxesHoldTheirUnitsAndNoMore)
{
    eachConverter([](const WindowEntry& e) {
        Converter probe(e);
        for (int box = 0; box < probe.window.boxCount(); ++box) {
            const int rows = probe.window.boxRowCount(box);
            const char* base = probe.window.def().boxes[box].base;
            for (const int tag : {rows - 1, rows}) {
                Converter c(e);
                c.window.parts().boxes[box]->selectCellWithTag(tag);
                c.platform.events().clear();
                ASSERT_TRUE(c.window.perform(c.window.def().boxes[box].action));
                const bool named = tag < rows;
                const char* last = c.window.def().rows[c.window.boxFirstRow(box) + rows - 1].outlet;
                EXPECT_EQ(c.writesTo(base) > 0, named && std::string_view(last) != base)
                    << e.cliName << " box " << box << " tag " << tag;
            }
        }
        for (const int box : {-1, probe.window.boxCount()}) {
            Converter c(e);
            c.window.calc(box);
            EXPECT_EQ(c.baseWrites(), 0) << e.cliName << " box " << box;
        }
    });
}

// A selection past a box's last unit names no edited field: the box is
// converted as if its base had just been confirmed, every field but the base
// rewritten from it, the one that last took an entry included.
TEST(EveryConverter, NoEditedFieldConvertsFromTheBase)
{
    eachConverter([](const WindowEntry& e) {
        Converter probe(e);
        for (int box = 0; box < probe.window.boxCount(); ++box) {
            SCOPED_TRACE(std::string(e.cliName) + " box " + std::to_string(box));
            const char* base = probe.window.def().boxes[box].base;
            Converter confirmed(e, true);
            const int baseIndex = confirmed.window.fieldIndex(base);
            ASSERT_TRUE(typeAndConfirm(confirmed.platform, confirmed.window, baseIndex,
                                       formatExact(confirmed.window.field(base)->doubleValue()))
                            .accepted);
            Converter unnamed(e, true);
            unnamed.window.parts().boxes[box]->selectCellWithTag(unnamed.window.boxRowCount(box));
            unnamed.platform.events().clear();
            unnamed.window.calc(box);
            EXPECT_EQ(unnamed.writesTo(base), 0);
            EXPECT_EQ(unnamed.writes(), confirmed.writes());
            EXPECT_EQ(unnamed.values(), confirmed.values());
        }
    });
}

}  // namespace
