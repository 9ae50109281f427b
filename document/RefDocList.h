// CRefDocList: the referenced diagrams of a document, in file order. It owns its entries.
#pragma once

#include "platform/afx/List.h"

class CRefDoc;
class CDocTemplate;

class CRefDocList : public CObList
{
    DECLARE_SERIAL(CRefDocList)
public:
    CRefDocList() = default;
    ~CRefDocList() override;
    CRefDocList(const CRefDocList&) = delete;
    CRefDocList& operator=(const CRefDocList&) = delete;

    // A count and the entries with their class tags. Loading takes only entries created by their
    // own read (never null or a reference back to an object read before).
    void Serialize(CArchive& ar) override;

    CRefDoc* GetNextRefDoc(POSITION& pos) const;
    CRefDoc* FindByNumber(WORD number) const;
    // Opens every entry in order (see CRefDoc::Open); the number that failed.
    int OpenAll(const CString& referencingPath, CDocTemplate* docTemplate);
    // Deletes every entry.
    void DeleteAll();
};
