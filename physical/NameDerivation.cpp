#include "physical/NameDerivation.h"

#include "document/BaseDoc.h"
#include "model/FileComp.h"
#include "physical/PhysicalNames.h"
#include "platform/afx/MessageSink.h"

namespace NameDerivation {

namespace {

// Calls name for every conceptual file of the objects that test accepts, after recording it for
// undo; a file name reports as changed is selected and counted.
template <class Test, class Name>
int DeriveNames(CBaseDoc& doc, const CObList& objects, Test test, Name name)
{
    int count = 0;
    for (POSITION pos = objects.GetHeadPosition(); pos;) {
        auto* file = DYNAMIC_DOWNCAST(CFileComp, objects.GetNext(pos));
        if (!file || !test(*file))
            continue;
        doc.RecordChangedOnce(file);
        if (!name(*file))
            continue;
        doc.AppendToSelectionInViews(file);
        ++count;
    }
    if (count > 0)
        doc.SetModified(TRUE);
    return count;
}

void Report(BOOL show, int count, const char8_t* format, const char8_t* none)
{
    if (!show)
        return;
    CString text;
    if (count > 0)
        text.Format(CString(format).GetString(), count);
    else
        text = CString(none);
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}

} // namespace

int CreateTableNames(CBaseDoc& doc, const CObList& objects, DWORD option, const CString& prefix, BOOL showMessages)
{
    if (doc.IsReadOnly())
        return 0;
    const int count = DeriveNames(
        doc, objects, [&](const CFileComp& file) { return PhysicalNames::IsTableNameTarget(file, doc, option); },
        [&](CFileComp& file) { return PhysicalNames::CreateTableName(file, option, prefix); });
    Report(showMessages, count, u8"%d件の概念ﾌｧｲﾙに関して概念ﾌｧｲﾙ名からﾃｰﾌﾞﾙ名を作成しました。",
           u8"概念ﾌｧｲﾙ名からﾃｰﾌﾞﾙ名を作成した概念ﾌｧｲﾙはありません。");
    return count;
}

int CreatePrimaryIndexNames(CBaseDoc& doc, const CObList& objects, DWORD option, const CString& prefix,
                            const CString& suffix, BOOL showMessages)
{
    if (doc.IsReadOnly())
        return 0;
    const int count = DeriveNames(
        doc, objects, [&](const CFileComp& file) { return PhysicalNames::IsPrimaryIndexNameTarget(file, doc, option); },
        [&](CFileComp& file) { return PhysicalNames::CreatePrimaryIndexName(file, option, prefix, suffix); });
    Report(showMessages, count, u8"%d件の概念ﾌｧｲﾙに関してﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名を作成しました。",
           u8"ﾌﾟﾗｲﾏﾘｰｲﾝﾃﾞｯｸｽ名を作成した概念ﾌｧｲﾙはありません。");
    return count;
}

int CreateColumnNames(CBaseDoc& doc, const CObList& objects, DWORD option, const DataTypeLookup& types,
                      BOOL showMessages)
{
    if (doc.IsReadOnly())
        return 0;
    int items = 0;
    const int files = DeriveNames(
        doc, objects, [&](const CFileComp& file) { return file.CountColumnNameTargets(option) > 0; },
        [&](CFileComp& file) {
            const int named = file.CreateColumnNames(option, types);
            items += named;
            return named > 0;
        });
    if (showMessages) {
        CString text;
        if (files > 0)
            text.Format(CString(u8"%d件の概念ﾌｧｲﾙに関して、%d件のﾃﾞｰﾀ項目にｶﾗﾑ名を作成しました。").GetString(), files,
                        items);
        else
            text = CString(u8"ﾃﾞｰﾀ項目名からｶﾗﾑ名を作成したものはありません。");
        AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
    }
    return files;
}

} // namespace NameDerivation
