// A workbook could not be built, written or read. The message is the user's text (code page 932),
// ready for a message box.
#pragma once

#include "platform/afx/String.h"

#include <stdexcept>

class SheetError : public std::runtime_error
{
public:
    explicit SheetError(const CString& message) : std::runtime_error(message.Bytes()), m_message(message) {}
    const CString& Message() const { return m_message; }

private:
    CString m_message;
};
