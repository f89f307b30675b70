// SPDX-License-Identifier: GPL-3.0-or-later
// Windows that change numbers beyond the plain conversion say so in their
// note, and the command line passes the note and the refusals on.
#include "cli_support.h"
#include "computing/computing.h"
#include "converters/power_energy.h"
#include "converters/velocity.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

using namespace ambrel;
using ambrel::testing::CliRun;
using ambrel::testing::Rig;

namespace {

template <class T>
std::string noteAfter(bool exact, const char* outlet, const char* typed)
{
    Rig<T> rig;
    rig.window.setExactDefinitions(exact);
    EXPECT_TRUE(rig.type(outlet, typed)) << outlet << " " << typed;
    return rig.window.calculationNote();
}

TEST(CalculationNote, CapsAndLinksAreNotedAndPlainEntriesAreNot)
{
    struct Case {
        std::string note;
        const char* says;  // empty: no note
    };
    for (const bool exact : {false, true}) {
        const Case cases[] = {
            {noteAfter<VelocityObject>(exact, "WarpSpeedField", "20"), "warp 9.99"},
            {noteAfter<VelocityObject>(exact, "LightSpeedField", "3000"), "warp 9.99"},
            {noteAfter<VelocityObject>(exact, "KiloHourField", "1e20"), "warp 9.99"},
            {noteAfter<VelocityObject>(exact, "WarpSpeedField", "9"), ""},
            {noteAfter<VelocityObject>(exact, "LightSpeedField", "2000"), ""},
            {noteAfter<PowerEnergyObject>(exact, "Ekilowatthour", "1"), "power box"},
            {noteAfter<PowerEnergyObject>(exact, "Pwatt", "1"), "energy box"},
        };
        for (const Case& c : cases) {
            if (*c.says == '\0')
                EXPECT_EQ(c.note, "") << "exact " << exact;
            else
                EXPECT_NE(c.note.find(c.says), std::string::npos) << "exact " << exact << ": " << c.note;
        }
    }
}

TEST(CalculationNote, ALaterPlainEntryClearsTheNote)
{
    Rig<VelocityObject> rig;
    ASSERT_TRUE(rig.type("WarpSpeedField", "20"));
    ASSERT_FALSE(rig.window.calculationNote().empty());
    ASSERT_TRUE(rig.type("KiloHourField", "5"));
    EXPECT_EQ(rig.window.calculationNote(), "");
}

TEST(CalculationNote, TheCommandLineTellsNotesAndRefusesBelowAbsoluteZero)
{
    using ambrel::testing::run;
    const CliRun warp = run({"run", "--tsv", "velocity", "WarpSpeedField=20"});
    EXPECT_EQ(warp.status, 0);
    EXPECT_NE(warp.err.find("note: Capped at warp 9.99"), std::string::npos) << warp.err;
    EXPECT_EQ(run({"run", "--tsv", "velocity", "WarpSpeedField=2"}).err, "");
    // The refusal comes with its reason and nothing on the output.
    for (const auto& args : std::initializer_list<std::vector<std::string>>{
             {"run", "temperature", "KelvinField=-5"},
             {"--classic", "run", "temperature", "CelsiusField=-273.5"},
             {"temperature", "-5", "K"},
             {"-300", "C", "to", "F"},
             {"--classic", "-1", "°R"},
         }) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.back() << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("below absolute zero"), std::string::npos) << r.err;
    }
    EXPECT_EQ(run({"-273", "°C"}).status, 0);
}

TEST(ComputingWindow, TheDecimalCellSaysItIsSigned)
{
    Rig<ComputingObject> rig;
    ASSERT_TRUE(rig.type("HexaField", "ffffffff"));
    EXPECT_EQ(rig.cell("DecimalField").stringValue(), "-1");
    EXPECT_EQ(rig.window.plan().fields[rig.window.fieldIndex("DecimalField")].label, "decimal (signed 32-bit)");
}

}  // namespace
