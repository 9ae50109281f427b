// Workbooks written byte by byte for the import tests: a zip of stored (uncompressed) parts, and
// the smallest .xlsx and .ods packages around sheet XML of the test's own.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace hand_made_workbooks {

inline std::uint32_t Crc32(const QByteArray& data)
{
    std::uint32_t crc = 0xFFFFFFFF;
    for (char byte : data) {
        crc ^= static_cast<unsigned char>(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray StoredZip(const std::vector<std::pair<std::string, QByteArray>>& parts)
{
    auto le = [](QByteArray& out, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    QByteArray zip, central;
    for (const auto& [name, data] : parts) {
        const std::uint32_t offset = std::uint32_t(zip.size());
        const std::uint32_t crc = Crc32(data), size = std::uint32_t(data.size());
        le(zip, 0x04034b50, 4);
        le(zip, 20, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 2), le(zip, 0, 2);
        le(zip, crc, 4), le(zip, size, 4), le(zip, size, 4);
        le(zip, std::uint32_t(name.size()), 2), le(zip, 0, 2);
        zip.append(name.data(), qsizetype(name.size()));
        zip.append(data);
        le(central, 0x02014b50, 4);
        le(central, 20, 2), le(central, 20, 2), le(central, 0, 2), le(central, 0, 2), le(central, 0, 2),
            le(central, 0, 2);
        le(central, crc, 4), le(central, size, 4), le(central, size, 4);
        le(central, std::uint32_t(name.size()), 2), le(central, 0, 2), le(central, 0, 2), le(central, 0, 2),
            le(central, 0, 2), le(central, 0, 4), le(central, offset, 4);
        central.append(name.data(), qsizetype(name.size()));
    }
    const std::uint32_t centralOffset = std::uint32_t(zip.size());
    zip.append(central);
    le(zip, 0x06054b50, 4);
    le(zip, 0, 2), le(zip, 0, 2), le(zip, std::uint32_t(parts.size()), 2), le(zip, std::uint32_t(parts.size()), 2);
    le(zip, std::uint32_t(central.size()), 4), le(zip, centralOffset, 4), le(zip, 0, 2);
    return zip;
}

// The parts of an .xlsx of two sheets around the given <sheetData> contents of the first (the
// second empty), with the shared strings given.
inline std::vector<std::pair<std::string, QByteArray>> XlsxParts(const std::string& sheetData,
                                                                 const std::vector<std::string>& sharedStrings = {})
{
    const char* ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::string sst = std::string("<sst xmlns=\"") + ns + "\">";
    for (const std::string& text : sharedStrings)
        sst += "<si><t>" + text + "</t></si>";
    sst += "</sst>";
    auto sheet = [&](const std::string& data) {
        return QByteArray::fromStdString(std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet xmlns=\"") +
                                         ns + "\"><sheetData>" + data + "</sheetData></worksheet>");
    };
    return {
        {"[Content_Types].xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/workbook.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
         "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
         "<Override PartName=\"/xl/worksheets/sheet2.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
         "<Override PartName=\"/xl/sharedStrings.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
         "</Types>"},
        {"_rels/.rels", QByteArray::fromStdString(
                            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                            "<Relationship Id=\"rId1\" Type=\"" +
                            rel + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>")},
        {"xl/workbook.xml", QByteArray::fromStdString(std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                                                                  "<workbook xmlns=\"") +
                                                      ns + "\" xmlns:r=\"" + rel +
                                                      "\"><sheets><sheet name=\"Files\" sheetId=\"1\" r:id=\"rId1\"/>"
                                                      "<sheet name=\"Items\" sheetId=\"2\" r:id=\"rId2\"/>"
                                                      "</sheets></workbook>")},
        {"xl/_rels/workbook.xml.rels",
         QByteArray::fromStdString(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
             "<Relationship Id=\"rId1\" Type=\"" +
             rel + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" + rel +
             "/worksheet\" Target=\"/xl/worksheets/sheet2.xml\"/><Relationship Id=\"rId3\" Type=\"" + rel +
             "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>")},
        {"xl/worksheets/sheet1.xml", sheet(sheetData)},
        {"xl/worksheets/sheet2.xml", sheet("")},
        {"xl/sharedStrings.xml", QByteArray::fromStdString(sst)},
    };
}

inline QByteArray Xlsx(const std::string& sheetData, const std::vector<std::string>& sharedStrings = {})
{
    return StoredZip(XlsxParts(sheetData, sharedStrings));
}

// The parts of an .ods of two tables around the given <table:table-row> rows of the first (the
// second empty).
inline std::vector<std::pair<std::string, QByteArray>> OdsParts(const std::string& rows)
{
    const std::string content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
        "xmlns:of=\"urn:oasis:names:tc:opendocument:xmlns:of:1.2\" office:version=\"1.2\">"
        "<office:body><office:spreadsheet><table:table table:name=\"Files\">" +
        rows +
        "</table:table><table:table table:name=\"Items\"><table:table-row><table:table-cell/></table:table-row>"
        "</table:table></office:spreadsheet></office:body></office:document-content>";
    return {
        {"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
        {"META-INF/manifest.xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
         "manifest:version=\"1.2\"><manifest:file-entry manifest:full-path=\"/\" "
         "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
         "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
         "</manifest:manifest>"},
        {"content.xml", QByteArray::fromStdString(content)},
    };
}

inline QByteArray Ods(const std::string& rows)
{
    return StoredZip(OdsParts(rows));
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace hand_made_workbooks
