// The commands of the menu "開発支援(&I)" on a document: CREATE TABLE generation for the whole model
// or for selected files, and the three name derivations. Each shows its options dialog, stores the
// choice in the document and runs the headless operation (CreateTableDdl, NameDerivation). The
// main frame routes the commands here for its active document.
#pragma once

#include "platform/afx/List.h"
#include "platform/ui/CmdTarget.h"

class CBaseDoc;
class CCmdUI;
class CDataTypeList;

namespace PhysicalCommands {

// The application's SQL data types (the 21 defaults while none are registered).
const CDataTypeList& GetDataTypes();

// The name derivations follow the rule of the document-wide modelling commands
// (ModelOperations::CanRunModelCommand); generation from the menu also needs a document that was
// saved once.
BOOL IsCreateTableDdlEnabled(const CBaseDoc& doc);

// The options dialog; on OK the values that differ go into the document, which is marked modified
// when one did: 1, or 0 after cancel.
int RunDdlCreateDialog(CBaseDoc& doc);
// 32960: the dialog, then the script of the whole document.
void OnCreateTableDdl(CBaseDoc& doc);
// 22047: the dialog, then the script of the files chosen from the objects (the selection).
int CreateTableDdlForSelectedFiles(CBaseDoc& doc, const CObList& objects, BOOL showMessages);
// 32961 to 32963: the dialog, then the names of every conceptual file in one undo step.
void OnCreateTableNames(CBaseDoc& doc);
void OnCreatePrimaryIndexNames(CBaseDoc& doc);
void OnCreateColumnNames(CBaseDoc& doc);

// Entries of the main frame's message map for one of the commands above: the command runs on the
// frame's active document; without one, or for another document class, nothing happens and the
// command is disabled.
MessageMapEntry CommandEntry(UINT id);
MessageMapEntry UpdateEntry(UINT id);

} // namespace PhysicalCommands
