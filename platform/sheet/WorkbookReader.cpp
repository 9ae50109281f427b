// Reading a workbook (.xlsx or .ods) through liborcus' import interfaces into a SheetWorkbook.
// The reader is given what it dereferences without asking (styles, a reference resolver) and a
// formula interface (formula cells would vanish without one; their cached results are taken).
// liborcus unpacks each part whole, so the zip's directory is checked first; it also drops
// inline-string cells, which several programs and libraries write, so those are read here from the
// sheet parts themselves and put in place after liborcus has read the rest.
#include "platform/sheet/SheetError.h"
#include "platform/sheet/Workbook.h"

#include <QFile>
#include <QXmlStreamReader>

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <tuple>

namespace workbook_reader_cpp {

namespace iface = orcus::spreadsheet::iface;
using orcus::spreadsheet::col_t;
using orcus::spreadsheet::row_t;

// Limits far above any workbook this program writes or reads, far below what hurts the machine.
constexpr qint64 kMaxFileBytes = 64LL << 20;
constexpr std::uint64_t kMaxPartBytes = 128ULL << 20;
constexpr std::uint64_t kMaxUnpackedBytes = 256ULL << 20;

enum class Refusal { NotWorkbook, TooLarge, Damaged };

SheetError ReadFailure(const QString& path, Refusal why, const std::string& detail = {})
{
    CString message(u8"ﾌｧｲﾙ \"");
    message += FromQString(path);
    switch (why) {
    case Refusal::NotWorkbook: message += CString(u8"\" はﾜｰｸﾌﾞｯｸ(.xlsx, .ods)ではありません。"); break;
    case Refusal::TooLarge: message += CString(u8"\" は大きすぎるため読み込めません。"); break;
    case Refusal::Damaged: message += CString(u8"\" は壊れているため読み込めません。"); break;
    }
    if (!detail.empty())
        message += CString("\n(" + detail + ")");
    return SheetError(message);
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
    std::uint64_t unpacked;
};

// The entries of the zip's central directory; false when the bytes are no zip this reader takes
// (zip64 archives included: nothing here needs them).
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
        const std::uint32_t unpacked = Le(h + 24, 4);
        const std::uint32_t nameLength = Le(h + 28, 2);
        const std::uint32_t extra = Le(h + 30, 2);
        const std::uint32_t comment = Le(h + 32, 2);
        if (pos + 46 + nameLength > std::uint64_t(size) || unpacked == 0xFFFFFFFF)
            return false;
        entries.push_back({std::string(h + 46, nameLength), unpacked});
        pos += 46ULL + nameLength + extra + comment;
    }
    return true;
}

class SharedStrings : public iface::import_shared_strings
{
public:
    std::size_t append(std::string_view s) override
    {
        m_strings.emplace_back(s);
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
    void append_segment(std::string_view s) override { m_segments.append(s); }
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
        std::string plain;
        const std::size_t bang = address.rfind('!');
        for (char ch : address.substr(bang == std::string_view::npos ? 0 : bang + 1))
            if (ch != '$')
                plain += ch;
        int top = 0, left = 0, bottom = 0, right = 0;
        if (!ParseSheetAddress(plain, top, left, bottom, right))
            top = left = bottom = right = 0;
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
    void set_result_string(std::string_view value) override { m_value = SheetValue::Text(std::string(value)); }
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

class Sheet : public iface::import_sheet
{
public:
    Sheet(SheetWorksheet& target, const SharedStrings& strings) : m_target(target), m_strings(strings), m_formula(*this)
    {
    }

    iface::import_formula* get_formula() override { return &m_formula; }
    void set_auto(row_t row, col_t col, std::string_view s) override
    {
        Set(row, col, SheetValue::Text(std::string(s)));
    }
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
        for (row_t r = 1; r <= rangeSize; ++r)
            Set(srcRow + r, srcCol, value);
    }
    orcus::spreadsheet::range_size_t get_sheet_size() const override { return {kSheetMaxRows, kSheetMaxColumns}; }

    void Set(row_t row, col_t col, SheetValue value) { m_target.SetCell(int(row), int(col), std::move(value)); }

    // Strings are resolved once the whole file has been read, whatever order its parts came in.
    void ResolveStrings()
    {
        for (const auto& [row, col, index] : m_pendingStrings) {
            const std::string* text = m_strings.Get(index);
            if (!text)
                throw std::runtime_error("string index out of range");
            Set(row, col, SheetValue::Text(*text));
        }
        m_pendingStrings.clear();
    }

private:
    SheetWorksheet& m_target;
    const SharedStrings& m_strings;
    Formula m_formula;
    std::vector<std::tuple<row_t, col_t, std::size_t>> m_pendingStrings;
};

void Formula::commit()
{
    m_sheet.Set(m_row, m_col, m_value);
}

class Factory : public iface::import_factory
{
public:
    explicit Factory(SheetWorkbook& book) : m_book(book) {}

    iface::import_shared_strings* get_shared_strings() override { return &m_strings; }
    iface::import_styles* get_styles() override { return &m_styles; }
    iface::import_reference_resolver* get_reference_resolver(orcus::spreadsheet::formula_ref_context_t) override
    {
        return &m_resolver;
    }
    iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t, std::string_view name) override
    {
        SheetWorksheet& target = m_book.AddSheet(std::string(name));
        m_sheets.push_back(std::make_unique<Sheet>(target, m_strings));
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
};


// --- Inline-string cells of .xlsx sheets ---------------------------------------------------------

struct InlineCell
{
    int row, column;
    std::string text;
};

// A part of the zip as bytes; throws when it cannot be unpacked.
QByteArray ZipPart(orcus::zip_archive& zip, const std::string& name)
{
    std::vector<unsigned char> part;
    if (!zip.read_file_entry(name, part))
        throw std::runtime_error("cannot unpack " + name);
    // The archive ends each part with a terminating zero for its own parsers.
    std::size_t size = part.size();
    while (size > 0 && part[size - 1] == 0)
        --size;
    return QByteArray(reinterpret_cast<const char*>(part.data()), qsizetype(size));
}

bool HasEntry(const std::vector<ZipEntry>& entries, const std::string& name)
{
    for (const ZipEntry& entry : entries)
        if (entry.name == name)
            return true;
    return false;
}

void CheckXml(const QXmlStreamReader& xml, const std::string& part)
{
    if (xml.hasError())
        throw std::runtime_error(part + ": " + xml.errorString().toStdString());
}

// The inline-string cells of one sheet part: <c t="inlineStr"><is><t>..</t></is></c>, the text
// possibly in runs (<r><t>..</t></r>); phonetic runs (<rPh>) are not part of the text. Rows and
// cells without a reference follow the one before them.
std::vector<InlineCell> InlineCellsOf(const QByteArray& part, const std::string& name)
{
    std::vector<InlineCell> cells;
    QXmlStreamReader xml(part);
    int row = -1, column = -1;
    bool inInline = false;
    int phonetic = 0;
    InlineCell cell{};
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
                cell = InlineCell{row, column, {}};
            } else if (inInline && local == u"rPh") {
                ++phonetic;
            } else if (inInline && phonetic == 0 && local == u"t") {
                cell.text += xml.readElementText().toStdString();
            }
        } else if (token == QXmlStreamReader::EndElement) {
            const auto local = xml.name();
            if (local == u"rPh" && phonetic > 0) {
                --phonetic;
            } else if (local == u"c" && inInline) {
                if (row < 0 || column < 0 || row >= kSheetMaxRows || column >= kSheetMaxColumns)
                    throw std::runtime_error(name + ": cell outside the sheet");
                cells.push_back(std::move(cell));
                inInline = false;
            }
        }
    }
    CheckXml(xml, name);
    return cells;
}

// The inline-string cells of the workbook by sheet name; empty when it has none.
std::map<std::string, std::vector<InlineCell>> InlineStrings(orcus::zip_archive& zip,
                                                             const std::vector<ZipEntry>& entries)
{
    std::map<std::string, std::vector<InlineCell>> result;
    // Most workbooks have none: look at the sheets' bytes before reading any XML.
    std::map<std::string, QByteArray> withInline;
    for (const ZipEntry& entry : entries) {
        if (entry.name.rfind("xl/worksheets/", 0) != 0 || entry.name.find(".xml") == std::string::npos)
            continue;
        QByteArray part = ZipPart(zip, entry.name);
        if (part.contains("inlineStr"))
            withInline.emplace(entry.name, std::move(part));
    }
    if (withInline.empty())
        return result;

    // Sheet names by relationship id, then relationship ids to parts.
    std::vector<std::pair<std::string, std::string>> sheets;
    {
        const std::string name = "xl/workbook.xml";
        QXmlStreamReader xml(ZipPart(zip, name));
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
    }
    std::map<std::string, std::string> targets;
    const std::string relsName = "xl/_rels/workbook.xml.rels";
    if (HasEntry(entries, relsName)) {
        QXmlStreamReader xml(ZipPart(zip, relsName));
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
        CheckXml(xml, relsName);
    }
    std::size_t placed = 0;
    for (const auto& [sheetName, id] : sheets) {
        const auto target = targets.find(id);
        if (target == targets.end())
            continue;
        const auto part = withInline.find(target->second);
        if (part == withInline.end())
            continue;
        result[sheetName] = InlineCellsOf(part->second, part->first);
        ++placed;
    }
    // A sheet part with inline strings that no sheet of the workbook names: its cells would be
    // lost without a word, so the workbook is not read.
    if (placed != withInline.size())
        throw std::runtime_error("a sheet with inline strings is not listed in the workbook");
    return result;
}

// --- Cells of .ods tables that liborcus leaves empty or cuts short ----------------------------------------------

struct OdsCell
{
    int row, column;
    SheetValue value;
};

// Cells with values that repetitions may spread over, far more than any workbook of this program
// holds; a few bytes of XML asking for more would keep the reader busy for hours.
constexpr long long kMaxOdsCells = 4000000;

struct TooManyCells
{
};

// The text of the paragraph the reader stands on, to its end: runs of spaces, tabs and line breaks
// as the elements that stand for them say; notes and comments are left out.
QString OdsParagraphText(QXmlStreamReader& xml)
{
    const QString textNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::StartElement) {
            const bool inText = xml.namespaceUri() == textNs;
            if (inText && xml.name() == u"s") {
                bool ok = false;
                const int count = xml.attributes().value(textNs, "c").toInt(&ok);
                text += QString(ok && count > 0 ? std::min(count, 32767) : 1, QChar(' '));
                xml.skipCurrentElement();
            } else if (inText && xml.name() == u"tab") {
                text += QChar('\t');
                xml.skipCurrentElement();
            } else if (inText && xml.name() == u"line-break") {
                text += QChar('\n');
                xml.skipCurrentElement();
            } else if (xml.name() == u"annotation" || (inText && xml.name() == u"note")) {
                xml.skipCurrentElement();
            } else {
                ++depth;
            }
        }
    }
    return text;
}

// Truth values, texts and the text results of formulas, by table name: liborcus delivers no truth
// value and no text result of a formula from an .ods file, and of a text of several paragraphs
// only the last. Rows and cells count their repetitions; covered cells take their places. Throws
// TooManyCells when the tables' repetitions would make more cells with values than can be read.
std::map<std::string, std::vector<OdsCell>> OdsCellsOrcusMisreads(const QByteArray& content)
{
    long long valued = 0;
    const QString tableNs = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
    const QString officeNs = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
    const QString textNs = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
    std::map<std::string, std::vector<OdsCell>> result;
    QXmlStreamReader xml(content);
    std::vector<OdsCell>* table = nullptr;
    int row = 0, rowRepeat = 1, column = 0;
    auto repeat = [](const QXmlStreamAttributes& attributes, const QString& ns, const char* name) {
        bool ok = false;
        const int n = attributes.value(ns, QString::fromLatin1(name)).toInt(&ok);
        return ok && n > 0 ? n : 1;
    };
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.namespaceUri() == tableNs && xml.name() == u"table-row") {
            row += rowRepeat;
            continue;
        }
        if (token != QXmlStreamReader::StartElement || xml.namespaceUri() != tableNs)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"table") {
            table = &result[attributes.value(tableNs, "name").toString().toStdString()];
            row = 0;
        } else if (xml.name() == u"table-row") {
            rowRepeat = repeat(attributes, tableNs, "number-rows-repeated");
            column = 0;
        } else if (xml.name() == u"table-cell" || xml.name() == u"covered-table-cell") {
            const int columns = repeat(attributes, tableNs, "number-columns-repeated");
            const auto type = attributes.value(officeNs, "value-type");
            if (!type.isEmpty() && (valued += static_cast<long long>(rowRepeat) * columns) > kMaxOdsCells)
                throw TooManyCells{};
            SheetValue value;
            if (type == u"boolean") {
                value = SheetValue::Boolean(attributes.value(officeNs, "boolean-value") == u"true");
            } else if (type == u"string") {
                if (attributes.hasAttribute(officeNs, "string-value")) {
                    value = SheetValue::Text(attributes.value(officeNs, "string-value").toString().toStdString());
                } else {
                    // The paragraphs of the cell, one line each; a comment is no part of it.
                    QString text;
                    int paragraphs = 0;
                    while (xml.readNextStartElement()) {
                        if (xml.namespaceUri() == textNs && xml.name() == u"p")
                            text += (paragraphs++ ? "\n" : "") + OdsParagraphText(xml);
                        else
                            xml.skipCurrentElement();
                    }
                    value = SheetValue::Text(text.toStdString());
                }
            }
            if (!value.IsEmpty() && table)
                for (int r = row; r < row + rowRepeat && r < kSheetMaxRows; ++r)
                    for (int c = column; c < column + columns && c < kSheetMaxColumns; ++c)
                        table->push_back({r, c, value});
            column += columns;
        }
    }
    if (xml.hasError())
        throw std::runtime_error("content.xml: " + xml.errorString().toStdString());
    return result;
}

} // namespace workbook_reader_cpp

std::unique_ptr<SheetWorkbook> SheetWorkbook::Open(const QString& path)
{
    using namespace workbook_reader_cpp;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReadFailure(path, Refusal::NotWorkbook, file.errorString().toStdString());
    if (file.size() > kMaxFileBytes)
        throw ReadFailure(path, Refusal::TooLarge);
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        throw ReadFailure(path, Refusal::Damaged, file.errorString().toStdString());

    std::vector<ZipEntry> entries;
    if (!ZipDirectory(bytes, entries))
        throw ReadFailure(path, Refusal::NotWorkbook);
    std::uint64_t total = 0;
    bool xlsx = false, ods = false;
    for (const ZipEntry& entry : entries) {
        if (entry.unpacked > kMaxPartBytes || (total += entry.unpacked) > kMaxUnpackedBytes)
            throw ReadFailure(path, Refusal::TooLarge);
        xlsx = xlsx || entry.name == "xl/workbook.xml";
        ods = ods || entry.name == "content.xml";
    }
    if (!xlsx && !ods)
        throw ReadFailure(path, Refusal::NotWorkbook);

    auto book = std::make_unique<SheetWorkbook>(0);
    try {
        const std::string_view stream(bytes.constData(), std::size_t(bytes.size()));
        if (xlsx) {
            orcus::zip_archive_stream_blob blob(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                std::size_t(bytes.size()));
            orcus::zip_archive zip(&blob);
            zip.load();
            const auto inlineStrings = InlineStrings(zip, entries);
            Factory factory(*book);
            orcus::orcus_xlsx reader(&factory);
            reader.read_stream(stream);
            for (const auto& [sheetName, cells] : inlineStrings) {
                for (int n = 1; n <= book->SheetCount(); ++n) {
                    SheetWorksheet& sheet = book->Sheet(n);
                    if (sheet.NameUtf8() != sheetName)
                        continue;
                    for (const InlineCell& cell : cells)
                        sheet.SetCell(cell.row, cell.column, SheetValue::Text(cell.text));
                    break;
                }
            }
        } else {
            orcus::zip_archive_stream_blob blob(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                                std::size_t(bytes.size()));
            orcus::zip_archive zip(&blob);
            zip.load();
            const auto dropped = OdsCellsOrcusMisreads(ZipPart(zip, "content.xml"));
            Factory factory(*book);
            orcus::orcus_ods reader(&factory);
            reader.read_stream(stream);
            for (int n = 1; n <= book->SheetCount(); ++n) {
                SheetWorksheet& sheet = book->Sheet(n);
                const auto cells = dropped.find(sheet.NameUtf8());
                if (cells == dropped.end())
                    continue;
                for (const OdsCell& cell : cells->second)
                    sheet.SetCell(cell.row, cell.column, cell.value);
            }
        }
    } catch (const SheetError&) {
        throw;
    } catch (const TooManyCells&) {
        throw ReadFailure(path, Refusal::TooLarge);
    } catch (const std::exception& e) {
        throw ReadFailure(path, Refusal::Damaged, e.what());
    }
    // A workbook always has a sheet; none means its directory part could not be read.
    if (book->SheetCount() == 0)
        throw ReadFailure(path, Refusal::Damaged);
    return book;
}
