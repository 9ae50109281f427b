// A workbook could not be built, written or read. The message is the user's text (code page 932),
// ready for a message box.
#pragma once

#include "platform/afx/String.h"

#include <memory>
#include <stdexcept>
#include <type_traits>

// Copying one never throws, so a refusal built in advance can still be thrown when memory has run out.
class SheetError : public std::runtime_error
{
public:
    explicit SheetError(const CString& message)
        : std::runtime_error(message.Bytes()), m_message(std::make_shared<const CString>(message))
    {
    }
    const CString& Message() const { return *m_message; }

private:
    std::shared_ptr<const CString> m_message;
};

static_assert(std::is_nothrow_copy_constructible_v<SheetError>);
