#include "model/DataComp.h"

#include "foundation/CommandIds.h"
#include "foundation/DataMediaSymbols.h"
#include "foundation/Geometry.h"
#include "foundation/PopupMenu.h"
#include "foundation/PopupMenuDataMediaDraw.h"
#include "foundation/PopupMenuDataMediaFile.h"
#include "foundation/PopupMenuDataMediaIn.h"
#include "foundation/PopupMenuDataMediaMisc.h"
#include "foundation/PopupMenuDataMediaOut.h"
#include "foundation/PopupMenuDataMediaParm.h"
#include "foundation/PopupMenuDataMediaStorage.h"
#include "foundation/Trackers.h"
#include "objects/FloatEdit.h"
#include "objects/ObjectMenus.h"
#include "platform/ui/Menu.h"

#include <memory>

IMPLEMENT_SERIAL(CDataComp, CMediaComp, 1)

namespace datacomp {

constexpr DWORD kExportDataSymbols = 2;
constexpr WORD kLastMediaKind = 51;
// The media whose text is edited left-aligned.
constexpr WORD kLeftAlignedMedia[] = {48, 49};

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OBJ_SQUARE_BY_HEIGHT, u8"高さで正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_WIDTH, u8"幅で正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_LONGER, u8"長辺で正方形"},
    {MF_STRING, ID_OBJ_SQUARE_BY_SHORTER, u8"短辺で正方形"},
    {MF_STRING, ID_OBJ_STANDARD_SIZE, u8"標準ｻｲｽﾞ"},
    // clang-format on
};

template <class Menu>
void AppendMediaGroup(CMenu& menu, const char8_t* label)
{
    auto group = std::make_unique<Menu>();
    group->BuildMediaMenu();
    menu.AppendPopup(std::move(group), CString(label));
}

} // namespace datacomp

CDataComp::CDataComp() : CDataComp(0, CRect()) {}

CDataComp::CDataComp(WORD objectId, const CRect& rect) : CMediaComp(OBJKIND_DATACOMP, objectId, rect) {}

CDataComp::CDataComp(const CDataComp& other) : CMediaComp(other)
{
    EnforceMinimumSize();
}

CString& CDataComp::GetTypeName(CString& name) const
{
    name = CString(u8"ﾃﾞｰﾀ ｵﾌﾞｼﾞｪｸﾄ");
    return name;
}

CString& CDataComp::GetProfileSection(CString& section) const
{
    section = "DataComp Properties";
    return section;
}

void CDataComp::DrawPictogram(CDC* pDC, int zoom, const LOGFONT& font, DWORD displayOptions) const
{
    DrawDataMediaSymbol(pDC, zoom, m_strName, m_strText, m_rect.TopLeft(), GetSize(), m_wMediaId, FALSE, m_crPen,
                        m_crFont, font, displayOptions);
}

DWORD CDataComp::FindTextPart(const CRect& box, int band, POINT point) const
{
    const int edge = HANDLE_HALF_SIZE;
    if (PointInRectWithTolerance(CRect(box.left + band, box.top - edge, box.right - band, box.top - band + edge), point,
                                 0))
        return PART_TOP_BAND;
    if (PointInRectWithTolerance(CRect(box.left + band, box.top - band - edge, box.right - band, box.bottom + edge),
                                 point, 0))
        return PART_MIDDLE;
    return 0;
}

CPoint& CDataComp::GetConnectionPoint(CPoint& out, POINT point) const
{
    return CBaseObj::GetConnectionPoint(out, point);
}

BOOL CDataComp::IsExportKind(DWORD exportOptions) const
{
    return (exportOptions & datacomp::kExportDataSymbols) != 0;
}

UINT CDataComp::GetMediaCommandBase() const
{
    return ID_DATA_MEDIA_BASE;
}

WORD CDataComp::GetLastMediaKind() const
{
    return datacomp::kLastMediaKind;
}

CString* CDataComp::GetPartText(DWORD part)
{
    if (part & PART_TOP_BAND)
        return &m_strName;
    if (part & PART_MIDDLE)
        return &m_strText;
    return nullptr;
}

void CDataComp::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD, BOOL printMode, BOOL)
{
    using datacomp::AppendMediaGroup;
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendPopup(objectmenus::MakeColorMenu(ID_PEN_COLOR_BASE), CString(u8"線の色"));
    menu.AppendPopup(objectmenus::MakeColorMenu(ID_TEXT_COLOR_BASE), CString(u8"文字の色"));
    menu.AppendMenu(MF_SEPARATOR);
    AppendMediaGroup<CPopupMenuDataMediaFile>(menu, u8"ﾃﾞｰﾀﾍﾞｰｽ");
    AppendMediaGroup<CPopupMenuDataMediaParm>(menu, u8"ﾌｧｲﾙ");
    AppendMediaGroup<CPopupMenuDataMediaStorage>(menu, u8"外部記憶装置");
    AppendMediaGroup<CPopupMenuDataMediaOut>(menu, u8"帳票･画面");
    AppendMediaGroup<CPopupMenuDataMediaIn>(menu, u8"入力");
    AppendMediaGroup<CPopupMenuDataMediaDraw>(menu, u8"図形");
    AppendMediaGroup<CPopupMenuDataMediaMisc>(menu, u8"その他");
    AppendDefaultsAndOperations(menu, datacomp::kOperationItems);
    TrackObjectMenu(menu, screenPoint, view);
}

BOOL CDataComp::BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                          const LOGFONT* font, DWORD)
{
    m_dwEditedPart = 0;
    if (!(hitCode & HIT_SHAPE_HANDLE) || zoom < modelobjects::MIN_EDIT_ZOOM)
        return FALSE;
    const EditMetrics m = GetEditMetrics(zoom);
    modelobjects::EditArea area;
    area.alignment = CFloatEdit::ALIGN_CENTER;
    if (hitCode & PART_TOP_BAND) {
        area.zoomed = CRect(m.box.left + m.mx / 2, m.box.top, m.box.right - m.mx / 2, m.box.top - m.band - m.below);
        hitCode &= ~(PART_MIDDLE | PART_BOTTOM_BAND);
    } else if (hitCode & PART_MIDDLE) {
        area.zoomed = CRect(m.box.left + m.mx / 2, m.box.top - m.band, m.box.right - m.mx / 2, m.box.bottom);
        area.growBottom = 1;
        area.multiLine = TRUE;
        for (const WORD media : datacomp::kLeftAlignedMedia)
            if (m_wMediaId == media)
                area.alignment = CFloatEdit::ALIGN_LEFT;
    } else {
        return FALSE;
    }
    return OpenPartEditor(pDC, zoom, area, editor, parent, controlId, hitCode, font);
}
