#include "foundation/PopupMenuPenStyle.h"

#include "foundation/CommandIds.h"

namespace {

// Labels by id - ID_PEN_SOLID_THIN.
constexpr const char8_t* kPenStyleLabels[] = {u8"実線(細)", u8"破線",     u8"点線",    u8"1点鎖線",
                                              u8"2点鎖線",  u8"実線(中)", u8"実線(太)"};
constexpr UINT kPenStyleOrder[] = {ID_PEN_SOLID_THIN, ID_PEN_SOLID_MEDIUM, ID_PEN_SOLID_THICK, ID_PEN_DOT,
                                   ID_PEN_DASH,       ID_PEN_DASHDOT,      ID_PEN_DASHDOTDOT};

} // namespace

CString CPopupMenuPenStyle::GetLabel(UINT id)
{
    if (id < ID_PEN_SOLID_THIN || id > ID_PEN_SOLID_THICK)
        return CString();
    return CString(kPenStyleLabels[id - ID_PEN_SOLID_THIN]);
}

void CPopupMenuPenStyle::BuildPenStyleMenu()
{
    CreatePopupMenu();
    for (UINT id : kPenStyleOrder)
        AppendMenu(MF_OWNERDRAW, id, GetLabel(id));
}
