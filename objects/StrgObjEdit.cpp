// Editing a text object's text in place.
#include "objects/StrgObj.h"

#include "foundation/ZoomScale.h"
#include "objects/FloatEdit.h"
#include "foundation/SymbolPrimitives.h"
#include "platform/gdi/DC.h"

#include <memory>
#include <utility>

namespace strgobjedit {

// Text objects are not edited in place below this zoom.
constexpr int kMinEditZoom = 50;

int EditorAlignment(DWORD format)
{
    if (format & DT_RIGHT)
        return CFloatEdit::ALIGN_RIGHT;
    return (format & DT_CENTER) ? CFloatEdit::ALIGN_CENTER : CFloatEdit::ALIGN_LEFT;
}

} // namespace strgobjedit

BOOL CStrgObj::OpenEditor(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, BOOL multiLine) const
{
    CRect rect = m_rect;
    ScaleRectByZoom(rect, zoom);
    CPoint corners[2] = {rect.TopLeft(), rect.BottomRight()};
    pDC->LPtoDP(corners, 2);
    auto opened = std::make_unique<CFloatEdit>(strgobjedit::EditorAlignment(m_dwFormat), CRect(corners[0], corners[1]),
                                               parent, controlId, multiLine, TRUE);
    if (!opened->GetSafeHwnd())
        return FALSE;
    LOGFONT font;
    CopyLogFont(font, m_lfFont);
    font.lfHeight = FontHeightToDevice(pDC, m_lfFont.lfHeight);
    ScaleValueByZoom(font.lfHeight, zoom);
    if (!opened->SetEditFont(font))
        return FALSE;
    opened->SetText(m_strText);
    opened->SetFocus();
    editor = opened.release();
    return TRUE;
}

BOOL CStrgObj::BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD, const LOGFONT*,
                         DWORD)
{
    return BeginTextEdit(pDC, zoom, editor, parent, controlId, TRUE);
}

BOOL CStrgObj::BeginTextEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId,
                             BOOL multiLine) const
{
    return zoom >= strgobjedit::kMinEditZoom && OpenEditor(pDC, zoom, editor, parent, controlId, multiLine);
}

BOOL CStrgObj::EndEdit(CFloatEdit*& editor, DWORD)
{
    std::unique_ptr<CFloatEdit> closing(std::exchange(editor, nullptr));
    if (!closing || !closing->GetModify())
        return FALSE;
    m_strText = closing->GetText();
    return TRUE;
}
