#include "physical/CreateTableDdl.h"

#include "document/BaseDoc.h"
#include "foundation/ErrorReport.h"
#include "model/FileComp.h"
#include "model/ReadingOrder.h"
#include "model/RelationGraph.h"
#include "model/RelLineObj.h"
#include "model/RelationRules.h"
#include "objects/DrawObjects.h"
#include "physical/DdlTableList.h"
#include "platform/afx/Cp932.h"
#include "platform/afx/Exception.h"
#include "platform/afx/MessageSink.h"
#include "platform/storage/SaveFile.h"
#include "platform/storage/StorageError.h"
#include "platform/ui/FileDialog.h"

#include <cstddef>
#include <unordered_map>
#include <unordered_set>

namespace CreateTableDdl {

namespace {

// The tests every rule applies first: no dedicated definition file, and with 0x1 only physical
// targets.
BOOL PassesCommonTests(const CFileComp& file, DWORD tableOptions)
{
    if (file.GetPhyControlDedicated())
        return FALSE;
    return !(tableOptions & DDL_TABLE_PHYSICAL_FILES_ONLY) || file.IsPhysicalTarget();
}

// The files at which some subtype, substructure or supertype arrow ends, directly or at a clone,
// found in one walk. Only those can have a parent or be a supertype file, so the graph's own
// queries, which walk the whole list each time, are asked for them alone: a model of a thousand
// files stays linear.
class ArrowEnds
{
public:
    explicit ArrowEnds(const CBaseDoc& doc) : m_doc(doc)
    {
        const CObList& objects = *doc.GetObjectList();
        std::unordered_map<WORD, CObject*> byId;
        for (POSITION pos = objects.GetHeadPosition(); pos;) {
            CObject* object = objects.GetNext(pos);
            byId.emplace(DrawObjects::GetObjectId(object), object);
        }
        for (POSITION pos = objects.GetHeadPosition(); pos;) {
            const auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, objects.GetNext(pos));
            if (!arrow || arrow->IsOneToManyKind())
                continue;
            m_ends.insert(arrow->GetEndObjectId());
            const auto end = byId.find(arrow->GetEndObjectId());
            if (end != byId.end())
                m_ends.insert(RelationGraph::ResolveFileId(end->second));
        }
    }

    BOOL HasParent(const CFileComp& file) const
    {
        return m_ends.contains(file.GetObjectId()) && file.HasParentFileComp(m_doc);
    }
    BOOL IsSuperType(const CFileComp& file) const
    {
        return m_ends.contains(file.GetObjectId()) && RelationGraph::IsSuperTypeFile(m_doc, file.GetObjectId(), TRUE);
    }

private:
    const CBaseDoc& m_doc;
    std::unordered_set<WORD> m_ends;
};

BOOL Contains(const CObList& list, const CObject* object)
{
    return list.Find(const_cast<CObject*>(object)) != nullptr;
}

template <class Visit>
void ForEachFile(const CObList& objects, Visit visit)
{
    for (POSITION pos = objects.GetHeadPosition(); pos;)
        if (auto* file = DYNAMIC_DOWNCAST(CFileComp, objects.GetNext(pos)))
            visit(*file);
}

// The two selection rules, which differ in which selected files count and which document files
// follow them.
int SelectByRule(const CBaseDoc& doc, const CObList& selected, CObList& output, DWORD tableOptions, const char* caller)
{
    const BOOL standard = (tableOptions & DDL_TABLE_RULE_STANDARD) != 0;
    try {
        const ArrowEnds ends(doc);
        int count = 0;
        ForEachFile(selected, [&](CFileComp& file) {
            if (!PassesCommonTests(file, tableOptions))
                return;
            const BOOL hasParent = ends.HasParent(file);
            const BOOL takes =
                standard ? !hasParent && !ends.IsSuperType(file) : !(hasParent && file.GetMergedIntoParent());
            if (takes) {
                output.AddTail(&file);
                ++count;
            }
        });
        if (count == 0)
            return 0;
        ForEachFile(*doc.GetObjectList(), [&](CFileComp& file) {
            if (!PassesCommonTests(file, tableOptions) || !ends.HasParent(file))
                return;
            if (!standard && !file.GetMergedIntoParent())
                return;
            const CFileComp* head = standard ? RelationGraph::FindTopParentFileComp(doc, file, FALSE)
                                             : RelationGraph::FindMergeTargetFileComp(doc, file);
            if (head && Contains(selected, head))
                output.AddTail(&file);
        });
        return count;
    } catch (...) {
        ReportCurrentException(caller);
        output.RemoveAll();
        return -1;
    }
}

// Tables under the standard rule (subordinate files folded into their topmost parent, no table for
// supertypes) or the merged-flag rule.
int BuildTables(const CBaseDoc& doc, const CObList& files, CDdlTableList& tables, DWORD tableOptions)
{
    const BOOL standard = (tableOptions & DDL_TABLE_RULE_STANDARD) != 0;
    const ArrowEnds ends(doc);
    int count = 0;
    BOOL failed = FALSE;
    ForEachFile(files, [&](CFileComp& file) {
        if (failed || !PassesCommonTests(file, tableOptions))
            return;
        const BOOL hasParent = ends.HasParent(file);
        const BOOL takes =
            standard ? !hasParent && !ends.IsSuperType(file) : !(hasParent && file.GetMergedIntoParent());
        if (!takes)
            return;
        if (tables.AddDdlTable(&file))
            ++count;
        else
            failed = TRUE;
    });
    if (!failed && count > 0) {
        ForEachFile(files, [&](CFileComp& file) {
            if (failed || !PassesCommonTests(file, tableOptions) || !ends.HasParent(file))
                return;
            if (!standard && !file.GetMergedIntoParent())
                return;
            const CFileComp* head = standard ? RelationGraph::FindTopParentFileComp(doc, file, FALSE)
                                             : RelationGraph::FindMergeTargetFileComp(doc, file);
            CDdlTable* table = head ? tables.FindDdlTable(head) : nullptr;
            if (table && !table->AddFileCompInclude(&file))
                failed = TRUE;
        });
    }
    if (failed) {
        DeleteAllElements(tables);
        return -1;
    }
    return count;
}

} // namespace

int SelectFileComp(const CObList& objects, CObList& output)
{
    try {
        int count = 0;
        ForEachFile(objects, [&](CFileComp& file) {
            output.AddTail(&file);
            ++count;
        });
        return count;
    } catch (...) {
        ReportCurrentException("CBaseDoc::SelectFileComp");
        output.RemoveAll();
        return -1;
    }
}

int SelectFileCompForCrateDdl(const CBaseDoc& doc, const CObList& selected, CObList& output, DWORD tableOptions)
{
    if (tableOptions & DDL_TABLE_RULE_STANDARD)
        return SelectByRule(doc, selected, output, tableOptions, "CBaseDoc::SelectFileCompForCrateDdlRuleStd");
    return SelectByRule(doc, selected, output, tableOptions, "CBaseDoc::SelectFileCompForCrateDdlRuleIncParent");
}

int BuildDdlTableList(const CBaseDoc& doc, const CObList& objects, CDdlTableList& tables, DWORD tableOptions,
                      DWORD columnOptions)
{
    CObList files;
    const int selected = SelectFileComp(objects, files);
    if (selected <= 0)
        return selected;
    CObList ordered;
    if (!SortObjectsByPosition(files, ordered))
        return -1;
    const int count = BuildTables(doc, ordered, tables, tableOptions);
    if (count <= 0)
        return count;
    // A table left without its columns would be written as an empty table: fail the model instead.
    if (tables.BuildAllColumns(columnOptions) < 0 || tables.AddDefinitionFileColumns(doc) < 0) {
        DeleteAllElements(tables);
        return -1;
    }
    return count;
}

QByteArray ToFileBytes(const CString& script)
{
    QByteArray bytes;
    bytes.reserve(script.GetLength() + script.GetLength() / 16);
    const char* text = script.GetString();
    for (int i = 0; i < script.GetLength(); ++i) {
        if (text[i] == '\n')
            bytes.append('\r');
        bytes.append(text[i]);
    }
    return bytes;
}

int BuildCreateTableScript(const CBaseDoc& doc, const CObList& objects, const CDataTypeList& types,
                           const DdlOptions& options, BOOL showMessages, CString& script)
{
    script.Empty();
    if (doc.IsReadOnly())
        return 0;
    if (RelationRules::HasSubTypeLoop(doc)) {
        AfxMessageBox(CString(u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線でﾒｲﾝ矢線の接続関係がﾙｰﾌﾟしているものがあるため、"
                              u8"処理を実行できません。"),
                      MB_OK | MB_ICONEXCLAMATION);
        return -1;
    }
    CDdlTableList tables;
    const int count = BuildDdlTableList(doc, objects, tables, options.table, options.column);
    if (count < 0) {
        AfxMessageBox(CString(u8"ﾃｰﾌﾞﾙｵﾌﾞｼﾞｪｸﾄﾘｽﾄの作成処理中にｴﾗｰが発生しました。"), MB_OK | MB_ICONEXCLAMATION);
        return -1;
    }
    if (count == 0) {
        if (showMessages)
            AfxMessageBox(CString(u8"Create文の作成対象となる概念ﾌｧｲﾙはありません。"), MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    try {
        script = tables.WriteScript(types, options);
    } catch (...) {
        ReportCurrentException("CDdlTableList::WriteScript");
        script.Empty();
        return -1;
    }
    return count;
}

namespace {

// Writes the bytes to a temporary file beside the target and renames it over the target.
void WriteReplacing(const CString& path, const QByteArray& bytes)
{
    SaveFile save(Cp932ToUtf8(path.GetString()));
    save.Write(bytes.constData(), std::size_t(bytes.size()));
    save.Commit();
}

} // namespace

int GenerateCreateTableScript(CBaseDoc& doc, const CObList& objects, const CDataTypeList& types,
                              const DdlOptions& options, BOOL showMessages, const CString& outputPath)
{
    CString script;
    const int count = BuildCreateTableScript(doc, objects, types, options, showMessages, script);
    if (count <= 0)
        return count;
    CString path = outputPath;
    if (path.IsEmpty() && !PromptSqlOutputFile(doc, path))
        return 0;
    try {
        WriteReplacing(path, ToFileBytes(script));
    } catch (const StorageError& error) {
        error.ToFileException(path).ReportError(MB_OK | MB_ICONEXCLAMATION);
        return -1;
    } catch (...) {
        ReportCurrentException("CBaseDoc::GenerateCreateTableScript");
        return -1;
    }
    CString message;
    message.Format(CString(u8"%d件のCreate文を %s に作成しました。").GetString(), count, path.GetString());
    AfxMessageBox(message, MB_OK | MB_ICONINFORMATION);
    return count;
}

void ProposeSqlOutputFile(const CString& documentPath, CString& folder, CString& name)
{
    // Only a dot of the file name itself ends the stem, not one of a folder.
    const int dot = documentPath.ReverseFind('.');
    const int lastSlash = documentPath.ReverseFind('/');
    const CString proposal = (dot < 0 ? CString() : dot > lastSlash ? documentPath.Left(dot) : documentPath) + ".sql";
    const int slash = proposal.ReverseFind('/');
    if (slash < 0) {
        folder.Empty();
        name = proposal;
    } else {
        folder = proposal.Left(slash);
        name = proposal.Mid(slash + 1);
    }
}

BOOL PromptSqlOutputFile(const CBaseDoc& doc, CString& path)
{
    CFileDialog dialog(FALSE, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
    dialog.m_strTitle = CString(u8"CREATE TABLE文出力先ﾌｧｲﾙの選択");
    dialog.m_filters = {{CString(u8"sqlﾌｧｲﾙ (*.sql)"), CString("*.sql")},
                        {CString(u8"ﾃｷｽﾄﾌｧｲﾙ (*.txt)"), CString("*.txt")},
                        {CString(u8"すべてのﾌｧｲﾙ (*.*)"), CString("*.*")}};
    ProposeSqlOutputFile(doc.GetPathName(), dialog.m_strInitialDir, dialog.m_strFileName);
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}

} // namespace CreateTableDdl
