#include "model/PastedReferences.h"

#include "document/BaseDoc.h"
#include "document/RefDoc.h"
#include "document/RefDocList.h"
#include "foundation/TextFunctions.h"
#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/DataGenSrcList.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "model/RelationRules.h"
#include "objects/CopyHold.h"
#include "objects/CopyList.h"

namespace pastedreferences {

// The conceptual file of this document with the id, or null.
CFileComp* FileInDocument(const CBaseDoc& doc, WORD fileId)
{
    CObject* object = nullptr;
    if (fileId == 0 || !doc.FindObjectById(fileId, object))
        return nullptr;
    return DYNAMIC_DOWNCAST(CFileComp, object);
}

// The file has an item of that number with exactly that name.
BOOL HasItemNamed(const CFileComp* file, WORD number, const CString& name)
{
    const CData* item = file ? file->FindDataByNumber(number) : nullptr;
    return item && item->GetName() == name;
}

// A reference to an item of a file that was not pasted stays only when this document has a
// conceptual file of that id whose item of that number still has that name.
BOOL IsItemKept(const CBaseDoc& doc, WORD fileId, WORD number, const CString& name)
{
    return number != 0 && !name.IsEmpty() && HasItemNamed(FileInDocument(doc, fileId), number, name);
}

// The first loaded referenced diagram, in list order, whose first conceptual file of that name
// passes the test; FALSE when none does.
template <class Test>
BOOL FindInReferencedDiagrams(const CBaseDoc& doc, const CString& fileName, Test test, const CRefDoc*& entry,
                              const CFileComp*& file)
{
    const CRefDocList* list = doc.GetRefDocList();
    for (POSITION pos = list->GetHeadPosition(); pos;) {
        const CRefDoc* refDoc = list->GetNextRefDoc(pos);
        if (!refDoc || !refDoc->IsLoaded())
            continue;
        const CFileComp* found = RelationGraph::FindFileCompByName(*refDoc->GetDocument(), fileName);
        if (found && test(*found)) {
            entry = refDoc;
            file = found;
            return TRUE;
        }
    }
    return FALSE;
}

// Another main arrow ends at the file the arrow's end stands for (a clone taken as its original).
BOOL EndFileHasOtherMainArrow(const CBaseDoc& doc, const CRelLineObj& arrow)
{
    const WORD fileId = RelationGraph::ResolveFileId(RelationGraph::FindObject(doc, arrow.GetEndObjectId()));
    return RelationGraph::FindMainSubTypeRelLine(doc, fileId, arrow.GetObjectId()) != nullptr;
}

class Remapper
{
public:
    Remapper(CBaseDoc& doc, const CCopyList& buffer) : m_doc(doc), m_buffer(buffer) {}

    void Run();

private:
    // The id a held object of the buffer took in this paste: the held conceptual file's, or the
    // held box object's. Returns FALSE when nothing of that id was copied; newId is 0 when it was
    // copied but not pasted.
    BOOL HeldFile(WORD oldId, WORD& newId) const { return Held(m_buffer.FindFileCompHold(oldId), newId); }
    BOOL HeldBox(WORD oldId, WORD& newId) const { return Held(m_buffer.FindBaseObjHold(oldId), newId); }
    static BOOL Held(const CCopyHold* hold, WORD& newId)
    {
        newId = hold ? hold->GetPlacedId() : 0;
        return hold != nullptr;
    }

    void RemapFile(CFileComp& file) const;
    void RemapItemReference(CData& item) const;
    void RemapItemSources(CData& item) const;
    DWORD RemapSourceByIds(GenSrcByIds& source) const;
    DWORD RemapSourceInDiagram(GenSrcInDiagram& source) const;
    void RemapPhyControlFile(CFileComp& file) const;
    void RebindClone(CFileClone& clone) const;
    void RemapImplGroup(CFileImplObj& group) const;
    void RemapDiscriminator(CRelLineObj& arrow) const;

    CBaseDoc& m_doc;
    const CCopyList& m_buffer;
};

void Remapper::Run()
{
    for (POSITION pos = m_buffer.GetHeadPosition(); pos;) {
        const CCopyHold* hold = m_buffer.GetHold(pos);
        CObject* pasted = hold->GetPlacedObject();
        if (hold->GetPlacedId() == 0 || !pasted)
            continue;
        if (auto* file = DYNAMIC_DOWNCAST(CFileComp, pasted))
            RemapFile(*file);
        else if (auto* clone = DYNAMIC_DOWNCAST(CFileClone, pasted))
            RebindClone(*clone);
        else if (auto* group = DYNAMIC_DOWNCAST(CFileImplObj, pasted))
            RemapImplGroup(*group);
    }

    // The main role comes only with both ends standing for files of this document, and a file
    // keeps one main arrow: a clone re-bound to a file that has a main arrow already does not
    // bring a second one.
    for (POSITION pos = m_buffer.GetHeadPosition(); pos;) {
        const CCopyHold* hold = m_buffer.GetHold(pos);
        auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, hold->GetPlacedObject());
        if (!arrow || hold->GetPlacedId() == 0 || !arrow->IsSubTypeKind() || !arrow->IsMainArrow())
            continue;
        if (!RelationGraph::IsRelLineBetweenFiles(m_doc, *arrow) || EndFileHasOtherMainArrow(m_doc, *arrow))
            arrow->SetMainArrow(FALSE);
    }

    // A pasted subtype arrow without the main role takes it, as a new arrow would, when its end
    // file has no main arrow.
    for (POSITION pos = m_buffer.GetHeadPosition(); pos;) {
        const CCopyHold* hold = m_buffer.GetHold(pos);
        auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, hold->GetPlacedObject());
        if (!arrow || hold->GetPlacedId() == 0)
            continue;
        if (arrow->IsSubTypeKind() && !arrow->IsMainArrow() && RelationGraph::IsRelLineBetweenFiles(m_doc, *arrow) &&
            !EndFileHasOtherMainArrow(m_doc, *arrow))
            RelationRules::ApplyRelLineConnectRules(m_doc, *arrow);
        RemapDiscriminator(*arrow);
    }

    // A file is merged into a parent only while it has one.
    for (POSITION pos = m_buffer.GetHeadPosition(); pos;) {
        const CCopyHold* hold = m_buffer.GetHold(pos);
        auto* file = DYNAMIC_DOWNCAST(CFileComp, hold->GetPlacedObject());
        if (file && hold->GetPlacedId() != 0 && file->GetMergedIntoParent() &&
            !RelationGraph::FindMainSubTypeRelLine(m_doc, file->GetObjectId(), 0))
            file->SetMergedIntoParent(FALSE);
    }
}

void Remapper::RemapFile(CFileComp& file) const
{
    // The right to update belongs to the file that was copied, never to its copy.
    file.ClearUpdateRight();
    CDataList& items = file.GetDataList();
    for (POSITION pos = items.GetHeadPosition(); pos;) {
        CData* item = items.GetNext(pos);
        RemapItemReference(*item);
        RemapItemSources(*item);
    }
    RemapPhyControlFile(file);
}

void Remapper::RemapItemReference(CData& item) const
{
    WORD newId = 0;
    switch (item.GetRefForm()) {
    case CData::REF_BY_IDS:
        if (item.GetRefFile() == 0)
            return;
        if (HeldFile(item.GetRefFile(), newId)) {
            if (newId != 0)
                item.SetRefFile(newId);
            else
                item.ClearReference();
        } else if (!IsItemKept(m_doc, item.GetRefFile(), item.GetRefItem(), item.GetRefItemName())) {
            item.ClearReference();
        }
        return;
    case CData::REF_IN_DIAGRAM: {
        const CRefDoc* entry = nullptr;
        const CFileComp* found = nullptr;
        const WORD number = item.GetRef3Item();
        const CString name = item.GetRef3ItemName();
        const auto matches = [&](const CFileComp& candidate) {
            return number == 0 || name.IsEmpty() || HasItemNamed(&candidate, number, name);
        };
        if (item.GetRef3Diagram() != 0 && item.GetRef3File() != 0 && !item.GetRef3FileName().IsEmpty() &&
            FindInReferencedDiagrams(m_doc, item.GetRef3FileName(), matches, entry, found)) {
            item.SetRef3Diagram(entry->GetNumber());
            item.SetRef3File(found->GetObjectId());
        } else {
            item.ResetReference();
        }
        return;
    }
    default: return; // references by names alone stay as they are
    }
}

void Remapper::RemapItemSources(CData& item) const
{
    item.ClearUpdateMarks();
    CDataGenSrcList& sources = item.GetSources();
    BOOL marked = FALSE;
    for (POSITION pos = sources.GetHeadPosition(); pos;) {
        CDataGenSrc* source = sources.GetNext(pos);
        DWORD mark = 0;
        if (source->GetForm() == CDataGenSrc::FORM_BY_IDS)
            mark = RemapSourceByIds(source->ByIds());
        else if (source->GetForm() == CDataGenSrc::FORM_IN_DIAGRAM)
            mark = RemapSourceInDiagram(source->InDiagram());
        if (mark != 0) {
            source->SetMarks(mark);
            marked = TRUE;
        }
    }
    if (marked)
        sources.ApplyRenumberMarks();
}

DWORD Remapper::RemapSourceByIds(GenSrcByIds& source) const
{
    const WORD oldSourceFile = source.srcFile;
    const WORD oldRefFile = source.refFile;
    WORD newId = 0;
    if (oldSourceFile != 0) {
        if (HeldFile(oldSourceFile, newId)) {
            if (newId == 0)
                return CDataGenSrc::MARK_FROZEN;
            source.srcFile = newId;
            if (oldRefFile == oldSourceFile)
                source.refFile = newId;
        } else if (!IsItemKept(m_doc, oldSourceFile, source.srcItem, source.srcItemName)) {
            return CDataGenSrc::MARK_FROZEN;
        }
    }
    if (oldRefFile == 0 || oldRefFile == oldSourceFile)
        return 0;
    if (HeldFile(oldRefFile, newId)) {
        if (newId == 0)
            return CDataGenSrc::MARK_CLEAR_REFERENCES;
        source.refFile = newId;
        return 0;
    }
    // Every reference item that names one must still be found in the file of that id.
    const CFileComp* refFile = FileInDocument(m_doc, oldRefFile);
    BOOL anyNamed = FALSE;
    for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
        if (source.refItems[i] == 0 || source.refItemNames[i].IsEmpty())
            continue;
        anyNamed = TRUE;
        if (!HasItemNamed(refFile, source.refItems[i], source.refItemNames[i]))
            return CDataGenSrc::MARK_CLEAR_REFERENCES;
    }
    return anyNamed && refFile ? 0 : CDataGenSrc::MARK_CLEAR_REFERENCES;
}

DWORD Remapper::RemapSourceInDiagram(GenSrcInDiagram& source) const
{
    if (source.diagram == 0 || source.srcFile == 0 || source.srcFileName.IsEmpty() || source.srcItem == 0 ||
        source.srcItemName.IsEmpty())
        return CDataGenSrc::MARK_FROZEN;
    const CRefDoc* entry = nullptr;
    const CFileComp* found = nullptr;
    const auto matches = [&](const CFileComp& candidate) {
        return HasItemNamed(&candidate, source.srcItem, source.srcItemName);
    };
    if (!FindInReferencedDiagrams(m_doc, source.srcFileName, matches, entry, found))
        return CDataGenSrc::MARK_FROZEN;
    const WORD oldFile = source.srcFile;
    source.diagram = entry->GetNumber();
    source.srcFile = found->GetObjectId();
    if (source.refFile != oldFile)
        return 0; // a reference file of its own is left as it is
    source.refFile = found->GetObjectId();
    DWORD mark = 0;
    for (int i = 0; i < GENSRC_REF_COUNT; ++i) {
        if (source.refItems[i] == 0 || source.refItemNames[i].IsEmpty())
            break;
        if (!HasItemNamed(found, source.refItems[i], source.refItemNames[i])) {
            source.refItems[i] = 0;
            source.refItemNames[i].Empty();
            mark = CDataGenSrc::MARK_REF_DONE;
        }
    }
    return mark;
}

void Remapper::RemapPhyControlFile(CFileComp& file) const
{
    const WORD fileId = file.GetPhyControlFileId();
    if (fileId == 0)
        return;
    const CString name = file.GetPhyControlFileName();
    WORD newId = 0;
    if (HeldBox(fileId, newId)) {
        if (newId != 0)
            file.SetPhyControlFile(newId, name);
        else
            file.ClearPhyControlFile();
        return;
    }
    const CFileComp* target = FileInDocument(m_doc, fileId);
    if (target && target->GetPhyControlDedicated() && target->GetFileName() == name)
        return;
    const CFileComp* byName = RelationGraph::FindFileCompByName(m_doc, name);
    if (byName && byName->GetPhyControlDedicated())
        file.SetPhyControlFile(byName->GetObjectId(), name);
    else
        file.ClearPhyControlFile();
}

void Remapper::RebindClone(CFileClone& clone) const
{
    // An unbound clone stays unbound: binding is the user's choice.
    const WORD fileId = clone.GetOriginalFileId();
    if (fileId == 0)
        return;
    WORD newId = 0;
    if (HeldBox(fileId, newId)) {
        clone.SetOriginalFileId(newId);
        return;
    }
    const CString text = ConvertCrLfToLf(clone.GetText());
    const CFileComp* target = FileInDocument(m_doc, fileId);
    if (target && ConvertCrLfToLf(target->GetFileName()) == text)
        return;
    const CFileComp* byName =
        text.IsEmpty() ? nullptr : RelationGraph::FindObjectOf<CFileComp>(m_doc, [&](const CFileComp& file) {
            return ConvertCrLfToLf(file.GetFileName()) == text;
        });
    clone.SetOriginalFileId(byName ? byName->GetObjectId() : 0);
}

void Remapper::RemapImplGroup(CFileImplObj& group) const
{
    WORD newId = 0;
    HeldBox(group.GetImplementedFileId(), newId);
    group.SetImplementedFileId(newId);
}

void Remapper::RemapDiscriminator(CRelLineObj& arrow) const
{
    const CString itemName = arrow.GetItemNameLabel().GetText();
    switch (arrow.GetDiscriminatorForm()) {
    case CRelLineObj::DISCRIMINATOR_IN_DOCUMENT: {
        const WORD fileId = arrow.GetDiscriminatorFile();
        WORD newId = 0;
        if (fileId == 0)
            return;
        if (HeldFile(fileId, newId)) {
            if (newId != 0)
                arrow.SetDiscriminatorFile(newId);
            else
                arrow.ClearDiscriminator();
        } else if (!IsItemKept(m_doc, fileId, arrow.GetDiscriminatorItem(), itemName)) {
            arrow.ClearDiscriminator();
        }
        return;
    }
    case CRelLineObj::DISCRIMINATOR_IN_REFERENCED: {
        const WORD number = arrow.GetReferenceItem();
        const CString fileName = arrow.GetReferenceString();
        const CRefDoc* entry = nullptr;
        const CFileComp* found = nullptr;
        const auto matches = [&](const CFileComp& candidate) {
            return number == 0 || itemName.IsEmpty() || HasItemNamed(&candidate, number, itemName);
        };
        if (arrow.GetReferenceNumber(0) != 0 && arrow.GetReferenceNumber(1) != 0 && !fileName.IsEmpty() &&
            FindInReferencedDiagrams(m_doc, fileName, matches, entry, found))
            arrow.SetReferenceNumbers(entry->GetNumber(), found->GetObjectId(), fileName, number);
        else
            arrow.ResetDiscriminator();
        return;
    }
    default: return;
    }
}

} // namespace pastedreferences

void PastedReferences::RemapPastedReferences(CBaseDoc& doc, const CCopyList& buffer)
{
    pastedreferences::Remapper(doc, buffer).Run();
}
