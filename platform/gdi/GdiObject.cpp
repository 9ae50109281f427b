#include "platform/gdi/GdiObject.h"

#include "platform/afx/String.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

#include <cstring>

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_data)
        return FALSE;
    if (m_data->Owner() == this)
        m_data->SetOwner(nullptr);
    m_data.reset();
    return TRUE;
}

void CGdiObject::Adopt(std::shared_ptr<GdiObjectData> data)
{
    DeleteObject();
    data->SetOwner(this);
    m_data = std::move(data);
}

BOOL CGdiObject::CreateStockObject(int index)
{
    HGDIOBJ stock = GetStockObject(index);
    if (!stock)
        return FALSE;
    DeleteObject();
    m_data = stock->shared_from_this();
    return TRUE;
}

namespace GdiStock {

LOGFONT MakeFont(LONG height, LONG weight, const CString& face)
{
    LOGFONT font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::strncpy(font.lfFaceName, face.GetString(), LF_FACESIZE - 1);
    return font;
}

// The stock objects live for the whole program; their wrappers are what SelectObject hands back.
struct Table
{
    CBrush white{RGB(255, 255, 255)};
    CBrush lightGray{RGB(192, 192, 192)};
    CBrush gray{RGB(128, 128, 128)};
    CBrush darkGray{RGB(64, 64, 64)};
    CBrush black{RGB(0, 0, 0)};
    CBrush null;
    CPen whitePen{PS_SOLID, 0, RGB(255, 255, 255)};
    CPen blackPen{PS_SOLID, 0, RGB(0, 0, 0)};
    CPen nullPen{PS_NULL, 0, RGB(0, 0, 0)};
    CFont systemFont;
    CFont guiFont;

    Table()
    {
        LOGBRUSH hollow{BS_NULL, 0, 0};
        null.CreateBrushIndirect(&hollow);
        LOGFONT system = MakeFont(16, FW_BOLD, CString("System"));
        systemFont.CreateFontIndirect(&system);
        LOGFONT gui = MakeFont(-12, FW_NORMAL, CString(u8"ＭＳ Ｐゴシック"));
        guiFont.CreateFontIndirect(&gui);
    }
};

const Table& Objects()
{
    static const Table table;
    return table;
}

} // namespace GdiStock

HGDIOBJ GetStockObject(int index)
{
    const GdiStock::Table& stock = GdiStock::Objects();
    switch (index) {
    case WHITE_BRUSH: return stock.white;
    case LTGRAY_BRUSH: return stock.lightGray;
    case GRAY_BRUSH: return stock.gray;
    case DKGRAY_BRUSH: return stock.darkGray;
    case BLACK_BRUSH: return stock.black;
    case NULL_BRUSH: return stock.null;
    case WHITE_PEN: return stock.whitePen;
    case BLACK_PEN: return stock.blackPen;
    case NULL_PEN: return stock.nullPen;
    case SYSTEM_FONT: return stock.systemFont;
    case DEFAULT_GUI_FONT: return stock.guiFont;
    default: return nullptr;
    }
}
