#include "model/DataGenSrcRules.h"

#include "model/DataGenSrc.h"
#include "model/DataGenSrcList.h"

#include <new>

namespace DataGenSrcRulesImpl {

const char8_t* const kSourceColumnTitles[DataGenSrcRules::kColumnCount] = {u8"加工元ﾃﾞｰﾀ項目", u8"加工元参照ﾃﾞｰﾀ項目1",
                                                                           u8"加工元参照ﾃﾞｰﾀ項目2",
                                                                           u8"加工元参照ﾃﾞｰﾀ項目3"};
// Marks a source the dialog inserted.
constexpr DWORD kInsertedMark = 4;

} // namespace DataGenSrcRulesImpl

DataGenSrcRules::DataGenSrcRules(CDataGenSrcList& sources, WORD ownFileId, WORD itemNumber)
    : m_sources(sources), m_wOwnFileId(ownFileId), m_wItemNumber(itemNumber)
{
}

CString DataGenSrcRules::ColumnTitle(int column)
{
    return column >= 0 && column < kColumnCount ? CString(DataGenSrcRulesImpl::kSourceColumnTitles[column]) : CString();
}

int DataGenSrcRules::ColumnWidth(int column, int listWidth)
{
    switch (column) {
    case 0: return listWidth * 2 / 5;
    case 1:
    case 2: return listWidth / 5;
    case 3: return listWidth - listWidth * 2 / 5 - 2 * (listWidth / 5) - 4;
    default: return 0;
    }
}

CString DataGenSrcRules::CellText(const CDataGenSrc& source, int column, BOOL singleRow)
{
    const GenSrcByIds& ids = source.ByIds();
    if (column == 0) {
        if (singleRow && ids.srcItemName.IsEmpty())
            return CString(u8"未指定");
        return ids.srcItemName;
    }
    if (column >= 1 && column <= GENSRC_REF_COUNT)
        return ids.refItemNames[column - 1];
    return CString();
}

DWORD DataGenSrcRules::RowData(const CDataGenSrc& source)
{
    return MAKELONG(source.ByIds().srcFile, source.ByIds().srcItem);
}

int DataGenSrcRules::Insert(int currentRow)
{
    CDataGenSrc* source = nullptr;
    try {
        source = new CDataGenSrc;
    } catch (const std::bad_alloc&) {
        return -1;
    }
    source->SetMarks(DataGenSrcRulesImpl::kInsertedMark);
    ++m_nInserted;
    CString counter;
    counter.Format("%d", m_nInserted);
    source->ByIds().srcItemName = CString(u8"新規追加") + counter;
    source->ByIds().srcFile = m_wOwnFileId;
    source->ByIds().refFile = m_wOwnFileId;
    return m_sources.InsertAfterDataGenSrc(source, currentRow < 0 ? -1 : currentRow);
}

int DataGenSrcRules::Delete(int row)
{
    if (row < 0 || !m_sources.DeleteAt(row))
        return -1;
    const int count = static_cast<int>(m_sources.GetCount());
    if (count == 0)
        return -1;
    return row < count ? row : count - 1;
}

int DataGenSrcRules::Move(int from, int to)
{
    return m_sources.MoveDataGenSrcPosByIndex(from, to);
}

BOOL DataGenSrcRules::CheckForOK(Refusal& refusal)
{
    refusal = Refusal{};
    int index = 0;
    for (POSITION pos = m_sources.GetHeadPosition(); pos; ++index) {
        const CDataGenSrc* source = m_sources.GetNext(pos);
        if (source->IsSourceMissing()) {
            refusal = {CString(u8"加工元ﾃﾞｰﾀ項目が指定されていない行があります。") +
                           CString(u8"不要な場合は行を削除して下さい。"),
                       index, Focus::SourceItem};
            return FALSE;
        }
    }
    index = 0;
    for (POSITION pos = m_sources.GetHeadPosition(); pos; ++index) {
        const CDataGenSrc* source = m_sources.GetNext(pos);
        if (source->GetForm() != CDataGenSrc::FORM_BY_IDS)
            continue;
        const GenSrcByIds& ids = source->ByIds();
        const bool bySource = ids.srcFile == m_wOwnFileId && ids.srcItem == m_wItemNumber;
        int firstRef = -1;
        if (ids.refFile == m_wOwnFileId) {
            for (int i = 0; i < GENSRC_REF_COUNT && firstRef < 0; ++i)
                if (ids.refItems[i] == m_wItemNumber)
                    firstRef = i;
        }
        if (!bySource && firstRef < 0)
            continue;
        CString message = bySource ? CString(u8"加工元ﾃﾞｰﾀ項目") : CString(u8"加工元参照ﾃﾞｰﾀ項目");
        if (bySource && firstRef >= 0)
            message += CString(u8"と加工元参照ﾃﾞｰﾀ項目");
        message += CString(u8"が自己参照しています。");
        refusal = {message, index, bySource ? Focus::SourceItem : static_cast<Focus>(int(Focus::RefItem1) + firstRef)};
        return FALSE;
    }
    m_sources.CompactAll();
    return TRUE;
}
