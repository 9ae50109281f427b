#include "platform/afx/Archive.h"
#include "platform/afx/Array.h"
#include "platform/afx/List.h"
#include "platform/afx/MemFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

namespace ArchiveTestSupport {

class CArcItem : public CObject
{
    DECLARE_SERIAL(CArcItem)
public:
    explicit CArcItem(LONG v = 0) : value(v) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << value;
        else
            ar >> value;
    }
    LONG value;
};
IMPLEMENT_SERIAL(CArcItem, CObject, 1)

// Loads older schemas and says which one it met.
class CArcVersioned : public CObject
{
    DECLARE_SERIAL(CArcVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            loadedSchema = ar.GetObjectSchema();
    }
    UINT loadedSchema = 0;
};
IMPLEMENT_SERIAL(CArcVersioned, CObject, VERSIONABLE_SCHEMA | 2)

// An owning list of items, as the system's own lists are.
class COwningList : public CObList
{
public:
    ~COwningList() override
    {
        while (!IsEmpty())
            delete RemoveHead();
    }
};

class CArcGroup : public COwningList
{
    DECLARE_SERIAL(CArcGroup)
};
IMPLEMENT_SERIAL(CArcGroup, CObList, 1)

std::string Store(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
    const auto length = UINT(file.GetLength());
    std::string bytes(length, '\0');
    file.SeekToBegin();
    file.Read(bytes.data(), length);
    return bytes;
}

void Load(const std::string& bytes, const std::function<void(CArchive&)>& read)
{
    std::string copy = bytes; // the file reads from exactly these bytes, nothing after them
    CMemFile file(reinterpret_cast<BYTE*>(copy.data()), UINT(copy.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
}

std::string Le16(WORD v)
{
    return std::string{char(v & 0xFF), char(v >> 8)};
}
std::string Le32(DWORD v)
{
    return Le16(WORD(v & 0xFFFF)) + Le16(WORD(v >> 16));
}
std::string NewClass(const char* name, WORD schema)
{
    return Le16(0xFFFF) + Le16(schema) + Le16(WORD(std::strlen(name))) + name;
}

} // namespace ArchiveTestSupport

using namespace ArchiveTestSupport;

TEST(Archive, StringLengthPrefixes)
{
    const struct
    {
        int length;
        std::string prefix;
    } cases[] = {
        {0, std::string(1, '\0')},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {65535, std::string("\xFF\xFF\xFF\xFF\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const auto& c : cases) {
        const CString text('x', c.length);
        const std::string bytes = Store([&](CArchive& ar) { ar << text; });
        EXPECT_EQ(bytes, c.prefix + text.Bytes()) << c.length;
        Load(bytes, [&](CArchive& ar) {
            CString back;
            ar >> back;
            EXPECT_EQ(back, text) << c.length;
        });
    }
}

TEST(Archive, WideStringsBecomeCodePage932)
{
    const std::string utf16le("\xE5\x65\x2C\x67\x61\x00", 6); // 日本a
    std::string longText;
    for (int i = 0; i < 300; ++i)
        longText += std::string("\x42\x30", 2); // あ
    Load("\xFF\xFE\xFF\x03" + utf16le + "\xFF\xFE\xFF\xFF" + Le16(300) + longText, [](CArchive& ar) {
        CString shortText, longer;
        ar >> shortText >> longer;
        EXPECT_EQ(shortText, CString(u8"日本a"));
        EXPECT_EQ(longer.GetLength(), 600);
        EXPECT_EQ(longer.Left(2), CString(u8"あ"));
    });
}

TEST(Archive, ValuesAreLittleEndianWithTheFrameworkWidths)
{
    const std::string bytes = Store([](CArchive& ar) {
        ar << BYTE(1) << WORD(0x0203) << short(-2) << int(-3) << DWORD(RGB(4, 5, 6)) << true << 1.5f;
        ar << CPoint(7, -8) << CSize(9, 10) << CRect(1, 2, 3, 4) << CTime(std::time_t(0x0102030405));
    });
    const std::string expected = std::string("\x01\x03\x02\xFE\xFF", 5) + Le32(DWORD(-3)) + Le32(0x060504) + "\x01" +
                                 Le32(0x3FC00000) + Le32(7) + Le32(DWORD(-8)) + Le32(9) + Le32(10) + Le32(1) + Le32(2) +
                                 Le32(3) + Le32(4) + Le32(0x02030405) + Le32(0x01);
    EXPECT_EQ(bytes, expected);
    Load(bytes, [](CArchive& ar) {
        BYTE b;
        WORD w;
        short s;
        int i;
        COLORREF color;
        bool flag;
        float f;
        CPoint p;
        CSize size;
        CRect r;
        CTime t;
        ar >> b >> w >> s >> i >> color >> flag >> f >> p >> size >> r >> t;
        EXPECT_EQ(std::tuple(b, w, s, i, color, flag, f), std::tuple(1, 0x0203, -2, -3, RGB(4, 5, 6), true, 1.5f));
        EXPECT_EQ(p, CPoint(7, -8));
        EXPECT_EQ(size, CSize(9, 10));
        EXPECT_EQ(r, CRect(1, 2, 3, 4));
        EXPECT_EQ(t.GetTime(), 0x0102030405);
    });
}

// Two objects of one class, a reference back to the first, a null pointer and a list with the
// first two and a third: one index counter for classes and objects.
TEST(Archive, ObjectsClassesAndBackReferences)
{
    CArcItem a(7), b(8), c(9);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    const std::string bytes = Store([&](CArchive& ar) {
        ar << &a << &b << &a << static_cast<CObject*>(nullptr);
        list.Serialize(ar);
    });
    const std::string expected = NewClass("CArcItem", 1) + Le32(7) + Le16(0x8001) + Le32(8) + Le16(2) + Le16(0) +
                                 Le16(3) + Le16(2) + Le16(3) + Le16(0x8001) + Le32(9);
    EXPECT_EQ(bytes, expected);

    Load(bytes, [](CArchive& ar) {
        CArcItem* first = nullptr;
        CArcItem* second = nullptr;
        CArcItem* again = nullptr;
        CArcItem sentinel;
        CObject* none = &sentinel;
        ar >> first >> second >> again >> none;
        std::unique_ptr<CArcItem> keepFirst(first), keepSecond(second);
        EXPECT_EQ(first->value, 7);
        EXPECT_EQ(second->value, 8);
        EXPECT_EQ(again, first);
        EXPECT_EQ(none, nullptr);
        CObList loaded;
        loaded.Serialize(ar);
        ASSERT_EQ(loaded.GetCount(), 3);
        EXPECT_EQ(loaded.GetHead(), first);
        EXPECT_EQ(loaded.GetAt(loaded.FindIndex(1)), second);
        std::unique_ptr<CObject> third(loaded.GetTail());
        EXPECT_EQ(static_cast<CArcItem*>(third.get())->value, 9);
    });
}

// A reader that owns what it reads takes only objects created by that read; a refused class is
// not even created (a CArcGroup would read the list after it).
TEST(Archive, NewObjectsAreTheReadersOwnAndEverythingElseIsRefused)
{
    const std::string item = NewClass("CArcItem", 1) + Le32(7);
    Load(item + Le16(0x8001) + Le32(8), [](CArchive& ar) {
        std::unique_ptr<CObject> first = ar.ReadNewObject(RUNTIME_CLASS(CArcItem));
        std::unique_ptr<CObject> second = ar.ReadNewObject(RUNTIME_CLASS(CObject));
        EXPECT_EQ(static_cast<CArcItem*>(first.get())->value, 7);
        EXPECT_EQ(static_cast<CArcItem*>(second.get())->value, 8);
    });
    const auto noGroups = [](const CRuntimeClass* runtimeClass) -> BOOL {
        return !runtimeClass->IsDerivedFrom(RUNTIME_CLASS(CArcGroup));
    };
    const struct
    {
        const char* name;
        std::string before; // read first as a new object
        std::string refused;
        int cause;
        std::size_t unread;
    } cases[] = {
        {"null", "", Le16(0), CArchiveException::badIndex, 0},
        {"back-reference", item, Le16(2), CArchiveException::badIndex, 0},
        // The group's class tag is read, its record (a list holding one item) is not.
        {"filtered class", "", NewClass("CArcGroup", 1) + Le16(1) + item, CArchiveException::badClass, 2 + item.size()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Load(c.before + c.refused, [&](CArchive& ar) {
            const std::unique_ptr<CObject> before = c.before.empty() ? nullptr : ar.ReadNewObject(nullptr);
            try {
                ar.ReadNewObject(RUNTIME_CLASS(CObject), noGroups);
                ADD_FAILURE() << "not refused";
            } catch (const CArchiveException& error) {
                EXPECT_EQ(error.m_cause, c.cause);
            }
            EXPECT_EQ(ar.GetRemainingLength(), c.unread);
        });
    }
}

// Objects a reader has read and deleted (a group and the item it held) are gone for later
// references; what was read before the mark and the classes met after it are still found.
TEST(Archive, DroppedObjectsAreRefusedAsLaterReferences)
{
    // Indices: the item's class 1, the item 2; the group's class 3, the group 4, the item in it 5.
    const std::string kept = NewClass("CArcItem", 1) + Le32(7);
    const std::string group = NewClass("CArcGroup", 1) + Le16(1) + Le16(0x8001) + Le32(8);
    for (const WORD dropped : {4, 5}) {
        SCOPED_TRACE(dropped);
        Load(kept + group + Le16(0x8003) + Le16(2) + Le16(dropped), [](CArchive& ar) {
            const std::unique_ptr<CObject> first = ar.ReadNewObject(RUNTIME_CLASS(CArcItem));
            const std::size_t mark = ar.GetLoadMark();
            ar.ReadNewObject(RUNTIME_CLASS(CArcGroup)).reset();
            ar.DropObjectsSince(mark);
            EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CArcGroup));
            EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CObject)), first.get());
            try {
                ar.ReadObject(RUNTIME_CLASS(CObject));
                ADD_FAILURE() << "a dropped object was handed out";
            } catch (const CArchiveException& error) {
                EXPECT_EQ(error.m_cause, CArchiveException::badIndex);
            }
        });
    }
}

// Past index 0x7FFE, object references and class references take the escape and a DWORD.
TEST(Archive, LargeIndicesUseTheLongForms)
{
    std::vector<CArcItem> items(0x7FFF);
    CArcVersioned v1, v2;
    const std::string bytes = Store([&](CArchive& ar) {
        for (CArcItem& item : items)
            ar << &item; // indices 2 .. 0x8000
        ar << &items.back() << &v1 << &v2;
    });
    const std::string tail =
        Le16(0x7FFF) + Le32(0x8000) + NewClass("CArcVersioned", 2) + Le16(0x7FFF) + Le32(0x80008001);
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    Load(bytes, [&](CArchive& ar) {
        COwningList loaded;
        for (std::size_t i = 0; i < items.size(); ++i) {
            CArcItem* item = nullptr;
            ar >> item;
            loaded.AddTail(item);
        }
        CObject* last = nullptr;
        CObject* versioned[2] = {};
        ar >> last >> versioned[0] >> versioned[1];
        EXPECT_EQ(last, loaded.GetTail());
        for (CObject* object : versioned) {
            EXPECT_EQ(static_cast<CArcVersioned*>(object)->loadedSchema, 2u);
            loaded.AddTail(object);
        }
    });
}

TEST(Archive, VersionableClassesLoadOlderSchemas)
{
    Load(NewClass("CArcVersioned", 1), [](CArchive& ar) {
        CObject* object = ar.ReadObject(RUNTIME_CLASS(CArcVersioned));
        std::unique_ptr<CObject> keep(object);
        EXPECT_EQ(static_cast<CArcVersioned*>(object)->loadedSchema, 1u);
        EXPECT_EQ(ar.GetObjectSchema(), UINT(-1));
    });
}

TEST(Archive, StringCollectionsAndNumberArraysRoundTrip)
{
    CStringList strings;
    strings.AddTail("a");
    strings.AddTail(CString(u8"表"));
    CDWordArray numbers;
    numbers.Add(1);
    numbers.Add(0x01020304);
    const std::string bytes = Store([&](CArchive& ar) {
        strings.Serialize(ar);
        numbers.Serialize(ar);
    });
    EXPECT_EQ(bytes, Le16(2) +
                         "\x01"
                         "a"
                         "\x02\x95\x5C" +
                         Le16(2) + Le32(1) + Le32(0x01020304));
    Load(bytes, [](CArchive& ar) {
        CStringArray texts;
        texts.Serialize(ar); // the same format as the list
        CDWordArray back;
        back.Serialize(ar);
        EXPECT_EQ(texts[1], CString(u8"表"));
        EXPECT_EQ(back.GetAt(1), 0x01020304u);
    });
}

// Every damaged input ends in the right archive exception: no crash, no huge allocation, no leak.
TEST(Archive, DamagedInputsThrowTheRightException)
{
    const auto readItem = [](CArchive& ar) {
        CArcItem* item = nullptr;
        ar >> item;
        delete item;
    };
    const auto readList = [](CArchive& ar) {
        COwningList list;
        list.Serialize(ar);
    };
    const auto readString = [](CArchive& ar) {
        CString text;
        ar >> text;
    };
    const auto readNumbers = [](CArchive& ar) {
        CDWordArray numbers;
        numbers.Serialize(ar);
    };
    const std::string item = NewClass("CArcItem", 1) + Le32(5);
    std::string deep = Le16(1) + NewClass("CObList", 0) + Le16(1);
    for (int i = 0; i < 1500; ++i)
        deep += Le16(0x8001) + Le16(1);
    const struct
    {
        const char* what;
        std::string bytes;
        std::function<void(CArchive&)> read;
        int cause;
    } cases[] = {
        {"unknown class", NewClass("CNoSuch", 1) + Le32(5), readItem, CArchiveException::badClass},
        {"class of another kind", NewClass("CArcVersioned", 2), readItem, CArchiveException::badClass},
        {"class not serializable", NewClass("CPtrList", 0), readItem, CArchiveException::badClass},
        {"absurd class name length", Le16(0xFFFF) + Le16(1) + Le16(0xFFF0) + "CArcItem", readItem,
         CArchiveException::badClass},
        {"name with a NUL", Le16(0xFFFF) + Le16(1) + Le16(9) + std::string("CArcItem\0", 9), readItem,
         CArchiveException::badClass},
        {"other schema", NewClass("CArcItem", 2) + Le32(5), readItem, CArchiveException::badSchema},
        {"class reference not loaded", Le16(0x8001) + Le32(5), readItem, CArchiveException::badIndex},
        {"class reference to an object in a list", Le16(2) + item + Le16(0x8002) + Le32(1), readList,
         CArchiveException::badIndex},
        {"big class reference not loaded", Le16(0x7FFF) + Le32(0x80000009), readItem, CArchiveException::badIndex},
        {"object reference not loaded", Le16(3), readItem, CArchiveException::badIndex},
        {"object reference to a class", Le16(2) + item + Le16(1), readList, CArchiveException::badIndex},
        {"absurd list count", Le16(0xFFFF) + Le32(0xFFFFFFFE) + item, readList, CArchiveException::endOfFile},
        {"64-bit list count", Le16(0xFFFF) + Le32(0xFFFFFFFF) + Le32(1) + Le32(1), readList,
         CArchiveException::endOfFile},
        {"array count beyond the file", Le16(1000) + std::string(100, '\0'), readNumbers, CArchiveException::endOfFile},
        {"absurd string length", "\xFF\xFF\xFF" + Le32(0x7FFFFFFF) + "abc", readString, CArchiveException::endOfFile},
        {"absurd wide string length", "\xFF\xFE\xFF\xFF\xFF\xFF" + Le32(0x40000000) + "ab", readString,
         CArchiveException::endOfFile},
        {"objects nested without end", deep, readList, CArchiveException::genericException},
    };
    for (const auto& c : cases) {
        try {
            Load(c.bytes, c.read);
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, c.cause) << c.what;
        }
    }
}

TEST(Archive, TruncationAtEveryByteIsEndOfFile)
{
    CArcItem a(1);
    CArcGroup group;
    group.AddTail(new CArcItem(2));
    group.AddTail(new CArcItem(3));
    const std::string bytes = Store([&](CArchive& ar) { ar << &a << CString("text") << &group << &a << CTime(5); });
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        try {
            Load(bytes.substr(0, cut), [](CArchive& ar) {
                COwningList owned;
                CObject* object = nullptr;
                CString text;
                CTime time;
                ar >> object;
                owned.AddTail(object);
                ar >> text >> object;
                owned.AddTail(object);
                ar >> object >> time;
            });
            ADD_FAILURE() << "cut at " << cut << ": no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile) << "cut at " << cut;
        }
    }
}
