#include "model/DataTypeText.h"

CString FormatDataTypeText(const char* name, WORD editKind, DWORD digits, DWORD decimals)
{
    CString text;
    if (editKind == DATATYPE_EDIT_DIGITS)
        text.Format("%s(%lu)", name, static_cast<unsigned long>(digits));
    else if (editKind == DATATYPE_EDIT_DECIMALS)
        text.Format("%s(%lu,%lu)", name, static_cast<unsigned long>(digits), static_cast<unsigned long>(decimals));
    else
        text = name;
    return text;
}
