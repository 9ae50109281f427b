// The relation lookups of a pass that asks about many files of a document it does not change
// (the spreadsheet export), built in one walk of the object list: each answer is the one the
// RelationGraph query of the same name gives, without a walk per question.
#pragma once

#include "platform/afx/WinTypes.h"

#include <unordered_map>

class CBaseDoc;
class CFileComp;
class CObject;
class CRelLineObj;

class RelationGraphIndex
{
public:
    explicit RelationGraphIndex(const CBaseDoc& doc);

    const CBaseDoc& Document() const { return *m_doc; }
    // As RelationGraph::FindMainSubTypeRelLine(doc, fileId, 0).
    CRelLineObj* FindMainSubTypeRelLine(WORD fileId) const;
    // As RelationGraph::GetParentFileComp.
    CFileComp* GetParentFileComp(WORD fileId) const;

private:
    CObject* FindObject(WORD objectId) const;

    const CBaseDoc* m_doc;
    std::unordered_map<WORD, CObject*> m_objects;        // the first drawing object of each id
    std::unordered_map<WORD, CRelLineObj*> m_mainArrows; // the first main arrow ending at each file
};
