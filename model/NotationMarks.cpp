#include "model/NotationMarks.h"

bool EndsWithMark(const CString& text, const CString& mark)
{
    const int at = text.GetLength() - mark.GetLength();
    return at >= 0 && text.Find(mark, at) == at;
}

bool EndsWithFirstMark(const CString& text, const CString& mark)
{
    const int at = text.Find(mark);
    return at >= 0 && at == text.GetLength() - mark.GetLength();
}

int RemoveLeadingMark(CString& text, const CString& halfWidth, const CString& fullWidth)
{
    for (const CString* mark : {&halfWidth, &fullWidth})
        if (!mark->IsEmpty() && text.Bytes().starts_with(mark->Bytes())) {
            text.Delete(0, mark->GetLength());
            return mark->GetLength();
        }
    return 0;
}
