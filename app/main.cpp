// The program: a Qt application with the system's message boxes and button pictures around the
// one application object, which starts the editor and runs its event loop.
#include "platform/ui/QtMessageSink.h"
#include "platform/ui/QtTranslations.h"
#include "shell/ShellArtwork.h"
#include "shell/ZivraApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    InstallQtMessageSink();
    InstallQtTranslations();
    InstallShellArtwork();
    CZivraApp app;
    return app.Run();
}
