// SPDX-License-Identifier: GPL-3.0-or-later
// Entry latency on the desktop platform, offscreen: Enter in a field until
// every field shows its new text and the changed cells have been repainted,
// against the floor of writing the same number of formatted numbers into
// plain line edits and repainting them once.
#include "app/application.h"
#include "framework/number_text.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using namespace ambrel;

void enterToRepaint(benchmark::State& state, const char* className, const char* openAction, const char* outlet)
{
    QtPlatform platform;
    Application ambrel(platform);
    ambrel.menu().perform(openAction);
    WindowController* controller = ambrel.controller(className);
    QWidget* window = static_cast<QtWindow*>(controller->parts().window)->widget();
    auto* field = window->findChild<QLineEdit*>(QString::fromLatin1(outlet));
    QApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        field->setText(QString::number(++n % 7 + 1));
        QTest::keyClick(field, Qt::Key_Return);
        // One repaint of what changed, as the event loop would do it.
        QApplication::processEvents();
    }
    window->close();
}

void BM_LengthEnterToRepaint(benchmark::State& state)
{
    enterToRepaint(state, "LenghtObject", "OpenLenghtWindow:", "FeetField");
}
BENCHMARK(BM_LengthEnterToRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(0.5);

void BM_VolumeEnterToRepaint(benchmark::State& state)
{
    enterToRepaint(state, "VolumeObject", "OpenVolumeWindow:", "Igallon");
}
BENCHMARK(BM_VolumeEnterToRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(0.5);

// The floor: forty labelled line edits, each given a formatted number, then
// one repaint.
void BM_FloorFortyLineEdits(benchmark::State& state)
{
    QWidget window;
    auto* form = new QFormLayout(&window);
    std::vector<QLineEdit*> edits;
    for (int i = 0; i < 40; ++i) {
        auto* edit = new QLineEdit;
        edit->setAlignment(Qt::AlignRight);
        form->addRow(QStringLiteral("unit %1").arg(i), edit);
        edits.push_back(edit);
    }
    window.show();
    QApplication::processEvents();
    double v = 1;
    for (auto _ : state) {
        v += 1;
        for (int i = 0; i < 40; ++i)
            edits[i]->setText(QString::fromStdString(formatShown(v * (i + 1) / 7.0, 4)));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FloorFortyLineEdits)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(0.5);

// One keystroke in the main menu's finder until its list of matches has
// repainted: each one searches every name of every unit of every window.
// The word is typed and erased letter by letter, so short prefixes, which
// match the most names, come up as often as long ones.
void BM_FinderKeystroke(benchmark::State& state)
{
    QtPlatform platform;
    Application ambrel(platform);
    // The menu window is built when first used.
    ambrel.menu().parts().accuracyField->setIntValue(4);
    QWidget* menu = platform.mainMenuWidget();
    auto* finder = menu->findChild<QLineEdit*>(QStringLiteral("UnitFinder"));
    menu->show();
    finder->setFocus();
    QApplication::processEvents();
    const QString word = QStringLiteral("kilometer per");
    bool typing = true;
    for (auto _ : state) {
        const qsizetype n = finder->text().size();
        if (typing && n == word.size())
            typing = false;
        else if (!typing && n == 0)
            typing = true;
        if (typing)
            QTest::keyClick(finder, word.at(n).toLatin1());
        else
            QTest::keyClick(finder, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    menu->close();
}
BENCHMARK(BM_FinderKeystroke)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(0.5);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
