#include "model/Data.h"
#include "model/DataModelClasses.h"
#include "model/DataTypeLookup.h"

#include "tests/model/ArchiveBytes.h"
#include "tests/model/StubDataTypes.h"
#include "tests/support/MessageScript.h"

#include <gtest/gtest.h>

#include <optional>

namespace DataTest {

using ArchiveBytes::Bytes;

// A key item of the group with every field set, as a record of `version`, holding the fields a
// record of `loadedFrom` holds (the others at the values a load gives them).
std::string DataRecord(WORD version, WORD group, WORD loadedFrom, WORD sourceCount = 0)
{
    Bytes b;
    b.W(version).W(3).S("Name").S("N3").S("K").S("N").S("T").W(group).W(1).W(0).W(1).W(0).W(7).W(4).S("Ref").S("x+1");
    if (version >= 16)
        loadedFrom >= 16 ? b.S("Sum") : b.Ss(1);
    if (version >= 12) {
        if (loadedFrom >= 12)
            b.W(2).S("F2").S("File2").S("I2").S("Item2").W(5).W(9).S("File3").W(6).S("Item3");
        else
            b.W(1).Ss(4).Ws(2).Ss(1).Ws(1).Ss(1);
    }
    if (version >= 20)
        loadedFrom >= 20 ? b.S("COL").D(10).D(2).S("NUMBER") : b.Ss(1).D(0).D(0).Ss(1);
    if (version >= 1000) {
        if (loadedFrom >= 1000)
            b.W(0).W(2).W(1).S("0");
        else // a key item: NOT NULL, a physical target only in group 1; the kind of its type
            b.W(group == 1 ? 1 : 0).W(loadedFrom >= 20 ? 2 : 0).W(1).Ss(1);
    }
    b.W(sourceCount);
    return b.data;
}

TEST(Data, ValueConstructorSetsKeyAndLevelDefaults)
{
    struct Case
    {
        const char* key;
        WORD group, level, parent;
        WORD nullOption;
        DWORD physical;
    } cases[] = {
        {"K", 2, 1, 0, 1, 0}, // a key outside group 1 is NOT NULL and no column
        {"S", 1, 1, 0, 1, 1}, // a top-level key of group 1 stays a column
        {"P", 1, 2, 1, 1, 0}, // a child item is never a column
        {"N", 0, 2, 1, 2, 0}, {"N", 0, 1, 0, 2, 1}, {"M", 2, 1, 0, 2, 1}, // "M" is no key code
    };
    for (const Case& c : cases) {
        const CData item(1, "A", "", c.key, "N", "", c.group, 0, 0, c.level, c.parent);
        EXPECT_EQ(item.GetNullOption(), c.nullOption) << c.key << c.group << c.level;
        EXPECT_EQ(item.GetPhysicalTarget(), c.physical) << c.key << c.group << c.level;
        EXPECT_EQ(item.GetRefForm(), CData::REF_BY_IDS);
    }
    const CData plain;
    EXPECT_EQ(plain.GetVersion(), 1001);
    EXPECT_EQ(plain.GetLevel(), 1);
    EXPECT_EQ(plain.GetNullOption(), CData::NULL_NULL);
    EXPECT_EQ(plain.GetPhysicalTarget(), 1u);
}

TEST(Data, CodeTestsCompareWholeCodes)
{
    struct Case
    {
        const char* code;
        bool key, derived, bracket;
    } cases[] = {
        {"K", true, true, false},   {"S", true, true, false},   {"P", true, true, false}, {"N", false, false, false},
        {"M", false, false, false}, {"", false, false, false},  {"G", false, true, true}, {"W", false, true, true},
        {"C", false, true, true},   {"KS", false, true, false},
    };
    for (const Case& c : cases) {
        CData item;
        item.SetKeyCode(c.code);
        item.SetDerivationCode(c.code);
        EXPECT_EQ(bool(item.IsKeyItem()), c.key) << c.code;
        EXPECT_EQ(bool(item.IsDerived()), c.derived) << c.code;
        EXPECT_EQ(bool(item.IsBracketDerivation()), c.bracket) << c.code;
    }
    struct KeyCase
    {
        BOOL key, several, rkey;
        const char* code;
    } keyCases[] = {{FALSE, TRUE, TRUE, "N"},
                    {TRUE, FALSE, TRUE, "K"},
                    {TRUE, TRUE, FALSE, "S"},
                    {TRUE, TRUE, TRUE, "P"}};
    for (const KeyCase& c : keyCases)
        EXPECT_EQ(CData::MakeKeyCode(c.key, c.several, c.rkey), CString(c.code));
    EXPECT_EQ(CData::MakeRkeyCode(TRUE), CString("R"));
    EXPECT_EQ(CData::MakeRkeyCode(FALSE), CString("N"));
}

TEST(Data, RecordsOfEveryVersionLoadAndStoreTheCurrentLayout)
{
    RegisterDataModelClasses();
    StubDataTypes types;
    struct Case
    {
        WORD version, group;
    } cases[] = {{8, 1}, {11, 2}, {12, 2}, {15, 1}, {19, 2}, {999, 1}, {999, 2}, {1001, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        CData item;
        ArchiveBytes::Load(DataRecord(c.version, c.group, c.version), [&](CArchive& ar) {
            item.Serialize(ar);
            EXPECT_EQ(ar.GetRemainingLength(), 0u);
        });
        EXPECT_EQ(item.GetVersion(), c.version);
        EXPECT_EQ(item.GetName(), CString("Name"));
        EXPECT_EQ(item.GetRefForm(), c.version >= 12 ? 2 : 1);
        EXPECT_EQ(item.GetRef3ItemName(), CString(c.version >= 12 ? "Item3" : ""));
        EXPECT_EQ(item.GetSummary(), CString(c.version >= 16 ? "Sum" : ""));
        EXPECT_EQ(item.GetDataTypeName(), CString(c.version >= 20 ? "NUMBER" : ""));
        EXPECT_EQ(item.GetEditKind(), c.version >= 20 ? 2 : 0); // read, or found for the type and size
        EXPECT_EQ(item.GetNullOption(), 1);
        EXPECT_EQ(item.GetPhysicalTarget(), c.version < 1000 && c.group == 1 ? 1u : 0u);
        EXPECT_EQ(ArchiveBytes::Store([&](CArchive& ar) { item.Serialize(ar); }), DataRecord(1001, c.group, c.version));
        EXPECT_EQ(item.GetVersion(), 1001);
    }
}

TEST(Data, OldTypeWithoutMatchKeepsEditKindNone)
{
    // The type is unknown, and without registered data types nothing is found either.
    std::string record = DataRecord(999, 1, 999);
    record.replace(record.find("NUMBER"), 6, "BOGUS!");
    for (bool withTypes : {true, false}) {
        std::optional<StubDataTypes> types;
        if (withTypes)
            types.emplace();
        CData item;
        ArchiveBytes::Load(record, [&](CArchive& ar) { item.Serialize(ar); });
        EXPECT_EQ(item.GetEditKind(), 0);
    }
}

TEST(Data, TruncatedAndAbsurdRecordsFailAsInvalidFormat)
{
    RegisterDataModelClasses();
    const std::string record = DataRecord(1001, 1, 1001);
    for (std::size_t length = 0; length < record.size(); ++length) {
        ArchiveBytes::Load(record.substr(0, length), [&](CArchive& ar) {
            CData item;
            EXPECT_THROW(item.Serialize(ar), CArchiveException) << length;
        });
    }
    // A source count far beyond the bytes left, and a source list holding an item.
    std::string absurdCount = record;
    absurdCount.replace(absurdCount.size() - 2, 2, ArchiveBytes::Le16(0xFFFE));
    CData inner;
    const std::string itemAsSource = record.substr(0, record.size() - 2) + ArchiveBytes::Le16(1) +
                                     ArchiveBytes::Store([&](CArchive& ar) { ar.WriteObject(&inner); });
    for (const std::string& bad : {absurdCount, itemAsSource}) {
        ArchiveBytes::Load(bad, [&](CArchive& ar) {
            CData item;
            EXPECT_THROW(item.Serialize(ar), CArchiveException);
        });
    }
}

TEST(Data, CopyTakesSourcesButNotMarks)
{
    CData item(4, "A", "4", "N", "N", "T", 0, 0, 0, 1, 0);
    auto* source = new CDataGenSrc;
    source->ByIds().srcFile = 9;
    item.GetSources().AddDataGenSrcDirect(source);
    item.SetMarks(0x31);
    item.SetUpdateMarks(4);
    item.SetScratchNumber(8);
    item.SetScratchName("old");
    item.SetNullOption(7);

    const CData copy(item);
    EXPECT_EQ(copy.GetName(), CString("A"));
    EXPECT_EQ(copy.GetNullOption(), 7);
    ASSERT_EQ(copy.GetSources().GetCount(), 1);
    EXPECT_NE(copy.GetSources().GetHead(), source);
    EXPECT_EQ(copy.GetSources().GetHead()->ByIds().srcFile, 9);
    EXPECT_EQ(copy.GetMarks(), 0u);
    EXPECT_EQ(copy.GetUpdateMarks(), 0u);
    EXPECT_EQ(copy.GetScratchNumber(), 0);
    EXPECT_TRUE(copy.GetScratchName().IsEmpty());
    // Physical attributes take no part in the comparison; the number may be taken from the scratch.
    EXPECT_EQ(item.CompareData(copy, FALSE), 0u);
    EXPECT_EQ(copy.CompareData(item, TRUE), CData::DIFF_NUMBER);
}

TEST(Data, CompareDataReportsEachField)
{
    struct Case
    {
        void (*change)(CData&);
        DWORD bit;
    } cases[] = {
        {[](CData& d) { d.SetName("B"); }, CData::DIFF_NAME},
        {[](CData& d) { d.SetKeyCode("K"); }, CData::DIFF_KEY_CODE},
        {[](CData& d) { d.SetParentItem(2); }, CData::DIFF_PARENT},
        {[](CData& d) { d.SetRefItemName("x"); }, CData::DIFF_REF_ITEM_NAME},
        {[](CData& d) { d.SetDigits(3); }, CData::DIFF_DEFINITION},
        {[](CData& d) { d.SetRefForm(3); }, CData::DIFF_REF_FORM},
        {[](CData& d) { d.SetRef2ItemName("x"); }, CData::DIFF_REF_TEXTS},
        {[](CData& d) { d.SetRef3Diagram(1); }, CData::DIFF_REF_IN_DIAGRAM},
        {[](CData& d) { d.GetSources().AddDataGenSrcDirect(new CDataGenSrc); }, CDataGenSrcList::DIFF_COUNT},
        {[](CData& d) { d.SetNullOption(1); }, 0},
        {[](CData& d) { d.SetDefaultValue("0"); }, 0},
    };
    const CData base(1, "A", "", "N", "N", "", 0, 0, 0, 1, 0);
    for (const Case& c : cases) {
        CData changed(base);
        c.change(changed);
        EXPECT_EQ(base.CompareData(changed, FALSE), c.bit);
    }
}

TEST(Data, ReferenceTestsReadOnlyTheCurrentForm)
{
    CData item;
    item.SetRefFile(5);
    item.SetRef2ItemNumber("7");
    item.SetRef3File(6);
    struct Case
    {
        WORD form;
        bool file, itemSet;
    } cases[] = {{1, true, false}, {2, false, true}, {3, true, false}, {4, false, false}};
    for (const Case& c : cases) {
        item.SetRefForm(c.form);
        EXPECT_EQ(bool(item.HasReferencedFile()), c.file) << c.form;
        EXPECT_EQ(bool(item.HasReferencedItem()), c.itemSet) << c.form;
        EXPECT_NE(item.HasReferencedItem(), item.HasNoReferencedItem());
    }
    item.SetRefForm(3);
    item.ClearReference();
    EXPECT_EQ(item.GetRefForm(), 3);
    EXPECT_EQ(item.GetRefFile(), 0);
    EXPECT_TRUE(item.GetRef2ItemNumber().IsEmpty());
    EXPECT_EQ(item.GetRef3File(), 0);
    item.ResetReference();
    EXPECT_EQ(item.GetRefForm(), 1);
}

TEST(Data, RkeyReferencesFollowTheKeyName)
{
    const CData key(2, "CustomerCode", "", "K", "N", "", 1, 1, 0, 1, 0);
    struct Case
    {
        const char* name;
        const char* rkey;
        bool ends, candidate;
    } cases[] = {
        {"CustomerCode", "R", true, true},
        {"BillingCustomerCode", "R", true, true},
        {"BillingCustomerCode", "N", true, false}, // not an RKEY item
        {"Code", "R", false, false},               // shorter than the key's name
        {"", "R", false, false},
        {"CustomerCodeX", "R", false, false},
    };
    for (const Case& c : cases) {
        CData item(5, c.name, "", "N", c.rkey, "", 0, 0, 0, 1, 0);
        EXPECT_EQ(bool(item.NameEndsWith(key)), c.ends) << c.name;
        EXPECT_EQ(bool(item.SetRkeyReference(40, key, FALSE)), c.candidate) << c.name;
        if (c.candidate) {
            EXPECT_EQ(item.GetRefFile(), 40);
            EXPECT_EQ(item.GetRefItem(), 2);
            EXPECT_EQ(item.GetRefItemName(), CString("CustomerCode"));
            // Set once, it is kept unless overwriting.
            EXPECT_FALSE(item.SetRkeyReference(41, key, FALSE));
            EXPECT_TRUE(item.SetRkeyReference(41, key, TRUE));
        }
    }
    EXPECT_FALSE(key.NameEndsWith(key));
}

TEST(Data, ParentRuleNamesTheFirstBrokenCondition)
{
    const CData keyParent(1, "P", "", "K", "N", "", 1, 1, 0, 1, 0);
    const CData otherGroupParent(1, "P", "", "K", "N", "", 2, 1, 0, 1, 0);
    const CData plainParent(1, "P", "", "N", "N", "", 0, 0, 0, 1, 0);
    const CData childParent(1, "P", "", "N", "N", "", 0, 0, 0, 2, 9);
    struct Case
    {
        CData item;
        const CData* parent;
        const char8_t* message; // null: the rule holds
    } cases[] = {
        {CData(2, "A", "", "N", "N", "", 0, 0, 0, 1, 0), nullptr, nullptr},
        {CData(2, "A", "", "N", "N", "", 0, 0, 0, 1, 1), &plainParent,
         u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目でないのに親概念ﾃﾞｰﾀ項目が指定されている"},
        {CData(2, "A", "", "N", "N", "", 0, 0, 0, 2, 0), nullptr,
         u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目なのに親概念ﾃﾞｰﾀ項目が指定されていない"},
        {CData(2, "A", "", "N", "N", "", 0, 0, 0, 2, 1), &childParent,
         u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目に指定されている"},
        {CData(2, "A", "", "K", "N", "", 1, 0, 0, 2, 1), &plainParent,
         u8"ｷｰ機能があるﾃﾞｰﾀ項目にｷｰ機能がない親概念ﾃﾞｰﾀ項目が指定されている"},
        {CData(2, "A", "", "K", "N", "", 1, 0, 0, 2, 1), &otherGroupParent,
         u8"ｷｰｸﾞﾙｰﾌﾟ番号が異なるﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目が指定されている"},
        {CData(2, "A", "", "N", "N", "", 0, 0, 0, 2, 1), &keyParent,
         u8"ｷｰ機能がないﾃﾞｰﾀ項目にｷｰ機能がある親概念ﾃﾞｰﾀ項目が指定されている"},
        {CData(2, "A", "", "S", "N", "", 1, 0, 0, 2, 1), &keyParent, nullptr},
    };
    for (const Case& c : cases) {
        CString message;
        EXPECT_EQ(bool(c.item.CheckParentRule(c.parent, message)), c.message != nullptr);
        EXPECT_EQ(message, c.message ? CString(c.message) : CString());
    }
}

TEST(Data, TypeTextsAndColumnNames)
{
    StubDataTypes types;
    CData item(1, "Amount", "", "N", "N", "", 0, 0, 0, 1, 0);
    item.SetDataTypeName("NUMBER");
    item.SetEditKind(2);
    item.SetDigits(10);
    item.SetDecimals(2);
    EXPECT_EQ(item.GetTypeText(), CString("NUMBER(10,2)"));
    EXPECT_EQ(item.GetShortTypeText(), CString("N10"));
    item.SetEditKind(1);
    EXPECT_TRUE(item.GetShortTypeText().IsEmpty()); // no type of that name and kind
    item.SetEditKind(2);

    struct Case
    {
        DWORD option, physical;
        const char* existing;
        bool target;
        const char* created;
    } cases[] = {
        {0, 1, "", true, "Amount"},
        {CData::COLUMN_TYPE_PREFIX, 1, "", true, "N_Amount"},
        {CData::COLUMN_PHYSICAL_ONLY, 0, "", false, nullptr},
        {0, 1, "OLD", false, nullptr},
        {CData::COLUMN_OVERWRITE | CData::COLUMN_TYPE_PREFIX, 1, "OLD", true, "N_Amount"},
    };
    for (const Case& c : cases) {
        CData probe(item);
        probe.SetPhysicalTarget(c.physical);
        probe.SetColumnName(c.existing);
        EXPECT_EQ(bool(probe.IsColumnNameTarget(c.option)), c.target) << c.option;
        if (c.created) {
            EXPECT_TRUE(probe.CreateColumnName(c.option, types));
            EXPECT_EQ(probe.GetColumnName(), CString(c.created));
        }
    }
    item.SetName("");
    EXPECT_FALSE(item.IsColumnNameTarget(0));
}

} // namespace DataTest
