// Filling in physical names for the conceptual files of a document: table names from the file
// names, primary-index names from the file or table names, column names from the item names. Each
// run records every file it changes in the current undo step, adds it to the selection of every
// view and reports how many it changed.
#pragma once

#include "platform/afx/List.h"
#include "platform/afx/String.h"

class CBaseDoc;
class DataTypeLookup;

namespace NameDerivation {

// The number of files named; a read-only document gives 0.
int CreateTableNames(CBaseDoc& doc, const CObList& objects, DWORD option, const CString& prefix, BOOL showMessages);
int CreatePrimaryIndexNames(CBaseDoc& doc, const CObList& objects, DWORD option, const CString& prefix,
                            const CString& suffix, BOOL showMessages);
// Counts a file when at least one of its items was named.
int CreateColumnNames(CBaseDoc& doc, const CObList& objects, DWORD option, const DataTypeLookup& types,
                      BOOL showMessages);

} // namespace NameDerivation
