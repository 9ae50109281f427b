// Document archives in the framework's persistent-object format, written byte by byte from the
// file format: the fields of a record, and whole document records of any version.
#pragma once

#include "platform/afx/Cp932.h"
#include "platform/afx/WinTypes.h"

#include <cstdint>
#include <string>

// A document archive in the framework's persistent-object format, written field by field.
class DocumentBytes
{
public:
    DocumentBytes& Byte(std::uint8_t v) { return Raw(&v, 1); }
    DocumentBytes& Word(std::uint16_t v) { return Raw(&v, 2); }
    DocumentBytes& Dword(std::uint32_t v) { return Raw(&v, 4); }
    DocumentBytes& Long(std::int32_t v) { return Raw(&v, 4); }
    DocumentBytes& Float(float v) { return Raw(&v, 4); }
    // A string given in UTF-8, stored in code page 932 with the short length prefix.
    DocumentBytes& Str(const std::string& utf8)
    {
        const std::string bytes = Utf8ToCp932(utf8);
        if (bytes.size() < 0xFF)
            Byte(std::uint8_t(bytes.size()));
        else
            Byte(0xFF).Word(std::uint16_t(bytes.size()));
        return Raw(bytes.data(), bytes.size());
    }
    DocumentBytes& Date(int y, int mo, int d, int h, int mi, int s)
    {
        return Word(std::uint16_t(y))
            .Word(std::uint16_t(mo))
            .Word(std::uint16_t(d))
            .Word(std::uint16_t(h))
            .Word(std::uint16_t(mi))
            .Word(std::uint16_t(s));
    }
    // A new class tag with its schema and name.
    DocumentBytes& NewClass(const std::string& name, std::uint16_t schema = 1)
    {
        Word(0xFFFF).Word(schema).Word(std::uint16_t(name.size()));
        return Raw(name.data(), name.size());
    }
    // The box-object record of a rectangle (record version 1001) after its class tag.
    DocumentBytes& RectRecord(std::uint16_t id, std::int32_t left, std::int32_t top)
    {
        Word(1001).Word(5).Word(id).Long(left).Long(top).Long(left + 100).Long(top - 100);
        Word(0).Dword(0).Word(1).Word(0).Dword(0xFFFFFF).Word(1).Word(1);
        return Word(0).Dword(0x808080).Word(0).Word(0).Float(0.25f);
    }
    DocumentBytes& Raw(const void* data, std::size_t size)
    {
        m_bytes.append(static_cast<const char*>(data), size);
        return *this;
    }

    const std::string& Bytes() const { return m_bytes; }
    std::string& Bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

// What the record holds in each gated part when a test writes it: values that no default has.
struct GatedRecord
{
    std::string objectClass = "CRectObj";
    bool refDoc = true;
    int objects = 2;
    std::int32_t pagesAcross = 2;
    std::int32_t pagesDown = 3;
};

// The document record of a file of that version, built from the format with every gated part
// present exactly when the version has it. An object list given (count and objects) stands in
// for the rectangles; its class indices start at 1 when the record has no referenced diagram.
inline std::string DocumentRecord(WORD version, const GatedRecord& options = {}, const std::string& objectList = {})
{
    DocumentBytes a;
    a.Word(version).Str("作成者").Str("更新者").Date(2001, 2, 3, 4, 5, 6).Date(2002, 3, 4, 5, 6, 7);
    a.Str("表題")
        .Str("備考")
        .Word(3)
        .Long(options.pagesAcross)
        .Long(options.pagesDown)
        .Word(150)
        .Long(100)
        .Long(110)
        .Long(120)
        .Long(130);
    if (version >= 2)
        a.Word(5);
    a.Word(40);
    if (version >= 4) {
        a.Long(-12).Long(0).Long(0).Long(0).Long(700);
        a.Byte(1).Byte(0).Byte(0).Byte(128).Byte(3).Byte(2).Byte(1).Byte(0x31).Str("IPAGothic");
    }
    if (version >= 7) {
        a.Word(1).Word(0).Word(9).Word(3).Word(4).Word(0);
        a.Word(0xFF01).Word(1);
        for (int i = 0; i < 14; ++i)
            a.Word(0);
    }
    if (version >= 11)
        a.Word(0).Word(7).Str("甲").Str("乙");
    WORD nextIndex = 1;
    if (version >= 12) {
        a.Word(options.refDoc ? 1 : 0);
        if (options.refDoc) {
            a.NewClass("CRefDoc").Word(1001).Word(3).Str("C:\\x\\a.zvr").Str("題");
            nextIndex += 2;
        }
    }
    if (version >= 14)
        a.Dword(0x55);
    if (version >= 1000) {
        a.Dword(1).Dword(2).Dword(3).Dword(4).Dword(5);
        a.Str("TB_").Str("PK_").Str("_K").Str("TS1").Str("TS2").Dword(0x1234).Dword(150);
    }
    if (!objectList.empty())
        a.Raw(objectList.data(), objectList.size());
    else
        a.Word(WORD(options.objects));
    for (int i = 0; objectList.empty() && i < options.objects; ++i) {
        if (i == 0)
            a.NewClass(options.objectClass);
        else
            a.Word(WORD(0x8000 | nextIndex));
        a.RectRecord(WORD(i + 1), 100 * i, -100);
    }
    if (version >= 19)
        a.Dword(0);
    return a.Bytes();
}
