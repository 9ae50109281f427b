#include "platform/sheet/Workbook.h"

#include "platform/afx/Cp932.h"
#include "platform/sheet/SheetError.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace workbook_cpp {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

int Utf8Length(std::string_view s)
{
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

// Two sheet names are the same when they differ only in the case of ASCII letters.
bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x < 0x80 && y < 0x80 && std::tolower(x) == std::tolower(y))
            continue;
        if (x != y)
            return false;
    }
    return true;
}

// Letters to a 0-based column, digits to a 0-based row; advances pos.
bool ParseCell(std::string_view s, std::size_t& pos, int& row, int& column)
{
    long col = 0;
    std::size_t letters = 0;
    while (pos < s.size() && std::isalpha(static_cast<unsigned char>(s[pos]))) {
        col = col * 26 + (std::toupper(static_cast<unsigned char>(s[pos])) - 'A' + 1);
        ++pos;
        if (++letters > 3)
            return false;
    }
    long r = 0;
    std::size_t digits = 0;
    while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos]))) {
        r = r * 10 + (s[pos] - '0');
        ++pos;
        if (++digits > 7)
            return false;
    }
    if (letters == 0 || digits == 0 || r < 1 || r > kSheetMaxRows || col > kSheetMaxColumns)
        return false;
    row = int(r - 1);
    column = int(col - 1);
    return true;
}

SheetError BadAddress(std::string_view address)
{
    CString message(u8"ｾﾙの範囲 \"");
    message += CString(address);
    message += CString(u8"\" はﾜｰｸｼｰﾄの中にありません。");
    return SheetError(message);
}

} // namespace workbook_cpp

bool ParseSheetAddress(std::string_view address, int& top, int& left, int& bottom, int& right)
{
    std::size_t pos = 0;
    if (!workbook_cpp::ParseCell(address, pos, top, left))
        return false;
    if (pos == address.size()) {
        bottom = top;
        right = left;
        return true;
    }
    if (address[pos] != ':')
        return false;
    ++pos;
    if (!workbook_cpp::ParseCell(address, pos, bottom, right) || pos != address.size())
        return false;
    return bottom >= top && right >= left;
}

CString SheetWorksheet::Name() const
{
    return CString(Utf8ToCp932(m_name));
}

void SheetWorksheet::SetName(const CString& name)
{
    const std::string utf8 = Cp932ToUtf8(name.Bytes());
    const int length = workbook_cpp::Utf8Length(utf8);
    const bool badChar = utf8.find_first_of(":\\/?*[]") != std::string::npos;
    const bool badQuote = !utf8.empty() && (utf8.front() == '\'' || utf8.back() == '\'');
    if (length == 0 || length > 31 || badChar || badQuote ||
        utf8.find(workbook_cpp::kReplacementUtf8) != std::string::npos) {
        CString message(u8"ｼｰﾄ名 \"");
        message += name;
        message += CString(u8"\" は使えません。ｼｰﾄ名は1文字以上31文字以内で、: \\ / ? * [ ] を含まず、"
                           u8"先頭と末尾に ' のない名前にしてください。");
        throw SheetError(message);
    }
    for (int n = 1; n <= m_book->SheetCount(); ++n) {
        const SheetWorksheet& other = m_book->Sheet(n);
        if (&other != this && workbook_cpp::SameName(other.m_name, utf8)) {
            CString message(u8"ｼｰﾄ名 \"");
            message += name;
            message += CString(u8"\" は同じﾌﾞｯｸの別のｼｰﾄで使われています。");
            throw SheetError(message);
        }
    }
    m_name = utf8;
}

SheetRange SheetWorksheet::Range(const CString& address)
{
    int top, left, bottom, right;
    if (!ParseSheetAddress(address.Bytes(), top, left, bottom, right))
        throw workbook_cpp::BadAddress(address.Bytes());
    return SheetRange(*this, top, left, bottom, right);
}

const SheetValue& SheetWorksheet::Cell(int row, int column) const
{
    static const SheetValue empty;
    const auto cell = m_cells.find({row, column});
    return cell == m_cells.end() ? empty : cell->second;
}

void SheetWorksheet::SetCell(int row, int column, SheetValue value)
{
    if (row < 0 || column < 0 || row >= kSheetMaxRows || column >= kSheetMaxColumns)
        throw workbook_cpp::BadAddress(std::to_string(row + 1) + "," + std::to_string(column + 1));
    if (value.IsEmpty())
        m_cells.erase({row, column});
    else
        m_cells.insert_or_assign({row, column}, std::move(value));
}

int SheetWorksheet::RowCount() const
{
    return m_cells.empty() ? 0 : m_cells.rbegin()->first.first + 1;
}

int SheetWorksheet::ColumnCount(int row) const
{
    // The last cell before the next row's first.
    const auto next = m_cells.lower_bound({row + 1, 0});
    if (next == m_cells.begin())
        return 0;
    const auto& [position, value] = *std::prev(next);
    return position.first == row ? position.second + 1 : 0;
}

void SheetRange::SetValue(const SheetValue& value)
{
    for (int r = m_top; r <= m_bottom; ++r)
        for (int c = m_left; c <= m_right; ++c)
            m_sheet->SetCell(r, c, value);
}

void SheetRange::SetValue(const CString& text)
{
    SetValue(SheetValue::Text(m_sheet->Book().CellText(text)));
}

void SheetRange::SetValue(double number)
{
    SetValue(SheetValue::Number(number));
}

void SheetRange::SetValue(const std::vector<CString>& row)
{
    if (Rows() != 1 || std::size_t(Columns()) != row.size())
        throw SheetError(CString(u8"ｾﾙの範囲と値の数が合いません。"));
    for (std::size_t i = 0; i < row.size(); ++i)
        m_sheet->SetCell(m_top, m_left + int(i), SheetValue::Text(m_sheet->Book().CellText(row[i])));
}

const SheetValue& SheetRange::Value() const
{
    return m_sheet->Cell(m_top, m_left);
}

CString SheetRange::Text() const
{
    return SheetCellText(Value());
}

std::string SheetNumberText(double number)
{
    if (std::isnan(number) || std::isinf(number))
        return std::isnan(number) ? "NaN" : number < 0 ? "-Infinity" : "Infinity";
    // Whole numbers as plain digits, as far as a double holds them exactly.
    if (number == std::floor(number) && std::fabs(number) < 9007199254740992.0) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.0f", number == 0 ? 0.0 : number);
        return digits;
    }
    // Otherwise the shortest text that reads back as the same number: 1.5, 0.3, 1e20.
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, number);
    std::string shortest(text, result.ptr);
    const std::size_t e = shortest.find('e');
    if (e != std::string::npos) {
        std::string exponent = shortest.substr(e + 1);
        const bool negative = !exponent.empty() && exponent[0] == '-';
        if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-'))
            exponent.erase(0, 1);
        while (exponent.size() > 1 && exponent[0] == '0')
            exponent.erase(0, 1);
        shortest = shortest.substr(0, e + 1) + (negative ? "-" : "") + exponent;
    }
    return shortest;
}

CString SheetCellText(const SheetValue& value, int* replaced)
{
    switch (value.GetKind()) {
    case SheetValue::Kind::Text: {
        int count = 0;
        CString text(Utf8ToCp932(value.GetText(), count));
        if (replaced)
            *replaced += count;
        return text;
    }
    case SheetValue::Kind::Number: return CString(SheetNumberText(value.GetNumber()));
    case SheetValue::Kind::Boolean: return CString(value.GetNumber() != 0 ? "TRUE" : "FALSE");
    case SheetValue::Kind::Empty: break;
    }
    return CString();
}

SheetWorkbook::SheetWorkbook(int sheetCount)
{
    for (int i = 1; i <= sheetCount; ++i)
        AddSheet("Sheet" + std::to_string(i));
}

SheetWorksheet& SheetWorkbook::Sheet(int n)
{
    return const_cast<SheetWorksheet&>(std::as_const(*this).Sheet(n));
}

const SheetWorksheet& SheetWorkbook::Sheet(int n) const
{
    if (n < 1 || n > SheetCount()) {
        CString message;
        message.Format("%d", n);
        throw SheetError(CString(u8"ﾜｰｸｼｰﾄ ") + message + CString(u8" はありません。"));
    }
    return m_sheets[std::size_t(n - 1)];
}

SheetWorksheet& SheetWorkbook::AddSheet(const std::string& utf8Name)
{
    SheetWorksheet& sheet = m_sheets.emplace_back(*this);
    sheet.m_name = utf8Name;
    return sheet;
}

std::string SheetWorkbook::CellText(const CString& text)
{
    std::string utf8 = Cp932ToUtf8(text.Bytes());
    if (utf8.find(workbook_cpp::kReplacementUtf8) != std::string::npos)
        ++m_replacedTexts;
    return utf8;
}
