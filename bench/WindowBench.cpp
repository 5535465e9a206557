// The window offscreen: a page switch (load the screen file, wire it,
// calculate, fill the controls) and one calculation cycle with the screen
// (store the screen, run the rule set, refresh the controls and menus).

#include "app/StyleSheet.h"
#include "app/TfrmMain.h"
#include "core/TAnswer.h"
#include "platform/Folders.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace scrivix;

namespace {

TfrmMain* g_window = nullptr;

void BM_PageSwitch(benchmark::State& state)
{
    int page = 0;
    for (auto _ : state) {
        g_window->DisplayAPage(page);
        page = 1 - page;
    }
    g_window->finishFadeIn();
}

void BM_CalculationCycle(benchmark::State& state)
{
    g_window->DisplayAPage(0);
    g_window->finishFadeIn();
    TAnswer& answers = g_window->answers();
    answers.setText(0, 70, QStringLiteral("Mary A. Smith"));
    answers.setText(0, 71, QStringLiteral("F"));
    answers.setText(0, 21, QStringLiteral("412500"));
    for (auto _ : state)
        answers.Calculate(0, true);
}

} // namespace

BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculationCycle)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    const QString screens = home.filePath(QStringLiteral("offscreen.json"));
    QFile config(screens);
    if (config.open(QIODevice::WriteOnly))
        config.write(
            R"({ "screens": [ { "name": "Desk", "width": 1600, "height": 1000, "logicalDpi": 96 } ] })");
    config.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screens.toLocal8Bit());
    QApplication app(argc, argv);
    app.setStyleSheet(scrivixStyleSheet());

    Folders folders = Folders::defaults();
    folders.screens = QStringLiteral(SCRIVIX_DATA_DIR "/PSF");
    folders.shippedTemplates = QStringLiteral(SCRIVIX_DATA_DIR "/Templates");
    TfrmMain window(folders);
    window.resize(1400, 900);
    window.show();
    g_window = &window;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.setModified(false);
    return 0;
}
