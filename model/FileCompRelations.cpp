// CFileComp's questions to the relation graph of its document.
#include "model/FileComp.h"

#include "model/RelationGraph.h"

BOOL CFileComp::HasParentFileComp(const CBaseDoc& doc) const
{
    return RelationGraph::IsSubTypeChildFile(doc, GetObjectId(), TRUE);
}
