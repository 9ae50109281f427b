// The conceptual files of a referenced diagram as the document opened for its entry holds them:
// what a file copied out of that diagram re-anchors its data items' references to.
#pragma once

#include "model/DiagramFiles.h"

class CRefDoc;

class RefDocFiles : public DiagramFiles
{
public:
    explicit RefDocFiles(const CRefDoc& refDoc) : m_refDoc(refDoc) {}

    WORD GetDiagramNumber() const override;
    // FALSE too while the entry's document is not open.
    BOOL FindFileName(WORD fileId, CString& name) const override;

private:
    const CRefDoc& m_refDoc;
};
