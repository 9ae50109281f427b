// CRelLineObj: a change of the relation kind reshapes the line and sets the fields of the new kind.
#include "model/RelLineObj.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "model/FileClone.h"

BOOL CRelLineObj::ChangeArrowKind(CBaseDoc* document)
{
    if (!GetStartObjectId() || !GetEndObjectId())
        return TRUE;
    switch (m_wRelKind) {
    case KIND_ONE_TO_MANY: return ChangeToOneToMany();
    case KIND_SUBTYPE:
    case KIND_SUBSTRUCTURE: return ChangeToSubTypeKind(document);
    case KIND_SUPERTYPE: return ChangeToSuperType();
    default: return FALSE;
    }
}

BOOL CRelLineObj::ChangeToOneToMany()
{
    UINT shape = 0;
    if (IsSelfReference())
        shape = ID_OP_LINE_SELF_REFERENCE;
    else if (GetCount() < 4)
        shape = GetEndPoint().y > GetStartPoint().y ? ID_OP_LINE_BREAK : ID_OP_LINE_VERTICAL_CRANK;
    if (shape && !CPolyLine::ApplyShapeOperation(shape, 0, 0))
        return FALSE;
    m_bDefinite = FALSE;
    if (m_wCardinality == 0)
        m_wCardinality = 1;
    if (m_nConstant < 1)
        m_nConstant = 1;
    if (!IsArrowMark(LINEEND_END))
        SetMark(LINEEND_END, MARK_ARROW);
    ClearSubTypeSettings();
    return TRUE;
}

BOOL CRelLineObj::ChangeToSubTypeKind(CBaseDoc* document)
{
    if (IsSelfReference() || !ReshapeForSubTypeKind())
        return FALSE;
    ClearOneToManySettings();
    if (document)
        DefaultDiscriminatorFile(GetStartFileId(*document));
    ShowLabel(PART_ITEM_VALUE, TRUE);
    return TRUE;
}

BOOL CRelLineObj::ReshapeForSubTypeKind()
{
    if (m_wRelKind == KIND_SUBTYPE)
        return CPolyLine::ApplyShapeOperation(ID_OP_LINE_RIGHT_ANGLE, 0, 0);
    // A two-point substructure arrow is straight already.
    return GetCount() == 2 || CPolyLine::ApplyShapeOperation(ID_OP_LINE_STRAIGHTEN, 0, 0);
}

BOOL CRelLineObj::ChangeToSuperType()
{
    if (IsSelfReference() || !CPolyLine::ApplyShapeOperation(ID_OP_LINE_REVERSE_RIGHT_ANGLE, 0, 0))
        return FALSE;
    ClearOneToManySettings();
    m_bDefinite = FALSE;
    ClearSubTypeSettings();
    return TRUE;
}

void CRelLineObj::ClearOneToManySettings()
{
    m_bNullAllowed = FALSE;
    m_wCardinality = 0;
    if (m_nConstant > 0)
        m_nConstant = 0;
    SetMark(LINEEND_END, MARK_NONE);
    SetLineMark(LINEEND_END);
}

void CRelLineObj::ClearSubTypeSettings()
{
    ResetDiscriminator();
    ShowLabel(PART_ITEM_NAME, FALSE);
    ShowLabel(PART_ITEM_VALUE, FALSE);
    m_itemValue.SetText(CString());
}

WORD CRelLineObj::GetStartFileId(const CBaseDoc& document) const
{
    CObject* start = nullptr;
    if (document.FindObjectById(GetStartObjectId(), start))
        if (const CFileClone* clone = DYNAMIC_DOWNCAST(CFileClone, start))
            return clone->GetOriginalFileId();
    return GetStartObjectId();
}
