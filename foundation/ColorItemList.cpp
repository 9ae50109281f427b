#include "foundation/ColorItemList.h"

#include "foundation/Csv.h"
#include "foundation/ErrorReport.h"
#include "foundation/ListElements.h"
#include "foundation/RegItemObj.h"

#include "platform/afx/Exception.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StdioFile.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/ColorDialog.h"

#include <cstdlib>
#include <memory>

namespace ColorItemList {

constexpr const char* kCountEntry = "NumColorItem";

struct DefaultColor
{
    COLORREF color;
    const char8_t* name;
};

const DefaultColor kDefaults[16] = {
    // clang-format off
    {0x000000, u8"黒"},   {0xFF0000, u8"青"},     {0xFFFF00, u8"水色"}, {0x00FF00, u8"黄緑"},
    {0xFF00FF, u8"明るい紫"}, {0x0000FF, u8"赤"}, {0x00FFFF, u8"黄"},   {0xFFFFFF, u8"白"},
    {0x800000, u8"濃紺"}, {0x808000, u8"緑青"},   {0x008000, u8"緑"},   {0x800080, u8"紫"},
    {0x828282, u8"灰色"}, {0xC0C0C0, u8"銀"},     {0x000080, u8"最近使った色"}, {0x008080, u8"最近使った色"},
    // clang-format on
};
constexpr int kFirstDefaultRecent = 14;

// The stored item count, held within the 16-bit ids the items are keyed by.
int StoredCount()
{
    const CRegItemObj stored(COLORITEM_SECTION, kCountEntry, 0, REGITEM_NO_WRITEBACK);
    return std::clamp(stored.GetIntValue(), 0, 0xFFFF);
}

void RemoveItemKey(WORD id)
{
    CString key;
    key.Format("%u", unsigned(id));
    CRegItemObj carrier(COLORITEM_SECTION, key, "", WORD(REGITEM_NO_LOAD | REGITEM_NO_WRITEBACK));
    carrier.SetDeleteFlag(TRUE);
    carrier.SaveSetting();
}

BOOL WriteCount(int count)
{
    CRegItemObj carrier(COLORITEM_SECTION, kCountEntry, count, WORD(REGITEM_NO_LOAD | REGITEM_NO_WRITEBACK));
    return carrier.SaveSetting();
}

int StopImport(const char8_t* format, int line)
{
    CString message;
    message.Format(CString(format), line);
    AfxMessageBox(message, MB_OK);
    return -1;
}

} // namespace ColorItemList

BOOL CColorItemList::AddColorItemDirect(CColorItem* item)
{
    return AddOwnedTail(*this, item, "CColorItemList::AddColorItemDirect");
}

BOOL CColorItemList::AddColorItemDirectHead(CColorItem* item)
{
    return AddOwnedHead(*this, item, "CColorItemList::AddColorItemDirectHead");
}

int CColorItemList::InsertBeforeColorItemByPos(CColorItem* item, int index)
{
    const POSITION pos = FindIndex(index);
    if (!pos)
        return AddColorItemDirectHead(item) ? 0 : -1;
    return InsertOwnedBefore(*this, pos, item, "CColorItemList::InsertBeforeColorItemByPos") ? index : -1;
}

int CColorItemList::MoveColorItemPosByIndex(int from, int to)
{
    return MoveElementByIndex(*this, from, to, "CColorItemList::MoveColorItemPosByIndex");
}

BOOL CColorItemList::RemoveColorItemAt(int index)
{
    const POSITION pos = FindIndex(index);
    if (!pos)
        return FALSE;
    CColorItem* item = GetAt(pos);
    RemoveAt(pos);
    delete item;
    return TRUE;
}

CColorItem* CColorItemList::FindColorItemById(WORD id) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CColorItem* item = GetNext(pos);
        if (item->GetId() == id)
            return item;
    }
    return nullptr;
}

int CColorItemList::FindColorIndex(COLORREF color) const
{
    return FindColorIndexFrom(0, color);
}

int CColorItemList::FindColorIndexFrom(int start, COLORREF color) const
{
    if (start < 0)
        return -1;
    int index = start;
    for (POSITION pos = FindIndex(start); pos; ++index)
        if (GetNext(pos)->GetColor() == color)
            return index;
    return -1;
}

int CColorItemList::RenumberColorItemIds()
{
    WORD id = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        GetNext(pos)->SetId(++id);
    return int(GetCount());
}

int CColorItemList::SetRecentColorFrom(int index)
{
    int i = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++i)
        GetNext(pos)->SetRecentFlag(index >= 0 && i >= index ? 1 : 0);
    return int(GetCount());
}

int CColorItemList::GetFirstRecentColorIndex() const
{
    int i = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++i)
        if (GetNext(pos)->GetRecentFlag())
            return i;
    return -1;
}

int CColorItemList::FindMisnamedRecentColor() const
{
    const int first = GetFirstRecentColorIndex();
    if (first < 0)
        return -1;
    const CString recentName = RecentColorName();
    int i = first;
    for (POSITION pos = FindIndex(first); pos; ++i)
        if (GetNext(pos)->GetMenuName() != recentName)
            return i;
    return -1;
}

int CColorItemList::FindOrdinaryNamedRecent() const
{
    const int first = GetFirstRecentColorIndex();
    const int end = first < 0 ? int(GetCount()) : first;
    const CString recentName = RecentColorName();
    int i = 0;
    for (POSITION pos = GetHeadPosition(); pos && i < end; ++i)
        if (GetNext(pos)->GetMenuName() == recentName)
            return i;
    return -1;
}

int CColorItemList::ResetRecentColorNames()
{
    const int first = GetFirstRecentColorIndex();
    if (first < 0)
        return -1;
    const CString recentName = RecentColorName();
    for (POSITION pos = FindIndex(first); pos;)
        GetNext(pos)->SetMenuName(recentName);
    return first;
}

BOOL CColorItemList::AddColorItemCopy(const CColorItem* item)
{
    return AddColorItemDirect(new CColorItem(*item));
}

int CColorItemList::AppendColorItemCopies(const CColorItemList& other)
{
    // Counted before the first append, so a list copied onto itself doubles once.
    const int count = int(other.GetCount());
    POSITION pos = other.GetHeadPosition();
    for (int i = 0; i < count; ++i) {
        if (!AddColorItemCopy(other.GetNext(pos))) {
            DeleteAllElements(*this);
            return -1;
        }
    }
    return count;
}

int CColorItemList::CopyColorItemList(const CColorItemList& other)
{
    if (&other == this)
        return int(GetCount());
    DeleteAllElements(*this);
    return AppendColorItemCopies(other);
}

int CColorItemList::CreateDefaultColorItems()
{
    try {
        DeleteAllElements(*this);
        WORD id = 0;
        for (const auto& entry : ColorItemList::kDefaults) {
            const int recent = id >= ColorItemList::kFirstDefaultRecent ? 1 : 0;
            auto item = std::make_unique<CColorItem>(WORD(id + 1), entry.color, CString(entry.name), recent);
            AddTail(item.get());
            item.release();
            ++id;
        }
        return int(GetCount());
    } catch (...) {
        AfxMessageBox(CString(u8"色ｱｲﾃﾑのﾃﾞｨﾌｫﾙﾄ作成中にｴﾗｰが発生しました。"), MB_OK);
        return -1;
    }
}

int CColorItemList::ReadColorItemsFromReg()
{
    DeleteAllElements(*this);
    const int count = ColorItemList::StoredCount();
    for (int id = 1; id <= count; ++id)
        if (!AddColorItemDirect(new CColorItem(WORD(id))))
            return -1;
    return count;
}

BOOL CColorItemList::WriteColorItemsToReg() const
{
    // Every name is checked before anything is written, so a refused name leaves the stored palette whole.
    for (POSITION pos = GetHeadPosition(); pos;)
        if (!CColorItem::CheckNameForProfile(GetNext(pos)->GetMenuName()))
            return FALSE;
    const int count = int(GetCount());
    for (int id = ColorItemList::StoredCount(); id > count; --id)
        ColorItemList::RemoveItemKey(WORD(id));
    if (!ColorItemList::WriteCount(count))
        return FALSE;
    for (POSITION pos = GetHeadPosition(); pos;)
        if (!GetNext(pos)->WriteToReg())
            return FALSE;
    return TRUE;
}

int CColorItemList::ExportColorItemsCsv(CStdioFile& file) const
{
    for (POSITION pos = GetHeadPosition(); pos;)
        if (!CColorItem::CheckNameForCsv(GetNext(pos)->GetMenuName()))
            return -1;
    try {
        file.WriteString(CString(u8"\"色\",\"色名\",\"最近使った色\"\n"));
    } catch (const CFileException& e) {
        e.ReportError();
        return -1;
    }
    int lines = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++lines)
        if (!GetNext(pos)->WriteCsvRow(file))
            return -1;
    return lines;
}

int CColorItemList::ImportColorItemsCsv(CStdioFile& file)
{
    int appended = 0;
    try {
        CString line;
        for (int n = 1; file.ReadString(line) && !line.IsEmpty(); ++n) {
            std::vector<CString> fields;
            const int count = SplitCsvLine(line, fields);
            if (count == -1)
                return ColorItemList::StopImport(
                    u8"%d 行目のﾚｺｰﾄﾞの項目で読込み可能最大桁数の2048ﾊﾞｲﾄをｵｰﾊﾞｰした項目があるため、ｲﾝﾎﾟｰﾄ処理を中止します。",
                    n);
            if (count != 3)
                return ColorItemList::StopImport(
                    u8"%d 行目のﾚｺｰﾄﾞの項目数が色ｱｲﾃﾑのｲﾝﾎﾟｰﾄ用CSVﾌｧｲﾙの項目数である3項目ではないため、ｲﾝﾎﾟｰﾄ処理を中止します。",
                    n);
            if (fields[0].IsEmpty())
                return ColorItemList::StopImport(u8"%d 行目のﾚｺｰﾄﾞの色が指定されていないため、ｲﾝﾎﾟｰﾄ処理を中止します。",
                                                 n);
            if (n == 1 && fields[0] == CString(u8"色"))
                continue;
            if (fields[1].Find(',') >= 0)
                return ColorItemList::StopImport(
                    u8"%d 行目のﾚｺｰﾄﾞの色名にｶﾝﾏ(,)が含まれているため、ｲﾝﾎﾟｰﾄ処理を中止します。", n);
            const int recent = fields[2].MakeUpper() == "YES" ? 1 : 0;
            auto* item = new CColorItem(WORD(appended + 1), COLORREF(std::atol(fields[0])), fields[1], recent);
            if (!AddColorItemDirect(item))
                return -1;
            ++appended;
        }
    } catch (const CFileException& e) {
        e.ReportError();
        return -1;
    }
    return appended;
}

int CColorItemList::InsertColorMRU(COLORREF color)
{
    const int first = GetFirstRecentColorIndex();
    if (first < 0)
        return -1;
    const int found = FindColorIndexFrom(first, color);
    if (found == first)
        return first;
    if (found > first) {
        if (MoveColorItemPosByIndex(found, first) < 0)
            return -1;
        RenumberColorItemIds();
        return first;
    }
    try {
        auto item = std::make_unique<CColorItem>(WORD(0), color, RecentColorName(), 1);
        InsertBefore(FindIndex(first), item.get());
        item.release();
    } catch (...) {
        ReportCurrentException("CColorItemList::InsertColorMRU");
        return -1;
    }
    delete RemoveTail();
    RenumberColorItemIds();
    return first;
}

BOOL CColorItemList::SelectColorByDialog(COLORREF initial, COLORREF& color)
{
    COLORREF picked = initial;
    if (!RunColorDialog(initial, picked))
        return FALSE;
    color = picked;
    InsertColorMRU(picked);
    return TRUE;
}

BOOL CColorItemList::SelectColorByCommandId(UINT id, UINT baseId, UINT otherId, COLORREF initial, COLORREF& color)
{
    if (id == otherId)
        return SelectColorByDialog(initial, color);
    const int index = int(id) - int(baseId);
    const CColorItem* item = GetElementAtIndex(*this, index);
    if (!item)
        return FALSE;
    color = item->GetColor();
    const int first = GetFirstRecentColorIndex();
    if (first >= 0 && index > first && MoveColorItemPosByIndex(index, first) >= 0)
        RenumberColorItemIds();
    return TRUE;
}

void CColorItemList::UpdateColorMenuCheck(CCmdUI* cmdUI, COLORREF color, UINT baseId, UINT otherId) const
{
    const int index = FindColorIndex(color);
    const bool checked = index < 0 ? cmdUI->m_nID == otherId : int(cmdUI->m_nID) - int(baseId) == index;
    cmdUI->SetCheck(checked ? 1 : 0);
}
