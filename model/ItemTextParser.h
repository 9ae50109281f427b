// Reads a conceptual file's key text and data text back into data items: the texts that the item
// notation writes, texts the user typed in place, and the texts that old records kept instead of
// items. Half-width and full-width separators and brackets are read alike, whatever wrote them.
//
// Key text: key groups "[A.B]-[C]" (without brackets the whole text is one group), data text: one
// group. Inside a group, items are cut at the separators; an item's children follow its name in
// "(=" and ")" and are cut at the separators too.
#pragma once

#include "platform/afx/String.h"

class CDataList;

// Appends the items of both texts to the list, numbered from 1 over the run, the key text first and
// each child right after its parent. With a parent file into which the file is merged, the key items
// are no physical targets. The number of items made, or -1 after telling the user when one could
// not be made (the items made before stay in the list).
int ParseItemTextsIntoList(const CString& keyText, const CString& dataText, BOOL hasParent, BOOL merged,
                           CDataList& list);

// Cuts the next key group off the text, which keeps what follows the group's joint. TRUE when a
// further group follows; text after a group's closer without a joint is dropped.
BOOL SplitKeyGroupText(CString& text, CString& group);
// Cuts the next item token with its child part off the rest; next is what follows. A child part left
// open runs on into the following pieces up to its closing pair; without one, the rest of the group
// goes with it. TRUE when next is not empty.
BOOL SplitItemToken(const CString& rest, CString& token, CString& childPart, CString& next);
// Cuts the next token off a child part. TRUE when a separator was found.
BOOL SplitChildToken(const CString& rest, CString& token, CString& next);
