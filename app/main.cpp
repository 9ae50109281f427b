// The program: a Qt application with the system's message boxes and button pictures around the
// one application object, which starts the editor and runs its event loop.
#include "platform/ui/QtMessageSink.h"
#include "platform/ui/QtTranslations.h"
#include "shell/ShellArtwork.h"
#include "shell/ZivraApp.h"

#include <QApplication>

namespace {

// A print or registration run works without a screen (a terminal, a print server, a cron job):
// without one, Qt would end the process before the run could start.
void UseOffscreenWithoutDisplay(int argc, char** argv)
{
    const bool hasDisplay = !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!hasDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && CZivraApp::IsWindowlessRun(argc, argv))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int main(int argc, char* argv[])
{
    UseOffscreenWithoutDisplay(argc, argv);
    QApplication qtApp(argc, argv);
    InstallQtMessageSink();
    InstallQtTranslations();
    // A run without windows shows no buttons: their pictures are not painted.
    if (!CZivraApp::IsWindowlessRun(argc, argv))
        InstallShellArtwork();
    CZivraApp app;
    return app.Run();
}
