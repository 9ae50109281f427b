#include "model/DataModelViewServices.h"

#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/ModelStatusText.h"
#include "model/RelLineObj.h"
#include "model/RelationRules.h"

WORD DataModelViewServices::GetRelArrowKind(const CObject* object) const
{
    const auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object);
    return arrow ? arrow->GetKind() : 0;
}

WORD DataModelViewServices::GetReferencedFileId(const CObject* end) const
{
    if (const auto* clone = DYNAMIC_DOWNCAST(CFileClone, end))
        return clone->GetOriginalFileId();
    const auto* file = DYNAMIC_DOWNCAST(CFileComp, end);
    return file ? file->GetObjectId() : 0;
}

BOOL DataModelViewServices::WouldCreateSubTypeLoop(const CBaseDoc& doc, CObject* start, CObject* end) const
{
    return RelationRules::WouldCreateSubTypeLoop(doc, start, end);
}

BOOL DataModelViewServices::DescribeObject(const CBaseDoc& doc, const CObject* object, CString& text) const
{
    const auto* described = dynamic_cast<const ModelStatusText*>(object);
    if (!described)
        return FALSE;
    text = described->GetStatusText(doc);
    return TRUE;
}
