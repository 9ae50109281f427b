// ModelStatusText: what the status bar says of a modelling object under the mouse or just
// selected: its type name followed by the texts that tell it from its neighbours (a file's number
// and name, an arrow's two ends). Each modelling class with such texts implements it; the views
// reach it through the data model's view services. Line breaks typed as CR LF show as LF.
#pragma once

#include "platform/afx/String.h"

class CBaseDoc;

class ModelStatusText
{
public:
    virtual ~ModelStatusText() = default;

    // The description, without the suffix that says what happened to the object.
    virtual CString GetStatusText(const CBaseDoc& document) const = 0;

protected:
    // " : " and the number (or "未発番"), " : " and the name (or the blank-name text).
    static CString NumberAndName(const CString& number, const CString& name, const CString& blankName);
    // The text with each CR LF turned into LF.
    static CString StatusField(const CString& text);
};
