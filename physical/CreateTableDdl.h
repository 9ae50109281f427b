// One CREATE TABLE generation: which conceptual files become tables, the table model, the script
// text and its file. The run needs no window: given a path it writes there without asking, and
// the script can be had as the bytes of the file without writing anything.
#pragma once

#include "physical/DdlOptions.h"
#include "platform/afx/List.h"

#include <QByteArray>

class CBaseDoc;
class CDataTypeList;
class CDdlTableList;
class CFileComp;

namespace CreateTableDdl {

// Appends the conceptual files among the objects, in their order: their number, or -1 after a
// message with the output emptied.
int SelectFileComp(const CObList& objects, CObList& output);
// The targets of a generation started from a selection: the files chosen from the selection itself
// (the table rule of the word), followed by the files of the document folded into them. The number
// chosen from the selection, 0, or -1 after a message.
int SelectFileCompForCrateDdl(const CBaseDoc& doc, const CObList& selected, CObList& output, DWORD tableOptions);
// The table model of the objects' conceptual files in reading order, with their columns: the number
// of tables, 0, or -1 after a message. A table whose columns cannot be built fails the whole model.
int BuildDdlTableList(const CBaseDoc& doc, const CObList& objects, CDdlTableList& tables, DWORD tableOptions,
                      DWORD columnOptions);

// The script as the file holds it: code page 932, every line ending in CR LF.
QByteArray ToFileBytes(const CString& script);

// Checks the relation graph, builds the model and the script: the number of tables (script set),
// 0 when there is nothing to write, -1 on error. Messages of failures are shown whatever the flag;
// "nothing to write" only with it.
int BuildCreateTableScript(const CBaseDoc& doc, const CObList& objects, const CDataTypeList& types,
                           const DdlOptions& options, BOOL showMessages, CString& script);

// The whole run. An empty path asks the user for the file (PromptSqlOutputFile); a path given is
// written without asking. The file is replaced only when the whole script was written: a failed
// write leaves an existing file as it was. The number of tables written, 0, or -1.
int GenerateCreateTableScript(CBaseDoc& doc, const CObList& objects, const CDataTypeList& types,
                              const DdlOptions& options, BOOL showMessages, const CString& outputPath = CString());

// The save dialog for the script, proposing the document's name with ".sql": TRUE with the path.
BOOL PromptSqlOutputFile(const CBaseDoc& doc, CString& path);
// The proposal split for the dialog: the name, and the folder before the last '/' (empty without).
void ProposeSqlOutputFile(const CString& documentPath, CString& folder, CString& name);

} // namespace CreateTableDdl
