// Conceptual-file records of older versions, written field by field as those versions wrote them.
#pragma once

#include "model/FileComp.h"
#include "objects/StrgObj.h"

#include "tests/model/ArchiveBytes.h"

#include <string>

inline std::string TextObjectRecord(const char* text)
{
    CStrgObj label(0, CRect(0, 0, 80, -20), text);
    return ArchiveBytes::Store([&](CArchive& ar) { label.Serialize(ar); });
}

// A conceptual-file record as the first object of an archive.
inline std::string Tagged(const std::string& record)
{
    return ArchiveBytes::FirstObject("CFileComp", record);
}

// The five object lists of versions 9 to 14 are empty unless given (their bytes, all five).
inline std::string OldRecord(WORD version, WORD integrated, const std::string& legacyLists = std::string(10, '\0'))
{
    ArchiveBytes::Bytes b = ArchiveBytes::RectRecord(version, OBJKIND_FILECOMP);
    b.S("F1").S("File").S("ID<A>").S(static_cast<const char*>(CString(u8"Qty＜x＞"))).D(90).D(DWORD(-30)).W(3).D(0xFF);
    if (version >= 4)
        b.D(DWORD(-50)).S("ex").D(25);
    if (version >= 8 && version <= 14)
        b.W(1).data += TextObjectRecord("old1");
    if (version >= 10 && version <= 14)
        b.W(2).data += TextObjectRecord("old2");
    if (version >= 9 && version <= 14)
        b.data += legacyLists;
    if (version >= 11) {
        b.W(4).W(1);
        if (version < 13)
            b.S("IO-12");
        else
            b.W(1).data += TextObjectRecord("IO");
        if (version < 1001) {
            b.W(integrated).W(0).W(0).W(1).W(0).data += TextObjectRecord("name");
            b.W(1).W(0).data += TextObjectRecord("value");
        }
        b.S("summary").W(0);
    }
    if (version >= 12 && version <= 1000)
        b.W(2).S("R1").S("R2").S("R3").W(5).W(6).S("R4").W(8);
    if (version >= 20)
        b.S("T_FILE");
    if (version >= 1000)
        b.W(1).W(0).S("PK").S("TS").S("IS").W(0).W(12).S("Def");
    return Tagged(b.data);
}
