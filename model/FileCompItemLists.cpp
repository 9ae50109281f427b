#include "model/FileCompItemLists.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/ErrorReport.h"
#include "model/DataList.h"
#include "model/DocumentNotation.h"
#include "model/FileComp.h"
#include "model/FileCompServices.h"
#include "model/ModelOperations.h"
#include "model/NotationSymbols.h"
#include "model/RelLineObj.h"
#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"

#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace FileCompItemLists {

namespace {

CopyFailureProbe& Probe()
{
    static CopyFailureProbe probe;
    return probe;
}

// The record bytes of a list, to tell whether a replacement changes anything. Storing stamps the
// items' version words, so only copies are passed here.
std::string StoredBytes(CDataList& list)
{
    CMemFile memory;
    CArchive ar(&memory, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    std::string bytes(std::size_t(memory.GetLength()), '\0');
    memory.SeekToBegin();
    memory.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

// Clears the per-pass update marks of every data item and relation arrow.
void ClearUpdateMarks(CBaseDoc& doc)
{
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        if (auto* file = DYNAMIC_DOWNCAST(CFileComp, object))
            file->ClearItemUpdateMarks();
        else if (auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object))
            arrow->ClearPassMarks();
    }
}

// The texts a user edits or replaces, kept to put back when the items cannot follow them.
class FileTexts
{
public:
    explicit FileTexts(const CFileComp& file)
        : m_number(file.GetFileNumber()),
          m_name(file.GetFileName()),
          m_key(file.GetKeyText()),
          m_data(file.GetDataText()),
          m_examples(file.GetCodeSample()),
          m_label(file.GetNumIOSourceText())
    {
    }
    void RestoreTo(CFileComp& file) const
    {
        file.SetFileNumber(m_number);
        file.SetFileName(m_name);
        file.SetKeyText(m_key);
        file.SetDataText(m_data);
        file.SetCodeSample(m_examples);
        file.SetNumIOSourceText(m_label);
    }
    const CString& GetName() const { return m_name; }

private:
    CString m_number, m_name, m_key, m_data, m_examples, m_label;
};

// One replacement of a file's items: everything it changes, prepared as copies, then committed.
class Replacement
{
public:
    Replacement(CBaseDoc& doc, CFileComp& file) : m_doc(doc), m_file(file), m_fileId(file.GetObjectId()) {}

    CDataList& Items() { return m_items; }
    WORD FileId() const { return m_fileId; }

    // Called before each copy: the test seam may fail it.
    void CountCopy()
    {
        if (Probe() && Probe()(m_copies++))
            throw std::bad_alloc();
    }
    // Copies of the items into an empty list; FALSE after the user was told.
    BOOL CopyItems(const CDataList& from, CDataList& to)
    {
        CountCopy();
        return to.CopyDataFrom(from) >= 0;
    }
    // Every other conceptual file whose items point at this file's items gets a copy of its list,
    // which the renumbering repairs; the copies that changed are kept. FALSE after the user was
    // told that a copy could not be made.
    template <class Renumber>
    BOOL PrepareReferringFiles(Renumber renumber)
    {
        const CObList* objects = m_doc.GetObjectList();
        for (POSITION pos = objects->GetHeadPosition(); pos;) {
            auto* other = DYNAMIC_DOWNCAST(CFileComp, objects->GetNext(pos));
            if (!other || other == &m_file || !other->AnyDataRefersToFile(m_fileId))
                continue;
            auto copy = std::make_unique<CDataList>();
            if (!CopyItems(other->GetDataList(), *copy))
                return FALSE;
            if (renumber(other->GetObjectId(), *copy) > 0)
                m_files.push_back({other, std::move(copy)});
        }
        return TRUE;
    }
    // Every relation arrow whose discriminator names an item of this file is adjusted on a copy;
    // the copies that changed are kept.
    template <class Adjust>
    void PrepareArrows(Adjust adjust)
    {
        const CObList* objects = m_doc.GetObjectList();
        for (POSITION pos = objects->GetHeadPosition(); pos;) {
            auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, objects->GetNext(pos));
            if (!arrow || !arrow->IsDiscriminatorFile(m_fileId) || arrow->GetDiscriminatorItem() == 0)
                continue;
            CountCopy();
            auto copy = std::make_unique<CRelLineObj>(*arrow);
            copy->SetPassMarks(arrow->GetPassMarks());
            if (adjust(*copy))
                m_arrows.push_back({arrow, std::move(copy)});
        }
    }
    // The file's own new texts, when they differ from its texts.
    void SetTexts(const CString& keyText, const CString& dataText)
    {
        m_replacesTexts = keyText != m_file.GetKeyText() || dataText != m_file.GetDataText();
        m_keyText = keyText;
        m_dataText = dataText;
    }
    void SetItemsChanged(BOOL changed) { m_itemsChanged = changed; }

    // Records every object that changes, swaps the prepared copies in, redraws and marks the
    // document modified when anything changed. Returns whether anything did.
    BOOL Commit()
    {
        const BOOL fileChanges = m_itemsChanged || m_replacesTexts;
        if (!fileChanges && m_files.empty() && m_arrows.empty())
            return FALSE;
        if (fileChanges)
            m_doc.RecordChangedOnce(&m_file);
        for (const ReferringFile& other : m_files)
            m_doc.RecordChangedOnce(other.file);
        for (const AdjustedArrow& arrow : m_arrows)
            m_doc.RecordChangedOnce(arrow.arrow);

        if (m_itemsChanged)
            m_file.GetDataList().SwapElements(m_items);
        if (m_replacesTexts) {
            m_file.SetKeyText(m_keyText);
            m_file.SetDataText(m_dataText);
        }
        for (ReferringFile& other : m_files)
            other.file->GetDataList().SwapElements(*other.items);
        for (AdjustedArrow& adjusted : m_arrows) {
            adjusted.arrow->SetDiscriminatorItem(adjusted.copy->GetDiscriminatorItem());
            adjusted.arrow->GetItemNameLabel().SetText(adjusted.copy->GetItemNameLabel().GetText());
            adjusted.arrow->SetPassMarks(adjusted.copy->GetPassMarks());
        }

        if (fileChanges)
            m_doc.UpdateObjectInViews(&m_file);
        for (const ReferringFile& other : m_files)
            m_doc.UpdateObjectInViews(other.file);
        for (const AdjustedArrow& arrow : m_arrows)
            m_doc.UpdateObjectInViews(arrow.arrow);
        m_doc.SetModified(TRUE);
        return TRUE;
    }

private:
    struct ReferringFile
    {
        CFileComp* file;
        std::unique_ptr<CDataList> items;
    };
    struct AdjustedArrow
    {
        CRelLineObj* arrow;
        std::unique_ptr<CRelLineObj> copy;
    };

    CBaseDoc& m_doc;
    CFileComp& m_file;
    const WORD m_fileId;
    int m_copies = 0;
    CDataList m_items;
    BOOL m_itemsChanged = FALSE;
    BOOL m_replacesTexts = FALSE;
    CString m_keyText, m_dataText;
    std::vector<ReferringFile> m_files;
    std::vector<AdjustedArrow> m_arrows;
};

// Prepares the replacement by number (after the data items dialog); FALSE after telling the user.
BOOL PrepareByNumber(CBaseDoc& doc, CFileComp& file, const CDataList& newList, BOOL rebuildTexts, Replacement& plan)
{
    CDataList& items = plan.Items();
    CDataList old;
    if (!plan.CopyItems(newList, items) || !plan.CopyItems(file.GetDataList(), old))
        return FALSE;
    const std::string before = StoredBytes(old);
    const WORD fileId = plan.FileId();
    items.AssignScratchNumbers();
    if (old.MarkChangesAgainst(items) > 0) {
        const BOOL copied = plan.PrepareReferringFiles(
            [&](WORD ownId, CDataList& list) { return list.PropagateChanges(ownId, fileId, old, TRUE); });
        if (!copied)
            return FALSE;
        plan.PrepareArrows([&](CRelLineObj& arrow) { return arrow.RenumberDiscriminator(fileId, old, items, FALSE); });
    }
    items.ResolveWithinListAll(fileId);
    items.ApplyScratchNumbers();
    if (rebuildTexts) {
        CNotationSymbols symbols;
        CollectNotationSymbols(doc, &file, symbols);
        CString keyText, dataText;
        if (!items.BuildItemTexts(keyText, dataText, symbols, 0))
            return FALSE;
        plan.SetTexts(keyText, dataText);
    }
    CDataList stored;
    if (!plan.CopyItems(items, stored))
        return FALSE;
    plan.SetItemsChanged(StoredBytes(stored) != before);
    return TRUE;
}

// Prepares the replacement by name (after the texts were edited); FALSE after telling the user.
BOOL PrepareByName(CBaseDoc& doc, CFileComp& file, Replacement& plan)
{
    CDataList& items = plan.Items();
    plan.CountCopy();
    if (file.ParseItemTexts(&doc, items) < 0)
        return FALSE;
    CDataList old;
    if (!plan.CopyItems(file.GetDataList(), old))
        return FALSE;
    const std::string before = StoredBytes(old);
    const WORD fileId = plan.FileId();
    if (old.MarkChangesByName(items) > 0) {
        const BOOL copied = plan.PrepareReferringFiles(
            [&](WORD ownId, CDataList& list) { return list.PropagateRenumbering(ownId, fileId, old); });
        if (!copied)
            return FALSE;
        // The old items' own pointers take the new numbers too: the new items inherit them below.
        old.PropagateRenumbering(fileId, fileId, old);
        plan.PrepareArrows([&](CRelLineObj& arrow) { return arrow.UpdateDiscriminatorAfterItemEdit(fileId, old); });
    }
    if (!items.CopyDefinitionsFrom(old))
        return FALSE;
    items.ClearTransientAll();
    CDataList stored;
    if (!plan.CopyItems(items, stored))
        return FALSE;
    plan.SetItemsChanged(StoredBytes(stored) != before);
    return TRUE;
}

// Runs one replacement in an undo step: prepared whole, or not at all.
template <class Prepare>
BOOL RunReplacement(CBaseDoc& doc, CFileComp& file, const char* caller, BOOL* changed, Prepare prepare)
{
    if (changed)
        *changed = FALSE;
    CUndoStep step(&doc);
    if (!step.IsOpen())
        return FALSE;
    try {
        Replacement plan(doc, file);
        if (!prepare(plan))
            return FALSE;
        const BOOL any = plan.Commit();
        if (changed)
            *changed = any;
    } catch (...) {
        ReportCurrentException(caller);
        return FALSE;
    }
    // The files that use this one as their physical additional definition file show its items.
    ModelOperations::RedrawFilesUsingPhyControlFile(doc, file.GetObjectId());
    return TRUE;
}

} // namespace

CopyFailureProbe SetCopyFailureProbe(CopyFailureProbe probe)
{
    return std::exchange(Probe(), std::move(probe));
}

BOOL ReplaceFileCompDataList(CBaseDoc& doc, CFileComp& file, const CDataList& newList, BOOL rebuildTexts,
                             BOOL clearMarks, BOOL* changed)
{
    if (clearMarks)
        ClearUpdateMarks(doc);
    return RunReplacement(doc, file, "CBaseDoc::ReplaceFileCompDataList", changed,
                          [&](Replacement& plan) { return PrepareByNumber(doc, file, newList, rebuildTexts, plan); });
}

BOOL RebuildFileCompDataListFromText(CBaseDoc& doc, CFileComp& file, BOOL* changed)
{
    ClearUpdateMarks(doc);
    return RunReplacement(doc, file, "CBaseDoc::RebuildFileCompDataListFromText", changed,
                          [&](Replacement& plan) { return PrepareByName(doc, file, plan); });
}

BOOL EditFileCompDataItems(CBaseDoc& doc, CFileComp& file, BOOL* changed)
{
    if (changed)
        *changed = FALSE;
    DataItemsDialog* dialog = GetDataItemsDialog();
    if (!dialog)
        return FALSE;
    CDataList working;
    if (!dialog->Run(doc, file, working) || doc.IsReadOnly())
        return FALSE;
    return ReplaceFileCompDataList(doc, file, working, TRUE, TRUE, changed);
}

BOOL CommitFileCompTextEdit(CBaseDoc& doc, CFileComp& file, CFloatEdit*& editor, DWORD editFlags)
{
    const FileTexts before(file);
    if (!file.EndEdit(editor, editFlags))
        return FALSE;
    if (file.IsKeyOrDataPart() && !RebuildFileCompDataListFromText(doc, file)) {
        before.RestoreTo(file);
        return FALSE;
    }
    if (file.IsNamePart() && file.GetFileName() != before.GetName())
        FileCompServices::PropagateFileCompName(doc, file);
    return TRUE;
}

BOOL ReplaceFileCompText(CBaseDoc& doc, CFileComp& file, const CString& text, const CString& replacement,
                         BOOL matchCase)
{
    const FileTexts before(file);
    if (!file.ReplaceObjectText(text, replacement, matchCase))
        return FALSE;
    if (file.CountDataNameMatches(text, matchCase) > 0) {
        // The texts were replaced already; the items follow them.
        CDataList renamed;
        BOOL replaced = renamed.CopyDataFrom(file.GetDataList()) >= 0;
        if (replaced) {
            renamed.ReplaceInDataNames(text, replacement, matchCase);
            replaced = ReplaceFileCompDataList(doc, file, renamed, FALSE, TRUE);
        }
        if (!replaced) {
            before.RestoreTo(file);
            return FALSE;
        }
    }
    if (file.GetFileName() != before.GetName())
        FileCompServices::PropagateFileCompName(doc, file);
    return TRUE;
}

} // namespace FileCompItemLists
