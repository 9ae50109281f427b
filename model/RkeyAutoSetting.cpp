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

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace RkeyAutoSetting {

namespace {

// Set in an item's transient mark word when this run gave it a reference, so that an item set
// again by a later key item is counted once.
constexpr DWORD kRkeySetMark = 0x100;

// The RKEY items of the document by every ending of their names that starts on a character: for
// an ending, the items in drawing order of their files and list order within a file. A key item
// then finds its candidates at once instead of being tried against every item of every file.
class RkeyIndex
{
public:
    explicit RkeyIndex(const CBaseDoc& doc)
    {
        RelationGraph::ForEachObjectOf<CFileComp>(doc, [&](CFileComp& file) {
            CDataList& items = file.GetDataList();
            for (POSITION pos = items.GetHeadPosition(); pos;) {
                CData* item = items.GetNext(pos);
                if (item->IsRkeyItem())
                    AddEndings(file, *item);
            }
        });
    }

    // The items whose names end with the name; the matching rule decides which of them take it.
    const std::vector<std::pair<CFileComp*, CData*>>* Find(const CString& name) const
    {
        const auto found = m_endings.find(std::string(name.GetString()));
        return found == m_endings.end() ? nullptr : &found->second;
    }

private:
    void AddEndings(CFileComp& file, CData& item)
    {
        const CString name = item.GetName();
        const char* bytes = name.GetString();
        const int length = name.GetLength();
        for (int at = 0; at < length; at += IsDBCSLeadByte(BYTE(bytes[at])) && at + 1 < length ? 2 : 1)
            m_endings[std::string(bytes + at, std::size_t(length - at))].emplace_back(&file, &item);
    }

    std::unordered_map<std::string, std::vector<std::pair<CFileComp*, CData*>>> m_endings;
};

// Each eligible key item of the key file, in its list order, is offered to the RKEY items whose
// names end with its name. A file is recorded before its first item changes and, when asked,
// framed red; an item set again by a later key item is counted once. For one RKEY item the key
// items come in the same order as when every file were tried in turn, so the first match (keep)
// or the last (overwrite) wins as it would there.
template <class SetOne>
int SetReferencesFromKeyFile(CBaseDoc& doc, const RkeyIndex& index, const CFileComp& keyFile, BOOL overwrite,
                             BOOL frameRed, SetOne setOne)
{
    int count = 0;
    std::vector<CFileComp*> touched;
    const CDataList& keys = keyFile.GetDataList();
    for (POSITION keyPos = keys.GetHeadPosition(); keyPos;) {
        const CData* key = keys.GetNext(keyPos);
        if (!key->IsKeyItem() || key->IsRkeyItem())
            continue;
        const auto* candidates = index.Find(key->GetName());
        if (!candidates)
            continue;
        for (const auto& [file, item] : *candidates) {
            if (!item->CanSetRkeyReference(*key, overwrite))
                continue;
            if (std::find(touched.begin(), touched.end(), file) == touched.end()) {
                doc.RecordChangedOnce(file);
                touched.push_back(file);
            }
            setOne(*item, *key);
            if (!(item->GetMarks() & kRkeySetMark)) {
                item->SetMarks(item->GetMarks() | kRkeySetMark);
                ++count;
            }
        }
    }
    for (CFileComp* file : touched) {
        if (frameRed)
            file->SetPenColor(kReferencedPen);
        doc.UpdateObjectInViews(file);
    }
    if (count > 0)
        doc.SetModified(TRUE);
    return count;
}

int FromKeyFile(CBaseDoc& doc, const RkeyIndex& index, const CFileComp& keyFile, BOOL overwrite, BOOL frameRed)
{
    const WORD keyFileId = keyFile.GetObjectId();
    return SetReferencesFromKeyFile(doc, index, keyFile, overwrite, frameRed, [&](CData& item, const CData& key) {
        return item.SetRkeyReference(keyFileId, key, overwrite);
    });
}

int FromOtherDiagramKeyFile(CBaseDoc& doc, const RkeyIndex& index, const CFileComp& keyFile, const CRefDoc& refDoc,
                            BOOL overwrite, BOOL frameRed)
{
    const WORD keyFileId = keyFile.GetObjectId();
    const CString keyFileName = keyFile.GetFileName();
    return SetReferencesFromKeyFile(doc, index, keyFile, overwrite, frameRed, [&](CData& item, const CData& key) {
        return item.SetRkeyReferenceToOtherDiagram(keyFileId, keyFileName, key, refDoc, overwrite);
    });
}

int FromRefDoc(CBaseDoc& doc, const RkeyIndex& index, const CRefDoc& refDoc, BOOL overwrite, BOOL frameRed)
{
    const CBaseDoc* other = refDoc.GetDocument();
    if (!refDoc.IsLoaded() || !other || other == &doc)
        return 0;
    int count = 0;
    RelationGraph::ForEachObjectOf<CFileComp>(*other, [&](CFileComp& keyFile) {
        if (keyFile.HasNonRkeyKeyItem())
            count += FromOtherDiagramKeyFile(doc, index, keyFile, refDoc, overwrite, frameRed);
    });
    return count;
}

CString AskText()
{
    return CString(
               u8"Rｷｰ機能をもっていないｷｰﾃﾞｰﾀ項目のﾃﾞｰﾀ項目名でRｷｰのﾃﾞｰﾀ項目名を後方ﾏｯﾁﾝｸﾞしてRｷｰの参照先ﾃﾞｰﾀ項目を自動設定します。") +
           CString(u8"\n参照先ﾃﾞｰﾀ項目が自動設定されたものを含む概念ﾌｧｲﾙは、枠線が赤色に変更されます。") +
           CString(u8"\n\n既に参照先が設定されているものを上書きする場合は[はい]を、") +
           CString(u8"上書きしない場合は[いいえ]を押してください。");
}

} // namespace

int AutoSetRkeyReferencesFromKeyFile(CBaseDoc& doc, const CFileComp& keyFile, BOOL overwrite, BOOL frameRed)
{
    return FromKeyFile(doc, RkeyIndex(doc), keyFile, overwrite, frameRed);
}

int AutoSetRkeyReferences(CBaseDoc& doc, BOOL overwrite, BOOL frameRed)
{
    const RkeyIndex index(doc);
    int count = 0;
    RelationGraph::ForEachObjectOf<CFileComp>(doc, [&](CFileComp& keyFile) {
        if (keyFile.HasNonRkeyKeyItem())
            count += FromKeyFile(doc, index, keyFile, overwrite, frameRed);
    });
    return count;
}

int AutoSetRkeyReferencesFromOtherDiagramKeyFile(CBaseDoc& doc, const CFileComp& keyFile, const CRefDoc& refDoc,
                                                 BOOL overwrite, BOOL frameRed)
{
    return FromOtherDiagramKeyFile(doc, RkeyIndex(doc), keyFile, refDoc, overwrite, frameRed);
}

int AutoSetRkeyReferencesFromRefDoc(CBaseDoc& doc, const CRefDoc& refDoc, BOOL overwrite, BOOL frameRed)
{
    return FromRefDoc(doc, RkeyIndex(doc), refDoc, overwrite, frameRed);
}

int AutoSetRkeyReferencesFromRefDocs(CBaseDoc& doc, BOOL overwrite, BOOL frameRed)
{
    const RkeyIndex index(doc);
    int count = 0;
    const CRefDocList* list = doc.GetRefDocList();
    for (POSITION pos = list->GetHeadPosition(); pos;) {
        if (const CRefDoc* refDoc = list->GetNextRefDoc(pos))
            count += FromRefDoc(doc, index, *refDoc, overwrite, frameRed);
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
                if (CBaseDoc* doc = CBaseDoc::GetActiveIn(target))
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
                const CBaseDoc* doc = CBaseDoc::GetActiveIn(target);
                if (!doc)
                    cmdUI->Enable(FALSE);
                else
                    ModelOperations::OnUpdateModelCommand(*doc, cmdUI);
            },
            {}};
}

} // namespace RkeyAutoSetting
