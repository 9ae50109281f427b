#include "model/DataModelClasses.h"
#include "model/FileComp.h"
#include "model/ItemTextParser.h"
#include "objects/DrawObjects.h"
#include "platform/afx/Exception.h"

#include "tests/model/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace FileCompTest {

using ArchiveBytes::Bytes;

CData* KeyItem(WORD number, const char* name, WORD group, WORD level = 1, WORD parent = 0)
{
    return new CData(number, name, "", "K", "N", "", group, 0, 0, level, parent);
}

std::string Names(const CObList& list)
{
    std::string names;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        names += static_cast<const char*>(static_cast<CData*>(list.GetNext(pos))->GetName());
        names += pos ? "," : "";
    }
    return names;
}

// A file with every stored field away from its default and three items.
void FillFile(CFileComp& file)
{
    file.SetFileNumber("F01");
    file.SetFileName(CString(u8"受注\r\n明細"));
    file.SetKeyText("ID");
    file.SetDataText("Qty");
    file.SetBoxStyle(7);
    file.SetFontColor(0x123456);
    file.SetCodeSample("e.g.");
    file.SetUpdateRight(2);
    file.SetShowNumIOSource(TRUE);
    file.SetNumIOSourceText("IO-1");
    file.SetSummary("sum");
    file.SetTableName("T_ORDER");
    file.SetPrimaryIndexName("PK_ORDER");
    file.SetTableSpace("TS1");
    file.SetIndexSpace("IS1");
    file.AddData(KeyItem(1, "ID", 1));
    file.AddData(KeyItem(2, "Sub", 1, 2, 1));
    file.AddData(new CData(3, "Qty", "", "N", "N", "", 0, 0, 0, 1, 0));
    file.SetMergedIntoParent(TRUE);
    file.SetPhyControlFile(44, "Defs");
}

std::string StoreObject(const CObject& object)
{
    return ArchiveBytes::Store([&](CArchive& ar) { ar.WriteObject(&object); });
}

std::unique_ptr<CObject> LoadObject(const std::string& bytes)
{
    std::unique_ptr<CObject> loaded;
    ArchiveBytes::Load(bytes, [&](CArchive& ar) {
        loaded = ar.ReadNewObject(RUNTIME_CLASS(CFileComp));
        EXPECT_EQ(ar.GetRemainingLength(), 0u);
    });
    return loaded;
}

void ExpectSameFields(const CFileComp& a, const CFileComp& b)
{
    EXPECT_EQ(a.GetRect(), b.GetRect());
    EXPECT_EQ(a.GetObjectId(), b.GetObjectId());
    for (auto field : {&CFileComp::GetFileNumber, &CFileComp::GetFileName, &CFileComp::GetKeyText,
                       &CFileComp::GetDataText, &CFileComp::GetCodeSample, &CFileComp::GetNumIOSourceText,
                       &CFileComp::GetSummary, &CFileComp::GetTableName, &CFileComp::GetPrimaryIndexName,
                       &CFileComp::GetTableSpace, &CFileComp::GetIndexSpace, &CFileComp::GetPhyControlFileName})
        EXPECT_EQ((a.*field)(), (b.*field)());
    EXPECT_EQ(a.GetFileCodeCx(), b.GetFileCodeCx());
    EXPECT_EQ(a.GetKeyItemCy(), b.GetKeyItemCy());
    EXPECT_EQ(a.GetCompCapCx(), b.GetCompCapCx());
    EXPECT_EQ(a.GetCodeSampleCx(), b.GetCodeSampleCx());
    EXPECT_EQ(a.GetBoxStyle(), b.GetBoxStyle());
    EXPECT_EQ(a.GetFontColor(), b.GetFontColor());
    EXPECT_EQ(a.GetUpdateRight(), b.GetUpdateRight());
    EXPECT_EQ(a.GetShowNumIOSource(), b.GetShowNumIOSource());
    EXPECT_EQ(a.GetNumIOSourceLabel().GetFill(), b.GetNumIOSourceLabel().GetFill());
    EXPECT_EQ(a.IsPhysicalTarget(), b.IsPhysicalTarget());
    EXPECT_EQ(a.GetMergedIntoParent(), b.GetMergedIntoParent());
    EXPECT_EQ(a.GetPhyControlDedicated(), b.GetPhyControlDedicated());
    EXPECT_EQ(a.GetPhyControlFileId(), b.GetPhyControlFileId());
    ASSERT_EQ(a.GetDataCount(), b.GetDataCount());
    for (int i = 0; i < a.GetDataCount(); ++i) {
        EXPECT_NE(a.GetDataList().GetDataAt(i), b.GetDataList().GetDataAt(i));
        EXPECT_EQ(a.GetDataList().GetDataAt(i)->CompareData(*b.GetDataList().GetDataAt(i), FALSE), 0u) << i;
    }
}

TEST(FileComp, DefaultsAndConstruction)
{
    CFileComp file;
    EXPECT_EQ(file.GetKind(), OBJKIND_FILECOMP);
    EXPECT_EQ(file.GetSize(), CSize(240, -160));
    EXPECT_EQ(CFileComp(5, CRect(0, 0, 300, -200)).GetSize(), CSize(300, -200));
    EXPECT_EQ(CFileComp::GetDefaultFileSize(), CSize(240, -160));
    EXPECT_EQ(file.GetFileCodeCx(), 80);
    EXPECT_EQ(file.GetKeyItemCy(), -40);
    EXPECT_EQ(file.GetCompCapCx(), -40);
    EXPECT_TRUE(file.IsPhysicalTarget());
    EXPECT_TRUE(file.GetNumIOSourceLabel().GetFill());
    EXPECT_EQ(file.GetLegacySubType().discriminatorForm, 1);
    CString text;
    EXPECT_EQ(file.GetTypeName(text), CString(u8"概念ﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(file.GetProfileSection(text), CString("FileComp Properties"));
}

TEST(FileComp, StoresEveryFieldAndStoresTheSameBytesAgain)
{
    RegisterDataModelClasses();
    CFileComp file(9, CRect(100, -100, 400, -300));
    FillFile(file);
    const std::string bytes = StoreObject(file);
    std::unique_ptr<CObject> loaded = LoadObject(bytes);
    auto* reread = dynamic_cast<CFileComp*>(loaded.get());
    ASSERT_NE(reread, nullptr);
    ExpectSameFields(file, *reread);
    EXPECT_EQ(reread->GetVersion(), 1001);
    EXPECT_EQ(StoreObject(*reread), bytes);

    // Undo and the copy buffer copy through the object layer: deep, with transient state fresh.
    reread->SetMarkFlags(CFileComp::MARK_NAME_MATCH);
    std::unique_ptr<CObject, void (*)(CObject*)> copy(DrawObjects::Clone(reread), &DrawObjects::Destroy);
    auto* clone = dynamic_cast<CFileComp*>(copy.get());
    ASSERT_NE(clone, nullptr);
    ExpectSameFields(file, *clone);
    EXPECT_EQ(clone->GetMarkFlags(), 0u);
}

// The base part of a box record of an old version: kind 29, id 7, (0,0)-(200,-100).
Bytes OldBase(WORD version)
{
    return ArchiveBytes::RectRecord(version, OBJKIND_FILECOMP);
}

std::string TextObjectRecord(const char* text)
{
    CStrgObj label(0, CRect(0, 0, 80, -20), text);
    return ArchiveBytes::Store([&](CArchive& ar) { label.Serialize(ar); });
}

// A conceptual-file record as the first object of an archive.
std::string Tagged(const std::string& record)
{
    return ArchiveBytes::FirstObject("CFileComp", record);
}

std::string OldRecord(WORD version, WORD integrated)
{
    Bytes b = OldBase(version);
    b.S("F1").S("File").S("ID<A>").S(static_cast<const char*>(CString(u8"Qty＜x＞"))).D(90).D(DWORD(-30)).W(3).D(0xFF);
    if (version >= 4)
        b.D(DWORD(-50)).S("ex").D(25);
    if (version >= 8 && version <= 14)
        b.W(1).data += TextObjectRecord("old1");
    if (version >= 10 && version <= 14)
        b.W(2).data += TextObjectRecord("old2");
    if (version >= 9 && version <= 14)
        b.Ws(5); // five empty object lists
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

TEST(FileComp, OldRecordsLoadWithTheFieldsOfTheirVersion)
{
    RegisterDataModelClasses();
    struct Case
    {
        WORD version, integrated;
        int compCapCx;
        const char* summary;
        const char* ioText;
        BOOL showIO, merged;
        const char* tableName;
    } cases[] = {
        {3, 0, -40, "", "", FALSE, FALSE, ""},
        {10, 0, -50, "", "", FALSE, FALSE, ""},
        {12, 0, -50, "summary", "IO-12", FALSE, FALSE, ""},
        {999, 1, -50, "summary", "IO", TRUE, TRUE, "T_FILE"},
        {1000, 1, -50, "summary", "IO", TRUE, FALSE, "T_FILE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        std::unique_ptr<CObject> loaded = LoadObject(OldRecord(c.version, c.integrated));
        auto* file = dynamic_cast<CFileComp*>(loaded.get());
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->GetFileName(), CString("File"));
        EXPECT_EQ(file->GetFontColor(), 0xFFu);
        EXPECT_EQ(file->GetCompCapCx(), c.compCapCx);
        EXPECT_EQ(file->GetCodeSample(), CString(c.version >= 4 ? "ex" : ""));
        EXPECT_EQ(file->GetCodeSampleCx(), c.version >= 4 ? 25 : 0);
        EXPECT_EQ(file->GetSummary(), CString(c.summary));
        EXPECT_EQ(file->GetNumIOSourceText(), CString(c.ioText));
        EXPECT_EQ(file->GetShowNumIOSource(), c.showIO);
        EXPECT_EQ(file->GetNumberState(), c.version >= 11 ? 4 : 0);
        EXPECT_EQ(file->GetMergedIntoParent(), c.merged);
        EXPECT_TRUE(file->IsPhysicalTarget());
        EXPECT_EQ(file->GetTableName(), CString(c.tableName));
        EXPECT_EQ(file->GetPhyControlFileId(), c.version >= 1000 ? 12 : 0);
        EXPECT_EQ(file->GetLegacySubType().integrated, c.version >= 11 ? c.integrated : 0);
        EXPECT_EQ(file->GetLegacySubType().discriminatorForm, c.version >= 12 ? 2 : 1);
        EXPECT_EQ(file->GetLegacySubType().itemNameLabel.GetText(), CString(c.version >= 11 ? "name" : ""));
        // Form 2 with a first reference string names a discriminator; the settings then go.
        EXPECT_EQ(file->HasLegacyDiscriminator(), c.version >= 12 && c.version <= 1000);
        file->ResetLegacySubType();
        EXPECT_FALSE(file->HasLegacyDiscriminator());
        EXPECT_EQ(file->GetLegacySubType().integrated, 0);
        EXPECT_EQ(file->GetLegacySubType().itemNameLabel.GetText(), CString());
        // Records without items keep texts only: the brackets are doubled and the items made from them.
        const bool textOnly = c.version < 11;
        EXPECT_EQ(file->GetKeyText(), CString(textOnly ? "ID<<A>>" : "ID<A>"));
        EXPECT_EQ(file->GetDataText(), CString(textOnly ? u8"Qty＜＜x＞＞" : u8"Qty＜x＞"));
        CDataList expected;
        if (textOnly) {
            EXPECT_EQ(ParseItemTextsIntoList(file->GetKeyText(), file->GetDataText(), FALSE, FALSE, expected), 2);
        }
        EXPECT_EQ(file->GetDataCount(), int(expected.GetCount()));
        EXPECT_EQ(Names(file->GetDataList()), Names(expected));
        // Whatever was read, the current layout is stored.
        EXPECT_EQ(StoreObject(*file), StoreObject(*static_cast<CFileComp*>(LoadObject(StoreObject(*file)).get())));
    }
}

TEST(FileComp, DoublingOldBracketsKeepsDoubleByteCharactersWhole)
{
    struct Case
    {
        const char8_t* in;
        const char8_t* out;
    } cases[] = {{u8"", u8""},
                 {u8"<a>", u8"<<a>>"},
                 {u8"<<", u8"<<<<"},
                 {u8"＜項目＞", u8"＜＜項目＞＞"},
                 // In code page 932 the middle bytes of "メメ" are those of "＜".
                 {u8"メメ〈〉", u8"メメ〈〉"}};
    for (const Case& c : cases)
        EXPECT_EQ(CFileComp::DoubleLegacyBrackets(CString(c.in)), CString(c.out));
}

TEST(FileComp, DamagedRecordsFailAsInvalidFormat)
{
    RegisterDataModelClasses();
    CFileComp file(9, CRect(0, 0, 240, -160));
    FillFile(file);
    const std::string record = StoreObject(file);
    const std::string old = OldRecord(10, 0);
    for (const std::string* bytes : {&record, &old}) {
        for (std::size_t length = 0; length < bytes->size(); ++length) {
            ArchiveBytes::Load(bytes->substr(0, length), [&](CArchive& ar) {
                EXPECT_THROW(ar.ReadNewObject(RUNTIME_CLASS(CFileComp)), CArchiveException) << length;
            });
        }
    }
    // An item count far beyond the bytes left.
    std::string absurd = OldRecord(12, 0);
    const std::size_t count = absurd.find("summary") + std::strlen("summary");
    absurd.replace(count, 2, ArchiveBytes::Le16(0xFFFE));
    ArchiveBytes::Load(absurd, [&](CArchive& ar) {
        EXPECT_THROW(ar.ReadNewObject(RUNTIME_CLASS(CFileComp)), CArchiveException);
    });
}

TEST(FileComp, PhysicalFlagsKeepTheirRules)
{
    CFileComp file;
    FillFile(file); // merged into its parent: no key item is a physical target
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(file.GetDataList().GetDataAt(i)->GetPhysicalTarget(), 0u);
    file.SetPhyControlFile(44, "Defs");
    file.SetMergedIntoParent(FALSE);
    EXPECT_EQ(file.GetDataList().GetDataAt(0)->GetPhysicalTarget(), 1u); // top-level key of group 1
    EXPECT_EQ(file.GetDataList().GetDataAt(1)->GetPhysicalTarget(), 0u); // its child
    EXPECT_TRUE(file.UsesPhyControlFile(44));
    EXPECT_FALSE(file.ClearPhyControlFileIf(45));
    file.SetPhysicalTarget(FALSE);
    EXPECT_EQ(file.GetPhyControlFileId(), 0);
    EXPECT_EQ(file.GetPhyControlFileName(), CString());

    file.SetPhyControlFile(44, "Defs");
    file.SetPhyControlDedicated(TRUE);
    EXPECT_TRUE(file.IsPhysicalTarget());
    EXPECT_EQ(file.GetTableName() + file.GetPrimaryIndexName() + file.GetTableSpace() + file.GetIndexSpace() +
                  file.GetPhyControlFileName(),
              CString());
    EXPECT_EQ(file.GetDataList().GetDataAt(2)->GetPhysicalTarget(), 1u);
    EXPECT_FALSE(file.ResetPhysicalForDedicated());

    EXPECT_TRUE(file.ClearUpdateRight());
    EXPECT_FALSE(file.ClearUpdateRight());
    file.GetDataList().GetDataAt(0)->SetNumberText("n1");
    EXPECT_TRUE(file.ClearNumber(FALSE));
    EXPECT_TRUE(file.HasDataNumberText());
    EXPECT_TRUE(file.ClearNumber(TRUE));
    EXPECT_FALSE(file.ClearNumber(TRUE));
}

TEST(FileComp, NameMatchingByNameOrKeyGroupAndItsMark)
{
    CFileComp file, other;
    file.SetFileName("A");
    other.SetFileName("B");
    EXPECT_EQ(file.IsNameMatch(other), 0); // the other file has no key group
    other.AddData(KeyItem(1, "X", 1));
    other.AddData(KeyItem(2, "Y", 2));
    file.AddData(KeyItem(1, "Y", 1));
    EXPECT_EQ(file.IsNameMatch(other), 1); // group 2 of the other is group 1 here
    file.GetDataList().GetDataAt(0)->SetName("Z");
    EXPECT_EQ(file.IsNameMatch(other), 0);
    other.SetFileName("A");
    EXPECT_EQ(file.IsNameMatch(other), 1);

    file.SetNameMatchMark();
    EXPECT_TRUE(file.HasNameMatchMark());
    EXPECT_EQ(file.GetPenColor(), CFileComp::NAME_MATCH_PEN);
    file.ClearMarksAndItems();
    EXPECT_FALSE(file.HasNameMatchMark());
}

} // namespace FileCompTest
