#include "model/FileComp.h"

#include "foundation/ListElements.h"
#include "model/ItemTextParser.h"
#include "model/NotationSymbols.h"
#include "objects/ObjectServices.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"

#include <cstddef>
#include <cstdint>

IMPLEMENT_SERIAL(CFileComp, CRectObj, 1)

namespace filecomp {

constexpr CSize kBuiltInSize(240, -160);
// The smallest box: this wide, and this much taller than its caption band; the mark cell's width.
constexpr int kMinimumWidth = 120;
constexpr int kMinimumBodyHeight = 40;
constexpr int kMarkCellWidth = 40;

// Record versions at which fields came and went.
constexpr WORD kExampleBandFrom = 4;
constexpr WORD kFirstLegacyLabelFrom = 8;
constexpr WORD kLegacyListsFrom = 9;
constexpr WORD kSecondLegacyLabelFrom = 10;
constexpr WORD kItemListFrom = 11;
constexpr WORD kLegacyReferencesFrom = 12;
constexpr WORD kIOSourceLabelRecordFrom = 13;
constexpr WORD kLegacyLabelsUntil = 14;
constexpr WORD kTableNameFrom = 20;
constexpr WORD kPhysicalFrom = 1000;
constexpr WORD kLegacyReferencesUntil = 1000;
constexpr WORD kSubTypeOnArrowFrom = 1001;
constexpr int kLegacyListCount = 5;

int ReadInt(CArchive& ar)
{
    DWORD value;
    ar >> value;
    return int(value);
}

WORD ReadWord(CArchive& ar)
{
    WORD value;
    ar >> value;
    return value;
}

// A word and a text object that old records kept and nothing reads any more.
void SkipLegacyLabel(CArchive& ar)
{
    CStrgObj label;
    ReadWord(ar);
    label.Serialize(ar);
}

// An object list of an old record: read through the class registration, then dropped. The list
// owns what it reads, so it takes new objects only: null or a reference back to an object read
// before (the file being read, or an object of another owner) is damage. Once dropped, its objects
// are no longer there for a later reference to find.
void SkipLegacyList(CArchive& ar)
{
    const std::size_t mark = ar.GetLoadMark();
    {
        OwnedPtrList<CObject> objects;
        LoadOwnedElements(ar, objects, RUNTIME_CLASS(CObject));
    }
    ar.DropObjectsSince(mark);
}

} // namespace filecomp

// --- Construction --------------------------------------------------------------------------------

CFileComp::CFileComp() : CFileComp(0, CRect())
{
    SetSizeFromTopLeft(filecomp::kBuiltInSize);
    ApplyMinimumSize();
}

CFileComp::CFileComp(WORD objectId, const CRect& rect)
    : CRectObj(OBJKIND_FILECOMP, objectId, rect),
      m_nFileCodeCx(80),
      m_nKeyItemCy(-40),
      m_wBoxStyle(0),
      m_crFont(0),
      m_nCompCapCx(-40),
      m_nCodeSampleCx(0),
      m_dwEditedPart(0),
      m_wNumberState(0),
      m_wUpdateRight(0),
      m_bShowNumIOSource(FALSE),
      m_bPhysicalTarget(TRUE),
      m_bMergedIntoParent(FALSE),
      m_bPhyControlDedicated(FALSE),
      m_wPhyControlFileId(0),
      m_dwMarks(0)
{
    m_numIOSource.SetFill(TRUE);
    ApplyMinimumSize();
}

CFileComp::CFileComp(const CFileComp& other)
    : CRectObj(other),
      m_strNumber(other.m_strNumber),
      m_strName(other.m_strName),
      m_strKeyText(other.m_strKeyText),
      m_strDataText(other.m_strDataText),
      m_nFileCodeCx(other.m_nFileCodeCx),
      m_nKeyItemCy(other.m_nKeyItemCy),
      m_wBoxStyle(other.m_wBoxStyle),
      m_crFont(other.m_crFont),
      m_nCompCapCx(other.m_nCompCapCx),
      m_strCodeSample(other.m_strCodeSample),
      m_nCodeSampleCx(other.m_nCodeSampleCx),
      m_dwEditedPart(0),
      m_wNumberState(0),
      m_wUpdateRight(other.m_wUpdateRight),
      m_bShowNumIOSource(other.m_bShowNumIOSource),
      m_numIOSource(other.m_numIOSource),
      m_legacy(other.m_legacy),
      m_strSummary(other.m_strSummary),
      m_strTableName(other.m_strTableName),
      m_bPhysicalTarget(other.m_bPhysicalTarget),
      m_bMergedIntoParent(other.m_bMergedIntoParent),
      m_strPrimaryIndexName(other.m_strPrimaryIndexName),
      m_strTableSpace(other.m_strTableSpace),
      m_strIndexSpace(other.m_strIndexSpace),
      m_bPhyControlDedicated(other.m_bPhyControlDedicated),
      m_wPhyControlFileId(other.m_wPhyControlFileId),
      m_strPhyControlFileName(other.m_strPhyControlFileName),
      m_dwMarks(0)
{
    if (m_dataList.CopyDataFrom(other.m_dataList) < 0)
        AfxThrowMemoryException();
}

CSize CFileComp::GetDefaultFileSize()
{
    ObjectServices* services = GetObjectServices();
    const CBaseObj* prototype =
        services ? DYNAMIC_DOWNCAST(CBaseObj, services->FindPrototypeByKind(OBJKIND_FILECOMP, 0)) : nullptr;
    return prototype ? prototype->GetSize() : filecomp::kBuiltInSize;
}

// --- Record --------------------------------------------------------------------------------------

void CFileComp::Serialize(CArchive& ar)
{
    CRectObj::Serialize(ar);
    if (!ar.IsStoring()) {
        LoadRecord(ar);
        return;
    }
    ar << m_strNumber << m_strName << m_strKeyText << m_strDataText;
    ar << DWORD(m_nFileCodeCx) << DWORD(m_nKeyItemCy) << m_wBoxStyle << DWORD(m_crFont);
    ar << DWORD(m_nCompCapCx) << m_strCodeSample << DWORD(m_nCodeSampleCx);
    ar << m_wNumberState << m_wUpdateRight << WORD(m_bShowNumIOSource);
    m_numIOSource.Serialize(ar);
    ar << m_strSummary;
    m_dataList.Serialize(ar);
    ar << m_strTableName << WORD(m_bPhysicalTarget) << WORD(m_bMergedIntoParent);
    ar << m_strPrimaryIndexName << m_strTableSpace << m_strIndexSpace;
    ar << WORD(m_bPhyControlDedicated) << m_wPhyControlFileId << m_strPhyControlFileName;
}

void CFileComp::LoadRecord(CArchive& ar)
{
    using namespace filecomp;
    const WORD version = m_wVersion;
    ar >> m_strNumber >> m_strName >> m_strKeyText >> m_strDataText;
    m_nFileCodeCx = ReadInt(ar);
    m_nKeyItemCy = ReadInt(ar);
    DWORD fontColor;
    ar >> m_wBoxStyle >> fontColor;
    m_crFont = fontColor;
    m_nCompCapCx = -40;
    m_strCodeSample.Empty();
    m_nCodeSampleCx = 0;
    if (version >= kExampleBandFrom) {
        m_nCompCapCx = ReadInt(ar);
        ar >> m_strCodeSample;
        m_nCodeSampleCx = ReadInt(ar);
    }
    if (version >= kFirstLegacyLabelFrom && version <= kLegacyLabelsUntil)
        SkipLegacyLabel(ar);
    if (version >= kSecondLegacyLabelFrom && version <= kLegacyLabelsUntil)
        SkipLegacyLabel(ar);
    if (version >= kLegacyListsFrom && version <= kLegacyLabelsUntil) {
        for (int list = 0; list < kLegacyListCount; ++list)
            SkipLegacyList(ar);
    }
    if (version >= kItemListFrom) {
        ar >> m_wNumberState >> m_wUpdateRight;
        if (version < kIOSourceLabelRecordFrom) {
            CString text;
            ar >> text;
            m_bShowNumIOSource = FALSE;
            m_numIOSource.SetText(text);
        } else {
            m_bShowNumIOSource = ReadWord(ar);
            m_numIOSource.Serialize(ar);
        }
        if (version < kSubTypeOnArrowFrom)
            LoadLegacySubType(ar);
        ar >> m_strSummary;
        m_dataList.Serialize(ar);
    }
    if (version >= kLegacyReferencesFrom && version <= kLegacyReferencesUntil)
        LoadLegacyReferences(ar);
    if (version >= kTableNameFrom)
        ar >> m_strTableName;
    if (version >= kPhysicalFrom)
        LoadPhysical(ar);
    else
        m_bMergedIntoParent = m_legacy.integrated != 0;
    if (version < kItemListFrom)
        ConvertTextOnlyRecord();
}

void CFileComp::LoadLegacySubType(CArchive& ar)
{
    using filecomp::ReadWord;
    ar >> m_legacy.integrated >> m_legacy.discriminatorFile >> m_legacy.discriminatorItem;
    m_legacy.itemNameShown = ReadWord(ar);
    m_legacy.unnamed1 = ReadWord(ar);
    m_legacy.itemNameLabel.Serialize(ar);
    m_legacy.itemValueShown = ReadWord(ar);
    m_legacy.unnamed2 = ReadWord(ar);
    m_legacy.itemValueLabel.Serialize(ar);
}

void CFileComp::LoadLegacyReferences(CArchive& ar)
{
    ar >> m_legacy.discriminatorForm;
    ar >> m_legacy.refStrings[0] >> m_legacy.refStrings[1] >> m_legacy.refStrings[2];
    ar >> m_legacy.refNumbers[0] >> m_legacy.refNumbers[1];
    ar >> m_legacy.refString >> m_legacy.refNumber;
}

void CFileComp::LoadPhysical(CArchive& ar)
{
    using filecomp::ReadWord;
    m_bPhysicalTarget = ReadWord(ar);
    m_bMergedIntoParent = ReadWord(ar);
    ar >> m_strPrimaryIndexName >> m_strTableSpace >> m_strIndexSpace;
    m_bPhyControlDedicated = ReadWord(ar);
    ar >> m_wPhyControlFileId >> m_strPhyControlFileName;
}

BOOL CFileComp::HasLegacyDiscriminator() const
{
    switch (m_legacy.discriminatorForm) {
    case 1: return m_legacy.discriminatorFile != 0;
    case 2: return !m_legacy.refStrings[0].IsEmpty();
    case 3: return m_legacy.refNumbers[1] != 0;
    default: return FALSE;
    }
}

void CFileComp::ResetLegacySubType()
{
    LegacySubType& block = m_legacy;
    block.integrated = 0;
    block.discriminatorForm = 1;
    block.discriminatorFile = block.discriminatorItem = 0;
    for (CString* text : {&block.refStrings[0], &block.refStrings[1], &block.refStrings[2], &block.refString})
        text->Empty();
    block.refNumbers[0] = block.refNumbers[1] = block.refNumber = 0;
    block.itemNameShown = block.itemValueShown = block.unnamed1 = block.unnamed2 = 0;
    block.itemNameLabel.SetText(CString());
    block.itemValueLabel.SetText(CString());
}

void CFileComp::ConvertTextOnlyRecord()
{
    m_wNumberState = 0;
    m_wUpdateRight = 0;
    m_bShowNumIOSource = FALSE;
    m_strSummary.Empty();
    m_strKeyText = DoubleLegacyBrackets(m_strKeyText);
    m_strDataText = DoubleLegacyBrackets(m_strDataText);
    // A parser failure has told the user; the file keeps the items made before it.
    ParseItemTexts(nullptr, m_dataList);
}

CString CFileComp::DoubleLegacyBrackets(const CString& text)
{
    CString out = text;
    for (const char8_t* single : {u8"<", u8">", u8"＜", u8"＞"}) {
        const CString from(single);
        out.Replace(from, from + from);
    }
    return out;
}

// --- Names ---------------------------------------------------------------------------------------

CString& CFileComp::GetTypeName(CString& name) const
{
    name = CString(u8"概念ﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString CFileComp::GetStatusText(const CBaseDoc&) const
{
    CString type;
    return GetTypeName(type) + NumberAndName(m_strNumber, m_strName, CString(u8"ﾌｧｲﾙ名ﾌﾞﾗﾝｸ"));
}

CString& CFileComp::GetProfileSection(CString& section) const
{
    section = "FileComp Properties";
    return section;
}

void CFileComp::GetNumber(CString& number) const
{
    number = m_strNumber;
}

BOOL CFileComp::ClearNumber(DWORD flag)
{
    BOOL changed = FALSE;
    if (!m_strNumber.IsEmpty()) {
        m_strNumber.Empty();
        changed = TRUE;
    }
    if (flag && m_dataList.ClearNumberTexts())
        changed = TRUE;
    return changed;
}

BOOL CFileComp::IsExportKind(DWORD exportOptions) const
{
    return (exportOptions & EXPORT_FILES) != 0;
}

BOOL CFileComp::HasText() const
{
    return !m_strNumber.IsEmpty() || !m_strName.IsEmpty() || !m_strKeyText.IsEmpty() || !m_strDataText.IsEmpty();
}

BOOL CFileComp::HasInterfaceData() const
{
    return HasText();
}

BOOL CFileComp::ClearUpdateRight()
{
    if (m_wUpdateRight == 0)
        return FALSE;
    m_wUpdateRight = 0;
    return TRUE;
}

// --- Physical design -----------------------------------------------------------------------------

void CFileComp::SetPhyControlFile(WORD fileId, const CString& name)
{
    m_wPhyControlFileId = fileId;
    m_strPhyControlFileName = name;
}

void CFileComp::ClearPhyControlFile()
{
    SetPhyControlFile(0, CString());
}

BOOL CFileComp::ClearPhyControlFileIf(WORD fileId)
{
    if (m_wPhyControlFileId != fileId)
        return FALSE;
    ClearPhyControlFile();
    return TRUE;
}

void CFileComp::SetPhysicalTarget(BOOL target)
{
    if (!m_bPhysicalTarget == !target)
        return;
    m_bPhysicalTarget = target;
    if (!target)
        ClearPhyControlFile();
}

void CFileComp::SetMergedIntoParent(BOOL merged)
{
    if (!m_bMergedIntoParent == !merged)
        return;
    m_bMergedIntoParent = merged;
    if (merged) {
        m_dataList.ClearKeyPhysicalTargets();
        ClearPhyControlFile();
    } else {
        m_dataList.SetPrimaryPhysicalTargets();
    }
}

void CFileComp::SetPhyControlDedicated(BOOL dedicated)
{
    if (!m_bPhyControlDedicated == !dedicated)
        return;
    m_bPhyControlDedicated = dedicated;
    if (dedicated)
        ResetPhysicalForDedicated();
}

BOOL CFileComp::ResetPhysicalForDedicated()
{
    BOOL changed = !m_bPhysicalTarget || m_wPhyControlFileId != 0 || !m_strPhyControlFileName.IsEmpty();
    for (CString* name : {&m_strTableName, &m_strPrimaryIndexName, &m_strTableSpace, &m_strIndexSpace}) {
        changed |= !name->IsEmpty();
        name->Empty();
    }
    m_bPhysicalTarget = TRUE;
    ClearPhyControlFile();
    if (m_dataList.ResetPhysicalTargetsByLevel() > 0)
        changed = TRUE;
    return changed;
}

// --- Marks and name matching ---------------------------------------------------------------------

void CFileComp::ClearMarksAndItems()
{
    ClearMarks();
    m_dataList.ClearTransientAll();
}

void CFileComp::SetNameMatchMark()
{
    m_dwMarks = MARK_NAME_MATCH;
    SetPenColor(NAME_MATCH_PEN);
}

int CFileComp::IsNameMatch(const CFileComp& other) const
{
    if (m_strName == other.m_strName)
        return 1;
    for (WORD group = 1;; ++group) {
        CDataPtrList keys;
        const int count = other.CollectKeyGroup(group, keys);
        if (count <= 0)
            return count;
        const int match = HasMatchingKeyGroup(keys);
        if (match != 0)
            return match;
        if (group == 0xFFFF)
            return 0;
    }
}

// --- The data items ------------------------------------------------------------------------------

BOOL CFileComp::AnyDataRefersToFile(WORD fileId) const
{
    return m_dataList.AnyItemRefersToFile(m_wObjectId, fileId);
}

BOOL CFileComp::ClearDataReferencesToFile(WORD fileId)
{
    BOOL changed = FALSE;
    for (POSITION pos = m_dataList.GetHeadPosition(); pos;) {
        if (m_dataList.GetNext(pos)->DetachFromFile(m_wObjectId, fileId))
            changed = TRUE;
    }
    return changed;
}

int CFileComp::ApplyNameRenumbering(WORD fileId, const CDataList& marked)
{
    return m_dataList.PropagateRenumbering(m_wObjectId, fileId, marked);
}

int CFileComp::ApplyNumberRenumbering(WORD fileId, const CDataList& marked, BOOL clearFirst)
{
    return m_dataList.PropagateChanges(m_wObjectId, fileId, marked, clearFirst);
}

int CFileComp::FillDataItemCombo(CComboBox* combo, BOOL keyItemsOnly, BOOL withNone) const
{
    return m_dataList.FillDataItemCombo(combo, keyItemsOnly, withNone);
}

int CFileComp::CountDataNameMatches(const CString& text, BOOL matchCase) const
{
    return m_dataList.CountNameMatches(text, matchCase);
}

BOOL CFileComp::RebuildItemTexts(CNotationSymbols& symbols, DWORD options)
{
    return m_dataList.BuildItemTexts(m_strKeyText, m_strDataText, symbols, options);
}

BOOL CFileComp::ConvertForOtherDiagram(const DiagramFiles& diagram, WORD newOwnId)
{
    m_dataList.ConvertForOtherDiagram(diagram, m_wObjectId, newOwnId);
    return TRUE;
}

template <class Visit>
int CFileComp::ForEachNonRkeyKeyItem(const CFileComp& keyFile, Visit visit) const
{
    int total = 0;
    for (POSITION pos = keyFile.m_dataList.GetHeadPosition(); pos;) {
        const CData* item = keyFile.m_dataList.GetNext(pos);
        if (item->IsKeyItem() && !item->IsRkeyItem())
            total += visit(*item);
    }
    return total;
}

BOOL CFileComp::HasRkeyCandidatesFor(const CFileComp& other, BOOL overwrite) const
{
    return ForEachNonRkeyKeyItem(other, [&](const CData& item) {
               return m_dataList.AnyRkeyCandidate(item, overwrite) ? 1 : 0;
           }) > 0;
}

int CFileComp::SetRkeyReferencesFrom(const CFileComp& other, BOOL overwrite)
{
    return ForEachNonRkeyKeyItem(other, [&](const CData& item) {
        return m_dataList.SetRkeyReferences(other.m_wObjectId, item, overwrite);
    });
}

int CFileComp::SetRkeyReferencesToOtherDiagram(const CFileComp& keyFile, const CRefDoc& refDoc, BOOL overwrite)
{
    return ForEachNonRkeyKeyItem(keyFile, [&](const CData& item) {
        return m_dataList.SetRkeyReferencesToOtherDiagram(keyFile.m_wObjectId, keyFile.m_strName, item, refDoc,
                                                          overwrite);
    });
}

BOOL CFileComp::CollectNotationSymbols(CNotationSymbols& symbols) const
{
    if (m_strKeyText.IsEmpty() && m_strDataText.IsEmpty())
        return FALSE;
    return symbols.DetectFromTexts(m_strKeyText, m_strDataText);
}

int CFileComp::ParseItemTexts(const CBaseDoc* document, CDataList& list) const
{
    const BOOL hasParent = document && HasParentFileComp(*document);
    return ParseItemTextsIntoList(m_strKeyText, m_strDataText, hasParent, m_bMergedIntoParent, list);
}

// --- Column names --------------------------------------------------------------------------------

int CFileComp::CountColumnNameTargets(DWORD option) const
{
    if ((option & COLUMN_PHYSICAL_FILES_ONLY) && !m_bPhysicalTarget)
        return 0;
    return m_dataList.CountColumnNameTargets(option);
}

int CFileComp::CreateColumnNames(DWORD option, const DataTypeLookup& types)
{
    return m_dataList.CreateColumnNames(option, types);
}

// --- Minimum size --------------------------------------------------------------------------------

BOOL CFileComp::ApplyMinimumSize()
{
    using namespace filecomp;
    // Wide arithmetic: the band sizes come from files and may be anything.
    CRect rect = m_rect;
    BOOL changed = FALSE;
    if (std::int64_t(rect.right) - rect.left < kMinimumWidth) {
        rect.right = HoldObjectCoordinate(std::int64_t(rect.left) + kMinimumWidth);
        changed = TRUE;
    }
    const std::int64_t width = std::int64_t(rect.right) - rect.left;
    if (m_nFileCodeCx > width - kMarkCellWidth) {
        m_nFileCodeCx = HoldObjectCoordinate(width - kMarkCellWidth);
        changed = TRUE;
    }
    const std::int64_t lowest = std::int64_t(m_nCompCapCx) - kMinimumBodyHeight;
    if (std::int64_t(rect.bottom) - rect.top > lowest) {
        rect.bottom = HoldObjectCoordinate(std::int64_t(rect.top) + lowest);
        changed = TRUE;
    }
    const std::int64_t below = std::int64_t(rect.bottom) - rect.top - m_nCompCapCx;
    if (m_nKeyItemCy < below) {
        m_nKeyItemCy = HoldObjectCoordinate(below);
        changed = TRUE;
    }
    if (changed)
        NormalizeRect(rect);
    return changed;
}
