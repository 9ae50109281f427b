// The program: a Qt application with the system's message boxes and button pictures, and the
// application object that starts the main frame and runs the event loop.
#include "platform/ui/QtMessageSink.h"
#include "platform/ui/WinApp.h"
#include "shell/MainFrame.h"
#include "shell/ShellArtwork.h"
#include "shell/SplashWnd.h"
#include "shell/ZivraApp.h"

#include <QApplication>

namespace {

// Start-up and shutdown around the main frame, until the application class takes them over.
class ZivraProgram : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        CCommandLineInfo info;
        ParseCommandLine(info);
        const bool server = info.m_bRunEmbedded || info.m_bRunAutomated;
        if (!server) {
            const bool plainOrOpen = info.m_nShellCommand == CCommandLineInfo::FileNew ||
                                     info.m_nShellCommand == CCommandLineInfo::FileOpen;
            CSplashWnd::EnableSplashScreen(info.m_bShowSplash && plainOrOpen);
            CSplashWnd::SetSplashTicks(8);
        }
        m_services.CreateSettingsStore();
        SetRegistryKey("Orlek");
        LoadStdProfileSettings(4);
        auto* frame = new CMainFrame;
        if (!frame->LoadFrame(128)) {
            delete frame;
            return FALSE;
        }
        m_pMainWnd = frame;
        m_services.LoadColorPalette();
        if (server)
            return TRUE;
        if (info.m_nShellCommand == CCommandLineInfo::AppRegister || info.m_nShellCommand == CCommandLineInfo::AppUnregister)
            return ProcessShellCommand(info);
        frame->RestoreWindowPlacement(SW_SHOWNORMAL);
        return TRUE;
    }

    int ExitInstance() override
    {
        m_services.ExitInstance();
        return CWinApp::ExitInstance();
    }

private:
    CZivraApp m_services;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    InstallQtMessageSink();
    InstallShellArtwork();
    ZivraProgram program;
    return program.Run();
}
