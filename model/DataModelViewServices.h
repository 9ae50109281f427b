// DataModelViewServices: the data model's answers to the drawing views (ModelViewServices) about
// relation arrows, the files their ends stand for, the loop rule of subtype arrows and the
// status-bar descriptions of the modelling objects.
#pragma once

#include "view/ModelViewServices.h"

class DataModelViewServices : public ModelViewServices
{
public:
    WORD GetRelArrowKind(const CObject* object) const override;
    WORD GetReferencedFileId(const CObject* end) const override;
    BOOL WouldCreateSubTypeLoop(const CBaseDoc& doc, CObject* start, CObject* end) const override;
    // Through the object's own ModelStatusText.
    BOOL DescribeObject(const CBaseDoc& doc, const CObject* object, CString& text) const override;
};
