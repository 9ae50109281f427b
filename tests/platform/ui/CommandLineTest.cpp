// The command line: the framework's switches with either prefix and any case, file names and the
// print-to arguments.
#include "platform/ui/CommandLineInfo.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CommandLineCase
{
    std::vector<const char*> args;
    CCommandLineInfo::ShellCommand command;
    const char* file;
    BOOL splash;
    BOOL embedded;
    BOOL automated;
};

CCommandLineInfo ParseCommandLineCase(const std::vector<const char*>& args)
{
    std::vector<CString> arguments(args.begin(), args.end());
    CCommandLineInfo info;
    info.ParseArguments(arguments);
    return info;
}

} // namespace

TEST(CommandLine, SwitchesAndFileNames)
{
    using C = CCommandLineInfo;
    const CommandLineCase cases[] = {
        {{}, C::FileNew, "", TRUE, FALSE, FALSE},
        {{"/home/u/a.zvr"}, C::FileOpen, "/home/u/a.zvr", TRUE, FALSE, FALSE},
        {{"/p", "a.zvr"}, C::FilePrint, "a.zvr", TRUE, FALSE, FALSE},
        {{"-P", "a.zvr"}, C::FilePrint, "a.zvr", TRUE, FALSE, FALSE},
        {{"/pt", "a.zvr", "Printer"}, C::FilePrintTo, "a.zvr", TRUE, FALSE, FALSE},
        {{"/dde"}, C::FileDDE, "", FALSE, FALSE, FALSE},
        {{"/Register"}, C::AppRegister, "", TRUE, FALSE, FALSE},
        {{"-regserver"}, C::AppRegister, "", TRUE, FALSE, FALSE},
        {{"--register"}, C::AppRegister, "", TRUE, FALSE, FALSE},
        {{"/UNREGISTER"}, C::AppUnregister, "", TRUE, FALSE, FALSE},
        {{"/Unregserver"}, C::AppUnregister, "", TRUE, FALSE, FALSE},
        {{"-Embedding"}, C::FileNew, "", FALSE, TRUE, FALSE},
        {{"/automation"}, C::FileNew, "", FALSE, FALSE, TRUE},
        {{"/unknown", "b.zvr"}, C::FileOpen, "b.zvr", TRUE, FALSE, FALSE},
        {{"/a.zvr"}, C::FileOpen, "/a.zvr", TRUE, FALSE, FALSE},
    };
    for (const CommandLineCase& c : cases) {
        const CCommandLineInfo info = ParseCommandLineCase(c.args);
        const std::string label = c.args.empty() ? std::string("(none)") : std::string(c.args.front());
        EXPECT_EQ(info.m_nShellCommand, c.command) << label;
        EXPECT_STREQ(info.m_strFileName, c.file) << label;
        EXPECT_EQ(info.m_bShowSplash, c.splash) << label;
        EXPECT_EQ(info.m_bRunEmbedded, c.embedded) << label;
        EXPECT_EQ(info.m_bRunAutomated, c.automated) << label;
    }
}

TEST(CommandLine, PrintToTakesPrinterDriverAndPort)
{
    const CCommandLineInfo info = ParseCommandLineCase({"/pt", "a.zvr", "Laser", "drv", "LPT1"});
    EXPECT_STREQ(info.m_strPrinterName, "Laser");
    EXPECT_STREQ(info.m_strDriverName, "drv");
    EXPECT_STREQ(info.m_strPortName, "LPT1");
}
