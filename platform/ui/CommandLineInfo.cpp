#include "platform/ui/CommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char* param, BOOL flag, BOOL last)
{
    const CString text(param);
    if (flag) {
        if (text.CompareNoCase("pt") == 0)
            m_nShellCommand = FilePrintTo;
        else if (text.CompareNoCase("p") == 0)
            m_nShellCommand = FilePrint;
        else if (text.CompareNoCase("Register") == 0 || text.CompareNoCase("Regserver") == 0)
            m_nShellCommand = AppRegister;
        else if (text.CompareNoCase("Unregister") == 0 || text.CompareNoCase("Unregserver") == 0)
            m_nShellCommand = AppUnregister;
        else if (text.CompareNoCase("dde") == 0) {
            m_bShowSplash = FALSE;
            m_nShellCommand = FileDDE;
        } else if (text.CompareNoCase("Embedding") == 0) {
            m_bShowSplash = FALSE;
            m_bRunEmbedded = TRUE;
        } else if (text.CompareNoCase("Automation") == 0) {
            m_bShowSplash = FALSE;
            m_bRunAutomated = TRUE;
        }
    } else if (m_strFileName.IsEmpty()) {
        m_strFileName = text;
    } else if (m_nShellCommand == FilePrintTo) {
        // print-to: file, printer, driver, port
        if (m_strPrinterName.IsEmpty())
            m_strPrinterName = text;
        else if (m_strDriverName.IsEmpty())
            m_strDriverName = text;
        else if (m_strPortName.IsEmpty())
            m_strPortName = text;
    }
    ParseLast(last);
}

void CCommandLineInfo::ParseLast(BOOL last)
{
    if (last && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}

void CCommandLineInfo::ParseArguments(const std::vector<CString>& arguments)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const CString& arg = arguments[i];
        const BOOL last = i + 1 == arguments.size();
        int skip = 0;
        if (arg.GetLength() > 2 && arg[0] == '-' && arg[1] == '-')
            skip = 2;
        else if (arg.GetLength() > 1 && arg[0] == '-')
            skip = 1;
        else if (arg.GetLength() > 1 && arg[0] == '/' && arg.Find('/', 1) < 0 && arg.Find('.') < 0)
            skip = 1; // "/p" is a switch, "/home/u/a.zvr" or "/a.zvr" a file
        ParseParam(arg.Mid(skip), skip > 0, last);
    }
}
