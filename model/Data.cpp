#include "model/Data.h"

#include "document/BaseDoc.h"
#include "document/RefDoc.h"
#include "model/DataTypeLookup.h"
#include "model/DataTypeText.h"

#include "platform/afx/Archive.h"

#include <cstring>
#include <memory>

IMPLEMENT_SERIAL(CData, CObject, 1)

namespace Data {

// The versions from which a record holds the summary, the reference forms 2 and 3, the column
// name with size and type, and the remaining physical attributes.
constexpr WORD kSummaryVersion = 16;
constexpr WORD kFormsVersion = 12;
constexpr WORD kColumnVersion = 20;
constexpr WORD kPhysicalVersion = 1000;

} // namespace Data

CData::CData(WORD number, const CString& name, const CString& numberText, const CString& keyCode,
             const CString& rkeyCode, const CString& derivationCode, WORD keyGroup, WORD keyOrder, WORD childOrder,
             WORD level, WORD parent)
    : m_wNumber(number),
      m_strName(name),
      m_strNumberText(numberText),
      m_strKeyCode(keyCode),
      m_strRkeyCode(rkeyCode),
      m_strDerivationCode(derivationCode),
      m_wKeyGroup(keyGroup),
      m_wKeyOrder(keyOrder),
      m_wChildOrder(childOrder),
      m_wLevel(level),
      m_wParent(parent)
{
    ApplyKeyPhysicalDefaults();
}

CData::CData(const CData& other)
    : CObject(),
      m_wVersion(other.m_wVersion),
      m_wNumber(other.m_wNumber),
      m_strName(other.m_strName),
      m_strNumberText(other.m_strNumberText),
      m_strKeyCode(other.m_strKeyCode),
      m_strRkeyCode(other.m_strRkeyCode),
      m_strDerivationCode(other.m_strDerivationCode),
      m_wKeyGroup(other.m_wKeyGroup),
      m_wKeyOrder(other.m_wKeyOrder),
      m_wChildOrder(other.m_wChildOrder),
      m_wLevel(other.m_wLevel),
      m_wParent(other.m_wParent),
      m_wRefForm(other.m_wRefForm),
      m_wRefFile(other.m_wRefFile),
      m_wRefItem(other.m_wRefItem),
      m_strRefItemName(other.m_strRefItemName),
      m_strRef2FileNumber(other.m_strRef2FileNumber),
      m_strRef2FileName(other.m_strRef2FileName),
      m_strRef2ItemNumber(other.m_strRef2ItemNumber),
      m_strRef2ItemName(other.m_strRef2ItemName),
      m_wRef3Diagram(other.m_wRef3Diagram),
      m_wRef3File(other.m_wRef3File),
      m_strRef3FileName(other.m_strRef3FileName),
      m_wRef3Item(other.m_wRef3Item),
      m_strRef3ItemName(other.m_strRef3ItemName),
      m_strExpression(other.m_strExpression),
      m_strSummary(other.m_strSummary),
      m_strColumnName(other.m_strColumnName),
      m_dwDigits(other.m_dwDigits),
      m_dwDecimals(other.m_dwDecimals),
      m_strDataTypeName(other.m_strDataTypeName),
      m_dwPhysicalTarget(other.m_dwPhysicalTarget),
      m_wEditKind(other.m_wEditKind),
      m_wNullOption(other.m_wNullOption),
      m_strDefaultValue(other.m_strDefaultValue)
{
    // A failed copy raises the memory exception; the members built so far clean up after themselves.
    for (POSITION pos = other.m_sources.GetHeadPosition(); pos;) {
        auto copy = std::make_unique<CDataGenSrc>(*other.m_sources.GetNext(pos));
        m_sources.AddTail(copy.get());
        copy.release();
    }
}

void CData::Serialize(CArchive& ar)
{
    using namespace Data;
    if (ar.IsStoring()) {
        m_wVersion = kCurrentVersion;
        ar << m_wVersion << m_wNumber << m_strName << m_strNumberText << m_strKeyCode << m_strRkeyCode
           << m_strDerivationCode << m_wKeyGroup << m_wKeyOrder << m_wChildOrder << m_wLevel << m_wParent << m_wRefFile
           << m_wRefItem << m_strRefItemName << m_strExpression << m_strSummary << m_wRefForm << m_strRef2FileNumber
           << m_strRef2FileName << m_strRef2ItemNumber << m_strRef2ItemName << m_wRef3Diagram << m_wRef3File
           << m_strRef3FileName << m_wRef3Item << m_strRef3ItemName << m_strColumnName << m_dwDigits << m_dwDecimals
           << m_strDataTypeName << WORD(m_dwPhysicalTarget) << m_wEditKind << m_wNullOption << m_strDefaultValue;
        m_sources.Serialize(ar);
        return;
    }
    ar >> m_wVersion >> m_wNumber >> m_strName >> m_strNumberText >> m_strKeyCode >> m_strRkeyCode >>
        m_strDerivationCode >> m_wKeyGroup >> m_wKeyOrder >> m_wChildOrder >> m_wLevel >> m_wParent >> m_wRefFile >>
        m_wRefItem >> m_strRefItemName >> m_strExpression;
    if (m_wVersion >= kSummaryVersion)
        ar >> m_strSummary;
    if (m_wVersion >= kFormsVersion) {
        ar >> m_wRefForm >> m_strRef2FileNumber >> m_strRef2FileName >> m_strRef2ItemNumber >> m_strRef2ItemName >>
            m_wRef3Diagram >> m_wRef3File >> m_strRef3FileName >> m_wRef3Item >> m_strRef3ItemName;
    } else {
        m_wRefForm = REF_BY_IDS;
    }
    if (m_wVersion >= kColumnVersion)
        ar >> m_strColumnName >> m_dwDigits >> m_dwDecimals >> m_strDataTypeName;
    if (m_wVersion >= kPhysicalVersion) {
        WORD physicalTarget = 0;
        ar >> physicalTarget >> m_wEditKind >> m_wNullOption >> m_strDefaultValue;
        m_dwPhysicalTarget = physicalTarget;
    } else {
        m_dwPhysicalTarget = 1;
        m_wNullOption = NULL_NULL;
        ApplyKeyPhysicalDefaults();
        MigrateEditKind();
    }
    m_sources.Serialize(ar);
}

void CData::ApplyKeyPhysicalDefaults()
{
    if (IsKeyItem()) {
        m_wNullOption = NULL_NOT_NULL;
        if (m_wKeyGroup != 1)
            m_dwPhysicalTarget = 0;
    }
    if (IsChildLevel())
        m_dwPhysicalTarget = 0;
}

void CData::MigrateEditKind()
{
    m_wEditKind = DATATYPE_EDIT_NONE;
    const DataTypeLookup* types = GetAppDataTypes();
    if (m_strDataTypeName.IsEmpty() || !types)
        return;
    WORD kind = DATATYPE_EDIT_NONE;
    if (types->FindEditKindForSize(m_strDataTypeName, m_dwDigits, m_dwDecimals, kind))
        m_wEditKind = kind;
}

CString CData::MakeKeyCode(BOOL isKey, BOOL groupHasSeveral, BOOL isRkey)
{
    if (!isKey)
        return "N";
    if (!groupHasSeveral)
        return "K";
    return isRkey ? "P" : "S";
}

CString CData::MakeRkeyCode(BOOL isRkey)
{
    return isRkey ? "R" : "N";
}

BOOL CData::IsKeyItem() const
{
    return m_strKeyCode == "K" || m_strKeyCode == "P" || m_strKeyCode == "S";
}

BOOL CData::IsRkeyItem() const
{
    return m_strRkeyCode == "R";
}

BOOL CData::IsDerived() const
{
    return !m_strDerivationCode.IsEmpty() && m_strDerivationCode != "N" && m_strDerivationCode != "M";
}

BOOL CData::IsBracketDerivation() const
{
    return m_strDerivationCode == "G" || m_strDerivationCode == "W" || m_strDerivationCode == "C";
}

BOOL CData::HasReferencedFile() const
{
    switch (m_wRefForm) {
    case REF_BY_IDS: return m_wRefFile != 0;
    case REF_BY_TEXTS: return !m_strRef2FileNumber.IsEmpty();
    case REF_IN_DIAGRAM: return m_wRef3File != 0;
    default: return FALSE;
    }
}

BOOL CData::HasReferencedItem() const
{
    switch (m_wRefForm) {
    case REF_BY_IDS: return m_wRefItem != 0;
    case REF_BY_TEXTS: return !m_strRef2ItemNumber.IsEmpty();
    case REF_IN_DIAGRAM: return m_wRef3Item != 0;
    default: return FALSE;
    }
}

void CData::ClearReference()
{
    m_wRefFile = 0;
    m_wRefItem = 0;
    m_strRefItemName.Empty();
    m_strRef2FileNumber.Empty();
    m_strRef2FileName.Empty();
    m_strRef2ItemNumber.Empty();
    m_strRef2ItemName.Empty();
    m_wRef3Diagram = 0;
    m_wRef3File = 0;
    m_strRef3FileName.Empty();
    m_wRef3Item = 0;
    m_strRef3ItemName.Empty();
}

void CData::ResetReference()
{
    m_wRefForm = REF_BY_IDS;
    ClearReference();
}

BOOL CData::IsRefDocLoaded(const CBaseDoc* document) const
{
    if (m_wRef3Diagram == 0)
        return FALSE;
    const CRefDoc* refDoc = document->FindRefDocByNumber(m_wRef3Diagram);
    return refDoc && refDoc->IsLoaded();
}

CString CData::GetTypeText() const
{
    return FormatDataTypeText(m_strDataTypeName, m_wEditKind, m_dwDigits, m_dwDecimals);
}

CString CData::GetShortTypeText() const
{
    const DataTypeLookup* types = GetAppDataTypes();
    return types ? types->FindShortTypeText(m_strDataTypeName, m_wEditKind, m_dwDigits, m_dwDecimals) : CString();
}

BOOL CData::IsColumnNameTarget(DWORD option) const
{
    if ((option & COLUMN_PHYSICAL_ONLY) && m_dwPhysicalTarget == 0)
        return FALSE;
    if (!(option & COLUMN_OVERWRITE) && !m_strColumnName.IsEmpty())
        return FALSE;
    return !m_strName.IsEmpty();
}

BOOL CData::CreateColumnName(DWORD option, const DataTypeLookup& types)
{
    const CString prefix =
        (option & COLUMN_TYPE_PREFIX) ? types.FindColumnPrefix(m_strDataTypeName, m_wEditKind) : CString();
    m_strColumnName = prefix + m_strName;
    return TRUE;
}

DWORD CData::CompareData(const CData& other, BOOL useScratch) const
{
    DWORD bits = 0;
    const auto differs = [&bits](bool differ, DWORD bit) { bits |= differ ? bit : 0; };
    differs(m_wNumber != other.m_wNumber || (useScratch && m_wNumber != other.m_wScratchNumber), DIFF_NUMBER);
    differs(m_strName != other.m_strName, DIFF_NAME);
    differs(m_strNumberText != other.m_strNumberText, DIFF_NUMBER_TEXT);
    differs(m_strKeyCode != other.m_strKeyCode, DIFF_KEY_CODE);
    differs(m_strRkeyCode != other.m_strRkeyCode, DIFF_RKEY_CODE);
    differs(m_strDerivationCode != other.m_strDerivationCode, DIFF_DERIVATION);
    differs(m_wKeyGroup != other.m_wKeyGroup, DIFF_KEY_GROUP);
    differs(m_wKeyOrder != other.m_wKeyOrder, DIFF_KEY_ORDER);
    differs(m_wChildOrder != other.m_wChildOrder, DIFF_CHILD_ORDER);
    differs(m_wLevel != other.m_wLevel, DIFF_LEVEL);
    differs(m_wParent != other.m_wParent, DIFF_PARENT);
    differs(m_wRefFile != other.m_wRefFile, DIFF_REF_FILE);
    differs(m_wRefItem != other.m_wRefItem, DIFF_REF_ITEM);
    differs(m_strRefItemName != other.m_strRefItemName, DIFF_REF_ITEM_NAME);
    differs(m_strSummary != other.m_strSummary || m_strExpression != other.m_strExpression ||
                m_strColumnName != other.m_strColumnName || m_dwDigits != other.m_dwDigits ||
                m_dwDecimals != other.m_dwDecimals || m_strDataTypeName != other.m_strDataTypeName,
            DIFF_DEFINITION);
    differs(m_wRefForm != other.m_wRefForm, DIFF_REF_FORM);
    differs(m_strRef2FileNumber != other.m_strRef2FileNumber || m_strRef2FileName != other.m_strRef2FileName ||
                m_strRef2ItemNumber != other.m_strRef2ItemNumber || m_strRef2ItemName != other.m_strRef2ItemName,
            DIFF_REF_TEXTS);
    differs(m_wRef3Diagram != other.m_wRef3Diagram || m_wRef3File != other.m_wRef3File ||
                m_strRef3FileName != other.m_strRef3FileName || m_wRef3Item != other.m_wRef3Item ||
                m_strRef3ItemName != other.m_strRef3ItemName,
            DIFF_REF_IN_DIAGRAM);
    return bits | m_sources.CompareSourceLists(other.m_sources);
}

void CData::ClearTransient()
{
    m_dwMarks = 0;
    m_wScratchNumber = 0;
    m_strScratchName.Empty();
}

void CData::ClearUpdateMarks()
{
    m_dwUpdateMarks = 0;
    m_sources.ClearMarksAll();
}

BOOL CData::CheckParentRule(const CData* parent, CString& message) const
{
    const auto broken = [&message](const char8_t* text) {
        message = CString(text);
        return TRUE;
    };
    if (!IsChildLevel())
        return m_wParent == 0 ? FALSE : broken(u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目でないのに親概念ﾃﾞｰﾀ項目が指定されている");
    if (m_wParent == 0)
        return broken(u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目なのに親概念ﾃﾞｰﾀ項目が指定されていない");
    if (!parent)
        return FALSE;
    if (parent->IsChildLevel())
        return broken(u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目に指定されている");
    if (IsKeyItem()) {
        if (!parent->IsKeyItem())
            return broken(u8"ｷｰ機能があるﾃﾞｰﾀ項目にｷｰ機能がない親概念ﾃﾞｰﾀ項目が指定されている");
        if (parent->m_wKeyGroup != m_wKeyGroup)
            return broken(u8"ｷｰｸﾞﾙｰﾌﾟ番号が異なるﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目が指定されている");
        return FALSE;
    }
    if (parent->IsKeyItem())
        return broken(u8"ｷｰ機能がないﾃﾞｰﾀ項目にｷｰ機能がある親概念ﾃﾞｰﾀ項目が指定されている");
    return FALSE;
}

BOOL CData::NameEndsWith(const CData& keyItem) const
{
    if (this == &keyItem || m_strName.IsEmpty() || keyItem.m_strName.IsEmpty())
        return FALSE;
    const int length = m_strName.GetLength();
    const int keyLength = keyItem.m_strName.GetLength();
    if (length < keyLength)
        return FALSE;
    const int start = length - keyLength;
    const char* bytes = m_strName.GetString();
    if (std::memcmp(bytes + start, keyItem.m_strName.GetString(), std::size_t(keyLength)) != 0)
        return FALSE;
    // The key name must start on a character of this name: a one-byte key name is no match for the
    // trail byte of a double-byte character ("A" at the end of "エリア").
    int at = 0;
    while (at < start)
        at += IsDBCSLeadByte(BYTE(bytes[at])) && at + 1 < length ? 2 : 1;
    return at == start;
}

BOOL CData::CanSetRkeyReference(const CData& keyItem, BOOL overwrite) const
{
    return this != &keyItem && IsRkeyItem() && (overwrite || !HasReferencedItem()) && NameEndsWith(keyItem);
}

BOOL CData::SetRkeyReference(WORD fileId, const CData& keyItem, BOOL overwrite)
{
    if (!CanSetRkeyReference(keyItem, overwrite))
        return FALSE;
    ClearReference();
    m_wRefForm = REF_BY_IDS;
    m_wRefFile = fileId;
    m_wRefItem = keyItem.m_wNumber;
    m_strRefItemName = keyItem.m_strName;
    return TRUE;
}

BOOL CData::SetRkeyReferenceToOtherDiagram(WORD fileId, const CString& fileName, const CData& keyItem,
                                           const CRefDoc& refDoc, BOOL overwrite)
{
    if (!CanSetRkeyReference(keyItem, overwrite))
        return FALSE;
    ClearReference();
    m_wRefForm = REF_IN_DIAGRAM;
    m_wRef3Diagram = refDoc.GetNumber();
    m_wRef3File = fileId;
    m_strRef3FileName = fileName;
    m_wRef3Item = keyItem.m_wNumber;
    m_strRef3ItemName = keyItem.m_strName;
    return TRUE;
}
