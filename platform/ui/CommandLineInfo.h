// CCommandLineInfo: what the command line asks of the program. Switches start with '-', "--" or '/'
// and are matched without regard to case; since absolute paths start with '/' too, an argument
// with a further '/' or a '.' after its leading '/' is a file name.
#pragma once

#include "platform/afx/String.h"

#include <vector>

class CCommandLineInfo
{
public:
    enum ShellCommand {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    };

    CCommandLineInfo() = default;
    virtual ~CCommandLineInfo() = default;

    // One argument: the switch without its prefix (flag TRUE) or a plain parameter.
    virtual void ParseParam(const char* param, BOOL flag, BOOL last);
    // All arguments after the program name.
    void ParseArguments(const std::vector<CString>& arguments);

    ShellCommand m_nShellCommand = FileNew;
    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
    // Set by the direct print of a print or print-to command when its job printed.
    BOOL m_bPrinted = FALSE;

private:
    void ParseLast(BOOL last);
};
