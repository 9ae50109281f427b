// The header-information items: ten framed text objects with reserved ids that show the
// document's title, author and updater names, created and updated dates and remarks as one ruled
// block at the top left of the first page. The author, updater and both date rows have a label
// object above their value object.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

#include <span>

class CObject;

constexpr WORD HEADER_TITLE_ID = 0xFF01;
constexpr WORD HEADER_AUTHOR_LABEL_ID = 0xFF02;
constexpr WORD HEADER_AUTHOR_ID = 0xFF03;
constexpr WORD HEADER_UPDATER_LABEL_ID = 0xFF04;
constexpr WORD HEADER_UPDATER_ID = 0xFF05;
constexpr WORD HEADER_CREATED_LABEL_ID = 0xFF06;
constexpr WORD HEADER_CREATED_ID = 0xFF07;
constexpr WORD HEADER_UPDATED_LABEL_ID = 0xFF08;
constexpr WORD HEADER_UPDATED_ID = 0xFF09;
constexpr WORD HEADER_REMARKS_ID = 0xFF0A;

// How a new header object of one id looks.
struct HeaderItemLayout
{
    WORD id;
    const char8_t* name;      // the item's name, as the status bar shows it
    const char8_t* labelText; // the fixed text of a label object; null for a value object
    CRect rect;               // in 0.1 mm from the top left of the first page's printable area
    int fontHeight;
    BOOL centred; // centred both ways; otherwise left-aligned and vertically centred
};

// The ten items in id order.
std::span<const HeaderItemLayout> GetHeaderItemLayouts();
// The layout of a header id, or null.
const HeaderItemLayout* FindHeaderItemLayout(WORD id);

BOOL IsHeaderItemId(WORD id);
// The item's name for the ids of the ten items; FALSE for any other id.
BOOL GetHeaderItemName(WORD id, CString& name);
// The same for the id of a box or line object; FALSE for other objects and other ids.
BOOL GetObjectHeaderItemName(const CObject* object, CString& name);
