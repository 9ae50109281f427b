// Services around the conceptual files of a document that several modelling dialogs and commands
// share: the combo of the diagram's files, the combo of a file's possible parents, and carrying a
// renamed file's name to every object that shows it.
#pragma once

#include "platform/afx/String.h"

class CBaseDoc;
class CComboBox;
class CFileComp;

namespace FileCompServices {

// Empties the combo and lists every conceptual file by name (line breaks removed), its object id as
// item data, after a "(指定しない)" row with 0 when asked. The number of files listed; -1 after
// telling the user, with the combo emptied, when a row could not be added.
int FillFileCompCombo(const CBaseDoc& doc, CComboBox* combo, BOOL withNone);
// Empties the combo and lists the start file of every subtype or substructure arrow ending at the
// file or one of its clones (a start clone shown as its original): by name, else number, else
// object id, with MAKELONG(arrow id, parent id) as item data. The number of rows; 0 after telling
// the user, with the combo emptied, when a row could not be added.
int FillParentFileCompCombo(const CBaseDoc& doc, const CFileComp& file, CComboBox* combo);
// The file's name goes to its clones' texts, to the definition-file name of every file whose
// physical additional definition file it is, and to the name label of its implementation groups;
// each object is recorded for undo once and redrawn. TRUE when some object was changed.
BOOL PropagateFileCompName(CBaseDoc& doc, const CFileComp& file);

} // namespace FileCompServices
