// The document's operations on single modelling objects that reach beyond the object: a
// conceptual file's clone, binding a clone to its original, what follows a file's dialog, the
// links to a physical additional definition file, and the rule that enables the document-wide
// modelling commands. Every object changed besides the one operated on is recorded for undo once
// in the open step and redrawn.
#pragma once

#include "platform/afx/WinTypes.h"

class CBaseDoc;
class CCmdUI;
class CFileClone;
class CFileComp;
class CObject;

namespace ModelOperations {

// An operation command (22000 to 22999) on a modelling object that the model carries out:
// 22009 on a conceptual file, 22035 on a conceptual file, 22033 on a clone. FALSE when it is not
// one of them, with changed untouched; otherwise changed tells whether the document changed.
BOOL Execute(CBaseDoc& doc, CObject* object, UINT commandId, DWORD hitCode, DWORD partWord, BOOL& changed);

// Runs the file's dialog (22009). After an OK on a writable document a new name goes to every
// object that shows it, and a file that stopped being a dedicated definition file stops being
// every other file's physical additional definition file. The dialog's result.
BOOL RunFileDialog(CBaseDoc& doc, CFileComp& file, DWORD hitCode);

// Adds a clone of the file under a new id (22035) with the clone prototype's attributes and selects
// it in the views. FALSE, with nothing added, on a read-only document, without a free id or
// without a clone prototype.
BOOL CreateFileClone(CBaseDoc& doc, const CFileComp& file);

// Binds the clone to the conceptual file with that id (22033); the clone then shows the file's
// name. Refused (FALSE, nothing changed) when the id is the clone's original already or names no
// object; with a message when the object is no conceptual file, and when an arrow joins the clone
// and the file (or a clone of it) either way, or the clone to itself.
BOOL SetCloneOriginal(CBaseDoc& doc, CFileClone& clone, WORD fileId);

// Every conceptual file whose physical additional definition file is that file loses the link.
// TRUE when one did.
BOOL ClearPhyControlFileLinks(CBaseDoc& doc, WORD fileId);
// Redraws every conceptual file whose physical additional definition file is that file and that
// the open step has not recorded (those were redrawn when they were changed).
void RedrawFilesUsingPhyControlFile(CBaseDoc& doc, WORD fileId);

// The rule of the document-wide modelling commands (RKEY auto-setting, the name derivations,
// default tablespaces, the attribute-update imports): a writable document with at least one
// conceptual file, shown in the active drawing view.
BOOL CanRunModelCommand(const CBaseDoc& doc);
void OnUpdateModelCommand(const CBaseDoc& doc, CCmdUI* cmdUI);

} // namespace ModelOperations
