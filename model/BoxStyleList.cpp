#include "model/BoxStyleList.h"

#include "foundation/ListElements.h"

#include "platform/ui/Controls.h"

namespace BoxStyleList {

// The file types of the XJ model diagram by mark id; null: the mark keeps its mark name and is not
// offered.
const char8_t* const kModelDiagramNames[BOXSTYLE_MARK_COUNT] = {
    nullptr, u8"ｵｶﾚﾝｽ･ﾘｿｰｽ", u8"ｲﾍﾞﾝﾄ",     u8"在庫",        u8"要約", u8"断面",      u8"計画･要約",
    nullptr, u8"ﾀｲﾌﾟ･ﾘｿｰｽ",  nullptr,       nullptr,         nullptr,  u8"断面･要約", nullptr,
    nullptr, u8"関連ﾘｿｰｽ",   u8"異動ｲﾍﾞﾝﾄ", nullptr,         u8"契約", nullptr,       nullptr,
    nullptr, nullptr,        u8"演算",      u8"簡易ｻﾌﾞﾀｲﾌﾟ",
};

} // namespace BoxStyleList

BOOL CBoxStyleList::AddBoxStyleDirect(CBoxStyle* style)
{
    return AddOwnedTail(*this, style, "CBoxStyleList::AddBoxStyleDirect");
}

BOOL CBoxStyleList::AddBoxStyleCopy(const CBoxStyle& style)
{
    CBoxStyle* copy = NewElementCopy(style, "CBoxStyleList::AddBoxStyleDirect");
    return copy && AddBoxStyleDirect(copy);
}

int CBoxStyleList::LoadFromProfile()
{
    for (WORD mark = 0; mark < BOXSTYLE_MARK_COUNT; ++mark)
        if (!AddBoxStyleCopy(CBoxStyle(mark)))
            return 0;
    return BOXSTYLE_MARK_COUNT;
}

int CBoxStyleList::ReloadFromProfile()
{
    DeleteAllElements(*this);
    return LoadFromProfile();
}

BOOL CBoxStyleList::SaveToProfile(BOOL force)
{
    BOOL saved = TRUE;
    for (POSITION pos = GetHeadPosition(); pos;)
        if (!GetNext(pos)->SaveToProfile(force))
            saved = FALSE;
    return saved;
}

WORD CBoxStyleList::FindIdByUserName(const char* name) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CBoxStyle* style = GetNext(pos);
        if (style->IsUserName(name))
            return style->GetMarkId();
    }
    return 0;
}

BOOL CBoxStyleList::ApplyModelDiagramPreset()
{
    DeleteAllElements(*this);
    for (WORD mark = 0; mark < BOXSTYLE_MARK_COUNT; ++mark) {
        const CString markName = CBoxStyle::MarkNameOf(mark);
        const char8_t* userName = BoxStyleList::kModelDiagramNames[mark];
        const CBoxStyle preset(mark, markName, userName ? CString(userName) : markName, userName ? 1 : 0, 1);
        if (!AddBoxStyleCopy(preset))
            return FALSE;
    }
    return TRUE;
}

int CBoxStyleList::FillCombo(CComboBox* combo, bool shownUserNames) const
{
    combo->ResetContent();
    int visited = 0;
    int added = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CBoxStyle* style = GetNext(pos);
        ++visited;
        if (shownUserNames && !style->GetShown())
            continue;
        if (!AddElementComboRow(combo, shownUserNames ? style->GetUserName() : style->GetMarkName(), style, "BoxStyle"))
            return 0;
        ++added;
    }
    return shownUserNames ? visited : added;
}

int CBoxStyleList::FillMarkNameCombo(CComboBox* combo) const
{
    return FillCombo(combo, false);
}

int CBoxStyleList::FillShownUserNameCombo(CComboBox* combo) const
{
    return FillCombo(combo, true);
}

void CBoxStyleList::SelectComboByMarkId(CComboBox* combo, WORD markId) const
{
    const int rows = markId == 0 ? 0 : combo->GetCount();
    for (int row = 0; row < rows; ++row) {
        const auto* style = reinterpret_cast<const CBoxStyle*>(combo->GetItemData(row));
        if (style && style->GetMarkId() == markId) {
            combo->SetCurSel(row);
            return;
        }
    }
    combo->SetCurSel(-1);
}

CBoxStyle* CBoxStyleList::GetComboSelection(CComboBox* combo)
{
    const int row = combo->GetCurSel();
    return row < 0 ? nullptr : reinterpret_cast<CBoxStyle*>(combo->GetItemData(row));
}
