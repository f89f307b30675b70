// SPDX-License-Identifier: GPL-3.0-or-later
// The read-only line under Length, Weight and Time that gives the quantity
// in feet and inches, stone and pounds, hours, minutes and seconds: kept up
// with every entry and accuracy, and named for screen readers.
#include "gui_support.h"

using namespace ambrel;
using namespace ambrel::testing;

namespace {

QStringList readingsOf(QWidget* top, bool spoken = false)
{
    QStringList texts;
    for (StatusLine* line : top->findChildren<StatusLine*>(QStringLiteral("MixedReading")))
        texts << (spoken ? line->accessibleName() : line->text());
    return texts;
}

TEST(MixedReadings, FollowEveryEntryAndAccuracyAndAreNamed)
{
    Desktop d;
    QWidget* length = d.open("length");
    typeInto(length, "CentimetersField", "175");
    EXPECT_EQ(readingsOf(length), QStringList{QStringLiteral("5 ft 8.8976 in")});
    EXPECT_EQ(readingsOf(length, true), QStringList{QStringLiteral("Feet and inches: 5 ft 8.8976 in")});
    d.converter("LenghtObject").accuracyChange(1);
    EXPECT_EQ(readingsOf(length), QStringList{QStringLiteral("5 ft 8.9 in")});
    typeInto(length, "InchesField", "71.96");
    EXPECT_EQ(readingsOf(length), QStringList{QStringLiteral("6 ft 0.0 in")});

    QWidget* weight = d.open("weight");
    typeInto(weight, "Mkilogram", "70");
    EXPECT_EQ(readingsOf(weight).join(u'|').toStdString(), "11 st 0.3236 lb|154 lb 5.1773 oz");
    QWidget* time = d.open("time");
    typeInto(time, "SecondField", "-3605");
    EXPECT_EQ(readingsOf(time), QStringList{QStringLiteral("-1 h 0 min 5.0000 s")});
    // Windows with no such reading have no line for it.
    EXPECT_TRUE(readingsOf(d.open("area")).isEmpty());
}

}  // namespace
