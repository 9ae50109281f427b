#include "foundation/ErrorReport.h"

#include "platform/afx/Exception.h"
#include "platform/afx/MessageSink.h"

BOOL IsHandlingMemoryException()
{
    const std::exception_ptr current = std::current_exception();
    return current && AfxIsMemoryException(current) ? TRUE : FALSE;
}

void ReportCurrentException(const CString& memoryText, const CString& unexpectedText)
{
    AfxMessageBox(IsHandlingMemoryException() ? memoryText : unexpectedText, MB_ICONEXCLAMATION);
}

void ReportCurrentException(const char* function)
{
    const CString suffix = CString("(") + function + ")";
    ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため処理を実行できません。") + suffix,
                           CString(u8"予期せぬｴﾗｰのため処理を実行できません。") + suffix);
}
