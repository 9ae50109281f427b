#include "model/DataGenSrcList.h"

#include "model/DataList.h"
#include "model/DiagramFiles.h"

#include "platform/afx/Archive.h"

#include <utility>

IMPLEMENT_SERIAL(CDataGenSrcList, CObList, 1)

void CDataGenSrcList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CObList::Serialize(ar);
        return;
    }
    LoadOwnedElements(ar, *this, RUNTIME_CLASS(CDataGenSrc));
}

BOOL CDataGenSrcList::AddDataGenSrcDirect(CDataGenSrc* source)
{
    return AddOwnedTail(*this, source, "CDataGenSrcList::AddDataGenSrcDirect");
}

int CDataGenSrcList::InsertAfterDataGenSrc(CDataGenSrc* source, int index)
{
    const POSITION pos = index < 0 ? nullptr : FindIndex(index);
    if (!pos)
        return AddDataGenSrcDirect(source) ? int(GetCount()) - 1 : -1;
    return InsertOwnedAfter(*this, pos, source, "CDataGenSrcList::InsertAfterDataGenSrc") ? index + 1 : -1;
}

int CDataGenSrcList::MoveDataGenSrcPosByIndex(int from, int to)
{
    return MoveElementByIndex(*this, from, to, "CDataGenSrcList::MoveDataGenSrcPosByIndex");
}

BOOL CDataGenSrcList::DeleteAt(int index)
{
    const POSITION pos = index < 0 ? nullptr : FindIndex(index);
    if (!pos)
        return FALSE;
    DeleteNode(pos);
    return TRUE;
}

BOOL CDataGenSrcList::AppendCopyOf(const CDataGenSrc& source)
{
    CDataGenSrc* copy = NewElementCopy(source, "CDataGenSrcList::AddDataGenSrcDirect");
    return copy && AddDataGenSrcDirect(copy);
}

int CDataGenSrcList::CopySourcesFrom(const CDataGenSrcList& other)
{
    return AppendOwnedCopies(*this, other, "CDataGenSrcList::AddDataGenSrcDirect");
}

int CDataGenSrcList::AssignSourcesFrom(const CDataGenSrcList& other)
{
    DeleteAll();
    return CopySourcesFrom(other);
}

DWORD CDataGenSrcList::CompareSourceLists(const CDataGenSrcList& other) const
{
    if (GetCount() != other.GetCount())
        return DIFF_COUNT;
    for (POSITION a = GetHeadPosition(), b = other.GetHeadPosition(); a && b;) {
        if (const DWORD bits = GetNext(a)->CompareSource(*other.GetNext(b)))
            return bits;
    }
    return 0;
}

int CDataGenSrcList::FindMissingSource() const
{
    int index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        if (GetNext(pos)->IsSourceMissing())
            return index;
    }
    return -1;
}

int CDataGenSrcList::CompactAll()
{
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        changed += GetNext(pos)->CompactReferences() ? 1 : 0;
    return changed;
}

BOOL CDataGenSrcList::AnyUsesFile(WORD fileId) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        if (GetNext(pos)->UsesFile(fileId))
            return TRUE;
    }
    return FALSE;
}

BOOL CDataGenSrcList::DeleteSourcesUsingFile(WORD fileId)
{
    BOOL deleted = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CDataGenSrc* source = GetNext(pos);
        if (source->UsesFile(fileId)) {
            DeleteNode(at);
            deleted = TRUE;
        }
    }
    return deleted;
}

CDataGenSrc* CDataGenSrcList::FindSourceReferringTo(WORD fileId, WORD itemNumber, DWORD& bits, int& index) const
{
    index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        CDataGenSrc* source = GetNext(pos);
        if (source->RefersToItem(fileId, itemNumber, bits))
            return source;
    }
    index = -1;
    return nullptr;
}

void CDataGenSrcList::ClearMarksAll()
{
    for (POSITION pos = GetHeadPosition(); pos;)
        GetNext(pos)->ClearMarks();
}

int CDataGenSrcList::ApplyRenumberMarks()
{
    int treated = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CDataGenSrc* source = GetNext(pos);
        switch (source->GetMarks()) {
        case CDataGenSrc::MARK_FROZEN: DeleteNode(at); break;
        case CDataGenSrc::MARK_CLEAR_REFERENCES: source->ClearReferences(); break;
        case CDataGenSrc::MARK_REF_DONE: source->CompactReferences(); break;
        default: continue;
        }
        ++treated;
    }
    return treated;
}

void CDataGenSrcList::DeleteNode(POSITION at)
{
    CDataGenSrc* source = GetAt(at);
    RemoveAt(at);
    delete source;
}

// --- Keeping references right ------------------------------------------------------------------

namespace DataGenSrcList {

// A pointer matches an item by its number, or by its name while the name may still be matched.
// An empty slot or an empty name matches nothing.
bool Matches(WORD pointerNumber, const CString& pointerName, WORD number, const CString& name, bool byName)
{
    return (pointerNumber != 0 && pointerNumber == number) || (byName && !name.IsEmpty() && pointerName == name);
}

// The form-1 sources that renumbering passes may still change.
bool IsOpen(const CDataGenSrc* source)
{
    return source->GetForm() == CDataGenSrc::FORM_BY_IDS && !source->HasMarks(CDataGenSrc::MARK_FROZEN);
}

bool SourceItemMatches(const CDataGenSrc* source, WORD fileId, WORD number, const CString& name)
{
    const GenSrcByIds& f = source->ByIds();
    return f.srcFile == fileId && !source->HasMarks(CDataGenSrc::MARK_SOURCE_DONE) &&
           Matches(f.srcItem, f.srcItemName, number, name, !source->HasMarks(CDataGenSrc::MARK_SOURCE_NAME_DONE));
}

bool RefItemMatches(const CDataGenSrc* source, int i, WORD number, const CString& name)
{
    const DWORD marks = source->GetRefMarks(i);
    return !(marks & CDataGenSrc::MARK_REF_DONE) &&
           Matches(source->ByIds().refItems[i], source->ByIds().refItemNames[i], number, name,
                   !(marks & CDataGenSrc::MARK_REF_NAME_DONE));
}

// Clears the reference items the test picks and compacts the others: TRUE when one was cleared.
template <class Pick>
bool ClearRefItemsWhere(CDataGenSrc* source, Pick pick)
{
    bool cleared = false;
    for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
        if (!pick(i))
            continue;
        source->ByIds().refItems[i] = 0;
        source->ByIds().refItemNames[i].Empty();
        source->SetRefMarks(i, CDataGenSrc::MARK_REF_CLEARED);
        cleared = true;
    }
    if (cleared)
        source->CompactReferences();
    return cleared;
}

// Writes a new number and a new name into a pointer where they differ, marking what was written.
template <class Mark>
bool Take(WORD& number, CString& name, WORD newNumber, const CString& newName, Mark mark, DWORD numberDone,
          DWORD nameDone)
{
    bool changed = false;
    if (number != newNumber) {
        number = newNumber;
        mark(numberDone);
        changed = true;
    }
    if (name != newName) {
        name = newName;
        mark(nameDone);
        changed = true;
    }
    return changed;
}

// Moves the source's form-1 fields into form 3 as the diagram names them; FALSE, leaving the
// source alone, when the diagram has no file of one of its ids.
bool MoveIntoDiagram(CDataGenSrc* source, const DiagramFiles& diagram)
{
    GenSrcByIds& ids = source->ByIds();
    CString srcFileName, refFileName;
    if (!diagram.FindFileName(ids.srcFile, srcFileName) ||
        (ids.refFile != 0 && !diagram.FindFileName(ids.refFile, refFileName)))
        return false;
    GenSrcInDiagram& f = source->InDiagram();
    f.diagram = diagram.GetDiagramNumber();
    f.srcFile = std::exchange(ids.srcFile, 0);
    f.srcFileName = srcFileName;
    f.srcItem = std::exchange(ids.srcItem, 0);
    f.srcItemName = std::exchange(ids.srcItemName, CString());
    f.refFile = std::exchange(ids.refFile, 0);
    f.refFileName = refFileName;
    f.refItems = std::exchange(ids.refItems, {});
    f.refItemNames = std::exchange(ids.refItemNames, {});
    source->SetForm(CDataGenSrc::FORM_IN_DIAGRAM);
    return true;
}

// Calls onSource for each open source whose source item is the file's item, and onRef for each of
// its reference items that is, when the reference file is that file; TRUE when a call changed one.
template <typename OnSource, typename OnRef>
BOOL ForEachMatch(CDataGenSrcList& list, WORD fileId, WORD number, const CString& name, OnSource onSource, OnRef onRef)
{
    if (fileId == 0)
        return FALSE; // no file has id 0: such a pointer points nowhere
    BOOL changed = FALSE;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        CDataGenSrc* source = list.GetNext(pos);
        if (!IsOpen(source))
            continue;
        if (SourceItemMatches(source, fileId, number, name))
            changed |= onSource(source);
        if (source->ByIds().refFile != fileId)
            continue;
        for (int i = 0; i < GENSRC_REF_COUNT; ++i)
            if (RefItemMatches(source, i, number, name))
                changed |= onRef(source, i);
    }
    return changed;
}

} // namespace DataGenSrcList

BOOL CDataGenSrcList::RemoveReferencesTo(WORD fileId, WORD number, const CString& name)
{
    if (fileId == 0)
        return FALSE; // no file has id 0: such a pointer points nowhere
    using namespace DataGenSrcList;
    BOOL changed = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const POSITION at = pos;
        CDataGenSrc* source = GetNext(pos);
        if (!IsOpen(source))
            continue;
        if (SourceItemMatches(source, fileId, number, name)) {
            DeleteNode(at);
            changed = TRUE;
            continue;
        }
        if (source->ByIds().refFile == fileId)
            changed |= ClearRefItemsWhere(source, [&](int i) { return RefItemMatches(source, i, number, name); });
    }
    return changed;
}

BOOL CDataGenSrcList::RenumberReferences(WORD fileId, WORD oldNumber, const CString& oldName, WORD newNumber)
{
    return DataGenSrcList::ForEachMatch(
        *this, fileId, oldNumber, oldName,
        [&](CDataGenSrc* source) {
            source->ByIds().srcItem = newNumber;
            source->AddMarks(CDataGenSrc::MARK_SOURCE_DONE);
            return TRUE;
        },
        [&](CDataGenSrc* source, int i) {
            source->ByIds().refItems[i] = newNumber;
            source->SetRefMarks(i, source->GetRefMarks(i) | CDataGenSrc::MARK_REF_DONE);
            return TRUE;
        });
}

BOOL CDataGenSrcList::RenumberAndRenameReferences(WORD fileId, WORD oldNumber, WORD newNumber, const CString& newName)
{
    using namespace DataGenSrcList;
    return ForEachMatch(
        *this, fileId, oldNumber, CString(),
        [&](CDataGenSrc* source) {
            GenSrcByIds& f = source->ByIds();
            return Take(
                f.srcItem, f.srcItemName, newNumber, newName, [source](DWORD bit) { source->AddMarks(bit); },
                CDataGenSrc::MARK_SOURCE_DONE, CDataGenSrc::MARK_SOURCE_NAME_DONE);
        },
        [&](CDataGenSrc* source, int i) {
            GenSrcByIds& f = source->ByIds();
            return Take(
                f.refItems[i], f.refItemNames[i], newNumber, newName,
                [source, i](DWORD bit) { source->SetRefMarks(i, source->GetRefMarks(i) | bit); },
                CDataGenSrc::MARK_REF_DONE, CDataGenSrc::MARK_REF_NAME_DONE);
        });
}

BOOL CDataGenSrcList::ResolveWithinList(WORD ownFileId, const CDataList& list)
{
    if (ownFileId == 0)
        return FALSE; // no file has id 0: such a pointer points nowhere
    using namespace DataGenSrcList;
    BOOL changed = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CDataGenSrc* source = GetNext(pos);
        if (!IsOpen(source))
            continue;
        GenSrcByIds& f = source->ByIds();
        const auto markSource = [source](DWORD bit) { source->AddMarks(bit); };
        if (f.srcFile == ownFileId && !source->HasMarks(CDataGenSrc::MARK_SOURCE_DONE)) {
            if (f.srcItem == 0) {
                f.srcFile = 0;
                f.srcItemName.Empty();
                source->AddMarks(CDataGenSrc::MARK_SOURCE_CLEARED);
                changed = TRUE;
            } else if (const CData* item = list.FindDataByNumber(f.srcItem)) {
                changed |= Take(f.srcItem, f.srcItemName, item->GetScratchNumber(), item->GetName(), markSource,
                                CDataGenSrc::MARK_SOURCE_DONE, CDataGenSrc::MARK_SOURCE_NAME_DONE);
            }
        }
        if (f.refFile != ownFileId)
            continue;
        // A reference item still open follows its item, or goes when the list no longer has it.
        const auto open = [&](int i) {
            return !(source->GetRefMarks(i) & CDataGenSrc::MARK_REF_DONE) && f.refItems[i] != 0;
        };
        for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
            const CData* item = open(i) ? list.FindDataByNumber(f.refItems[i]) : nullptr;
            if (!item)
                continue;
            changed |= Take(
                f.refItems[i], f.refItemNames[i], item->GetScratchNumber(), item->GetName(),
                [source, i](DWORD bit) { source->SetRefMarks(i, source->GetRefMarks(i) | bit); },
                CDataGenSrc::MARK_REF_DONE, CDataGenSrc::MARK_REF_NAME_DONE);
        }
        changed |= ClearRefItemsWhere(source, [&](int i) { return open(i) && !list.FindDataByNumber(f.refItems[i]); });
    }
    return changed;
}

BOOL CDataGenSrcList::ConvertForOtherDiagram(const DiagramFiles& diagram, WORD oldOwnId, WORD newOwnId)
{
    BOOL changed = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CDataGenSrc* source = GetNext(pos);
        if (source->GetForm() == CDataGenSrc::FORM_IN_DIAGRAM) {
            // A pointer into a third diagram cannot be carried over.
            source->InDiagram() = GenSrcInDiagram();
            source->SetForm(CDataGenSrc::FORM_BY_IDS);
            changed = TRUE;
            continue;
        }
        if (source->GetForm() != CDataGenSrc::FORM_BY_IDS)
            continue;
        GenSrcByIds& f = source->ByIds();
        const bool refersToOwn = f.refFile == 0 || f.refFile == oldOwnId;
        if (f.srcFile == oldOwnId && refersToOwn) {
            // Wholly within the file itself: it stays in this diagram under the file's new id.
            f.srcFile = newOwnId;
            f.refFile = f.refFile == 0 ? WORD(0) : newOwnId;
            changed |= oldOwnId != newOwnId;
            continue;
        }
        // Anything else moves into the other diagram whole, the file itself under its id there,
        // so that the source item and its reference items stay in one form.
        changed |= DataGenSrcList::MoveIntoDiagram(source, diagram);
    }
    return changed;
}
