// Filling in the references of RKEY data items in one command (32921): every RKEY item whose name
// ends with the name of a key item (one that is no RKEY item itself) of some conceptual file takes
// that key item as its reference. Key files are this document's conceptual files in drawing order,
// then those of each loaded referenced diagram in the order of the document's list; the files that
// receive a reference are this document's, also in drawing order, and are framed red.
#pragma once

#include "platform/afx/WinTypes.h"
#include "platform/ui/CmdTarget.h"

class CBaseDoc;
class CCmdUI;
class CFileComp;
class CRefDoc;

namespace RkeyAutoSetting {

// The frame colour of a file that received a reference.
constexpr COLORREF kReferencedPen = 0x000000FF;

// Each pass returns how many RKEY items it set. An item set again in the same run (with overwrite,
// by a later key item whose name it also ends with) is counted once; the run's marks are cleared
// by the command before the first pass.
// The key files of this document.
int AutoSetRkeyReferences(CBaseDoc& doc, BOOL overwrite, BOOL frameRed);
int AutoSetRkeyReferencesFromKeyFile(CBaseDoc& doc, const CFileComp& keyFile, BOOL overwrite, BOOL frameRed);
// The key files of every loaded referenced diagram; the references made are of form 3.
int AutoSetRkeyReferencesFromRefDocs(CBaseDoc& doc, BOOL overwrite, BOOL frameRed);
int AutoSetRkeyReferencesFromRefDoc(CBaseDoc& doc, const CRefDoc& refDoc, BOOL overwrite, BOOL frameRed);
int AutoSetRkeyReferencesFromOtherDiagramKeyFile(CBaseDoc& doc, const CFileComp& keyFile, const CRefDoc& refDoc,
                                                 BOOL overwrite, BOOL frameRed);

// The command: asks whether references already set are overwritten (Yes), kept (No) or nothing is
// done (Cancel), runs both passes in one undo step and tells how many items were set. Nothing on a
// read-only document.
void OnAutoSetRkeyReferences(CBaseDoc& doc);

// Entries of the main frame's message map: the command runs on the frame's active document and
// follows the rule of the document-wide modelling commands.
MessageMapEntry CommandEntry();
MessageMapEntry UpdateEntry();

} // namespace RkeyAutoSetting
