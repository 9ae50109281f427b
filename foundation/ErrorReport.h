// The system's paired failure messages: one for running out of memory, one for anything else.
// Call ReportCurrentException from inside a catch block; it tells the two apart by the exception
// being handled.
#pragma once

#include "platform/afx/String.h"

// "ﾒﾓﾘ不足のため処理を実行できません。(function)" or "予期せぬｴﾗｰのため処理を実行できません。(function)",
// with the exclamation icon.
void ReportCurrentException(const char* function);
// The same with texts of the caller's own (the pairs that name the operation in words).
void ReportCurrentException(const CString& memoryText, const CString& unexpectedText);

// TRUE when the exception being handled is an out-of-memory failure.
BOOL IsHandlingMemoryException();
