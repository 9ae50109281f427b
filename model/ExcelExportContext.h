// What the conceptual files' export rows need beyond the worksheet: the document (parents,
// arrows, referenced files, referenced diagrams), the file-type marks with their user names, the
// label of a data type, and for the matrix form the list of item names met so far.
#pragma once

#include "foundation/DataItemList.h"
#include "model/RelationGraphIndex.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"

#include <functional>
#include <optional>
#include <unordered_map>

class CBaseDoc;
class CBoxStyleList;
class CFileComp;

class ExcelExportContext : public CObject
{
public:
    CBaseDoc* document = nullptr;
    const CBoxStyleList* fileTypes = nullptr;
    // The label of the application's data type of that name and edit kind; empty without one.
    std::function<CString(const CString& typeName, WORD editKind)> typeLabel;
    CDataItemList itemNames;
    // The document's conceptual files by object id, filled before the rows are written, so that
    // references are found without walking the object list for each one.
    std::unordered_map<WORD, CFileComp*> files;
    // The document's main arrows and parents, built with the index above: without them the rows
    // name no parent and no main arrow.
    std::optional<RelationGraphIndex> relations;
};
