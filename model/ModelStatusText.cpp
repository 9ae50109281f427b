#include "model/ModelStatusText.h"

#include "foundation/TextFunctions.h"

CString ModelStatusText::NumberAndName(const CString& number, const CString& name, const CString& blankName)
{
    const CString separator(" : ");
    return separator + (number.IsEmpty() ? CString(u8"未発番") : StatusField(number)) + separator +
           (name.IsEmpty() ? blankName : StatusField(name));
}

CString ModelStatusText::StatusField(const CString& text)
{
    return ConvertCrLfToLf(text);
}
