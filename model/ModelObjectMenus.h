// What the menus and the in-place editing of the task, the data and process symbols and the clone
// share: the shadow checks, the text-colour commands and the editor opened over one text area.
#pragma once

#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/afx/WinTypes.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>

class CCmdUI;
class CDC;
class CFloatEdit;
class CMenu;
class CWnd;

namespace modelobjects {

// Texts are not edited in place below this zoom.
constexpr int MIN_EDIT_ZOOM = 50;

// The check of a shadow depth (21259 to 21262, always enabled) or of the shadow colour; FALSE for
// any other id.
BOOL UpdateShadowCheck(CCmdUI* cmdUI, WORD depth, COLORREF color);
// A text colour command (21040 to 21057) on the colour: a palette entry, the colour dialog (21056)
// or the source's colour (21057; without a source nothing changes). TRUE when the colour changed;
// FALSE too for any other id.
BOOL ApplyTextColorCommand(UINT commandId, const COLORREF* sourceColor, COLORREF& color);

// An editor to open over a text area: the area in zoomed logical units, pixels to add on the
// device (right, top upward, bottom downward), alignment and line mode.
struct EditArea
{
    CRect zoomed;
    int growRight = 0;
    int growTop = 0;
    int growBottom = 0;
    int alignment = 0;
    BOOL multiLine = FALSE;
};
// Opens the bordered editor with the drawing font at the zoom (the default font without one) and
// the text; wrapped to the editor's width when asked. FALSE, and nothing open, when the editor or
// its font cannot be made.
BOOL OpenTextEditor(CDC* pDC, int zoom, const EditArea& area, const LOGFONT* font, CWnd* parent, UINT controlId,
                    const CString& text, BOOL wrap, CFloatEdit*& editor);
// Closes the editor; a modified text goes into the field, its line breaks removed when asked.
// TRUE when the text was modified.
BOOL CloseTextEditor(CFloatEdit*& editor, CString& field, BOOL joinLines);

} // namespace modelobjects
