#include "model/ObjectTexts.h"

#include "foundation/TextFunctions.h"

BOOL AnyTextContains(std::initializer_list<const CString*> texts, const CString& findText, BOOL matchCase)
{
    for (const CString* text : texts) {
        CString tested = *text;
        if (!matchCase)
            tested.MakeUpper();
        if (tested.Find(findText) >= 0)
            return TRUE;
    }
    return FALSE;
}

BOOL ReplaceInTexts(std::initializer_list<CString*> texts, const CString& findText, const CString& replacement,
                    BOOL matchCase)
{
    BOOL changed = FALSE;
    for (CString* text : texts) {
        CString replaced;
        if (ReplaceAllText(*text, findText, replacement, matchCase, replaced)) {
            *text = replaced;
            changed = TRUE;
        }
    }
    return changed;
}

BOOL AnyTextNotEmpty(std::initializer_list<const CString*> texts)
{
    for (const CString* text : texts) {
        if (!text->IsEmpty())
            return TRUE;
    }
    return FALSE;
}
