// The conceptual files of a referenced diagram, as the data items see them when a file copied out
// of that diagram re-anchors its references. The conceptual files answer it over the referenced
// diagram's document.
#pragma once

#include "platform/afx/String.h"

class DiagramFiles
{
public:
    virtual ~DiagramFiles() = default;

    // The diagram's number in the document's list of referenced diagrams.
    virtual WORD GetDiagramNumber() const = 0;
    // The name of the diagram's conceptual file with that object id; FALSE when it has none.
    virtual BOOL FindFileName(WORD fileId, CString& name) const = 0;
};
