// Giving one conceptual file a new item list inside its document: after the data items dialog
// (old and new items matched by number), after its key or data text was edited (matched by name),
// and after find and replace changed item names. Every other conceptual file whose items point at
// the file's items, and every subtype arrow whose discriminator is one of them, follows in the same
// undo step.
//
// Each replacement is all or nothing: the file's new list and texts, every other file's renumbered
// list and every arrow's new discriminator are prepared as copies first. Only when every copy is
// ready are the objects that change recorded for undo and the copies swapped in. A failure on the
// way (the user is told) leaves every object as it was and the document unmodified; the document
// is marked modified only when some object did change.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/String.h"

#include <functional>

class CBaseDoc;
class CDataList;
class CFileComp;
class CFloatEdit;

namespace FileCompItemLists {

// The file takes copies of the new list's items, which carry the numbers the file's items had (0
// for new ones): references to moved items take their new numbers and names, references to deleted
// ones are cleared, the list's own pointers follow and its items are numbered 1, 2, 3 ... in list
// order. With rebuildTexts the key and data texts are written anew from the items in the
// document's notation; with clearMarks the document's update marks are cleared first. FALSE when
// it failed (nothing changed). *changed, when given, tells whether any object changed.
BOOL ReplaceFileCompDataList(CBaseDoc& doc, CFileComp& file, const CDataList& newList, BOOL rebuildTexts,
                             BOOL clearMarks, BOOL* changed = nullptr);

// The file's key and data texts are read into a new list whose items are matched to the old ones
// by name: references follow the new numbers, references to items gone are cleared, and each new
// item keeps what the texts do not say of its old counterpart (summary, references, physical
// attributes ...). FALSE when it failed (nothing changed).
BOOL RebuildFileCompDataListFromText(CBaseDoc& doc, CFileComp& file, BOOL* changed = nullptr);

// The data items dialog: it fills the working list with copies of the file's items and lets the
// user edit them; TRUE when the user ended it with OK. The dialog is registered by the layer that
// owns it.
class DataItemsDialog
{
public:
    virtual ~DataItemsDialog() = default;
    virtual BOOL Run(CBaseDoc& doc, const CFileComp& file, CDataList& working) = 0;
};
constexpr auto GetDataItemsDialog = &ServiceSlot<DataItemsDialog>::Get;
constexpr auto SetDataItemsDialog = &ServiceSlot<DataItemsDialog>::Set;

// Runs the data items dialog on the file and applies what the user confirmed (texts rebuilt, marks
// cleared first). A read-only document shows the dialog and applies nothing. FALSE without a
// dialog, on cancel or on failure.
BOOL EditFileCompDataItems(CBaseDoc& doc, CFileComp& file, BOOL* changed = nullptr);

// Ends the in-place edit of one of the file's texts (the file is recorded for undo already): an
// edited key or data text becomes the file's items, an edited name reaches the objects that show
// it. When the items cannot be rebuilt, the texts go back to what they were. TRUE when the file
// changed.
BOOL CommitFileCompTextEdit(CBaseDoc& doc, CFileComp& file, CFloatEdit*& editor, DWORD editFlags);

// Find and replace in the file's texts (the file is recorded for undo already): a changed name
// reaches the file's clones and the other objects that show it; item names that hold the text are
// replaced in the items too, so that what refers to them follows. When the items cannot be
// replaced, the texts go back to what they were. TRUE when the file changed.
BOOL ReplaceFileCompText(CBaseDoc& doc, CFileComp& file, const CString& text, const CString& replacement,
                         BOOL matchCase);

// A test seam: asked before each copy a replacement prepares, counting from 0 in each call; an
// answer of true makes that copy fail as if memory had run out. Returns the probe it replaces.
using CopyFailureProbe = std::function<bool(int copyIndex)>;
CopyFailureProbe SetCopyFailureProbe(CopyFailureProbe probe);

} // namespace FileCompItemLists
