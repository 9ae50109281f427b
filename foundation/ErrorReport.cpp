#include "foundation/ErrorReport.h"

#include "platform/afx/MessageSink.h"

#include <exception>
#include <new>

BOOL IsHandlingMemoryException()
{
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return FALSE;
    try {
        std::rethrow_exception(current);
    } catch (const std::bad_alloc&) {
        return TRUE;
    } catch (...) {
        return FALSE;
    }
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
