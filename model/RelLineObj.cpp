#include "model/RelLineObj.h"

#include "document/BaseDoc.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "objects/BaseObj.h"
#include "objects/DefaultKeys.h"
#include "platform/afx/Archive.h"

IMPLEMENT_SERIAL(CRelLineObj, CPolyObj, 1)

namespace rellineobj {

// The line version at which the discriminator, the sub-labels and the 1:N settings came.
constexpr WORD kKindFieldsFrom = 1001;

WORD LoadWord(CArchive& ar)
{
    WORD value;
    ar >> value;
    return value;
}

} // namespace rellineobj

// --- Construction --------------------------------------------------------------------------------

CRelLineObj::CRelLineObj() : CRelLineObj(0, KIND_ONE_TO_MANY, FALSE) {}

CRelLineObj::CRelLineObj(WORD objectId, WORD kind) : CRelLineObj(objectId, kind, TRUE) {}

CRelLineObj::CRelLineObj(WORD objectId, POINT start, POINT end, WORD kind, WORD startObjectId, WORD endObjectId,
                         WORD discriminatorFile)
    : CRelLineObj(objectId, kind, FALSE)
{
    AddPoint(start);
    AddPoint(end);
    SetStartObjectId(startObjectId);
    SetEndObjectId(endObjectId);
    m_bDefinite = TRUE;
    ChangeArrowKind(nullptr);
    if (IsSubTypeKind() && discriminatorFile != 0)
        m_wDiscriminatorFile = discriminatorFile;
}

CRelLineObj::CRelLineObj(WORD objectId, WORD kind, BOOL withOneToManyDefaults)
    : CPolyObj(OBJKIND_RELLINE, objectId),
      m_wRelKind(kind),
      m_bMainArrow(FALSE),
      m_bShowMemo(FALSE),
      m_wDiscriminatorForm(DISCRIMINATOR_IN_DOCUMENT),
      m_wDiscriminatorFile(0),
      m_wDiscriminatorItem(0),
      m_wRefNumbers{0, 0},
      m_wRefItem(0),
      m_bShowItemName(FALSE),
      m_bShowItemValue(FALSE),
      m_bNullAllowed(FALSE),
      m_bDefinite(FALSE),
      m_wCardinality(0),
      m_nConstant(0),
      m_dwLastDisplay(0),
      m_dwEditedPart(0),
      m_dwMark(0),
      m_dwPassMarks(0)
{
    ApplyKindMarks();
    if (withOneToManyDefaults)
        ApplyOneToManyDefaults();
    PrepareLabels();
}

CRelLineObj::CRelLineObj(const CRelLineObj& other)
    : CPolyObj(other),
      m_wRelKind(other.m_wRelKind),
      m_bMainArrow(other.m_bMainArrow),
      m_bShowMemo(other.m_bShowMemo),
      m_memo(other.m_memo),
      m_wDiscriminatorForm(other.m_wDiscriminatorForm),
      m_wDiscriminatorFile(other.m_wDiscriminatorFile),
      m_wDiscriminatorItem(other.m_wDiscriminatorItem),
      m_strRefTexts{other.m_strRefTexts[0], other.m_strRefTexts[1], other.m_strRefTexts[2]},
      m_wRefNumbers{other.m_wRefNumbers[0], other.m_wRefNumbers[1]},
      m_strRefString(other.m_strRefString),
      m_wRefItem(other.m_wRefItem),
      m_bShowItemName(other.m_bShowItemName),
      m_itemName(other.m_itemName),
      m_bShowItemValue(other.m_bShowItemValue),
      m_itemValue(other.m_itemValue),
      m_bNullAllowed(other.m_bNullAllowed),
      m_bDefinite(other.m_bDefinite),
      m_wCardinality(other.m_wCardinality),
      m_nConstant(other.m_nConstant),
      m_dwLastDisplay(other.m_dwLastDisplay),
      m_dwEditedPart(0),
      m_dwMark(0),
      m_dwPassMarks(0)
{
}

void CRelLineObj::ApplyKindMarks()
{
    if (m_wRelKind == KIND_SUBTYPE || m_wRelKind == KIND_SUBSTRUCTURE || m_wRelKind == KIND_SUPERTYPE) {
        SetMark(LINEEND_END, MARK_NONE);
        SetLineMark(LINEEND_END);
        if (IsSubTypeKind())
            m_bDefinite = TRUE;
        return;
    }
    SetMark(LINEEND_END, MARK_ARROW);
}

void CRelLineObj::ApplyOneToManyDefaults()
{
    const BOOL oneToMany = IsOneToManyKind();
    m_wCardinality = oneToMany ? CARDINALITY_ZERO_OR_MORE : 0;
    m_nConstant = oneToMany ? 1 : 0;
}

void CRelLineObj::PrepareLabels()
{
    for (CStrgObj* label : {&m_memo, &m_itemName, &m_itemValue}) {
        label->SetAlignCenter();
        label->SetFill(TRUE);
    }
}

// --- Record --------------------------------------------------------------------------------------

void CRelLineObj::Serialize(CArchive& ar)
{
    using rellineobj::LoadWord;
    CPolyObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_wRelKind << WORD(m_bMainArrow) << WORD(m_bShowMemo);
        m_memo.Serialize(ar);
        SerializeKindFields(ar);
        return;
    }
    m_wRelKind = LoadWord(ar);
    m_bMainArrow = LoadWord(ar);
    m_bShowMemo = LoadWord(ar);
    m_memo.Serialize(ar);
    if (m_wVersion >= rellineobj::kKindFieldsFrom)
        SerializeKindFields(ar);
}

void CRelLineObj::SerializeKindFields(CArchive& ar)
{
    using rellineobj::LoadWord;
    if (ar.IsStoring()) {
        ar << m_wDiscriminatorForm << m_wDiscriminatorFile << m_wDiscriminatorItem;
        ar << m_strRefTexts[0] << m_strRefTexts[1] << m_strRefTexts[2];
        ar << m_wRefNumbers[0] << m_wRefNumbers[1] << m_strRefString << m_wRefItem;
        ar << WORD(m_bShowItemName);
        m_itemName.Serialize(ar);
        ar << WORD(m_bShowItemValue);
        m_itemValue.Serialize(ar);
        ar << WORD(m_bNullAllowed) << WORD(m_bDefinite) << m_wCardinality << DWORD(m_nConstant);
        return;
    }
    ar >> m_wDiscriminatorForm >> m_wDiscriminatorFile >> m_wDiscriminatorItem;
    ar >> m_strRefTexts[0] >> m_strRefTexts[1] >> m_strRefTexts[2];
    ar >> m_wRefNumbers[0] >> m_wRefNumbers[1] >> m_strRefString >> m_wRefItem;
    m_bShowItemName = LoadWord(ar);
    m_itemName.Serialize(ar);
    m_bShowItemValue = LoadWord(ar);
    m_itemValue.Serialize(ar);
    m_bNullAllowed = LoadWord(ar);
    m_bDefinite = LoadWord(ar);
    DWORD constant;
    ar >> m_wCardinality >> constant;
    m_nConstant = int(constant);
}

// --- Names and kind ------------------------------------------------------------------------------

CString& CRelLineObj::GetTypeName(CString& name) const
{
    return name = CString(u8"矢線ｵﾌﾞｼﾞｪｸﾄ");
}

CString& CRelLineObj::GetProfileSection(CString& section) const
{
    switch (m_wRelKind) {
    case KIND_SUBTYPE: return section = "RelLineSubTypeObj Properties";
    case KIND_SUBSTRUCTURE: return section = "RelLineSubStructObj Properties";
    case KIND_SUPERTYPE: return section = "RelLineSuperTypeObj Properties";
    default: return section = "RelLineObj Properties";
    }
}

CString CRelLineObj::GetKindName() const
{
    switch (m_wRelKind) {
    case KIND_ONE_TO_MANY: return CString(u8"1:N矢線");
    case KIND_SUBTYPE: return CString(u8"ｻﾌﾞﾀｲﾌﾟ矢線");
    case KIND_SUBSTRUCTURE: return CString(u8"ｻﾌﾞｽﾄﾗｸﾁｬ矢線");
    case KIND_SUPERTYPE: return CString(u8"ｽｰﾊﾟｰﾀｲﾌﾟ矢線");
    default: return CString();
    }
}

CString CRelLineObj::GetStatusText(const CBaseDoc& document) const
{
    const auto endName = [&document](WORD objectId) {
        CObject* end = nullptr;
        document.FindObjectById(objectId, end);
        if (const auto* file = DYNAMIC_DOWNCAST(CFileComp, end))
            return StatusField(file->GetFileName());
        const auto* clone = DYNAMIC_DOWNCAST(CFileClone, end);
        return clone ? StatusField(clone->GetText()) : CString();
    };
    return GetKindName() + CString(u8"ｵﾌﾞｼﾞｪｸﾄ : ") + endName(m_wStartObjectId) + " -> " + endName(m_wEndObjectId);
}

BOOL CRelLineObj::ResetKindFields()
{
    if (m_wRelKind < KIND_ONE_TO_MANY || m_wRelKind > KIND_SUPERTYPE)
        return FALSE;
    BOOL changed = FALSE;
    const auto assign = [&changed](auto& field, auto value) {
        if (field != value) {
            field = value;
            changed = TRUE;
        }
    };
    assign(m_bNullAllowed, FALSE);
    if (IsOneToManyKind()) {
        if (m_wCardinality == 0)
            assign(m_wCardinality, CARDINALITY_ZERO_OR_MORE);
        if (m_nConstant < 1)
            assign(m_nConstant, 1);
        assign(m_bDefinite, FALSE);
        return changed;
    }
    assign(m_wCardinality, WORD(0));
    if (m_nConstant > 0)
        assign(m_nConstant, 0);
    if (IsSubTypeKind())
        assign(m_bDefinite, TRUE);
    else
        assign(m_bDefinite, FALSE);
    return changed;
}

// --- Discriminator -------------------------------------------------------------------------------

void CRelLineObj::SetDiscriminator(WORD form, WORD file, WORD item)
{
    m_wDiscriminatorForm = form;
    m_wDiscriminatorFile = file;
    m_wDiscriminatorItem = item;
}

void CRelLineObj::SetReferenceTexts(const CString& fileNumber, const CString& fileName, const CString& itemNumber)
{
    m_strRefTexts[0] = fileNumber;
    m_strRefTexts[1] = fileName;
    m_strRefTexts[2] = itemNumber;
}

void CRelLineObj::SetReferenceNumbers(WORD diagram, WORD file, const CString& text, WORD item)
{
    m_wRefNumbers[0] = diagram;
    m_wRefNumbers[1] = file;
    m_strRefString = text;
    m_wRefItem = item;
}

BOOL CRelLineObj::IsDiscriminatorFile(WORD fileId) const
{
    return m_wDiscriminatorForm == DISCRIMINATOR_IN_DOCUMENT && m_wDiscriminatorFile == fileId;
}

BOOL CRelLineObj::SetDiscriminatorFile(WORD fileId)
{
    if (m_wDiscriminatorForm != DISCRIMINATOR_IN_DOCUMENT)
        return FALSE;
    m_wDiscriminatorFile = fileId;
    return TRUE;
}

void CRelLineObj::DefaultDiscriminatorFile(WORD fileId)
{
    if (fileId != 0 && m_wDiscriminatorFile == 0)
        SetDiscriminatorFile(fileId);
}

void CRelLineObj::ClearDiscriminator()
{
    m_wDiscriminatorFile = m_wDiscriminatorItem = 0;
    SetReferenceTexts(CString(), CString(), CString());
    SetReferenceNumbers(0, 0, CString(), 0);
    m_itemName.SetText(CString());
}

void CRelLineObj::ResetDiscriminator()
{
    m_wDiscriminatorForm = DISCRIMINATOR_IN_DOCUMENT;
    ClearDiscriminator();
}

BOOL CRelLineObj::ClearDiscriminatorOfRemovedFile(WORD fileId)
{
    if ((m_dwPassMarks & PASS_DISCRIMINATOR_RENUMBERED) || fileId == 0 || !IsDiscriminatorFile(fileId))
        return FALSE;
    m_wDiscriminatorFile = m_wDiscriminatorItem = 0;
    m_itemName.SetText(CString());
    m_dwPassMarks |= PASS_DISCRIMINATOR_RENUMBERED;
    return TRUE;
}

// --- Attributes ----------------------------------------------------------------------------------

void CRelLineObj::CopyAttributes(const CPolyLine& other)
{
    m_nPenStyle = other.GetPenStyle();
    m_crPen = other.GetPenColor();
    m_nPenWidth = other.GetPenWidth();
    m_wEndMark = other.GetMark(LINEEND_END);
    m_dwFlags = other.GetFlags();
    if (const CPolyObj* line = DYNAMIC_DOWNCAST(CPolyObj, &other)) {
        m_bHideDefine = line->GetHideDefine();
        m_bCanDelete = line->GetCanDelete();
    }
    const CRelLineObj* arrow = DYNAMIC_DOWNCAST(CRelLineObj, &other);
    if (!arrow)
        return;
    const CStrgObj* const sources[] = {&arrow->m_memo, &arrow->m_itemName, &arrow->m_itemValue};
    CStrgObj* const targets[] = {&m_memo, &m_itemName, &m_itemValue};
    for (int label = 0; label < 3; ++label) {
        targets[label]->SetFill(sources[label]->GetFill());
        targets[label]->SetTextColor(sources[label]->GetTextColor());
    }
}

void CRelLineObj::VisitDefaultKeys(DefaultKeys& keys)
{
    VisitPenKeys(keys);
    keys.Number("ArrowEnd", m_wEndMark);
    VisitMarkStyleKey(keys);
    keys.Number("HideDefine", m_bHideDefine);
    keys.Number("CanDelete", m_bCanDelete);
    BOOL memoFill = m_memo.GetFill();
    keys.Number("MemoFill", memoFill);
    m_memo.SetFill(memoFill);
    BOOL subLabelFill = keys.IsLoading() ? m_memo.GetFill() : m_itemValue.GetFill();
    keys.Number("SubTypeFill", subLabelFill);
    COLORREF textColor = m_memo.GetTextColor();
    keys.Number("FontColor", textColor);
    if (!keys.IsLoading())
        return;
    m_itemName.SetFill(subLabelFill);
    m_itemValue.SetFill(subLabelFill);
    for (CStrgObj* label : {&m_memo, &m_itemName, &m_itemValue})
        label->SetTextColor(textColor);
}
