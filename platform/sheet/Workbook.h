// The spreadsheet stand-in: a workbook of worksheets whose cells are set through ranges, as the
// export and import code addresses them ("A5:V5", "B12"), then saved as an .xlsx file or read back
// from an .xlsx or .ods file. Texts arrive as code page 932 and are held as UTF-8; an empty text
// makes no cell, and texts are never taken for numbers.
#pragma once

#include "platform/afx/String.h"
#include "platform/sheet/SheetValue.h"

#include <QString>

#include <deque>
#include <map>
#include <utility>
#include <vector>

class SheetWorkbook;

// The largest sheet an .xlsx file can hold.
inline constexpr int kSheetMaxRows = 1048576;
inline constexpr int kSheetMaxColumns = 16384;

class SheetWorksheet
{
public:
    explicit SheetWorksheet(SheetWorkbook& book) : m_book(&book) {}

    const std::string& NameUtf8() const { return m_name; }
    CString Name() const;
    // Throws SheetError with the user's message when the name cannot be a sheet name (empty, over
    // 31 characters, one of : \ / ? * [ ], an apostrophe at either end) or another sheet has it.
    void SetName(const CString& name);

    // A range by its address, one cell ("C7") or a rectangle ("A5:V5"); throws SheetError when the
    // address is malformed or lies outside the sheet.
    class SheetRange Range(const CString& address);

    // The cells that hold values by (row, column), 0-based, row by row. Only those are kept, so a
    // sheet costs what its values cost wherever they lie.
    using Cells = std::map<std::pair<int, int>, SheetValue>;

    // 0-based row and column; an empty value where no cell holds one.
    const SheetValue& Cell(int row, int column) const;
    // An empty value removes the cell.
    void SetCell(int row, int column, SheetValue value);
    // One past the last row that holds a value, and one past the last column of a row that does.
    int RowCount() const;
    int ColumnCount(int row) const;
    int CellCount() const { return int(m_cells.size()); }
    const Cells& AllCells() const { return m_cells; }

    SheetWorkbook& Book() const { return *m_book; }

private:
    friend class SheetWorkbook;
    SheetWorkbook* m_book;
    std::string m_name;
    Cells m_cells;
};

class SheetRange
{
public:
    SheetRange(SheetWorksheet& sheet, int top, int left, int bottom, int right)
        : m_sheet(&sheet), m_top(top), m_left(left), m_bottom(bottom), m_right(right)
    {
    }

    int Columns() const { return m_right - m_left + 1; }
    int Rows() const { return m_bottom - m_top + 1; }

    // Every cell of the range takes the value.
    void SetValue(const SheetValue& value);
    void SetValue(const CString& text);
    void SetValue(double number);
    // One text per column of a one-row range, element 0 for the first column; throws SheetError
    // when the counts differ.
    void SetValue(const std::vector<CString>& row);

    // The value of the range's first cell.
    const SheetValue& Value() const;
    // That value as code page 932 text (see SheetCellText).
    CString Text() const;

private:
    SheetWorksheet* m_sheet;
    int m_top, m_left, m_bottom, m_right;
};

class SheetWorkbook
{
public:
    // A new workbook with the given number of worksheets, named "Sheet1", "Sheet2", ...
    explicit SheetWorkbook(int sheetCount = 1);
    SheetWorkbook(const SheetWorkbook&) = delete;
    SheetWorkbook& operator=(const SheetWorkbook&) = delete;
    SheetWorkbook(SheetWorkbook&&) = delete;

    int SheetCount() const { return int(m_sheets.size()); }
    // 1-based, as the automation calls count; throws SheetError past the last sheet.
    SheetWorksheet& Sheet(int n);
    const SheetWorksheet& Sheet(int n) const;
    SheetWorksheet& AddSheet(const std::string& utf8Name);

    // Texts that held byte sequences no code page 932 character has: each such sequence became
    // U+FFFD. Counted per text set.
    int ReplacedTexts() const { return m_replacedTexts; }
    // Converts a code page 932 text for a cell, counting a text that needed replacements.
    std::string CellText(const CString& text);

    // Writes the workbook as .xlsx to a temporary file in the target's folder and renames it over
    // the target, so a failed write leaves an existing file as it was. Throws SheetError.
    void SaveAs(const QString& path) const;

    // Reads a whole .xlsx or .ods workbook, or nothing: throws SheetError for a file that is not a
    // workbook, is damaged or is too large. Formula cells give their cached results.
    static std::unique_ptr<SheetWorkbook> Open(const QString& path);

private:
    std::deque<SheetWorksheet> m_sheets;
    int m_replacedTexts = 0;
};

// A cell's value as code page 932 text: a text as it stands, a number in the shortest form that
// reads back as the same number ("12", "1.5", "0.3", "1e20", "0"), a truth value as "TRUE" or
// "FALSE", nothing as "". Characters that code page 932 does not have become '?'; `replaced`, when
// given, has them added to it.
CString SheetCellText(const SheetValue& value, int* replaced = nullptr);
std::string SheetNumberText(double number);

// Parses "A1" or "AA12:IV40" to 0-based rows and columns; false when malformed or outside the sheet.
bool ParseSheetAddress(std::string_view address, int& top, int& left, int& bottom, int& right);
