// The string table: the system's texts by resource id, kept in the resources as UTF-8 and handed
// out as code page 932.
#pragma once

#include "platform/afx/String.h"

// Registers the program's compiled-in resources (strings, bitmaps, menus). The resources live in a
// static library with nothing else to pull them in, so every loader calls this first; it runs once.
void AfxInitResources();

// The text of the id, or an empty string when the table has none.
CString LoadStringResource(UINT id);
// CString::LoadString of the framework: TRUE when the id exists.
BOOL LoadString(CString& text, UINT id);
// Replaces "%1" (and "%2") in the string of the id, as the framework's AfxFormatString does.
void AfxFormatString1(CString& out, UINT id, const char* arg1);
void AfxFormatString2(CString& out, UINT id, const char* arg1, const char* arg2);
