#include "model/RkeyAutoSetting.h"

#include "document/BaseDoc.h"
#include "document/RefDoc.h"
#include "document/RefDocList.h"
#include "document/UndoStep.h"
#include "foundation/CommandIds.h"
#include "model/Data.h"
#include "model/DataList.h"
#include "model/FileComp.h"
#include "model/ModelOperations.h"
#include "model/RelationGraph.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/FrameWnd.h"

namespace RkeyAutoSetting {

namespace {

// Set in an item's transient mark word when this run gave it a reference, so that an item set
// again by a later key item is counted once.
constexpr DWORD kRkeySetMark = 0x100;

// Sets the references of the file's items to the key file's eligible key items, each key item in
// the key file's list order against the items in list order, and counts the items set for the
// first time in this run.
template <class SetOne>
int SetReferencesOf(CFileComp& file, const CFileComp& keyFile, SetOne setOne)
{
    int count = 0;
    const CDataList& keys = keyFile.GetDataList();
    CDataList& items = file.GetDataList();
    for (POSITION keyPos = keys.GetHeadPosition(); keyPos;) {
        const CData* key = keys.GetNext(keyPos);
        if (!key->IsKeyItem() || key->IsRkeyItem())
            continue;
        for (POSITION pos = items.GetHeadPosition(); pos;) {
            CData* item = items.GetNext(pos);
            if (!setOne(*item, *key))
                continue;
            if (!(item->GetMarks() & kRkeySetMark)) {
                item->SetMarks(item->GetMarks() | kRkeySetMark);
                ++count;
            }
        }
    }
    return count;
}

// Every conceptual file of the document that has a candidate for one of the key file's key items
// is recorded, gets its references and, when asked, the red frame.
template <class SetOne>
int SetReferencesInDocument(CBaseDoc& doc, const CFileComp& keyFile, BOOL overwrite, BOOL frameRed, SetOne setOne)
{
    int count = 0;
    RelationGraph::ForEachObjectOf<CFileComp>(doc, [&](CFileComp& file) {
        if (!file.HasRkeyCandidatesFor(keyFile, overwrite))
            return;
        doc.RecordChangedOnce(&file);
        count += SetReferencesOf(file, keyFile, setOne);
        if (frameRed)
            file.SetPenColor(kReferencedPen);
        doc.UpdateObjectInViews(&file);
    });
    if (count > 0)
        doc.SetModified(TRUE);
    return count;
}

CString AskText()
{
    return CString(u8"Rｷｰ機能をもっていないｷｰﾃﾞｰﾀ項目のﾃﾞｰﾀ項目名でRｷｰのﾃﾞｰﾀ項目名を後方ﾏｯﾁﾝｸﾞしてRｷｰの参照先ﾃﾞｰﾀ項目を自動設定します。") +
           CString(u8"\n参照先ﾃﾞｰﾀ項目が自動設定されたものを含む概念ﾌｧｲﾙは、枠線が赤色に変更されます。") +
           CString(u8"\n\n既に参照先が設定されているものを上書きする場合は[はい]を、") +
           CString(u8"上書きしない場合は[いいえ]を押してください。");
}

CBaseDoc* ActiveDocument(CCmdTarget& target)
{
    auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, &target);
    return frame ? DYNAMIC_DOWNCAST(CBaseDoc, frame->GetActiveDocument()) : nullptr;
}

} // namespace

int AutoSetRkeyReferencesFromKeyFile(CBaseDoc& doc, const CFileComp& keyFile, BOOL overwrite, BOOL frameRed)
{
    const WORD keyFileId = keyFile.GetObjectId();
    return SetReferencesInDocument(doc, keyFile, overwrite, frameRed, [&](CData& item, const CData& key) {
        return item.SetRkeyReference(keyFileId, key, overwrite);
    });
}

int AutoSetRkeyReferences(CBaseDoc& doc, BOOL overwrite, BOOL frameRed)
{
    int count = 0;
    RelationGraph::ForEachObjectOf<CFileComp>(doc, [&](CFileComp& keyFile) {
        if (keyFile.HasNonRkeyKeyItem())
            count += AutoSetRkeyReferencesFromKeyFile(doc, keyFile, overwrite, frameRed);
    });
    return count;
}

int AutoSetRkeyReferencesFromOtherDiagramKeyFile(CBaseDoc& doc, const CFileComp& keyFile, const CRefDoc& refDoc,
                                                 BOOL overwrite, BOOL frameRed)
{
    const WORD keyFileId = keyFile.GetObjectId();
    const CString keyFileName = keyFile.GetFileName();
    return SetReferencesInDocument(doc, keyFile, overwrite, frameRed, [&](CData& item, const CData& key) {
        return item.SetRkeyReferenceToOtherDiagram(keyFileId, keyFileName, key, refDoc, overwrite);
    });
}

int AutoSetRkeyReferencesFromRefDoc(CBaseDoc& doc, const CRefDoc& refDoc, BOOL overwrite, BOOL frameRed)
{
    const CBaseDoc* other = refDoc.GetDocument();
    if (!refDoc.IsLoaded() || !other || other == &doc)
        return 0;
    int count = 0;
    RelationGraph::ForEachObjectOf<CFileComp>(*other, [&](CFileComp& keyFile) {
        if (keyFile.HasNonRkeyKeyItem())
            count += AutoSetRkeyReferencesFromOtherDiagramKeyFile(doc, keyFile, refDoc, overwrite, frameRed);
    });
    return count;
}

int AutoSetRkeyReferencesFromRefDocs(CBaseDoc& doc, BOOL overwrite, BOOL frameRed)
{
    int count = 0;
    const CRefDocList* list = doc.GetRefDocList();
    for (POSITION pos = list->GetHeadPosition(); pos;) {
        if (const CRefDoc* refDoc = list->GetNextRefDoc(pos))
            count += AutoSetRkeyReferencesFromRefDoc(doc, *refDoc, overwrite, frameRed);
    }
    return count;
}

void OnAutoSetRkeyReferences(CBaseDoc& doc)
{
    if (doc.IsReadOnly())
        return;
    doc.EndInPlaceEditInViews();
    const int answer = AfxMessageBox(AskText(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES && answer != IDNO)
        return;
    const BOOL overwrite = answer == IDYES;
    int count = 0;
    {
        CUndoStep step(&doc);
        if (!step.IsOpen())
            return;
        RelationGraph::ClearRkeyPassMarks(doc);
        count = AutoSetRkeyReferences(doc, overwrite, TRUE);
        count += AutoSetRkeyReferencesFromRefDocs(doc, overwrite, TRUE);
    }
    if (count == 0) {
        AfxMessageBox(CString(u8"参照先KEYﾃﾞｰﾀ項目を自動設定したﾃﾞｰﾀ項目はありません。"), MB_OK | MB_ICONINFORMATION);
        return;
    }
    CString text;
    text.Format(CString(u8"%d件のRKEYﾃﾞｰﾀ項目に関して参照先KEYﾃﾞｰﾀ項目の自動設定を行いました。"), count);
    text += CString(u8"\n参照先ﾃﾞｰﾀ項目が自動設定されたものを含む概念ﾌｧｲﾙは、赤色で表示されます。");
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

MessageMapEntry CommandEntry()
{
    return {MessageMapEntry::Kind::Command,
            ID_AUTO_SET_RKEY_REFERENCES,
            ID_AUTO_SET_RKEY_REFERENCES,
            [](CCmdTarget& target, UINT) {
                if (CBaseDoc* doc = ActiveDocument(target))
                    OnAutoSetRkeyReferences(*doc);
                return TRUE;
            },
            {},
            {}};
}

MessageMapEntry UpdateEntry()
{
    return {MessageMapEntry::Kind::Update,
            ID_AUTO_SET_RKEY_REFERENCES,
            ID_AUTO_SET_RKEY_REFERENCES,
            {},
            [](CCmdTarget& target, CCmdUI* cmdUI) {
                const CBaseDoc* doc = ActiveDocument(target);
                if (!doc)
                    cmdUI->Enable(FALSE);
                else
                    ModelOperations::OnUpdateModelCommand(*doc, cmdUI);
            },
            {}};
}

} // namespace RkeyAutoSetting
