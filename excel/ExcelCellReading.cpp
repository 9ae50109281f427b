#include "excel/ExcelCellReading.h"

#include "foundation/TextFunctions.h"
#include "physical/DataType.h"
#include "physical/DataTypeList.h"
#include "platform/afx/Cp932.h"

#include <cmath>

namespace ExcelCellReading {

long long LeadingInteger(const CString& text)
{
    const std::string& s = text.Bytes();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        if (value < (1LL << 40)) // beyond any 32-bit field; more digits change nothing kept
            value = value * 10 + (s[i] - '0');
    return negative ? -value : value;
}

CString UpperCase(const CString& text)
{
    std::string s = text.Bytes();
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Cp932CharLength(s, i);
        if (n == 1 && s[i] >= 'a' && s[i] <= 'z')
            s[i] = char(s[i] - 'a' + 'A');
        i += n;
    }
    return CString(s);
}

} // namespace ExcelCellReading

namespace excel_cell_reading_cpp {

// A number cell's value truncated toward zero, kept to its low 32 bits; none for other cells.
std::optional<long long> WholeValue(const SheetValue& value)
{
    if (value.GetKind() != SheetValue::Kind::Number && value.GetKind() != SheetValue::Kind::Boolean)
        return std::nullopt;
    const double n = std::fmod(std::trunc(value.GetNumber()), 4294967296.0);
    return std::isfinite(n) ? static_cast<long long>(n) : 0;
}

} // namespace excel_cell_reading_cpp

const SheetValue& ExcelImportSheet::Value(int column, long row) const
{
    return m_sheet.Cell(int(row - 1), column);
}

CString ExcelImportSheet::Text(int column, long row) const
{
    int replaced = 0;
    CString text = SheetCellText(Value(column, row), &replaced);
    if (replaced > 0 && m_counted.emplace(row, column).second)
        m_replaced += replaced;
    return text;
}

WORD ExcelImportSheet::WholeNumber(int column, long row) const
{
    const SheetValue& value = Value(column, row);
    if (const auto whole = excel_cell_reading_cpp::WholeValue(value))
        return WORD(static_cast<unsigned long long>(*whole) & 0xFFFF);
    return WORD(static_cast<unsigned long long>(ExcelCellReading::LeadingInteger(Text(column, row))) & 0xFFFF);
}

DWORD ExcelImportSheet::LongNumber(int column, long row) const
{
    const SheetValue& value = Value(column, row);
    if (const auto whole = excel_cell_reading_cpp::WholeValue(value))
        return DWORD(static_cast<unsigned long long>(*whole) & 0xFFFFFFFF);
    return DWORD(static_cast<unsigned long long>(ExcelCellReading::LeadingInteger(Text(column, row))) & 0xFFFFFFFF);
}

CString ExcelImportSheet::LongText(int column, long row) const
{
    CString text;
    TextFromExcelCell(text, Text(column, row));
    return text;
}

std::optional<BOOL> ExcelImportSheet::Flag(int column, long row) const
{
    const SheetValue& value = Value(column, row);
    if (value.GetKind() == SheetValue::Kind::Boolean)
        return value.GetNumber() != 0;
    const CString text = Text(column, row);
    if (text.IsEmpty())
        return std::nullopt;
    return ExcelCellReading::UpperCase(text) == "YES";
}

std::optional<WORD> ExcelImportSheet::NullOption(int column, long row) const
{
    const CString text = ExcelCellReading::UpperCase(Text(column, row));
    if (text.IsEmpty() || text == "NULL")
        return WORD(2);
    if (text == "NOT NULL")
        return WORD(1);
    if (text == CString(u8"なし"))
        return WORD(0);
    return std::nullopt;
}

ExcelImportSheet::TypeReading ExcelImportSheet::DataType(int column, long row, const CDataTypeList* types) const
{
    TypeReading reading;
    const CString text = Text(column, row);
    if (text.IsEmpty()) {
        reading.recognised = true;
        return reading;
    }
    if (const CDataType* type = types ? types->FindDataTypeByLabel(text) : nullptr) {
        reading.recognised = true;
        reading.name = type->GetName();
        reading.editKind = type->GetEditKind();
    }
    return reading;
}
