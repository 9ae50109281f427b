// Tests of the marks (separators, brackets, the RKEY mark) at the ends of item texts. A mark is a
// character of its own: a double-byte character whose trail byte reads as "}" or "]" is no mark.
#pragma once

#include "platform/afx/String.h"

// The text ends with the mark.
bool EndsWithMark(const CString& text, const CString& mark);
// The first occurrence of the mark stands at the end of the text.
bool EndsWithFirstMark(const CString& text, const CString& mark);
// Removes the half-width or else the full-width form of a mark from the start of the text: the
// number of bytes removed, 0 when the text starts with neither.
int RemoveLeadingMark(CString& text, const CString& halfWidth, const CString& fullWidth);
