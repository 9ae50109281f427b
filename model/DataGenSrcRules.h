// What the derivation sources dialog does to the sources of one derived item, without any widget:
// inserting, deleting and moving sources, the texts of the list's rows and the checks OK makes.
#pragma once

#include "platform/afx/String.h"

class CDataGenSrc;
class CDataGenSrcList;

class DataGenSrcRules
{
public:
    // Where the dialog puts the focus after a refused OK: the source item combo or one of the
    // three reference item combos.
    enum class Focus { None, SourceItem, RefItem1, RefItem2, RefItem3 };
    struct Refusal
    {
        CString message;
        int row = -1;
        Focus focus = Focus::None;
    };

    // ownFileId and itemNumber: the file and number of the derived item.
    DataGenSrcRules(CDataGenSrcList& sources, WORD ownFileId, WORD itemNumber);

    static constexpr int kColumnCount = 4;
    static CString ColumnTitle(int column);
    static int ColumnWidth(int column, int listWidth);
    // Cell 0 is the source item's name ("未指定" when empty on a single row's redraw), cells 1 to
    // 3 the reference items' names.
    static CString CellText(const CDataGenSrc& source, int column, BOOL singleRow);
    // The row's item data: the source file id in the low half, the source item number above.
    static DWORD RowData(const CDataGenSrc& source);

    // A new source after the row (-1: at the end), from and referring to the own file: its index,
    // or -1 when it could not be inserted.
    int Insert(int currentRow);
    // The row to select next, -1 when none remain or no source was there.
    int Delete(int row);
    int Move(int from, int to);
    // The checks of OK; TRUE, with every source's set reference items moved to the front, when
    // the sources may be kept.
    BOOL CheckForOK(Refusal& refusal);

private:
    CDataGenSrcList& m_sources;
    WORD m_wOwnFileId;
    WORD m_wItemNumber;
    int m_nInserted = 0;
};
