// Start-up of the editor to a shown main window: the application's whole start-up order (settings
// store, recent files, template, main frame with bars, prototypes and file-type marks, profile
// defaults, palette, printer paper, data types, placement) on a private profile, the first run
// writing the defaults and the later ones reading them.
#include "platform/profile/Profile.h"
#include "platform/ui/WinApp.h"
#include "shell/MainFrame.h"
#include "shell/ShellArtwork.h"
#include "shell/ZivraApp.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_StartUpToShownWindow(benchmark::State& state)
{
    for (auto _ : state) {
        CZivraApp app;
        if (!app.InitInstance()) {
            state.SkipWithError("start-up refused");
            break;
        }
        QApplication::processEvents(); // the window's first layout and paint
        state.PauseTiming();
        if (CMainFrame* frame = app.GetMainFrame())
            frame->SendMessage(WM_CLOSE);
        app.ExitInstance();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8()); // no hand-over to an editor that runs
    QApplication qtApp(argc, argv);
    QTemporaryDir profile;
    Profile::SetDirectory(profile.path());
    InstallShellArtwork();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
