#include "model/FileCompServices.h"

#include "foundation/ListElements.h"
#include "foundation/TextFunctions.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/ModelEdits.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "platform/afx/WinTypes.h"
#include "platform/ui/Controls.h"

namespace FileCompServices {

namespace {

// How a parent is shown: its name, else its number, else its object id.
CString ParentComboText(const CFileComp& parent)
{
    CString text = parent.GetFileName();
    if (text.IsEmpty())
        text = parent.GetFileNumber();
    if (text.IsEmpty())
        text.Format("%u", unsigned(parent.GetObjectId()));
    CString shown;
    return RemoveCrLf(shown, text);
}

} // namespace

int FillFileCompCombo(const CBaseDoc& doc, CComboBox* combo, BOOL withNone)
{
    const CString comboName(u8"ﾌｧｲﾙ選択ComboBox");
    combo->ResetContent();
    if (withNone && !AddNamedComboRow(combo, CString(u8"(指定しない)"), 0, comboName))
        return -1;
    int added = 0;
    const CFileComp* refused = RelationGraph::FindObjectOf<CFileComp>(doc, [&](const CFileComp& file) {
        CString name;
        if (!AddNamedComboRow(combo, RemoveCrLf(name, file.GetFileName()), file.GetObjectId(), comboName))
            return true;
        ++added;
        return false;
    });
    return refused ? -1 : added;
}

int FillParentFileCompCombo(const CBaseDoc& doc, const CFileComp& file, CComboBox* combo)
{
    combo->ResetContent();
    int added = 0;
    const auto addParent = [&](const CRelLineObj& arrow, BOOL) {
        const CFileComp* parent =
            arrow.IsSubTypeKind()
                ? RelationGraph::ResolveFileComp(doc, RelationGraph::FindObject(doc, arrow.GetStartObjectId()))
                : nullptr;
        if (!parent)
            return false;
        if (!AddComboDataRow(combo, ParentComboText(*parent), MAKELONG(arrow.GetObjectId(), parent->GetObjectId()),
                             CString(u8"親概念ﾌｧｲﾙ ")))
            return true;
        ++added;
        return false;
    };
    return RelationGraph::FindRelLineEndingAtIf(doc, file.GetObjectId(), 0, addParent) ? 0 : added;
}

BOOL PropagateFileCompName(CBaseDoc& doc, const CFileComp& file)
{
    const WORD fileId = file.GetObjectId();
    const CString& name = file.GetFileName();
    if (fileId == 0)
        return FALSE;
    BOOL changed = FALSE;
    CString cellText;
    TextForExcelCell(cellText, name);
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        if (auto* clone = DYNAMIC_DOWNCAST(CFileClone, object); clone && clone->IsCloneOf(fileId))
            ChangeRecorded(doc, *clone, [&](CFileClone& shown) { shown.SetText(name); });
        else if (auto* user = DYNAMIC_DOWNCAST(CFileComp, object); user && user->UsesPhyControlFile(fileId))
            ChangeRecorded(doc, *user, [&](CFileComp& shown) { shown.SetPhyControlFile(fileId, name); });
        else if (auto* group = DYNAMIC_DOWNCAST(CFileImplObj, object); group && group->ImplementsFile(fileId))
            ChangeRecorded(doc, *group, [&](CFileImplObj& shown) { shown.SetLabelText(cellText); });
        else
            continue;
        changed = TRUE;
    }
    return changed;
}

} // namespace FileCompServices
