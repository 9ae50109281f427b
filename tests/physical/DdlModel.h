// A small data model for the physical-design tests: conceptual files with data items, the
// application's 21 default SQL data types, and the document's SQL options.
#pragma once

#include "tests/model/RelationModel.h"

#include "model/Data.h"
#include "physical/DataTypeList.h"
#include "physical/DdlOptions.h"
#include "platform/afx/Cp932.h"

#include <QByteArray>

#include <string>

struct ItemSpec
{
    const char* name;      // UTF-8
    WORD keyGroup = 0;     // 0: no key item
    const char* type = ""; // SQL type name
    WORD editKind = 0;
    DWORD digits = 0;
    DWORD decimals = 0;
    WORD nullOption = 0;
    const char* defaultValue = "";
    const char* column = ""; // column name (UTF-8)
    WORD level = 1;
    DWORD physical = 1;
};

class DdlModel : public RelationModel
{
public:
    DdlModel() { types.SetDefaultDataTypes(); }

    // A conceptual file (name in UTF-8) at the point, with table name and index name.
    WORD Table(const char* name, const char* table = "", const char* index = "", CPoint at = CPoint(0, 0))
    {
        const WORD id = File(FromUtf8(name), at);
        FileAt(id).SetTableName(FromUtf8(table));
        FileAt(id).SetPrimaryIndexName(FromUtf8(index));
        return id;
    }
    CData& Item(WORD fileId, const ItemSpec& spec)
    {
        const BOOL key = spec.keyGroup != 0;
        auto* item = new CData(WORD(FileAt(fileId).GetDataCount() + 1), FromUtf8(spec.name), "", key ? "K" : "N", "N",
                               "", spec.keyGroup, key ? 1 : 0, 0, spec.level, 0);
        item->SetDataTypeName(spec.type);
        item->SetEditKind(spec.editKind);
        item->SetDigits(spec.digits);
        item->SetDecimals(spec.decimals);
        item->SetNullOption(spec.nullOption);
        item->SetDefaultValue(FromUtf8(spec.defaultValue));
        item->SetColumnName(FromUtf8(spec.column));
        item->SetPhysicalTarget(spec.physical);
        FileAt(fileId).AddData(item);
        return *item;
    }

    static CString FromUtf8(const char* text) { return CString(Utf8ToCp932(text).c_str()); }

    CDataTypeList types;
};

// What the file holds for a script written here in UTF-8 with LF lines: CP932 with CR LF.
inline std::string FileBytes(const std::string& utf8)
{
    std::string bytes;
    for (char c : Utf8ToCp932(utf8)) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

// The banner that opens every table block.
inline std::string Banner(const std::string& fileName)
{
    const std::string hyphens(80, '-');
    return "\n" + hyphens + "\n-- " + fileName + "\n" + hyphens;
}
