// Entry latency on the desktop platform, offscreen: Enter in a field of the
// length window until every field shows its new text and the window has
// repainted.
#include "app/application.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace ambrel;

QApplication* app = nullptr;

void BM_LengthEnterToRepaint(benchmark::State& state)
{
    QtPlatform platform;
    Application ambrel(platform);
    ambrel.menu().OpenLenghtWindow();
    QWidget* window = static_cast<QtWindow*>(ambrel.controller("LenghtObject")->parts().window)->widget();
    auto* feet = window->findChild<QLineEdit*>(QStringLiteral("FeetField"));
    auto* inches = window->findChild<QLineEdit*>(QStringLiteral("InchesField"));
    QApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        feet->setText(QString::number(++n % 7 + 1));
        QTest::keyClick(feet, Qt::Key_Return);
        window->repaint();
        benchmark::DoNotOptimize(inches->text());
    }
    window->close();
}
BENCHMARK(BM_LengthEnterToRepaint)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(0.5);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication application(argc, argv);
    app = &application;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
