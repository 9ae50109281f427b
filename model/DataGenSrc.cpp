#include "model/DataGenSrc.h"

#include "document/BaseDoc.h"
#include "document/RefDoc.h"

#include "platform/afx/Archive.h"

#include <utility>

IMPLEMENT_SERIAL(CDataGenSrc, CObject, 1)

namespace DataGenSrc {

// Records older than this hold no separate reference file: the source file is the reference file.
constexpr WORD kSeparateRefFileVersion = 1001;
// Records older than this hold only the form-1 fields.
constexpr WORD kFormsVersion = 12;

template <class T>
void Store(CArchive& ar, const std::array<T, GENSRC_REF_COUNT>& values)
{
    for (const T& value : values)
        ar << value;
}

template <class T>
void Load(CArchive& ar, std::array<T, GENSRC_REF_COUNT>& values)
{
    for (T& value : values)
        ar >> value;
}

template <class T>
void MoveSlot(std::array<T, GENSRC_REF_COUNT>& values, int to, int from)
{
    values[to] = std::exchange(values[from], T());
}

// Moves the set reference items (number, name and mark together) to the front in their order; a
// slot is set when its number is. TRUE when one moved.
template <class T>
BOOL CompactSlots(std::array<T, GENSRC_REF_COUNT>& numbers, std::array<CString, GENSRC_REF_COUNT>& names,
                  std::array<DWORD, GENSRC_REF_COUNT>& marks)
{
    BOOL moved = FALSE;
    int free = 0;
    for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
        if (numbers[i] == T())
            continue;
        if (i != free) {
            MoveSlot(numbers, free, i);
            MoveSlot(names, free, i);
            MoveSlot(marks, free, i);
            moved = TRUE;
        }
        ++free;
    }
    return moved;
}

} // namespace DataGenSrc

CDataGenSrc::CDataGenSrc(const CDataGenSrc& other)
    : CObject(),
      m_wVersion(other.m_wVersion),
      m_wForm(other.m_wForm),
      m_byIds(other.m_byIds),
      m_byTexts(other.m_byTexts),
      m_inDiagram(other.m_inDiagram),
      m_strNote(other.m_strNote)
{
}

void CDataGenSrc::Serialize(CArchive& ar)
{
    using namespace DataGenSrc;
    if (ar.IsStoring()) {
        m_wVersion = kCurrentVersion;
        ar << m_wVersion << m_byIds.srcFile << m_byIds.srcItem << m_byIds.srcItemName << m_strNote;
        Store(ar, m_byIds.refItems);
        Store(ar, m_byIds.refItemNames);
        ar << m_wForm << m_byTexts.srcFileNumber << m_byTexts.srcFileName << m_byTexts.srcItemNumber
           << m_byTexts.srcItemName;
        Store(ar, m_byTexts.refItemNumbers);
        Store(ar, m_byTexts.refItemNames);
        ar << m_inDiagram.diagram << m_inDiagram.srcFile << m_inDiagram.srcFileName << m_inDiagram.srcItem
           << m_inDiagram.srcItemName;
        Store(ar, m_inDiagram.refItems);
        Store(ar, m_inDiagram.refItemNames);
        ar << m_byIds.refFile << m_byTexts.refFileNumber << m_byTexts.refFileName << m_inDiagram.refFile
           << m_inDiagram.refFileName;
        return;
    }
    ar >> m_wVersion >> m_byIds.srcFile >> m_byIds.srcItem >> m_byIds.srcItemName >> m_strNote;
    Load(ar, m_byIds.refItems);
    Load(ar, m_byIds.refItemNames);
    if (m_wVersion < kFormsVersion) {
        m_wForm = FORM_BY_IDS;
    } else {
        ar >> m_wForm >> m_byTexts.srcFileNumber >> m_byTexts.srcFileName >> m_byTexts.srcItemNumber >>
            m_byTexts.srcItemName;
        Load(ar, m_byTexts.refItemNumbers);
        Load(ar, m_byTexts.refItemNames);
        ar >> m_inDiagram.diagram >> m_inDiagram.srcFile >> m_inDiagram.srcFileName >> m_inDiagram.srcItem >>
            m_inDiagram.srcItemName;
        Load(ar, m_inDiagram.refItems);
        Load(ar, m_inDiagram.refItemNames);
    }
    if (m_wVersion >= kSeparateRefFileVersion) {
        ar >> m_byIds.refFile >> m_byTexts.refFileNumber >> m_byTexts.refFileName >> m_inDiagram.refFile >>
            m_inDiagram.refFileName;
        return;
    }
    m_byIds.refFile = m_byIds.srcFile;
    m_byTexts.refFileNumber = m_byTexts.srcFileNumber;
    m_byTexts.refFileName = m_byTexts.srcFileName;
    m_inDiagram.refFile = m_inDiagram.srcFile;
    m_inDiagram.refFileName = m_inDiagram.srcFileName;
}

BOOL CDataGenSrc::IsSourceMissing() const
{
    switch (m_wForm) {
    case FORM_BY_IDS: return m_byIds.srcFile == 0 || m_byIds.srcItem == 0;
    case FORM_BY_TEXTS: return m_byTexts.srcFileNumber.IsEmpty() || m_byTexts.srcItemNumber.IsEmpty();
    case FORM_IN_DIAGRAM: return m_inDiagram.diagram == 0 || m_inDiagram.srcFile == 0 || m_inDiagram.srcItem == 0;
    default: return FALSE;
    }
}

BOOL CDataGenSrc::UsesFile(WORD fileId) const
{
    if (HasMarks(MARK_FROZEN) || m_wForm != FORM_BY_IDS)
        return FALSE;
    return m_byIds.srcFile == fileId || m_byIds.refFile == fileId;
}

BOOL CDataGenSrc::RefersToItem(WORD fileId, WORD itemNumber, DWORD& bits) const
{
    if (m_wForm != FORM_BY_IDS)
        return FALSE;
    BOOL found = FALSE;
    if (m_byIds.srcFile == fileId && m_byIds.srcItem == itemNumber) {
        bits |= MARK_SOURCE_DONE;
        found = TRUE;
    }
    if (m_byIds.refFile != fileId)
        return found;
    for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
        if (m_byIds.refItems[i] == itemNumber) {
            bits |= (DWORD(1) << i) | MARK_REF_DONE;
            return TRUE;
        }
    }
    return found;
}

BOOL CDataGenSrc::IsRefDocLoaded(const CBaseDoc* document) const
{
    if (m_inDiagram.diagram == 0)
        return FALSE;
    const CRefDoc* refDoc = document->FindRefDocByNumber(m_inDiagram.diagram);
    return refDoc && refDoc->IsLoaded();
}

DWORD CDataGenSrc::CompareSource(const CDataGenSrc& other) const
{
    const GenSrcByIds& a = m_byIds;
    const GenSrcByIds& b = other.m_byIds;
    DWORD bits = 0;
    bits |= a.srcFile != b.srcFile ? DIFF_SOURCE_FILE : 0;
    bits |= a.srcItem != b.srcItem ? DIFF_SOURCE_ITEM : 0;
    bits |= a.srcItemName != b.srcItemName ? DIFF_SOURCE_NAME : 0;
    bits |= a.refFile != b.refFile ? DIFF_REF_FILE : 0;
    bits |= a.refItems != b.refItems ? DIFF_REF_ITEMS : 0;
    bits |= a.refItemNames != b.refItemNames ? DIFF_REF_NAMES : 0;
    bits |= m_strNote != other.m_strNote ? DIFF_NOTE : 0;
    return bits;
}

void CDataGenSrc::ClearMarks()
{
    m_dwMarks = 0;
    m_dwRefMarks.fill(0);
}

void CDataGenSrc::ClearReferences()
{
    m_byIds.refFile = 0;
    m_byIds.refItems.fill(0);
    m_byIds.refItemNames.fill(CString());
    m_byTexts.refFileNumber.Empty();
    m_byTexts.refFileName.Empty();
    m_byTexts.refItemNumbers.fill(CString());
    m_byTexts.refItemNames.fill(CString());
    m_inDiagram.refFile = 0;
    m_inDiagram.refFileName.Empty();
    m_inDiagram.refItems.fill(0);
    m_inDiagram.refItemNames.fill(CString());
    m_dwRefMarks.fill(0);
}

BOOL CDataGenSrc::CompactReferences()
{
    using DataGenSrc::CompactSlots;
    BOOL moved = FALSE;
    switch (m_wForm) {
    case FORM_BY_IDS:
        moved = CompactSlots(m_byIds.refItems, m_byIds.refItemNames, m_dwRefMarks);
        if (m_byIds.refItems[0] == 0)
            m_byIds.refFile = 0;
        return moved;
    case FORM_BY_TEXTS:
        moved = CompactSlots(m_byTexts.refItemNumbers, m_byTexts.refItemNames, m_dwRefMarks);
        if (m_byTexts.refItemNumbers[0].IsEmpty()) {
            m_byTexts.refFileNumber.Empty();
            m_byTexts.refFileName.Empty();
        }
        return moved;
    case FORM_IN_DIAGRAM:
        moved = CompactSlots(m_inDiagram.refItems, m_inDiagram.refItemNames, m_dwRefMarks);
        if (m_inDiagram.refItems[0] == 0) {
            m_inDiagram.refFile = 0;
            m_inDiagram.refFileName.Empty();
        }
        return moved;
    default: return FALSE;
    }
}
