// CFollowBatch: the guard of a command that moves or resizes many objects one after another (a
// drag of the selection, an alignment). While it lives the document takes the index of who
// follows whom once, at the first move, instead of once per moved object. Nothing may be added
// to or removed from the document while it lives.
#pragma once

#include "document/BaseDoc.h"

class CFollowBatch
{
public:
    // The view is the one whose selection the command moves (null: the document's active view).
    CFollowBatch(CBaseDoc* document, const ViewServices* view) : m_document(document)
    {
        m_document->BeginFollowBatch(view);
    }
    ~CFollowBatch() { m_document->EndFollowBatch(); }
    CFollowBatch(const CFollowBatch&) = delete;
    CFollowBatch& operator=(const CFollowBatch&) = delete;

private:
    CBaseDoc* m_document;
};
