// A conceptual file's texts as the user changes them directly: ending an in-place edit of one of
// its parts, and find and replace over all of them. What depends on the texts (the items after a
// key or data text, the clones after the name) is the document's to bring up to date.
#include "model/FileComp.h"

#include "foundation/CommandIds.h"
#include "foundation/TextFunctions.h"
#include "foundation/ZoomScale.h"
#include "model/ObjectTexts.h"
#include "objects/FloatEdit.h"
#include "platform/gdi/DC.h"
#include "view/DisplayOptions.h"

#include <memory>
#include <utility>

namespace FileCompTextEdits {

// The edit flag that drops the line breaks of each text when it is stored.
constexpr DWORD kFlagName = 1;
constexpr DWORD kFlagKey = 2;
constexpr DWORD kFlagData = 4;
constexpr DWORD kFlagExamples = 8;

// Parts are edited in place from this zoom on; from the larger one the editor overhangs its part less.
constexpr int kMinEditZoom = 50;
constexpr int kLargeZoom = 150;
// The editor overhangs its part by multiples of this height (document units at the zoom).
constexpr int kOverhangUnit = 5;
// The data band's editor reaches below the band when an example band of this height follows.
constexpr int kExampleBandForOverhang = 6;

CString Stored(const CString& text, DWORD editFlags, DWORD flag)
{
    if (!(editFlags & flag))
        return text;
    CString joined;
    return RemoveCrLf(joined, text);
}

// The text the editor starts with: wrapped to the part's width when its edit flag is set.
CString Shown(const CString& text, DWORD editFlags, DWORD flag, const CRect& part, const LOGFONT& font)
{
    if (!(editFlags & flag))
        return text;
    CString wrapped;
    return WrapTextToRect(wrapped, text, part, font);
}

} // namespace FileCompTextEdits

BOOL CFileComp::CanEditText(CBaseDoc*, DWORD hitCode, DWORD displayOptions) const
{
    if (hitCode & PART_NUM_IO_LABEL)
        return TRUE;
    if (hitCode & PART_NAME)
        return !(displayOptions & DisplayOption::kTableNames);
    // Elsewhere the bands show texts built from the items, not the texts typed.
    if (hitCode & (PART_KEY | PART_DATA))
        return (displayOptions & DisplayOption::kNormalMask) == DisplayOption::kConceptualNames;
    return TRUE;
}

UINT CFileComp::GetEditCommand(CBaseDoc*, DWORD hitCode, DWORD) const
{
    if (hitCode & PART_NUM_IO_LABEL)
        return 0;
    if (hitCode & PART_NAME)
        return ID_OBJ_FILE_DIALOG;
    if (hitCode & (PART_KEY | PART_DATA))
        return ID_OBJ_DATA_ITEM_DIALOG;
    return 0;
}

BOOL CFileComp::BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                          const LOGFONT* font, DWORD editFlags)
{
    using namespace FileCompTextEdits;
    m_dwEditedPart = 0;
    if (!(hitCode & 0x4) || zoom < kMinEditZoom || !pDC)
        return FALSE;
    if (hitCode & PART_NUM_IO_LABEL) {
        m_dwEditedPart = hitCode;
        return m_numIOSource.BeginEdit(pDC, zoom, editor, parent, controlId, hitCode, font, editFlags);
    }
    if (!font)
        return FALSE;
    static constexpr DWORD kParts[] = {PART_NUMBER, PART_NAME, PART_KEY, PART_DATA, PART_EXAMPLE};
    DWORD part = 0;
    for (DWORD candidate : kParts) {
        if (hitCode & candidate) {
            part = candidate;
            break;
        }
    }
    CRect partRect;
    if (!part || !GetBoxPartRect(part, partRect))
        return FALSE;

    CRect device = partRect;
    ScaleRectByZoom(device, zoom);
    pDC->LPtoDP(&device);
    device.NormalizeRect();
    CSize unit(0, kOverhangUnit);
    ScaleValueByZoom(unit.cy, zoom);
    pDC->LPtoDP(&unit);
    const int m = AbsInt(unit.cy);
    const int below = (zoom < kLargeZoom ? 3 : 2) * m;
    if (part == PART_NUMBER || part == PART_NAME) {
        device.right += 1;
        device.bottom += below;
    } else if (part == PART_KEY) {
        device.top -= 1;
        device.bottom += below;
    } else if (part == PART_DATA) {
        device.top -= 1;
        if (m_nCodeSampleCx >= kExampleBandForOverhang)
            device.bottom += below;
    } else {
        device.top -= zoom < kLargeZoom ? 2 * m : 1;
    }

    auto opened =
        std::make_unique<CFloatEdit>(CFloatEdit::ALIGN_LEFT, device, parent, controlId, part != PART_NUMBER, TRUE);
    if (!opened->GetSafeHwnd())
        return FALSE;
    LOGFONT editFont = *font;
    editFont.lfHeight = FontHeightToDevice(pDC, font->lfHeight);
    ScaleValueByZoom(editFont.lfHeight, zoom);
    if (!opened->SetEditFont(editFont))
        return FALSE;
    CString text;
    switch (part) {
    case PART_NUMBER: text = m_strNumber; break;
    case PART_NAME: text = Shown(m_strName, editFlags, kFlagName, partRect, *font); break;
    case PART_KEY: text = Shown(m_strKeyText, editFlags, kFlagKey, partRect, *font); break;
    case PART_DATA: text = Shown(m_strDataText, editFlags, kFlagData, partRect, *font); break;
    default: text = Shown(m_strCodeSample, editFlags, kFlagExamples, partRect, *font); break;
    }
    opened->SetText(text);
    opened->SetFocus();
    editor = opened.release();
    m_dwEditedPart = hitCode;
    return TRUE;
}

BOOL CFileComp::EndEdit(CFloatEdit*& editor, DWORD editFlags)
{
    using namespace FileCompTextEdits;
    if (m_dwEditedPart & PART_NUM_IO_LABEL)
        return m_numIOSource.EndEdit(editor, editFlags);
    std::unique_ptr<CFloatEdit> closing(std::exchange(editor, nullptr));
    if (!closing || !closing->GetModify())
        return FALSE;
    const CString text = closing->GetText();
    if (m_dwEditedPart & PART_NUMBER) {
        if (text != m_strNumber)
            m_strNumber = text;
        m_wNumberState = 0;
    } else if (m_dwEditedPart & PART_NAME) {
        m_strName = Stored(text, editFlags, kFlagName);
    } else if (m_dwEditedPart & PART_KEY) {
        m_strKeyText = Stored(text, editFlags, kFlagKey);
    } else if (m_dwEditedPart & PART_DATA) {
        m_strDataText = Stored(text, editFlags, kFlagData);
    } else if (m_dwEditedPart & PART_EXAMPLE) {
        m_strCodeSample = Stored(text, editFlags, kFlagExamples);
    } else {
        return FALSE;
    }
    return TRUE;
}

BOOL CFileComp::IsKeyOrDataPart() const
{
    return !(m_dwEditedPart & PART_NUM_IO_LABEL) && (m_dwEditedPart & (PART_KEY | PART_DATA));
}

BOOL CFileComp::IsNamePart() const
{
    return !(m_dwEditedPart & PART_NUM_IO_LABEL) && (m_dwEditedPart & PART_NAME);
}

BOOL CFileComp::FindObjectText(const CString& findText, BOOL matchCase) const
{
    return AnyTextContains({&m_strNumber, &m_strName, &m_strKeyText, &m_strDataText, &m_strCodeSample}, findText,
                           matchCase) ||
           m_numIOSource.FindObjectText(findText, matchCase);
}

BOOL CFileComp::ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase)
{
    const BOOL texts = ReplaceInTexts({&m_strNumber, &m_strName, &m_strKeyText, &m_strDataText, &m_strCodeSample},
                                      findText, replacement, matchCase);
    const BOOL label = m_numIOSource.ReplaceObjectText(findText, replacement, matchCase);
    return texts || label;
}
