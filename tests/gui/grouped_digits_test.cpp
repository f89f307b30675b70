// SPDX-License-Identifier: GPL-3.0-or-later
// Large numbers on screen group their digits; copying and typing them back
// see the plain number.
#include "gui_support.h"

using namespace ambrel;
using namespace ambrel::testing;

namespace {

TEST(GroupedDigits, LargeValuesShowGroupsThatReadBackAndCopyPlain)
{
    Desktop d;
    QWidget* top = d.open("length");
    d.converter("LenghtObject").accuracyChange(5);
    typeInto(top, "KilometersField", "3237758546.4");
    QtField* meters = cellOf(top, "MetersField");
    EXPECT_EQ(meters->text(), QStringLiteral("3\u202F237\u202F758\u202F546\u202F400.00000"));
    EXPECT_EQ(meters->fullValueText().contains(QChar(0x202F)), false) << meters->fullValueText().toStdString();
    // The shown text, pasted into another cell, reads as the same number.
    const double stored = meters->doubleValue();
    QtField* kilometers = cellOf(top, "KilometersField");
    kilometers->setFocus();
    kilometers->selectAll();
    kilometers->insert(meters->text());
    QTest::keyClick(kilometers, Qt::Key_Return);
    EXPECT_TRUE(statusOf(top)->text().isEmpty()) << statusOf(top)->text().toStdString();
    EXPECT_EQ(kilometers->doubleValue(), stored);
    typeInto(top, "KilometersField", "12.5");
    EXPECT_EQ(meters->text(), QStringLiteral("12500.00000"));
}

}  // namespace
