// Consolidating conceptual files drawn from several sources. Name gathering moves the files that
// match a selected file (same name, or a key group with the same top-level names) beside it in
// rows of three, framing the selected file red and the gathered ones blue. File merging folds one
// conceptual file into another: its I/O numbers, its key groups and the non-key items the target
// lacks join the target, references to its items move to the target's counterparts, and the file
// is removed.
//
// Both are all or nothing: the matching is done for every selected file before the first one
// moves, and a merge installs the target's new items before the merged file goes, so a failure on
// the way leaves every file as it was.
#pragma once

#include "platform/afx/String.h"
#include "platform/afx/WinTypes.h"

#include <functional>
#include <vector>

class CBaseDoc;
class CFileComp;

namespace FileCompMerge {

// The frames of a gathering: the selected file's, and each gathered file's (set with its mark).
constexpr COLORREF kSelectedPen = 0x000000FF;

// Gathers around the selected file in the open undo step: the number of files moved, 0 when the
// file was gathered by an earlier one already (nothing changes), -1 when matching failed (nothing
// changes).
int CollectSameNameFileComps(CBaseDoc& doc, CFileComp& selected);
// The same for each file in order, after clearing every file's mark: the number moved, or -1 with
// no file changed.
int CollectSameNameFileCompsForAll(CBaseDoc& doc, const std::vector<CFileComp*>& selected);

// Merges the file into the target in one undo step and selects the target in the views. FALSE,
// with both files and every other object as they were, when it failed (the user is told where
// the failure lies with the system).
BOOL MergeFileCompInto(CBaseDoc& doc, CFileComp& target, CFileComp& merged);

// The I/O-number text of the target after the merge: the merged file's text joined with ", "
// unless the target's holds it already, cut to 50 bytes without splitting a double-byte
// character.
CString JoinIoNumberTexts(const CString& target, const CString& merged);

// Registers the view's side of both (FileMergeServices).
void RegisterViewServices();

// A test seam: asked before each match test of a gathering, counting from 0 in each call; true
// makes that test fail as if memory had run out. Returns the probe it replaces.
using MatchFailureProbe = std::function<bool(int testIndex)>;
MatchFailureProbe SetMatchFailureProbe(MatchFailureProbe probe);

} // namespace FileCompMerge
