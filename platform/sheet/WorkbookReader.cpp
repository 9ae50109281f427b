// Reading a workbook (.xlsx or .ods) through liborcus' import interfaces into a SheetWorkbook.
// The reader is given what it dereferences without asking (styles, a reference resolver) and a
// formula interface (formula cells would vanish without one; their cached results are taken).
// liborcus unpacks each part whole, so the zip's directory is checked first; it also drops
// inline-string cells, which several programs and libraries write, so those are read here from the
// sheet parts themselves and put in place after liborcus has read the rest.
#include "platform/sheet/SheetError.h"
#include "platform/sheet/Workbook.h"

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace workbook_reader_cpp {

namespace iface = orcus::spreadsheet::iface;
using orcus::spreadsheet::col_t;
using orcus::spreadsheet::row_t;

// Limits far above any workbook this program writes or reads, far below what hurts the machine.
constexpr qint64 kMaxFileBytes = 64LL << 20;
constexpr std::uint64_t kMaxPartBytes = 128ULL << 20;
constexpr std::uint64_t kMaxUnpackedBytes = 256ULL << 20;
// What the cells read may cost, far more than any workbook of this program needs: a few bytes of
// XML can ask for much more (repetitions, one long text in many cells) and would take gigabytes.
constexpr long long kMaxCellBytes = 256LL << 20;
// A cell as the sheet keeps it (value and map node), and the text beyond what fits in the value.
constexpr long long kCellBytes = 96;
// liborcus keeps the results of an array formula as a matrix of its whole range, 24 bytes a cell.
constexpr long long kMaxArrayFormulaCells = 1LL << 20;
// The most characters a spreadsheet cell holds; a longer text comes from no spreadsheet program.
constexpr std::size_t kMaxCellCharacters = 32767;
// The longest run of XML such a text can take (each character written as a character reference).
constexpr std::size_t kMaxTextRunBytes = 10 * kMaxCellCharacters;
// Parts up to this size are read whole to see that their XML is complete.
constexpr std::size_t kReadWholeBytes = 1 << 20;
// liborcus walks every cell of an .ods row, empty or not, one by one: the cells of the rows as
// written (a repeated row once) may number this many, a second's walk.
constexpr long long kMaxOdsCellSteps = 256LL << 20;

enum class Refusal { NotWorkbook, TooLarge, Damaged };

// The reader's own reasons to refuse, thrown while reading and turned into the user's message.
struct Refused
{
    Refusal why;
    std::string detail;
};

SheetError ReadFailure(const QString& path, Refusal why, const char* detail = "")
{
    CString message(u8"ﾌｧｲﾙ \"");
    message += FromQString(path);
    switch (why) {
    case Refusal::NotWorkbook: message += CString(u8"\" はﾜｰｸﾌﾞｯｸ(.xlsx, .ods)ではありません。"); break;
    case Refusal::TooLarge: message += CString(u8"\" は大きすぎるため読み込めません。"); break;
    case Refusal::Damaged: message += CString(u8"\" は壊れているため読み込めません。"); break;
    }
    if (*detail)
        // The reasons are UTF-8: the library's and Qt's texts (translated ones too) and part names.
        message += FromQString(QString::fromUtf8("\n(" + std::string(detail) + ")"));
    return SheetError(message);
}

// Built when the program starts, for a refusal that cannot be built when it is needed.
const SheetError kUnreadableWorkbook(CString(u8"ﾜｰｸﾌﾞｯｸは壊れているか大きすぎるため読み込めません。"));

// The refusal, or when building it fails (memory has run out), the one prepared before.
SheetError Refuse(const QString& path, Refusal why, const char* detail, const SheetError& prepared) noexcept
{
    try {
        return ReadFailure(path, why, detail);
    } catch (...) {
        return prepared;
    }
}

SheetError PrepareRefusal(const QString& path) noexcept
{
    try {
        return ReadFailure(path, Refusal::Damaged);
    } catch (...) {
        return kUnreadableWorkbook;
    }
}

[[noreturn]] void Damage(std::string detail)
{
    throw Refused{Refusal::Damaged, std::move(detail)};
}

std::uint32_t Le(const char* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

struct ZipEntry
{
    std::string name;
    std::uint32_t crc;
    std::uint64_t unpacked;
};

// The entries of the zip's central directory; false when the bytes are no zip this reader takes
// (zip64 archives included: nothing here needs them). Throws Refused when an entry's data would
// run past the directory: the unpacker would fill gigabytes from a lying size before it failed.
bool ZipDirectory(const QByteArray& bytes, std::vector<ZipEntry>& entries)
{
    const qsizetype size = bytes.size();
    if (size < 22)
        return false;
    const char* data = bytes.constData();
    qsizetype eocd = -1;
    for (qsizetype i = size - 22; i >= 0 && i >= size - 22 - 65535; --i) {
        if (Le(data + i, 4) == 0x06054b50) {
            eocd = i;
            break;
        }
    }
    if (eocd < 0)
        return false;
    const std::uint32_t count = Le(data + eocd + 10, 2);
    const std::uint32_t offset = Le(data + eocd + 16, 4);
    std::uint64_t pos = offset;
    for (std::uint32_t n = 0; n < count; ++n) {
        if (pos + 46 > std::uint64_t(size) || Le(data + pos, 4) != 0x02014b50)
            return false;
        const char* h = data + pos;
        const std::uint32_t crc = Le(h + 16, 4);
        const std::uint32_t packed = Le(h + 20, 4);
        const std::uint32_t unpacked = Le(h + 24, 4);
        const std::uint32_t nameLength = Le(h + 28, 2);
        const std::uint32_t extra = Le(h + 30, 2);
        const std::uint32_t comment = Le(h + 32, 2);
        const std::uint64_t local = Le(h + 42, 4);
        if (pos + 46 + nameLength > std::uint64_t(size) || unpacked == 0xFFFFFFFF || packed == 0xFFFFFFFF)
            return false;
        std::string name(h + 46, nameLength);
        if (local + 30 > std::uint64_t(offset) || Le(data + local, 4) != 0x04034b50)
            Damage(name + ": no local header");
        const std::uint64_t end = local + 30 + Le(data + local + 26, 2) + Le(data + local + 28, 2) + packed;
        if (end > std::uint64_t(offset))
            Damage(name + ": runs past the end of the file");
        entries.push_back({std::move(name), crc, unpacked});
        pos += 46ULL + nameLength + extra + comment;
    }
    return true;
}

// A text for a cell; throws Refused when it is longer than a cell holds.
std::string CellText(std::string_view utf8)
{
    if (utf8.size() > kMaxCellCharacters) {
        std::size_t characters = 0;
        for (unsigned char c : utf8)
            characters += (c & 0xC0) != 0x80;
        if (characters > kMaxCellCharacters)
            Damage("a cell's text is longer than " + std::to_string(kMaxCellCharacters) + " characters");
    }
    return std::string(utf8);
}

// What the cells read so far cost; throws Refused once that passes what a workbook may cost.
class CellBudget
{
public:
    void Spend(long long cells, std::size_t textBytes)
    {
        m_bytes += cells * (kCellBytes + (textBytes > 15 ? static_cast<long long>(textBytes) + 1 : 0));
        if (m_bytes > kMaxCellBytes)
            throw Refused{Refusal::TooLarge, {}};
    }

private:
    long long m_bytes = 0;
};

// Puts a value read into the sheet; a cell outside the sheet is damage.
void PlaceCell(SheetWorksheet& sheet, CellBudget& budget, long long row, long long col, SheetValue value)
{
    if (row < 0 || col < 0 || row >= kSheetMaxRows || col >= kSheetMaxColumns)
        Damage("a cell outside the sheet");
    budget.Spend(1, value.GetText().size());
    sheet.SetCell(int(row), int(col), std::move(value));
}

class SharedStrings : public iface::import_shared_strings
{
public:
    std::size_t append(std::string_view s) override
    {
        m_strings.push_back(CellText(s));
        return m_strings.size() - 1;
    }
    std::size_t add(std::string_view s) override { return append(s); }
    void set_segment_font(std::size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override
    {
    }
    void append_segment(std::string_view s) override
    {
        m_segments.append(s);
        if (m_segments.size() > 4 * kMaxCellCharacters)
            CellText(m_segments);
    }
    std::size_t commit_segments() override
    {
        const std::size_t index = append(m_segments);
        m_segments.clear();
        return index;
    }
    const std::string* Get(std::size_t index) const { return index < m_strings.size() ? &m_strings[index] : nullptr; }

private:
    std::vector<std::string> m_strings;
    std::string m_segments;
};

// Formatting is of no interest here; the ODS reader needs the interface to exist.
class NoStyles : public iface::import_styles
{
    using color = orcus::spreadsheet::color_elem_t;
    using dir = orcus::spreadsheet::border_direction_t;

public:
    void set_font_count(std::size_t) override {}
    void set_font_bold(bool) override {}
    void set_font_italic(bool) override {}
    void set_font_name(std::string_view) override {}
    void set_font_size(double) override {}
    void set_font_underline(orcus::spreadsheet::underline_t) override {}
    void set_font_underline_width(orcus::spreadsheet::underline_width_t) override {}
    void set_font_underline_mode(orcus::spreadsheet::underline_mode_t) override {}
    void set_font_underline_type(orcus::spreadsheet::underline_type_t) override {}
    void set_font_underline_color(color, color, color, color) override {}
    void set_font_color(color, color, color, color) override {}
    void set_strikethrough_style(orcus::spreadsheet::strikethrough_style_t) override {}
    void set_strikethrough_type(orcus::spreadsheet::strikethrough_type_t) override {}
    void set_strikethrough_width(orcus::spreadsheet::strikethrough_width_t) override {}
    void set_strikethrough_text(orcus::spreadsheet::strikethrough_text_t) override {}
    std::size_t commit_font() override { return 0; }
    void set_fill_count(std::size_t) override {}
    void set_fill_pattern_type(orcus::spreadsheet::fill_pattern_t) override {}
    void set_fill_fg_color(color, color, color, color) override {}
    void set_fill_bg_color(color, color, color, color) override {}
    std::size_t commit_fill() override { return 0; }
    void set_border_count(std::size_t) override {}
    void set_border_style(dir, orcus::spreadsheet::border_style_t) override {}
    void set_border_color(dir, color, color, color, color) override {}
    void set_border_width(dir, double, orcus::length_unit_t) override {}
    std::size_t commit_border() override { return 0; }
    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    std::size_t commit_cell_protection() override { return 0; }
    void set_number_format_count(std::size_t) override {}
    void set_number_format_identifier(std::size_t) override {}
    void set_number_format_code(std::string_view) override {}
    std::size_t commit_number_format() override { return 0; }
    void set_cell_xf_count(std::size_t) override {}
    void set_cell_style_xf_count(std::size_t) override {}
    void set_dxf_count(std::size_t) override {}
    void set_xf_font(std::size_t) override {}
    void set_xf_fill(std::size_t) override {}
    void set_xf_border(std::size_t) override {}
    void set_xf_protection(std::size_t) override {}
    void set_xf_number_format(std::size_t) override {}
    void set_xf_style_xf(std::size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(orcus::spreadsheet::hor_alignment_t) override {}
    void set_xf_vertical_alignment(orcus::spreadsheet::ver_alignment_t) override {}
    std::size_t commit_cell_xf() override { return 0; }
    std::size_t commit_cell_style_xf() override { return 0; }
    std::size_t commit_dxf() override { return 0; }
    void set_cell_style_count(std::size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(std::size_t) override {}
    void set_cell_style_builtin(std::size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    std::size_t commit_cell_style() override { return 0; }
};

// A reference as the sheet parts write it ("Sheet1!$A$1:$B$2"); A1 when it is malformed.
std::tuple<int, int, int, int> ReferenceArea(std::string_view address)
{
    std::string plain;
    const std::size_t bang = address.rfind('!');
    for (char ch : address.substr(bang == std::string_view::npos ? 0 : bang + 1))
        if (ch != '$')
            plain += ch;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (!ParseSheetAddress(plain, top, left, bottom, right))
        top = left = bottom = right = 0;
    return {top, left, bottom, right};
}

class Resolver : public iface::import_reference_resolver
{
public:
    orcus::spreadsheet::src_address_t resolve_address(std::string_view address) override
    {
        const auto range = resolve_range(address);
        return range.first;
    }
    orcus::spreadsheet::src_range_t resolve_range(std::string_view address) override
    {
        const auto [top, left, bottom, right] = ReferenceArea(address);
        return {{0, top, left}, {0, bottom, right}};
    }
};

class Sheet;

class Formula : public iface::import_formula
{
public:
    explicit Formula(Sheet& sheet) : m_sheet(sheet) {}
    void set_position(row_t row, col_t col) override
    {
        m_row = row;
        m_col = col;
        m_value = SheetValue();
    }
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(std::size_t) override {}
    void set_result_string(std::string_view value) override { m_value = SheetValue::Text(CellText(value)); }
    void set_result_value(double value) override { m_value = SheetValue::Number(value); }
    void set_result_bool(bool value) override { m_value = SheetValue::Boolean(value); }
    void set_result_empty() override { m_value = SheetValue(); }
    void commit() override;

private:
    Sheet& m_sheet;
    row_t m_row = 0;
    col_t m_col = 0;
    SheetValue m_value;
};

// The cached results of an array formula, taken as the cells' values like any formula's. Their
// positions count from the range's first cell.
class ArrayFormula : public iface::import_array_formula
{
public:
    explicit ArrayFormula(Sheet& sheet) : m_sheet(sheet) {}
    void set_range(const orcus::spreadsheet::range_t& range) override { m_first = range.first; }
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view) override {}
    void set_result_string(row_t row, col_t col, std::string_view value) override;
    void set_result_value(row_t row, col_t col, double value) override;
    void set_result_bool(row_t row, col_t col, bool value) override;
    void set_result_empty(row_t, col_t) override {}
    void commit() override {}

private:
    void Set(row_t row, col_t col, SheetValue value);

    Sheet& m_sheet;
    orcus::spreadsheet::address_t m_first{0, 0};
};

class Sheet : public iface::import_sheet
{
public:
    Sheet(SheetWorksheet& target, const SharedStrings& strings, CellBudget& budget)
        : m_target(target), m_strings(strings), m_budget(budget), m_formula(*this), m_arrayFormula(*this)
    {
    }

    iface::import_formula* get_formula() override { return &m_formula; }
    iface::import_array_formula* get_array_formula() override { return &m_arrayFormula; }
    void set_auto(row_t row, col_t col, std::string_view s) override { Set(row, col, SheetValue::Text(CellText(s))); }
    void set_string(row_t row, col_t col, orcus::spreadsheet::string_id_t sindex) override
    {
        m_pendingStrings.push_back({row, col, sindex});
    }
    void set_value(row_t row, col_t col, double value) override { Set(row, col, SheetValue::Number(value)); }
    void set_bool(row_t row, col_t col, bool value) override { Set(row, col, SheetValue::Boolean(value)); }
    void set_date_time(row_t row, col_t col, int year, int month, int day, int hour, int minute, double second) override
    {
        char text[64];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, int(second));
        Set(row, col, SheetValue::Text(text));
    }
    void set_format(row_t, col_t, std::size_t) override {}
    void set_format(row_t, col_t, row_t, col_t, std::size_t) override {}
    void fill_down_cells(row_t srcRow, col_t srcCol, row_t rangeSize) override
    {
        const SheetValue value = m_target.Cell(srcRow, srcCol);
        for (long long r = 1; r <= rangeSize; ++r)
            Set(static_cast<long long>(srcRow) + r, srcCol, value);
    }
    orcus::spreadsheet::range_size_t get_sheet_size() const override { return {kSheetMaxRows, kSheetMaxColumns}; }

    void Set(long long row, long long col, SheetValue value)
    {
        PlaceCell(m_target, m_budget, row, col, std::move(value));
    }

    // Strings are resolved once the whole file has been read, whatever order its parts came in.
    void ResolveStrings()
    {
        for (const auto& [row, col, index] : m_pendingStrings) {
            const std::string* text = m_strings.Get(index);
            if (!text)
                Damage("string index out of range");
            Set(row, col, SheetValue::Text(*text));
        }
        m_pendingStrings.clear();
    }

private:
    SheetWorksheet& m_target;
    const SharedStrings& m_strings;
    CellBudget& m_budget;
    Formula m_formula;
    ArrayFormula m_arrayFormula;
    std::vector<std::tuple<row_t, col_t, std::size_t>> m_pendingStrings;
};

void Formula::commit()
{
    m_sheet.Set(m_row, m_col, m_value);
}

void ArrayFormula::Set(row_t row, col_t col, SheetValue value)
{
    m_sheet.Set(static_cast<long long>(m_first.row) + row, static_cast<long long>(m_first.column) + col,
                std::move(value));
}

void ArrayFormula::set_result_string(row_t row, col_t col, std::string_view value)
{
    Set(row, col, SheetValue::Text(CellText(value)));
}

void ArrayFormula::set_result_value(row_t row, col_t col, double value)
{
    Set(row, col, SheetValue::Number(value));
}

void ArrayFormula::set_result_bool(row_t row, col_t col, bool value)
{
    Set(row, col, SheetValue::Boolean(value));
}

class Factory : public iface::import_factory
{
public:
    Factory(SheetWorkbook& book, CellBudget& budget) : m_book(book), m_budget(budget) {}

    iface::import_shared_strings* get_shared_strings() override { return &m_strings; }
    iface::import_styles* get_styles() override { return &m_styles; }
    iface::import_reference_resolver* get_reference_resolver(orcus::spreadsheet::formula_ref_context_t) override
    {
        return &m_resolver;
    }
    iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t, std::string_view name) override
    {
        SheetWorksheet& target = m_book.AddSheet(std::string(name));
        m_sheets.push_back(std::make_unique<Sheet>(target, m_strings, m_budget));
        m_names.emplace_back(name);
        return m_sheets.back().get();
    }
    iface::import_sheet* get_sheet(std::string_view name) override
    {
        for (std::size_t i = 0; i < m_names.size(); ++i)
            if (m_names[i] == name)
                return m_sheets[i].get();
        return nullptr;
    }
    iface::import_sheet* get_sheet(orcus::spreadsheet::sheet_t index) override
    {
        return index >= 0 && std::size_t(index) < m_sheets.size() ? m_sheets[std::size_t(index)].get() : nullptr;
    }
    void finalize() override
    {
        for (auto& sheet : m_sheets)
            sheet->ResolveStrings();
    }

private:
    SheetWorkbook& m_book;
    SharedStrings m_strings;
    NoStyles m_styles;
    Resolver m_resolver;
    std::vector<std::unique_ptr<Sheet>> m_sheets;
    std::vector<std::string> m_names;
    CellBudget& m_budget;
};


// --- The parts of the zip ------------------------------------------------------------------------

bool IsXmlPart(const std::string& name)
{
    const auto endsWith = [&](std::string_view end) {
        return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    return endsWith(".xml") || endsWith(".rels");
}

// A part of the zip, checked against the size and CRC-32 the directory gives for it.
std::vector<unsigned char> ZipPart(const orcus::zip_archive& zip, const ZipEntry& entry)
{
    std::vector<unsigned char> part;
    if (!zip.read_file_entry(entry.name, part))
        Damage("cannot unpack " + entry.name);
    // The archive ends each part with a terminating zero for its own parsers.
    if (part.size() != entry.unpacked && part.size() != entry.unpacked + 1)
        Damage(entry.name + ": not of the size the zip directory gives");
    part.resize(entry.unpacked);
    if (crc32(0, part.data(), uInt(part.size())) != entry.crc)
        Damage(entry.name + ": CRC-32 mismatch");
    return part;
}

// The part's bytes for the XML reader, without a copy.
QByteArray Bytes(const std::vector<unsigned char>& part)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(part.data()), qsizetype(part.size()));
}

// A run of XML between markup longer than any cell's text is damage; found before any XML
// reader builds it (a 100 MB text would take seconds and a gigabyte).
void CheckTextRuns(const std::vector<unsigned char>& part, const std::string& name)
{
    std::size_t run = 0;
    for (unsigned char c : part) {
        run = c == '<' || c == '>' ? 0 : run + 1;
        if (run > kMaxTextRunBytes)
            Damage(name + ": a text longer than " + std::to_string(kMaxCellCharacters) + " characters");
    }
}

void CheckXml(const QXmlStreamReader& xml, const std::string& part)
{
    if (xml.hasError())
        Damage(part + ": " + xml.errorString().toStdString());
}

// A part cut short (its end tags missing) or otherwise not well-formed is damage: liborcus would
// read what stands before the cut without a word.
void CheckWholeXml(const std::vector<unsigned char>& part, const std::string& name)
{
    QXmlStreamReader xml(Bytes(part));
    while (!xml.atEnd())
        xml.readNext();
    CheckXml(xml, name);
}

// True when the part ends with its document element's end tag, as a part that was not cut does.
bool EndsWithRootEndTag(const std::vector<unsigned char>& part)
{
    const std::string_view xml(reinterpret_cast<const char*>(part.data()), part.size());
    std::size_t at = 0;
    // The first start tag: past the declaration, processing instructions, comments and the DTD.
    while ((at = xml.find('<', at)) != std::string_view::npos && at + 1 < xml.size() &&
           (xml[at + 1] == '?' || xml[at + 1] == '!'))
        ++at;
    if (at == std::string_view::npos || at + 1 >= xml.size())
        return false;
    const std::size_t nameEnd = xml.find_first_of(" \t\r\n/>", at + 1);
    if (nameEnd == std::string_view::npos)
        return false;
    const std::string_view root = xml.substr(at + 1, nameEnd - at - 1);
    std::string_view rest = xml.substr(nameEnd);
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.back())))
        rest.remove_suffix(1);
    if (rest.size() < 1 || rest.back() != '>')
        return false;
    rest.remove_suffix(1);
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.back())))
        rest.remove_suffix(1);
    const std::string endTag = "</" + std::string(root);
    return rest.size() >= endTag.size() && rest.substr(rest.size() - endTag.size()) == endTag;
}

// A part of the size only sheets and string tables reach is read whole only when the cheap check
// of its end cannot tell (Qt's reader takes a second for 30 MB).
void CheckComplete(const std::vector<unsigned char>& part, const std::string& name)
{
    if (part.size() <= kReadWholeBytes || !EndsWithRootEndTag(part))
        CheckWholeXml(part, name);
}

// Whether a sheet part must be read through: it may hold inline strings or array formulas, or
// write names and values in ways a look at its bytes cannot see through.
bool NeedsScan(const std::vector<unsigned char>& part)
{
    const std::string_view xml(reinterpret_cast<const char*>(part.data()), part.size());
    for (std::string_view mark : {"inlineStr", "array", "&#", "<!"})
        if (xml.find(mark) != std::string_view::npos)
            return true;
    return false;
}

// Appends a run of a cell's text; throws Refused as soon as the text is longer than a cell holds.
void AppendCellText(std::string& text, const QString& run)
{
    text += run.toStdString();
    if (text.size() > 4 * kMaxCellCharacters)
        CellText(text);
}

// A value the reader finds beside liborcus, over a block of cells (repeated rows and columns),
// and those values by sheet name.
struct CellBlock
{
    long long row, column, rows, columns;
    SheetValue value;
};
using CellsBySheet = std::map<std::string, std::vector<CellBlock>>;

// --- .xlsx sheet parts: inline-string cells and array formulas -----------------------------------

// The inline-string cells of one sheet part: <c t="inlineStr"><is><t>..</t></is></c>, the text
// possibly in runs (<r><t>..</t></r>); phonetic runs (<rPh>) are not part of the text. Rows and
// cells without a reference follow the one before them. The ranges of its array formulas are
// added to `arrayCells`; throws Refused when they are more than can be read.
std::vector<CellBlock> ScanSheetPart(const std::vector<unsigned char>& part, const std::string& name,
                                     long long& arrayCells)
{
    std::vector<CellBlock> cells;
    QXmlStreamReader xml(Bytes(part));
    long long row = -1, column = -1;
    bool inInline = false;
    int phonetic = 0;
    std::string text;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const auto local = xml.name();
            if (local == u"row") {
                bool ok = false;
                const int r = xml.attributes().value("r").toInt(&ok);
                row = ok && r >= 1 ? r - 1 : row + 1;
                column = -1;
            } else if (local == u"c") {
                const QString reference = xml.attributes().value("r").toString();
                int top = 0, left = 0, bottom = 0, right = 0;
                if (!reference.isEmpty() && ParseSheetAddress(reference.toStdString(), top, left, bottom, right)) {
                    row = top;
                    column = left;
                } else {
                    ++column;
                }
                inInline = xml.attributes().value("t") == u"inlineStr";
                text.clear();
            } else if (local == u"f" && xml.attributes().value("t") == u"array") {
                const auto [top, left, bottom, right] =
                    ReferenceArea(xml.attributes().value("ref").toString().toStdString());
                arrayCells += static_cast<long long>(bottom - top + 1) * (right - left + 1);
                if (arrayCells > kMaxArrayFormulaCells)
                    throw Refused{Refusal::TooLarge, name + ": array formulas over too many cells"};
            } else if (inInline && local == u"rPh") {
                ++phonetic;
            } else if (inInline && phonetic == 0 && local == u"t") {
                AppendCellText(text, xml.readElementText());
            }
        } else if (token == QXmlStreamReader::EndElement) {
            const auto local = xml.name();
            if (local == u"rPh" && phonetic > 0) {
                --phonetic;
            } else if (local == u"c" && inInline) {
                if (row < 0 || column < 0 || row >= kSheetMaxRows || column >= kSheetMaxColumns)
                    Damage(name + ": a cell outside the sheet");
                cells.push_back({row, column, 1, 1, SheetValue::Text(CellText(text))});
                inInline = false;
            }
        }
    }
    CheckXml(xml, name);
    return cells;
}

// The sheets the workbook part lists: name and relationship id.
std::vector<std::pair<std::string, std::string>> WorkbookSheets(const std::vector<unsigned char>& part,
                                                                const std::string& name)
{
    std::vector<std::pair<std::string, std::string>> sheets;
    QXmlStreamReader xml(Bytes(part));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"sheet")
            continue;
        std::string sheetName, id;
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            if (attribute.name() == u"name" && attribute.namespaceUri().isEmpty())
                sheetName = attribute.value().toString().toStdString();
            else if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
                id = attribute.value().toString().toStdString();
        }
        sheets.emplace_back(sheetName, id);
    }
    CheckXml(xml, name);
    return sheets;
}

// The parts the workbook's relationships point to, by relationship id.
std::map<std::string, std::string> RelationshipTargets(const std::vector<unsigned char>& part, const std::string& name)
{
    std::map<std::string, std::string> targets;
    QXmlStreamReader xml(Bytes(part));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        std::string target = xml.attributes().value("Target").toString().toStdString();
        if (target.rfind('/', 0) == 0)
            target.erase(0, 1);
        else
            target = "xl/" + (target.rfind("./", 0) == 0 ? target.substr(2) : target);
        targets[xml.attributes().value("Id").toString().toStdString()] = target;
    }
    CheckXml(xml, name);
    return targets;
}

// Checks every XML part of an .xlsx (size, CRC-32, complete XML, array formulas) and returns its
// inline-string cells by sheet name (liborcus drops them).
CellsBySheet CheckXlsxParts(const orcus::zip_archive& zip, const std::vector<ZipEntry>& entries)
{
    std::map<std::string, std::vector<CellBlock>> withInline;
    std::vector<std::pair<std::string, std::string>> sheets;
    std::map<std::string, std::string> targets;
    long long arrayCells = 0;
    for (const ZipEntry& entry : entries) {
        if (!IsXmlPart(entry.name))
            continue;
        const auto part = ZipPart(zip, entry);
        if (entry.name.rfind("xl/worksheets/", 0) == 0) {
            CheckTextRuns(part, entry.name);
            if (!NeedsScan(part)) {
                CheckComplete(part, entry.name);
                continue;
            }
            auto cells = ScanSheetPart(part, entry.name, arrayCells);
            if (!cells.empty())
                withInline.emplace(entry.name, std::move(cells));
        } else if (entry.name == "xl/workbook.xml") {
            sheets = WorkbookSheets(part, entry.name);
        } else if (entry.name == "xl/_rels/workbook.xml.rels") {
            targets = RelationshipTargets(part, entry.name);
        } else {
            if (entry.name == "xl/sharedStrings.xml")
                CheckTextRuns(part, entry.name);
            CheckComplete(part, entry.name);
        }
    }
    CellsBySheet result;
    for (const auto& [sheetName, id] : sheets) {
        const auto target = targets.find(id);
        if (target == targets.end())
            continue;
        const auto cells = withInline.find(target->second);
        if (cells == withInline.end())
            continue;
        result[sheetName] = std::move(cells->second);
        withInline.erase(cells);
    }
    // A sheet part with inline strings that no sheet of the workbook names: its cells would be
    // lost without a word, so the workbook is not read.
    if (!withInline.empty())
        Damage("a sheet with inline strings is not listed in the workbook");
    return result;
}

// --- Cells of .ods tables that liborcus leaves empty or cuts short ------------------------------

// The text of the paragraph the reader stands on, to its end, added to `text`: runs of spaces,
// tabs and line breaks as the elements that stand for them say; notes and comments are left out.
void OdsParagraphText(QXmlStreamReader& xml, std::string& text)
{
    const QString textNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            AppendCellText(text, xml.text().toString());
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::StartElement) {
            const bool inText = xml.namespaceUri() == textNs;
            if (inText && xml.name() == u"s") {
                bool ok = false;
                const long long count = xml.attributes().value(textNs, "c").toLongLong(&ok);
                const auto spaces = ok && count > 0 ? std::min<long long>(count, 4 * kMaxCellCharacters + 1) : 1;
                AppendCellText(text, QString(qsizetype(spaces), QChar(' ')));
                xml.skipCurrentElement();
            } else if (inText && xml.name() == u"tab") {
                AppendCellText(text, "\t");
                xml.skipCurrentElement();
            } else if (inText && xml.name() == u"line-break") {
                AppendCellText(text, "\n");
                xml.skipCurrentElement();
            } else if (xml.name() == u"annotation" || (inText && xml.name() == u"note")) {
                xml.skipCurrentElement();
            } else {
                ++depth;
            }
        }
    }
}

// Truth values, texts, the text results of formulas and the numbers of repeated rows, by table
// name: liborcus delivers no truth value and no text result of a formula from an .ods file, of a
// text of several paragraphs only the last, and the numbers of a repeated row only once. Rows and
// cells count their repetitions (in 64 bits: a repetition may ask for 2^31); covered cells take
// their places. A cell beyond the sheet's last column, or one with a value beyond its last row,
// is damage; throws Refused when the cells would cost more than a workbook may.
CellsBySheet OdsCellsOrcusMisreads(const std::vector<unsigned char>& content)
{
    CheckTextRuns(content, "content.xml");
    const QString tableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
    const QString officeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
    const QString textNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
    // Counting stops just past the sheet's edge, so no repetition can make a count overflow.
    constexpr long long kPastRows = kSheetMaxRows + 1LL, kPastColumns = kSheetMaxColumns + 1LL;
    CellsBySheet result;
    QXmlStreamReader xml(Bytes(content));
    CellBudget budget;
    long long steps = 0;
    std::vector<CellBlock>* table = nullptr;
    long long row = 0, rowRepeat = 1, column = 0;
    auto repeat = [](const QXmlStreamAttributes& attributes, const QString& ns, const char* name, long long most) {
        bool ok = false;
        const long long n = attributes.value(ns, QString::fromLatin1(name)).toLongLong(&ok);
        return ok && n > 0 ? std::min(n, most) : 1;
    };
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.namespaceUri() == tableNs && xml.name() == u"table-row") {
            row = std::min(row + rowRepeat, kPastRows);
            continue;
        }
        if (token != QXmlStreamReader::StartElement || xml.namespaceUri() != tableNs)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"table") {
            table = &result[attributes.value(tableNs, "name").toString().toStdString()];
            row = 0;
        } else if (xml.name() == u"table-row") {
            rowRepeat = repeat(attributes, tableNs, "number-rows-repeated", kPastRows);
            column = 0;
        } else if (xml.name() == u"table-cell" || xml.name() == u"covered-table-cell") {
            const long long columns = repeat(attributes, tableNs, "number-columns-repeated", kPastColumns);
            const auto type = attributes.value(officeNs, "value-type");
            if (column + columns > kSheetMaxColumns || (!type.isEmpty() && row + rowRepeat > kSheetMaxRows))
                Damage("content.xml: a cell outside the sheet");
            if ((steps += columns) > kMaxOdsCellSteps)
                throw Refused{Refusal::TooLarge, {}};
            SheetValue value;
            if (type == u"boolean") {
                value = SheetValue::Boolean(attributes.value(officeNs, "boolean-value") == u"true");
            } else if (type == u"string") {
                if (attributes.hasAttribute(officeNs, "string-value")) {
                    value =
                        SheetValue::Text(CellText(attributes.value(officeNs, "string-value").toString().toStdString()));
                } else {
                    // The paragraphs of the cell, one line each; a comment is no part of it.
                    std::string text;
                    int paragraphs = 0;
                    while (xml.readNextStartElement()) {
                        if (xml.namespaceUri() == textNs && xml.name() == u"p") {
                            if (paragraphs++)
                                AppendCellText(text, "\n");
                            OdsParagraphText(xml, text);
                        } else {
                            xml.skipCurrentElement();
                        }
                    }
                    value = SheetValue::Text(CellText(text));
                }
            } else if (rowRepeat > 1 && (type == u"float" || type == u"percentage" || type == u"currency")) {
                value = SheetValue::Number(attributes.value(officeNs, "value").toDouble());
            }
            if (!type.isEmpty())
                budget.Spend(rowRepeat * columns, value.GetText().size());
            if (!value.IsEmpty() && table)
                table->push_back({row, column, rowRepeat, columns, std::move(value)});
            column = std::min(column + columns, kPastColumns);
        }
    }
    CheckXml(xml, "content.xml");
    return result;
}

// Checks every XML part of an .ods (size, CRC-32, complete XML) and returns the cells liborcus
// misreads in content.xml.
CellsBySheet CheckOdsParts(const orcus::zip_archive& zip, const std::vector<ZipEntry>& entries)
{
    CellsBySheet result;
    for (const ZipEntry& entry : entries) {
        if (!IsXmlPart(entry.name))
            continue;
        const auto part = ZipPart(zip, entry);
        if (entry.name == "content.xml")
            result = OdsCellsOrcusMisreads(part);
        else
            CheckComplete(part, entry.name);
    }
    return result;
}

// Puts the values found beside liborcus into their sheets, over what liborcus gave there.
void PlaceCells(SheetWorkbook& book, CellBudget& budget, const CellsBySheet& cells)
{
    for (int n = 1; n <= book.SheetCount(); ++n) {
        SheetWorksheet& sheet = book.Sheet(n);
        const auto blocks = cells.find(sheet.NameUtf8());
        if (blocks == cells.end())
            continue;
        for (const CellBlock& block : blocks->second)
            for (long long r = block.row; r < block.row + block.rows; ++r)
                for (long long c = block.column; c < block.column + block.columns; ++c)
                    PlaceCell(sheet, budget, r, c, block.value);
    }
}

std::unique_ptr<SheetWorkbook> ReadWorkbook(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Refused{Refusal::NotWorkbook, file.errorString().toStdString()};
    if (file.size() > kMaxFileBytes)
        throw Refused{Refusal::TooLarge, {}};
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        Damage(file.errorString().toStdString());

    std::vector<ZipEntry> entries;
    if (!ZipDirectory(bytes, entries))
        throw Refused{Refusal::NotWorkbook, {}};
    std::uint64_t total = 0;
    bool xlsx = false, ods = false;
    for (const ZipEntry& entry : entries) {
        if (entry.unpacked > kMaxPartBytes || (total += entry.unpacked) > kMaxUnpackedBytes)
            throw Refused{Refusal::TooLarge, {}};
        xlsx = xlsx || entry.name == "xl/workbook.xml";
        ods = ods || entry.name == "content.xml";
    }
    if (!xlsx && !ods)
        throw Refused{Refusal::NotWorkbook, {}};

    auto book = std::make_unique<SheetWorkbook>(0);
    const std::string_view stream(bytes.constData(), std::size_t(bytes.size()));
    orcus::zip_archive_stream_blob blob(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        std::size_t(bytes.size()));
    orcus::zip_archive zip(&blob);
    zip.load();
    CellBudget budget;
    Factory factory(*book, budget);
    if (xlsx) {
        const CellsBySheet inlineStrings = CheckXlsxParts(zip, entries);
        orcus::orcus_xlsx reader(&factory);
        reader.read_stream(stream);
        PlaceCells(*book, budget, inlineStrings);
    } else {
        const CellsBySheet misread = CheckOdsParts(zip, entries);
        orcus::orcus_ods reader(&factory);
        reader.read_stream(stream);
        PlaceCells(*book, budget, misread);
    }
    // A workbook always has a sheet; none means its directory part could not be read.
    if (book->SheetCount() == 0)
        Damage("no sheet");
    return book;
}

} // namespace workbook_reader_cpp

std::unique_ptr<SheetWorkbook> SheetWorkbook::Open(const QString& path)
{
    using namespace workbook_reader_cpp;
    // Every failure ends in the reader's refusal, whatever threw: the refusal is prepared before
    // reading, as building it may fail when memory has run out.
    const SheetError prepared = PrepareRefusal(path);
    try {
        return ReadWorkbook(path);
    } catch (const Refused& refused) {
        throw Refuse(path, refused.why, refused.detail.c_str(), prepared);
    } catch (const std::exception& e) {
        throw Refuse(path, Refusal::Damaged, e.what(), prepared);
    } catch (...) {
        throw Refuse(path, Refusal::Damaged, "", prepared);
    }
}
