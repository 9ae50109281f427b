// CRelLineObj: the arrow's right-click menus, the check and enable states of its commands, its
// attribute commands and its own operations. The kind and main-arrow commands reach the model's
// rules through the document before the arrow sees them; the settings dialogs likewise.
#include "model/RelLineObj.h"

#include "foundation/ColorItemList.h"
#include "foundation/CommandIds.h"
#include "foundation/PopupMenu.h"
#include "model/RelationGraph.h"
#include "objects/ObjectMenus.h"
#include "objects/SwitchArgument.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/Menu.h"

#include <iterator>
#include <memory>
#include <utility>

namespace rellinecommands {

constexpr PopupMenuItem kKindItems[] = {
    // clang-format off
    {MF_STRING, ID_REL_KIND_ONE_TO_MANY, u8"1:N"},
    {MF_STRING, ID_REL_KIND_SUBTYPE, u8"ｻﾌﾞﾀｲﾌﾟ"},
    {MF_STRING, ID_REL_KIND_SUBSTRUCTURE, u8"ｻﾌﾞｽﾄﾗｸﾁｬ"},
    {MF_STRING, ID_REL_KIND_SUPERTYPE, u8"ｽｰﾊﾟﾀｲﾌﾟ"},
    // clang-format on
};

constexpr PopupMenuItem kCardinalityItems[] = {
    // clang-format off
    {MF_STRING, ID_REL_CARDINALITY_ZERO_OR_MORE, u8"Zero, One or More"},
    {MF_STRING, ID_REL_CARDINALITY_ONE_OR_MORE, u8"One or More (P)"},
    {MF_STRING, ID_REL_CARDINALITY_ZERO_OR_ONE, u8"Zero or One (Z)"},
    {MF_STRING, ID_REL_CARDINALITY_CONSTANT, u8"定数"},
    // clang-format on
};

constexpr PopupMenuItem kOperationItems[] = {
    // clang-format off
    {MF_STRING, ID_OBJ_SNAP_TO_GRID, u8"ｸﾞﾘｯﾄﾞに配置"},
    {MF_STRING, ID_OP_LINE_ADJUST_POINTS, u8"点位置調整"},
    {MF_STRING, ID_OP_LINE_VERTICAL_CRANK, u8"1:N ｸﾗﾝｸ変形"},
    {MF_STRING, ID_OP_LINE_BREAK, u8"1:N 改行変形"},
    {MF_STRING, ID_OP_LINE_RIGHT_ANGLE, u8"直角変形"},
    {MF_STRING, ID_OP_LINE_STRAIGHTEN, u8"直線変形"},
    {MF_SEPARATOR, POPUP_SEPARATOR_ID, nullptr},
    {MF_STRING, ID_OBJ_PICK_START_CONNECTION, u8"開始点接続概念ﾌｧｲﾙ指定"},
    {MF_STRING, ID_OBJ_PICK_END_CONNECTION, u8"終了点接続概念ﾌｧｲﾙ指定"},
    // clang-format on
};

template <std::size_t N>
std::unique_ptr<CMenu> MakeItemMenu(const PopupMenuItem (&items)[N])
{
    auto menu = std::make_unique<CPopupMenu>();
    menu->BuildFromItems(items, int(N));
    return menu;
}

void AppendItem(CMenu& menu, UINT id, const char8_t* text)
{
    menu.AppendMenu(MF_STRING, id, CString(text));
}

// The memo's entry reads as what choosing it does.
void AppendShowMemoItem(CMenu& menu, BOOL shown)
{
    AppendItem(menu, ID_REL_SHOW_MEMO, shown ? u8"矢線ﾃｷｽﾄの非表示" : u8"矢線ﾃｷｽﾄの表示");
}

// The settings of a subtype-kind arrow, as both the arrow menu and the item labels' menus list
// them, each item label entry worded by the given shown flags.
void AppendSubTypeItems(CMenu& menu, BOOL itemNameShown, BOOL itemValueShown)
{
    AppendItem(menu, ID_OBJ_SUBTYPE_DIALOG, u8"ｻﾌﾞﾀｲﾌﾟの設定ﾀﾞｲｱﾛｸﾞの表示...");
    AppendItem(menu, ID_REL_MAIN_ARROW, u8"ﾒｲﾝ矢線");
    AppendItem(menu, ID_REL_DEFINITE, u8"確定型ｻﾌﾞﾀｲﾌﾟ");
    menu.AppendMenu(MF_SEPARATOR);
    AppendItem(menu, ID_REL_SHOW_ITEM_NAME,
               itemNameShown ? u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目名の非表示" : u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目名の表示");
    AppendItem(menu, ID_REL_SHOW_ITEM_VALUE,
               itemValueShown ? u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値の非表示" : u8"ｻﾌﾞﾀｲﾌﾟﾃﾞｰﾀ項目値の表示");
    AppendItem(menu, ID_REL_SUBTYPE_FILL, u8"ｻﾌﾞﾀｲﾌﾟ条件の塗つぶし");
}

// A switch takes the value it carries; TRUE when the flag changed.
BOOL SetSwitch(BOOL& flag, CObject* argument)
{
    const BOOL value = IsSwitchOn(argument);
    if (!flag == !value)
        return FALSE;
    flag = value;
    return TRUE;
}

} // namespace rellinecommands

// --- The menus ----------------------------------------------------------------------------------

void CRelLineObj::ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected)
{
    using namespace rellinecommands;
    if (hitCode & HIT_PARTS) {
        PartContextMenu(screenPoint, view, hitCode, printMode, severalSelected);
        return;
    }
    if (IsHiddenIn(printMode))
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendPopup(MakeItemMenu(kKindItems), CString(u8"矢線種別"));
    if (IsOneToManyKind()) {
        menu.AppendMenu(MF_SEPARATOR);
        AppendItem(menu, ID_OBJ_ONE_TO_MANY_DIALOG, u8"1:N矢線の設定ﾀﾞｲｱﾛｸﾞの表示...");
        menu.AppendPopup(MakeItemMenu(kCardinalityItems), CString(u8"ｶｰﾃﾞｨﾅﾘﾃｨ"));
        AppendItem(menu, ID_REL_NULL_ALLOWED, u8"NULLを許す");
    }
    if (IsSubTypeKind()) {
        menu.AppendMenu(MF_SEPARATOR);
        AppendSubTypeItems(menu, m_bShowItemName, m_bShowItemValue);
    }
    menu.AppendMenu(MF_SEPARATOR);
    AppendShowMemoItem(menu, m_bShowMemo);
    AppendItem(menu, ID_REL_MEMO_FILL, u8"矢線ﾃｷｽﾄの塗つぶし");
    menu.AppendMenu(MF_SEPARATOR);
    AppendItem(menu, ID_SET_DEFAULT_ATTRIBUTES, u8"ﾃﾞｨﾌｫﾙﾄ属性に設定");
    AppendItem(menu, ID_COPY_DEFAULT_ATTRIBUTES, u8"ﾃﾞｨﾌｫﾙﾄ属性からｺﾋﾟｰ");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendPopup(MakeItemMenu(kOperationItems), CString(u8"操作"));

    auto other = std::make_unique<CMenu>();
    other->CreatePopupMenu();
    if (GetMark(LINEEND_END) != MARK_SMALL_ARROW)
        AppendItem(*other, ID_REL_SMALL_ARROWHEAD, u8"矢頭-小");
    else
        AppendItem(*other, ID_REL_LARGE_ARROWHEAD, u8"矢頭-大");
    AppendItem(*other, ID_END_FILLED_MARK, u8"矢頭-塗りつぶし");
    other->AppendMenu(MF_SEPARATOR);
    objectmenus::AppendPenMenus(*other);
    other->AppendPopup(objectmenus::MakeColorMenu(ID_TEXT_COLOR_BASE), CString(u8"文字の色"));
    menu.AppendPopup(std::move(other), CString(u8"その他"));
    objectmenus::TrackObjectMenu(menu, screenPoint, view);
}

void CRelLineObj::PartContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL)
{
    using namespace rellinecommands;
    if (IsHiddenIn(printMode))
        return;
    const DWORD part = hitCode & HIT_PARTS;
    CMenu menu;
    menu.CreatePopupMenu();
    if (part & PART_MEMO) {
        AppendShowMemoItem(menu, TRUE);
        AppendItem(menu, ID_REL_MEMO_FILL, u8"矢線ﾃｷｽﾄの塗つぶし");
    } else if (part & PART_ITEM_NAME) {
        AppendSubTypeItems(menu, m_bShowItemName, TRUE);
    } else if (part & PART_ITEM_VALUE) {
        AppendSubTypeItems(menu, TRUE, m_bShowItemValue);
    } else {
        return;
    }
    m_dwEditedPart = part;
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendPopup(objectmenus::MakeColorMenu(ID_TEXT_COLOR_BASE), CString(u8"文字の色"));
    objectmenus::TrackObjectMenu(menu, screenPoint, view);
}

// --- Check and enable state ---------------------------------------------------------------------

BOOL CRelLineObj::UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                                  BOOL severalSelected)
{
    const UINT id = cmdUI->m_nID;
    const BOOL single = !severalSelected;
    const BOOL oneToMany = IsOneToManyKind();
    const BOOL subType = IsSubTypeKind();
    // The switches show the current flag as their check mark: the view hands every selected object
    // its negation.
    switch (id) {
    case ID_REL_KIND_ONE_TO_MANY:
        cmdUI->SetCheck(oneToMany);
        cmdUI->Enable(single);
        return TRUE;
    case ID_REL_KIND_SUBTYPE:
    case ID_REL_KIND_SUBSTRUCTURE:
    case ID_REL_KIND_SUPERTYPE:
        cmdUI->SetCheck(m_wRelKind == id - (ID_REL_KIND_ONE_TO_MANY - 1));
        cmdUI->Enable(single && !IsSelfReference());
        return TRUE;
    case ID_REL_MAIN_ARROW:
        cmdUI->SetCheck(m_bMainArrow);
        cmdUI->Enable(single && subType && !m_bMainArrow && document &&
                      RelationGraph::IsRelLineBetweenFiles(*document, *this));
        return TRUE;
    case ID_REL_SHOW_MEMO:
        cmdUI->SetCheck(m_bShowMemo);
        cmdUI->Enable(TRUE);
        return TRUE;
    case ID_REL_MEMO_FILL:
        cmdUI->SetCheck(m_memo.GetFill());
        cmdUI->Enable(m_bShowMemo);
        return TRUE;
    case ID_REL_SHOW_ITEM_NAME:
    case ID_REL_SHOW_ITEM_VALUE:
        cmdUI->SetCheck(id == ID_REL_SHOW_ITEM_NAME ? m_bShowItemName : m_bShowItemValue);
        cmdUI->Enable(single && subType);
        return TRUE;
    case ID_REL_SUBTYPE_FILL:
        cmdUI->SetCheck(m_itemValue.GetFill());
        cmdUI->Enable(m_bShowItemName || m_bShowItemValue);
        return TRUE;
    case ID_REL_NULL_ALLOWED:
        cmdUI->SetCheck(m_bNullAllowed);
        cmdUI->Enable(oneToMany);
        return TRUE;
    case ID_REL_DEFINITE:
        cmdUI->SetCheck(m_bDefinite);
        cmdUI->Enable(subType);
        return TRUE;
    case ID_REL_CARDINALITY_ZERO_OR_MORE:
    case ID_REL_CARDINALITY_ONE_OR_MORE:
    case ID_REL_CARDINALITY_ZERO_OR_ONE:
    case ID_REL_CARDINALITY_CONSTANT:
        cmdUI->SetCheck(m_wCardinality == id - (ID_REL_CARDINALITY_ZERO_OR_MORE - 1));
        cmdUI->Enable(oneToMany);
        return TRUE;
    case ID_END_FILLED_MARK:
        cmdUI->SetCheck(IsFilledMark(LINEEND_END));
        cmdUI->Enable(oneToMany);
        return TRUE;
    case ID_REL_LARGE_ARROWHEAD:
    case ID_REL_SMALL_ARROWHEAD:
    case ID_OBJ_PICK_START_CONNECTION:
    case ID_OBJ_PICK_END_CONNECTION:
    case ID_OBJ_ONE_TO_MANY_DIALOG: cmdUI->Enable(oneToMany); return TRUE;
    case ID_OP_LINE_VERTICAL_CRANK:
    case ID_OP_LINE_BREAK: cmdUI->Enable(oneToMany && single && !IsSelfReference()); return TRUE;
    case ID_OP_LINE_STRAIGHTEN: cmdUI->Enable(oneToMany && single && !IsSelfReference() && GetCount() > 2); return TRUE;
    case ID_OP_LINE_RIGHT_ANGLE: cmdUI->Enable(m_wRelKind == KIND_SUBTYPE && single); return TRUE;
    case ID_OBJ_SUBTYPE_DIALOG: cmdUI->Enable(subType); return TRUE;
    default: break;
    }
    if (objectmenus::InColorMenu(id, ID_TEXT_COLOR_BASE)) {
        objectmenus::UpdateColorCheck(cmdUI, m_memo.GetTextColor(), ID_TEXT_COLOR_BASE);
        return TRUE;
    }
    return CPolyObj::UpdateCommandUI(cmdUI, document, hitCode, printMode, severalSelected);
}

// --- Attribute commands -------------------------------------------------------------------------

BOOL CRelLineObj::ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode)
{
    using rellinecommands::SetSwitch;
    if (objectmenus::IsColorCommand(commandId, ID_TEXT_COLOR_BASE))
        return ApplyLabelColorCommand(commandId, argument);
    const BOOL on = IsSwitchOn(argument);
    switch (commandId) {
    case ID_REL_KIND_ONE_TO_MANY:
    case ID_REL_KIND_SUBTYPE:
    case ID_REL_KIND_SUBSTRUCTURE:
    case ID_REL_KIND_SUPERTYPE:
    case ID_REL_MAIN_ARROW:
        // Only the document's rules may change the kind or the main role: they keep the relation
        // graph free of loops and each file with one main arrow.
        return FALSE;
    case ID_REL_LARGE_ARROWHEAD:
    case ID_REL_SMALL_ARROWHEAD: {
        const WORD mark = commandId == ID_REL_LARGE_ARROWHEAD ? MARK_ARROW : MARK_SMALL_ARROW;
        if (!IsOneToManyKind() || GetMark(LINEEND_END) == mark)
            return FALSE;
        SetMark(LINEEND_END, mark);
        return TRUE;
    }
    case ID_END_FILLED_MARK:
        if (!IsOneToManyKind() || (on ? IsFilledMark(LINEEND_END) : IsLineMark(LINEEND_END)))
            return FALSE;
        if (on)
            SetFilledMark(LINEEND_END);
        else
            SetLineMark(LINEEND_END);
        return TRUE;
    case ID_REL_SUBTYPE_FILL:
        if (!m_itemValue.GetFill() == !on)
            return FALSE;
        m_itemName.SetFill(on);
        m_itemValue.SetFill(on);
        return TRUE;
    case ID_REL_SHOW_MEMO:
        if (!m_bShowMemo == !on)
            return FALSE;
        ShowLabel(PART_MEMO, on);
        return TRUE;
    case ID_REL_MEMO_FILL:
        if (!m_memo.GetFill() == !on)
            return FALSE;
        m_memo.SetFill(on);
        return TRUE;
    case ID_REL_SHOW_ITEM_NAME:
    case ID_REL_SHOW_ITEM_VALUE: {
        // The item labels belong to the discriminator: an arrow of another kind keeps them hidden.
        const DWORD part = commandId == ID_REL_SHOW_ITEM_NAME ? PART_ITEM_NAME : PART_ITEM_VALUE;
        if (!IsSubTypeKind() || !IsLabelShown(part) == !on)
            return FALSE;
        ShowLabel(part, on);
        return TRUE;
    }
    case ID_REL_NULL_ALLOWED: return IsOneToManyKind() && SetSwitch(m_bNullAllowed, argument);
    case ID_REL_DEFINITE: return IsSubTypeKind() && SetSwitch(m_bDefinite, argument);
    case ID_REL_CARDINALITY_ZERO_OR_MORE:
    case ID_REL_CARDINALITY_ONE_OR_MORE:
    case ID_REL_CARDINALITY_ZERO_OR_ONE:
    case ID_REL_CARDINALITY_CONSTANT: {
        const WORD cardinality = WORD(commandId - (ID_REL_CARDINALITY_ZERO_OR_MORE - 1));
        if (!IsOneToManyKind() || m_wCardinality == cardinality)
            return FALSE;
        m_wCardinality = cardinality;
        return TRUE;
    }
    default: return CPolyObj::ApplyAttributeCommand(commandId, argument, hitCode);
    }
}

BOOL CRelLineObj::ApplyLabelColorCommand(UINT commandId, CObject* argument)
{
    const COLORREF current = m_memo.GetTextColor();
    COLORREF color = current;
    if (commandId == ID_TEXT_COLOR_BASE + COLOR_MENU_FROM_OBJECT) {
        const CRelLineObj* source = DYNAMIC_DOWNCAST(CRelLineObj, argument);
        if (!source)
            return FALSE;
        color = source->m_memo.GetTextColor();
    } else {
        CColorItemList* palette = objectmenus::Palette();
        if (!palette || !palette->SelectColorByCommandId(commandId, ID_TEXT_COLOR_BASE,
                                                         ID_TEXT_COLOR_BASE + COLOR_MENU_DIALOG, current, color))
            return FALSE;
    }
    if (color == current)
        return FALSE;
    for (CStrgObj* label : {&m_memo, &m_itemName, &m_itemValue})
        label->SetTextColor(color);
    return TRUE;
}

// --- Operations ---------------------------------------------------------------------------------

BOOL CRelLineObj::ApplyShapeOperation(UINT commandId, DWORD argumentA, UINT_PTR argumentB)
{
    switch (commandId) {
    // An arrow always joins two files.
    case ID_OBJ_CLEAR_START_CONNECTION:
    case ID_OBJ_CLEAR_END_CONNECTION: return FALSE;
    // The arrow whose settings are taken over comes by id, which only the document resolves
    // (CopyKindSettings).
    case ID_OBJ_COPY_SUBTYPE_SETTINGS:
    case ID_OBJ_COPY_ONE_TO_MANY_SETTINGS: return FALSE;
    // Moving the whole arrow takes its labels along already.
    case ID_OBJ_SNAP_TO_GRID: return CPolyObj::ApplyShapeOperation(commandId, argumentA, argumentB);
    default: break;
    }
    const CPoint oldStart = GetStartPoint();
    const CPoint oldEnd = GetEndPoint();
    const BOOL changed = CPolyObj::ApplyShapeOperation(commandId, argumentA, argumentB);
    if (changed)
        RepositionLabels(oldStart, oldEnd);
    return changed;
}

BOOL CRelLineObj::CopyKindSettings(UINT commandId, const CRelLineObj& source)
{
    if (&source == this)
        return FALSE;
    if (commandId == ID_OBJ_COPY_ONE_TO_MANY_SETTINGS) {
        if (!IsOneToManyKind() || !source.IsOneToManyKind())
            return FALSE;
        const BOOL changed = m_wCardinality != source.m_wCardinality || m_nConstant != source.m_nConstant ||
                             !m_bNullAllowed != !source.m_bNullAllowed;
        m_wCardinality = source.m_wCardinality;
        m_nConstant = source.m_nConstant;
        m_bNullAllowed = source.m_bNullAllowed;
        return changed;
    }
    if (commandId != ID_OBJ_COPY_SUBTYPE_SETTINGS || !IsSubTypeKind() || !source.IsSubTypeKind())
        return FALSE;
    auto sameTexts = [&] {
        for (int i = 0; i < 3; ++i)
            if (m_strRefTexts[i] != source.m_strRefTexts[i])
                return FALSE;
        return TRUE;
    };
    const BOOL changed = !m_bDefinite != !source.m_bDefinite || m_wDiscriminatorForm != source.m_wDiscriminatorForm ||
                         m_wDiscriminatorFile != source.m_wDiscriminatorFile ||
                         m_wDiscriminatorItem != source.m_wDiscriminatorItem || !sameTexts() ||
                         m_wRefNumbers[0] != source.m_wRefNumbers[0] || m_wRefNumbers[1] != source.m_wRefNumbers[1] ||
                         m_strRefString != source.m_strRefString || m_wRefItem != source.m_wRefItem ||
                         m_itemName.GetText() != source.m_itemName.GetText();
    m_bDefinite = source.m_bDefinite;
    m_wDiscriminatorForm = source.m_wDiscriminatorForm;
    m_wDiscriminatorFile = source.m_wDiscriminatorFile;
    m_wDiscriminatorItem = source.m_wDiscriminatorItem;
    for (int i = 0; i < 3; ++i)
        m_strRefTexts[i] = source.m_strRefTexts[i];
    m_wRefNumbers[0] = source.m_wRefNumbers[0];
    m_wRefNumbers[1] = source.m_wRefNumbers[1];
    m_strRefString = source.m_strRefString;
    m_wRefItem = source.m_wRefItem;
    m_itemName.SetText(source.m_itemName.GetText());
    return changed;
}
