// DataModelViewServices: the data model's answers to the drawing views (ModelViewServices) about
// relation arrows, the files their ends stand for and the loop rule of subtype arrows.
#pragma once

#include "view/ModelViewServices.h"

class DataModelViewServices : public ModelViewServices
{
public:
    WORD GetRelArrowKind(const CObject* object) const override;
    WORD GetReferencedFileId(const CObject* end) const override;
    BOOL WouldCreateSubTypeLoop(const CBaseDoc& doc, CObject* start, CObject* end) const override;
};
