// Search, replacement and emptiness over the several texts of one modelling object (a task's
// number, name and contents; a symbol's name, text and supplement), each text taken on its own.
#pragma once

#include "platform/afx/String.h"

#include <initializer_list>

// TRUE at the first text that contains the search text. Without matchCase each text is upper-cased
// for the test and the caller passes the search text upper-cased already.
BOOL AnyTextContains(std::initializer_list<const CString*> texts, const CString& findText, BOOL matchCase);
// Replaces every occurrence in each text: TRUE when any text changed.
BOOL ReplaceInTexts(std::initializer_list<CString*> texts, const CString& findText, const CString& replacement,
                    BOOL matchCase);
BOOL AnyTextNotEmpty(std::initializer_list<const CString*> texts);
