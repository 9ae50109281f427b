#include "model/FileCompDlgRules.h"

#include "document/BaseDoc.h"
#include "foundation/ListElements.h"
#include "foundation/TextFunctions.h"
#include "model/FileComp.h"
#include "model/MainArrowUpkeep.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "model/RelationRules.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/WinTypes.h"
#include "platform/ui/Controls.h"

#include <functional>

namespace FileCompDlgRules {

namespace {

// How a definition file is listed: its name, else its number, else its object id.
CString DefinitionRowText(const CFileComp& file)
{
    CString text = file.GetFileName();
    if (text.IsEmpty())
        text = file.GetFileNumber();
    if (text.IsEmpty())
        text.Format("%u", unsigned(file.GetObjectId()));
    CString shown;
    return RemoveCrLf(shown, text);
}

CFileComp* FindFile(const CBaseDoc& doc, WORD id)
{
    return id ? DYNAMIC_DOWNCAST(CFileComp, RelationGraph::FindObject(doc, id)) : nullptr;
}

CRelLineObj* FindArrow(const CBaseDoc& doc, WORD id)
{
    return id ? DYNAMIC_DOWNCAST(CRelLineObj, RelationGraph::FindObject(doc, id)) : nullptr;
}

// The parent the file has through its main arrow: the arrow's start as a conceptual file.
WORD ParentThrough(const CBaseDoc& doc, const CRelLineObj* arrow)
{
    if (!arrow)
        return 0;
    const CFileComp* parent =
        RelationGraph::ResolveFileComp(doc, RelationGraph::FindObject(doc, arrow->GetStartObjectId()));
    return parent ? parent->GetObjectId() : 0;
}

template <class T>
void Store(BOOL& changed, const T& now, const T& wanted, const std::function<void()>& set)
{
    if (now == wanted)
        return;
    set();
    changed = TRUE;
}

} // namespace

int FillPhysicalDefinitionFileCombo(const CBaseDoc& doc, WORD skipId, CComboBox* combo)
{
    combo->ResetContent();
    if (!AddNamedComboRow(combo, CString(u8"(指定しない)"), 0, CString(u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙ選択ComboBox")))
        return -1;
    int added = 0;
    const CFileComp* refused = RelationGraph::FindObjectOf<CFileComp>(doc, [&](const CFileComp& file) {
        if (!file.GetPhyControlDedicated() || file.GetObjectId() == skipId)
            return false;
        if (!AddComboDataRow(combo, DefinitionRowText(file), file.GetObjectId(), CString(u8"物理追加ﾃﾞｰﾀ定義ﾌｧｲﾙ ")))
            return true;
        ++added;
        return false;
    });
    return refused ? 0 : added;
}

CString DefinitionFileName(const CBaseDoc& doc, WORD fileId)
{
    const CFileComp* file = FindFile(doc, fileId);
    return file ? file->GetFileName() : CString();
}

FileCompSettings ReadFileComp(const CBaseDoc& doc, const CFileComp& file)
{
    FileCompSettings s;
    s.number = file.GetFileNumber();
    s.name = file.GetFileName();
    s.ioNumbers = file.GetNumIOSourceText();
    s.summary = file.GetSummary();
    s.examples = file.GetCodeSample();
    s.boxStyle = file.GetBoxStyle();
    s.updateRight = file.GetUpdateRight();
    s.tableName = file.GetTableName();
    s.indexName = file.GetPrimaryIndexName();
    s.tableSpace = file.GetTableSpace();
    s.indexSpace = file.GetIndexSpace();
    s.physicalTarget = file.IsPhysicalTarget();
    s.merged = file.GetMergedIntoParent();
    s.dedicated = file.GetPhyControlDedicated();
    s.definitionFile = file.GetPhyControlFileId();
    s.definitionName = file.GetPhyControlFileName();
    const CRelLineObj* main = RelationGraph::FindMainSubTypeRelLine(doc, file.GetObjectId(), 0);
    s.mainArrow = main ? main->GetObjectId() : 0;
    s.parentFile = ParentThrough(doc, main);
    ReadMainArrowDiscriminator(doc, s);
    return s;
}

void ReadMainArrowDiscriminator(const CBaseDoc& doc, FileCompSettings& settings)
{
    const CRelLineObj* arrow = FindArrow(doc, settings.mainArrow);
    if (!arrow || settings.parentFile == 0) {
        settings.discriminatorFile = 0;
        settings.discriminatorItem = 0;
        settings.itemName.Empty();
        settings.value.Empty();
        return;
    }
    settings.discriminatorFile = arrow->GetDiscriminatorFile();
    settings.discriminatorItem = arrow->GetDiscriminatorItem();
    settings.itemName = arrow->GetItemNameLabel().GetText();
    settings.value = arrow->GetItemValueLabel().GetText();
    if (settings.discriminatorFile != 0 && !FindFile(doc, settings.discriminatorFile)) {
        settings.discriminatorFile = 0;
        settings.discriminatorItem = 0;
        settings.itemName.Empty();
        settings.value.Empty();
    }
}

BOOL ChooseParent(const CBaseDoc& doc, const CFileComp& file, FileCompSettings& settings, DWORD rowData)
{
    const WORD arrowId = LOWORD(rowData);
    const WORD parentId = HIWORD(rowData);
    const CFileComp* parent = FindFile(doc, parentId);
    // Arrows read from older files may already run in a circle; the main arrows must not.
    if (parent &&
        (parentId == file.GetObjectId() || RelationRules::IsSubTypeAncestor(doc, *parent, file.GetObjectId()))) {
        AfxMessageBox(CString(u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので、親概念ﾌｧｲﾙには設定できません。"),
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    settings.parentFile = parentId;
    settings.mainArrow = arrowId;
    ReadMainArrowDiscriminator(doc, settings);
    return TRUE;
}

BOOL ChooseDiscriminatorFile(FileCompSettings& settings, WORD file)
{
    if (file != 0 && file == settings.discriminatorFile)
        return FALSE;
    settings.discriminatorFile = file;
    settings.discriminatorItem = 0;
    settings.itemName.Empty();
    return TRUE;
}

void ChooseDiscriminatorItem(FileCompSettings& settings, WORD item, const CString& text)
{
    settings.discriminatorItem = item;
    settings.itemName = item ? text : CString();
}

void SetDedicated(FileCompSettings& settings, BOOL dedicated)
{
    settings.dedicated = dedicated;
    if (dedicated)
        settings.physicalTarget = TRUE;
}

void ChooseDefinitionFile(const CBaseDoc& doc, FileCompSettings& settings, WORD file)
{
    settings.definitionFile = file;
    settings.definitionName = DefinitionFileName(doc, file);
}

FileCompEnables GetFileCompEnables(const FileCompSettings& s, BOOL readOnly)
{
    FileCompEnables e{};
    const BOOL editable = !readOnly;
    e.textsEditable = editable;
    e.fileTypeCombo = editable;
    const BOOL hasParent = s.parentFile != 0;
    const BOOL discriminatorSet = s.discriminatorFile != 0 || s.discriminatorItem != 0;
    e.parentCombo = hasParent && editable;
    e.itemCombo = hasParent && discriminatorSet && editable;
    e.valueEditable = hasParent && discriminatorSet && editable;
    e.physicalCheck = !s.dedicated && editable;
    if (!s.dedicated && s.physicalTarget) {
        e.mergedCheck = hasParent && editable;
        const BOOL ownTable = !hasParent || !s.merged;
        e.physicalEditable = ownTable && editable;
        e.definitionCombo = ownTable && editable;
    }
    e.dedicatedCheck = editable && s.definitionFile == 0 && !hasParent;
    return e;
}

BOOL ApplyFileComp(CBaseDoc& doc, CFileComp& file, const FileCompSettings& s)
{
    doc.UpdateObjectInViews(&file);
    BOOL changed = FALSE;
    Store(changed, file.GetFileNumber(), s.number, [&] { file.SetFileNumber(s.number); });
    Store(changed, file.GetFileName(), s.name, [&] { file.SetFileName(s.name); });
    Store(changed, file.GetBoxStyle(), s.boxStyle, [&] { file.SetBoxStyle(s.boxStyle); });
    Store(changed, file.GetUpdateRight(), s.updateRight, [&] { file.SetUpdateRight(s.updateRight); });
    Store(changed, file.GetNumIOSourceText(), s.ioNumbers, [&] { file.SetNumIOSourceText(s.ioNumbers); });
    Store(changed, file.GetSummary(), s.summary, [&] { file.SetSummary(s.summary); });
    Store(changed, file.GetCodeSample(), s.examples, [&] { file.SetCodeSample(s.examples); });
    Store(changed, file.GetTableName(), s.tableName, [&] { file.SetTableName(s.tableName); });
    Store(changed, file.IsPhysicalTarget(), s.physicalTarget, [&] { file.SetPhysicalTarget(s.physicalTarget); });
    Store(changed, file.GetMergedIntoParent(), s.merged, [&] { file.SetMergedIntoParent(s.merged); });
    Store(changed, file.GetPrimaryIndexName(), s.indexName, [&] { file.SetPrimaryIndexName(s.indexName); });
    Store(changed, file.GetTableSpace(), s.tableSpace, [&] { file.SetTableSpace(s.tableSpace); });
    Store(changed, file.GetIndexSpace(), s.indexSpace, [&] { file.SetIndexSpace(s.indexSpace); });
    Store(changed, file.GetPhyControlDedicated(), s.dedicated, [&] { file.SetPhyControlDedicated(s.dedicated); });
    if (!file.GetPhyControlDedicated() && file.IsPhysicalTarget() && !file.GetMergedIntoParent() &&
        (file.GetPhyControlFileId() != s.definitionFile ||
         file.GetPhyControlFileName() != DefinitionFileName(doc, s.definitionFile))) {
        file.SetPhyControlFile(s.definitionFile, DefinitionFileName(doc, s.definitionFile));
        changed = TRUE;
    }

    const WORD fileId = file.GetObjectId();
    CRelLineObj* main = RelationGraph::FindMainSubTypeRelLine(doc, fileId, 0);
    if (ParentThrough(doc, main) != s.parentFile && s.mainArrow != 0 &&
        MainArrowUpkeep::SetMainSubTypeArrow(doc, fileId, s.mainArrow)) {
        changed = TRUE;
        main = RelationGraph::FindMainSubTypeRelLine(doc, fileId, 0);
    }
    if (!main || s.parentFile == 0)
        return changed;
    const BOOL arrowChanged =
        main->GetDiscriminatorFile() != s.discriminatorFile || main->GetDiscriminatorItem() != s.discriminatorItem ||
        main->GetItemNameLabel().GetText() != s.itemName || main->GetItemValueLabel().GetText() != s.value;
    if (!arrowChanged)
        return changed;
    doc.RecordChangedOnce(main);
    main->SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, s.discriminatorFile, s.discriminatorItem);
    main->GetItemNameLabel().SetText(s.itemName);
    main->GetItemValueLabel().SetText(s.value);
    doc.UpdateObjectInViews(main);
    return TRUE;
}

} // namespace FileCompDlgRules
