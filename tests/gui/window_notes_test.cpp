// SPDX-License-Identifier: GPL-3.0-or-later
// The note line under a window's cells: what a cap or a link did, and no
// refused text left over from before the window was closed.
#include "gui_support.h"

using namespace ambrel;
using namespace ambrel::testing;

namespace {

TEST(WindowNotes, CapsAndLinksAreToldInTheNoteLine)
{
    struct Case {
        const char* window;
        const char* outlet;
        const char* typed;
        const char* says;  // empty: the note line stays empty
    };
    const Case cases[] = {
        {"velocity", "WarpSpeedField", "20", "warp 9.99"},
        {"velocity", "KiloHourField", "5", ""},
        {"velocity", "LightSpeedField", "3000", "warp 9.99"},
        {"power-energy", "Ekilowatthour", "1", "one second"},
    };
    Desktop d;
    for (const Case& c : cases) {
        QWidget* top = d.open(c.window);
        typeInto(top, c.outlet, c.typed);
        const QString note = statusOf(top)->text();
        if (*c.says == '\0')
            EXPECT_TRUE(note.isEmpty()) << c.outlet << ": " << note.toStdString();
        else
            EXPECT_TRUE(note.contains(QString::fromUtf8(c.says))) << c.outlet << ": " << note.toStdString();
    }
}

TEST(WindowNotes, ARefusedTextIsGoneWhenTheWindowOpensAgain)
{
    Desktop d;
    for (const auto& [window, outlet, typed] : {std::tuple{"length", "FeetField", "abc"},
                                                {"temperature", "KelvinField", "-5"},
                                                {"computing", "HexaField", "xyz"}}) {
        QWidget* top = d.open(window);
        typeInto(top, outlet, "12");
        const QString before = cellOf(top, outlet)->text();
        typeInto(top, outlet, typed);
        ASSERT_TRUE(cellOf(top, outlet)->holdsRefusedText()) << outlet;
        ASSERT_FALSE(statusOf(top)->text().isEmpty());
        top->close();
        QApplication::processEvents();
        ASSERT_EQ(d.open(window), top);
        EXPECT_FALSE(cellOf(top, outlet)->holdsRefusedText()) << outlet;
        EXPECT_EQ(cellOf(top, outlet)->text(), before) << outlet;
        EXPECT_TRUE(statusOf(top)->text().isEmpty()) << statusOf(top)->text().toStdString();
    }
}

}  // namespace
