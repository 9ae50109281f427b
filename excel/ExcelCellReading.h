// How the imports read the cells of a worksheet: each column of a row is read as a text, a number
// text, a whole number, a long number, a long text, a flag, a NULL option or a data type. A
// number cell reads as the shortest text of its number ("12", "1.5", "0"), so a cell that a
// spreadsheet program turned from text into a number reads as the text it was; formulas read as
// their results. Characters that code page 932 does not have are counted.
#pragma once

#include "platform/afx/String.h"
#include "platform/sheet/Workbook.h"

#include <optional>
#include <set>
#include <utility>

class CDataTypeList;

class ExcelImportSheet
{
public:
    // Column letters to a 0-based column index: "A" 0, "Z" 25, "AA" 26.
    static constexpr int Column(const char* letters)
    {
        return letters[1] ? (letters[0] - 'A' + 1) * 26 + (letters[1] - 'A') : letters[0] - 'A';
    }

    ExcelImportSheet(const SheetWorksheet& sheet, int& replacedCharacters)
        : m_sheet(sheet), m_replaced(replacedCharacters)
    {
    }

    // Rows count from 1, as the sheet shows them; columns from 0.
    const SheetValue& Value(int column, long row) const;
    CString Text(int column, long row) const;
    // The identifying numbers of files and items: the text of the cell, number cells included.
    CString NumberText(int column, long row) const { return Text(column, row); }
    // A 16-bit number: a number cell's value truncated toward zero, a text's leading decimal
    // integer (blanks and a sign before it allowed), else 0.
    WORD WholeNumber(int column, long row) const;
    // The same as an unsigned 32-bit number (digits and decimals).
    DWORD LongNumber(int column, long row) const;
    // The text with each LF written as CR LF, at most 511 bytes.
    CString LongText(int column, long row) const;
    // "YES" in any letter case or a TRUE cell gives TRUE, any other value FALSE, an empty cell none.
    std::optional<BOOL> Flag(int column, long row) const;
    // "NOT NULL" 1, "NULL" 2, "なし" 0 (letter case aside), an empty cell 2; none for other texts.
    std::optional<WORD> NullOption(int column, long row) const;

    struct TypeReading
    {
        bool recognised = false;
        CString name;
        WORD editKind = 0;
    };
    // An empty cell gives the empty type; otherwise the first type of the list whose label is the
    // text; none such is not recognised.
    TypeReading DataType(int column, long row, const CDataTypeList* types) const;

    const SheetWorksheet& Sheet() const { return m_sheet; }

private:
    const SheetWorksheet& m_sheet;
    int& m_replaced;
    // Cells whose replaced characters were counted, so that reading a cell twice counts it once.
    mutable std::set<std::pair<long, int>> m_counted;
};

namespace ExcelCellReading {
// The leading decimal integer of the text (blanks and a sign before it allowed), or 0.
long long LeadingInteger(const CString& text);
// Single-byte letters to upper case, double-byte characters left as they are.
CString UpperCase(const CString& text);
} // namespace ExcelCellReading
