#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/RelLineObj.h"
#include "document/UndoStep.h"
#include "objects/DrawObjManager.h"
#include "objects/DrawObjects.h"
#include "platform/profile/Profile.h"

#include "tests/document/DocumentTestSupport.h"
#include "tests/model/ArchiveBytes.h"
#include "tests/model/RelLineRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace RelLineObjTest {

using ArchiveBytes::Bytes;

std::string Text(const CString& text)
{
    return static_cast<const char*>(text);
}

std::string Label(const CStrgObj& label)
{
    std::ostringstream out;
    const CRect& r = label.GetRect();
    out << '"' << Text(label.GetText()) << "\" fill " << label.GetFill() << " colour " << label.GetTextColor()
        << " format " << label.GetFormat() << " rect " << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
    return out.str();
}

// Every stored field of the arrow, its labels and the line part it adds to, in one comparable text.
std::string Fields(const CRelLineObj& a)
{
    std::ostringstream out;
    out << "id " << a.GetObjectId() << " kind " << a.GetKind() << " main " << a.IsMainArrow() << " ends "
        << a.GetStartObjectId() << '-' << a.GetEndObjectId() << " points " << a.GetCount() << " pen " << a.GetPenWidth()
        << '/' << a.GetPenColor() << " marks " << a.GetMark(LINEEND_START) << '/' << a.GetMark(LINEEND_END) << " flags "
        << a.GetFlags() << " hide " << a.GetHideDefine() << '\n';
    out << "memo " << a.GetShowMemo() << ' ' << Label(a.GetMemoLabel()) << '\n';
    out << "form " << a.GetDiscriminatorForm() << " file " << a.GetDiscriminatorFile() << " item "
        << a.GetDiscriminatorItem() << " texts " << Text(a.GetReferenceText(0)) << '|' << Text(a.GetReferenceText(1))
        << '|' << Text(a.GetReferenceText(2)) << " refs " << a.GetReferenceNumber(0) << '/' << a.GetReferenceNumber(1)
        << ' ' << Text(a.GetReferenceString()) << ' ' << a.GetReferenceItem() << '\n';
    out << "name " << a.GetShowItemName() << ' ' << Label(a.GetItemNameLabel()) << '\n';
    out << "value " << a.GetShowItemValue() << ' ' << Label(a.GetItemValueLabel()) << '\n';
    out << "null " << a.GetNullAllowed() << " definite " << a.GetDefinite() << " cardinality " << a.GetCardinality()
        << " constant " << a.GetConstant();
    return out.str();
}

using ArchiveBytes::StoreObject;

std::unique_ptr<CRelLineObj> LoadArrow(const std::string& bytes)
{
    std::unique_ptr<CObject> loaded = ArchiveBytes::LoadObject(bytes, RUNTIME_CLASS(CRelLineObj));
    EXPECT_NE(DYNAMIC_DOWNCAST(CRelLineObj, loaded.get()), nullptr);
    return std::unique_ptr<CRelLineObj>(static_cast<CRelLineObj*>(loaded.release()));
}

void ShowLabel(CStrgObj& label, const char* text, COLORREF color, const CRect& rect)
{
    label.SetText(text);
    label.SetTextColor(color);
    label.NormalizeRect(rect);
}

// A subtype arrow with every stored field away from its constructed value.
std::unique_ptr<CRelLineObj> FullArrow()
{
    auto arrow = std::make_unique<CRelLineObj>(12, CPoint(0, 0), CPoint(300, -200), CRelLineObj::KIND_SUBTYPE, 3, 4, 3);
    arrow->SetMainArrow(TRUE);
    arrow->SetShowMemo(TRUE);
    ShowLabel(arrow->GetMemoLabel(), "x3", 0x0000FF, CRect(10, -10, 60, -30));
    arrow->SetDiscriminatorItem(2);
    arrow->SetShowItemName(TRUE);
    ShowLabel(arrow->GetItemNameLabel(), static_cast<const char*>(CString(u8"区分")), 0x00FF00, CRect(0, 0, 40, -20));
    arrow->GetItemNameLabel().SetFill(FALSE);
    arrow->SetShowItemValue(TRUE);
    ShowLabel(arrow->GetItemValueLabel(), "A", 0xFF0000, CRect(200, -150, 240, -170));
    arrow->SetNullAllowed(TRUE);
    arrow->SetCardinality(CRelLineObj::CARDINALITY_CONSTANT);
    arrow->SetConstant(99999);
    return arrow;
}

TEST(RelLineObj, KindsAndTheirNamesSectionsMarksAndDefaults)
{
    struct Case
    {
        WORD kind;
        const char8_t* name;
        const char* section;
        WORD endMark;
        BOOL definite;
        WORD cardinality;
        int constant;
    };
    const Case cases[] = {
        {1, u8"1:N矢線", "RelLineObj Properties", MARK_ARROW, FALSE, 1, 1},
        {2, u8"ｻﾌﾞﾀｲﾌﾟ矢線", "RelLineSubTypeObj Properties", MARK_NONE, TRUE, 0, 0},
        {3, u8"ｻﾌﾞｽﾄﾗｸﾁｬ矢線", "RelLineSubStructObj Properties", MARK_NONE, TRUE, 0, 0},
        {4, u8"ｽｰﾊﾟｰﾀｲﾌﾟ矢線", "RelLineSuperTypeObj Properties", MARK_NONE, FALSE, 0, 0},
        {0, u8"", "RelLineObj Properties", MARK_ARROW, FALSE, 0, 0},
        {7, u8"", "RelLineObj Properties", MARK_ARROW, FALSE, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const CRelLineObj prototype(0, c.kind);
        CString text;
        EXPECT_EQ(prototype.GetKindName(), CString(c.name));
        EXPECT_EQ(Text(prototype.GetProfileSection(text)), c.section);
        EXPECT_EQ(prototype.GetMark(LINEEND_END), c.endMark);
        EXPECT_TRUE(prototype.IsLineMark(LINEEND_END));
        EXPECT_EQ(prototype.GetDefinite(), c.definite);
        EXPECT_EQ(prototype.GetCardinality(), c.cardinality);
        EXPECT_EQ(prototype.GetConstant(), c.constant);
        EXPECT_EQ(prototype.CPolyObj::GetKind(), OBJKIND_RELLINE);
        EXPECT_EQ(prototype.GetDiscriminatorForm(), CRelLineObj::DISCRIMINATOR_IN_DOCUMENT);
        for (const CStrgObj* label :
             {&prototype.GetMemoLabel(), &prototype.GetItemNameLabel(), &prototype.GetItemValueLabel()}) {
            EXPECT_TRUE(label->GetFill());
            EXPECT_TRUE(label->GetFormat() & DT_CENTER);
        }
    }
    // Loading starts from kind 1 without the 1:N defaults: a record too old to carry them is
    // converted after the whole document is read.
    const CRelLineObj loaded;
    EXPECT_EQ(loaded.GetKind(), CRelLineObj::KIND_ONE_TO_MANY);
    EXPECT_EQ(loaded.GetCardinality(), 0);
    EXPECT_EQ(loaded.GetConstant(), 0);
    CString text;
    EXPECT_EQ(loaded.GetTypeName(text), CString(u8"矢線ｵﾌﾞｼﾞｪｸﾄ"));
}

TEST(RelLineObj, TheArrowToolsConstructorSetsUpEachKind)
{
    const CRelLineObj oneToMany(5, CPoint(0, 0), CPoint(100, -100), CRelLineObj::KIND_ONE_TO_MANY, 1, 2, 9);
    EXPECT_EQ(oneToMany.GetCount(), 4); // shaped into a vertical crank
    EXPECT_EQ(oneToMany.GetStartObjectId(), 1);
    EXPECT_EQ(oneToMany.GetEndObjectId(), 2);
    EXPECT_FALSE(oneToMany.GetDefinite());
    EXPECT_EQ(oneToMany.GetCardinality(), CRelLineObj::CARDINALITY_ZERO_OR_MORE);
    EXPECT_EQ(oneToMany.GetConstant(), 1);
    EXPECT_EQ(oneToMany.GetDiscriminatorFile(), 0); // only a subtype kind takes it

    const CRelLineObj subStructure(6, CPoint(0, 0), CPoint(100, -100), CRelLineObj::KIND_SUBSTRUCTURE, 1, 2, 9);
    EXPECT_TRUE(subStructure.GetDefinite());
    EXPECT_EQ(subStructure.GetCardinality(), 0);
    EXPECT_EQ(subStructure.GetDiscriminatorFile(), 9);

    const CRelLineObj superType(7, CPoint(0, 0), CPoint(100, -100), CRelLineObj::KIND_SUPERTYPE, 1, 2, 9);
    EXPECT_FALSE(superType.GetDefinite());
    EXPECT_EQ(superType.GetDiscriminatorFile(), 0);
}

TEST(RelLineObj, StoresEveryFieldOfEachDiscriminatorFormAndTheSameBytesAgain)
{
    RegisterDataModelClasses();
    struct Case
    {
        WORD form;
        bool texts;
        bool numbers;
    };
    for (const Case c : {Case{2, true, false}, Case{3, false, true}, Case{3, true, true}}) {
        SCOPED_TRACE(c.form);
        std::unique_ptr<CRelLineObj> arrow = FullArrow();
        arrow->SetDiscriminator(c.form, 0, 0);
        if (c.texts)
            arrow->SetReferenceTexts("F-01", static_cast<const char*>(CString(u8"受注")), "D-02");
        if (c.numbers)
            arrow->SetReferenceNumbers(2, 41, "ref", 7);
        const std::string bytes = StoreObject(*arrow);
        std::unique_ptr<CRelLineObj> reread = LoadArrow(bytes);
        ASSERT_NE(reread, nullptr);
        EXPECT_EQ(Fields(*reread), Fields(*arrow));
        EXPECT_EQ(reread->GetVersion(), 1001);
        EXPECT_EQ(StoreObject(*reread), bytes);
    }
}

TEST(RelLineObj, CopiesForUndoAreDeepAndStartWithoutMarks)
{
    RegisterDataModelClasses();
    std::unique_ptr<CRelLineObj> arrow = FullArrow();
    arrow->SetEditedPart(0x40000000);
    arrow->SetRunMark(1);
    arrow->SetPassMarks(CRelLineObj::PASS_DISCRIMINATOR_RENUMBERED);
    std::unique_ptr<CObject, void (*)(CObject*)> copy(DrawObjects::Clone(arrow.get()), &DrawObjects::Destroy);
    auto* clone = DYNAMIC_DOWNCAST(CRelLineObj, copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(Fields(*clone), Fields(*arrow));
    EXPECT_EQ(clone->GetEditedPart(), 0u);
    EXPECT_EQ(clone->GetRunMark(), 0u);
    EXPECT_EQ(clone->GetPassMarks(), 0u);
    arrow->GetItemValueLabel().SetText("changed");
    EXPECT_EQ(Text(clone->GetItemValueLabel().GetText()), "A");
}

TEST(RelLineObj, DiscriminatorSettersKeepToTheirForm)
{
    CRelLineObj arrow(0, CRelLineObj::KIND_SUBTYPE);
    arrow.DefaultDiscriminatorFile(0);
    EXPECT_EQ(arrow.GetDiscriminatorFile(), 0);
    arrow.DefaultDiscriminatorFile(5);
    arrow.DefaultDiscriminatorFile(6); // a file is set already
    EXPECT_TRUE(arrow.IsDiscriminatorFile(5));

    arrow.SetDiscriminator(CRelLineObj::DISCRIMINATOR_TEXTS, 5, 3);
    arrow.SetReferenceTexts("a", "b", "c");
    arrow.SetReferenceNumbers(1, 2, "d", 4);
    arrow.GetItemNameLabel().SetText("name");
    EXPECT_FALSE(arrow.IsDiscriminatorFile(5));
    EXPECT_FALSE(arrow.SetDiscriminatorFile(8));
    EXPECT_EQ(arrow.GetDiscriminatorFile(), 5);

    arrow.ClearDiscriminator();
    const std::string cleared = Fields(arrow);
    EXPECT_NE(cleared.find("form 2 file 0 item 0 texts || refs 0/0  0"), std::string::npos) << cleared;
    EXPECT_TRUE(arrow.GetItemNameLabel().GetText().IsEmpty());
    arrow.ResetDiscriminator();
    EXPECT_EQ(arrow.GetDiscriminatorForm(), CRelLineObj::DISCRIMINATOR_IN_DOCUMENT);
    EXPECT_TRUE(arrow.SetDiscriminatorFile(8));
}

TEST(RelLineObj, AnOldRecordKeepsTheConstructedKindFieldsUntilTheConversion)
{
    RegisterDataModelClasses();
    struct Case
    {
        WORD kind;
        BOOL changed;
        BOOL definite;
        WORD cardinality;
        int constant;
    };
    const Case cases[] = {
        {1, TRUE, FALSE, 1, 1},  {2, TRUE, TRUE, 0, 0},   {3, TRUE, TRUE, 0, 0},
        {4, FALSE, FALSE, 0, 0}, {0, FALSE, FALSE, 0, 0}, {9, FALSE, FALSE, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<CRelLineObj> arrow = LoadArrow(OldArrowRecord(c.kind, "memo"));
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ(arrow->GetKind(), c.kind);
        EXPECT_TRUE(arrow->IsMainArrow());
        EXPECT_EQ(Text(arrow->GetMemoLabel().GetText()), "memo");
        EXPECT_EQ(arrow->GetDiscriminatorForm(), CRelLineObj::DISCRIMINATOR_IN_DOCUMENT);
        EXPECT_EQ(arrow->GetDiscriminatorFile(), 0);
        EXPECT_FALSE(arrow->GetShowItemName());
        EXPECT_FALSE(arrow->GetShowItemValue());
        EXPECT_EQ(arrow->GetCardinality(), 0);

        EXPECT_EQ(arrow->ResetKindFields(), c.changed);
        EXPECT_EQ(arrow->GetDefinite(), c.definite);
        EXPECT_EQ(arrow->GetCardinality(), c.cardinality);
        EXPECT_EQ(arrow->GetConstant(), c.constant);
    }
}

TEST(RelLineObj, TheConversionKeepsWhatTheKindAllowsAndClearsTheRest)
{
    struct Case
    {
        WORD kind;
        BOOL nullAllowed;
        BOOL definite;
        WORD cardinality;
        int constant;
        BOOL changed;
        BOOL definiteAfter;
        WORD cardinalityAfter;
        int constantAfter;
    };
    const Case cases[] = {
        {1, FALSE, FALSE, 3, 5, FALSE, FALSE, 3, 5}, // a set cardinality and constant stay
        {1, TRUE, TRUE, 0, -2, TRUE, FALSE, 1, 1},   {2, TRUE, FALSE, 2, 4, TRUE, TRUE, 0, 0},
        {3, FALSE, TRUE, 0, -1, FALSE, TRUE, 0, -1}, // a negative constant is left alone
        {4, FALSE, TRUE, 0, 3, TRUE, FALSE, 0, 0},   {5, TRUE, TRUE, 2, 3, FALSE, TRUE, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        CRelLineObj arrow(0, c.kind);
        arrow.SetNullAllowed(c.nullAllowed);
        arrow.SetDefinite(c.definite);
        arrow.SetCardinality(c.cardinality);
        arrow.SetConstant(c.constant);
        EXPECT_EQ(arrow.ResetKindFields(), c.changed);
        EXPECT_EQ(arrow.GetNullAllowed(), c.kind <= 4 ? FALSE : c.nullAllowed);
        EXPECT_EQ(arrow.GetDefinite(), c.definiteAfter);
        EXPECT_EQ(arrow.GetCardinality(), c.cardinalityAfter);
        EXPECT_EQ(arrow.GetConstant(), c.constantAfter);
    }
}

TEST(RelLineObj, ATruncatedRecordThrowsTheArchiveError)
{
    RegisterDataModelClasses();
    ArchiveBytes::ExpectEveryTruncationFails(StoreObject(*FullArrow()), RUNTIME_CLASS(CRelLineObj));
}

class RelLineDefaults : public ::testing::Test
{
protected:
    static constexpr const char* kSections[] = {"RelLineObj Properties", "RelLineSubTypeObj Properties",
                                                "RelLineSubStructObj Properties", "RelLineSuperTypeObj Properties"};
    void SetUp() override
    {
        RegisterDataModelClasses();
        for (const char* section : kSections)
            Profile::WriteProfileString(section, nullptr, nullptr);
    }
    void TearDown() override { SetUp(); }
};

TEST_F(RelLineDefaults, EachKindsPrototypeLoadsItsOwnSection)
{
    Profile::WriteProfileInt("RelLineSubStructObj Properties", "PenWidth", 7);
    Profile::WriteProfileInt("RelLineSubStructObj Properties", "SubTypeFill", 0);
    Profile::WriteProfileInt("RelLineSubStructObj Properties", "FontColor", 0x0000FF);
    CDrawObjManager prototypes;
    ASSERT_TRUE(prototypes.InitDrawObjs());
    prototypes.LoadDrawObjDefaults();

    for (WORD kind = 1; kind <= 4; ++kind) {
        SCOPED_TRACE(kind);
        auto* prototype = DYNAMIC_DOWNCAST(CRelLineObj, prototypes.FindDrawObjByKind(OBJKIND_RELLINE, kind));
        ASSERT_NE(prototype, nullptr);
        EXPECT_EQ(prototype->GetKind(), kind);
        const CRelLineObj arrow(30, CPoint(0, 0), CPoint(50, 50), kind, 1, 2, 0);
        EXPECT_EQ(prototypes.FindDrawObjForObject(&arrow), prototype);
        CRelLineObj constructed(0, kind);
        constructed.SetHideDefine(FALSE); // modelling prototypes show in define mode
        if (kind != CRelLineObj::KIND_SUBSTRUCTURE) {
            EXPECT_EQ(Fields(*prototype), Fields(constructed));
            continue;
        }
        EXPECT_EQ(prototype->GetPenWidth(), 7);
        EXPECT_EQ(prototype->GetMark(LINEEND_END), MARK_NONE); // a missing key keeps the constructed value
        EXPECT_TRUE(prototype->GetMemoLabel().GetFill());
        EXPECT_FALSE(prototype->GetItemNameLabel().GetFill());
        EXPECT_FALSE(prototype->GetItemValueLabel().GetFill());
        for (const CStrgObj* label :
             {&prototype->GetMemoLabel(), &prototype->GetItemNameLabel(), &prototype->GetItemValueLabel()})
            EXPECT_EQ(label->GetTextColor(), 0x0000FFu);
    }
}

TEST_F(RelLineDefaults, SavingWritesTheSubLabelFillFromTheValueLabel)
{
    CRelLineObj arrow(0, CRelLineObj::KIND_SUBTYPE);
    arrow.GetItemValueLabel().SetFill(FALSE);
    arrow.GetMemoLabel().SetTextColor(0x112233);
    arrow.GetItemNameLabel().SetTextColor(0x445566);
    arrow.SetPenWidth(4);
    CRegItemObj carrier;
    arrow.SaveDefaultAttributes(carrier);
    const char* section = "RelLineSubTypeObj Properties";
    EXPECT_EQ(Profile::GetProfileInt(section, "MemoFill", -1), 1);
    EXPECT_EQ(Profile::GetProfileInt(section, "SubTypeFill", -1), 0);
    EXPECT_EQ(Profile::GetProfileInt(section, "FontColor", -1), 0x112233);
    EXPECT_EQ(Profile::GetProfileInt(section, "PenWidth", -1), 4);
    EXPECT_EQ(Profile::GetProfileInt(section, "ArrowStart", -1), -1); // no start-mark key
    EXPECT_EQ(Profile::GetProfileInt(section, "FillColor", -1), -1);

    CRelLineObj other(0, CRelLineObj::KIND_SUBTYPE);
    CRegItemObj again;
    other.LoadDefaultAttributes(again);
    EXPECT_FALSE(other.GetItemNameLabel().GetFill());
    EXPECT_EQ(other.GetItemNameLabel().GetTextColor(), 0x112233u);
}

TEST(RelLineObj, CopyAttributesTakesLookButNotTheRelation)
{
    std::unique_ptr<CRelLineObj> source = FullArrow();
    source->SetMark(LINEEND_START, MARK_DOT);
    source->SetPenWidth(9);
    source->SetHideDefine(FALSE);
    CRelLineObj target(0, CRelLineObj::KIND_ONE_TO_MANY);
    target.CopyAttributes(*source);
    EXPECT_EQ(target.GetPenWidth(), 9);
    EXPECT_EQ(target.GetMark(LINEEND_END), MARK_NONE);
    EXPECT_EQ(target.GetMark(LINEEND_START), MARK_NONE);
    EXPECT_FALSE(target.GetHideDefine());
    EXPECT_FALSE(target.GetItemNameLabel().GetFill());
    EXPECT_EQ(target.GetItemValueLabel().GetTextColor(), 0xFF0000u);
    EXPECT_TRUE(target.GetItemValueLabel().GetText().IsEmpty());
    EXPECT_EQ(target.GetKind(), CRelLineObj::KIND_ONE_TO_MANY);
    EXPECT_EQ(target.GetCardinality(), CRelLineObj::CARDINALITY_ZERO_OR_MORE);
    EXPECT_FALSE(target.IsMainArrow());
}

// A conceptual file record of version 999 (id 7) whose old subtype settings name a form-2
// discriminator, with an item-value text that a DBCS character straddles at byte 20.
std::string OldFileRecord(WORD integrated)
{
    Bytes b = ArchiveBytes::RectRecord(999, OBJKIND_FILECOMP);
    b.S("F1").S("File").S("ID").S("Qty").D(90).D(DWORD(-30)).W(3).D(0xFF).D(DWORD(-50)).S("ex").D(25);
    b.W(4).W(1).W(0);
    b.data += ArchiveBytes::Store([](CArchive& ar) { CStrgObj().Serialize(ar); });
    const auto label = [&b](const char* text, const CRect& rect, BOOL fill) {
        CStrgObj object(0, rect, text);
        object.SetFill(fill);
        b.data += ArchiveBytes::Store([&](CArchive& ar) { object.Serialize(ar); });
    };
    b.W(integrated).W(0).W(0).W(1).W(0);
    label("kubun", CRect(5, -5, 45, -25), FALSE);
    b.W(1).W(0);
    label(static_cast<const char*>(CString(u8"1234567890123456789あ")), CRect(100, -50, 180, -70), TRUE);
    b.S("summary").W(0);
    b.W(CRelLineObj::DISCRIMINATOR_TEXTS).S("R1").S("R2").S("R3").W(5).W(6).S("R4").W(8);
    b.S("T_FILE");
    return ArchiveBytes::FirstObject("CFileComp", b.data);
}

TEST(RelLineObj, AnOldDocumentMovesAFilesSubtypeSettingsOntoItsMainArrow)
{
    RegisterDataModelClasses();
    TestApp app;
    app.SetLoadedDocVersion(999);
    TestDoc doc;
    std::unique_ptr<CObject> file = ArchiveBytes::LoadObject(OldFileRecord(1), RUNTIME_CLASS(CFileComp));
    auto* fileComp = DYNAMIC_DOWNCAST(CFileComp, file.get());
    ASSERT_NE(fileComp, nullptr);
    ASSERT_TRUE(fileComp->HasLegacyDiscriminator());
    std::unique_ptr<CRelLineObj> other = LoadArrow(OldArrowRecord(CRelLineObj::KIND_SUBTYPE, "other"));
    other->SetMainArrow(FALSE);
    other->SetEndObjectId(7);
    std::unique_ptr<CRelLineObj> main = LoadArrow(OldArrowRecord(CRelLineObj::KIND_SUBSTRUCTURE, "main"));
    main->SetObjectId(13);
    main->SetEndObjectId(20); // a clone standing for the file
    const std::string untouched = Fields(*other);
    CRelLineObj* arrow = main.get();
    {
        CUndoStep step(&doc);
        ASSERT_TRUE(doc.AddObject(other.release()));
        ASSERT_TRUE(doc.AddObject(file.release()));
        ASSERT_TRUE(doc.AddObject(main.release()));
        ASSERT_TRUE(doc.AddObject(new CFileClone(20, CRect(0, 0, 100, -40), "File", 7)));
    }

    doc.ConvertOldFileObjects();

    const std::string fields = Fields(*arrow);
    EXPECT_NE(fields.find("form 2 file 0 item 0 texts R1|R2|R3 refs 5/6 R4 8"), std::string::npos) << fields;
    EXPECT_NE(fields.find("name 1 \"kubun\" fill 0"), std::string::npos) << fields;
    EXPECT_NE(fields.find("rect 5,-5,45,-25"), std::string::npos) << fields;
    EXPECT_NE(fields.find("value 1 \"1234567890123456789\" fill 1"), std::string::npos) << fields;
    EXPECT_NE(fields.find("rect 100,-50,180,-70"), std::string::npos) << fields;
    EXPECT_TRUE(arrow->GetItemValueLabel().GetFormat() & DT_CENTER);
    EXPECT_TRUE(arrow->GetDefinite()); // the kind fields were converted too
    EXPECT_FALSE(fileComp->HasLegacyDiscriminator());
    EXPECT_EQ(fileComp->GetLegacySubType().integrated, 0);
    EXPECT_TRUE(fileComp->GetMergedIntoParent());
    EXPECT_TRUE(fileComp->GetLegacySubType().itemValueLabel.GetText().IsEmpty());

    CObject* first = doc.GetObjectList()->GetHead();
    auto* notMain = DYNAMIC_DOWNCAST(CRelLineObj, first);
    ASSERT_NE(notMain, nullptr);
    notMain->SetDefinite(FALSE); // set by the kind conversion; the rest must be as it was
    EXPECT_EQ(Fields(*notMain), untouched);
}

TEST(RelLineObj, UndoBringsBackAChangedAndARemovedArrow)
{
    RegisterDataModelClasses();
    TestApp app;
    TestDoc doc;
    {
        CUndoStep step(&doc);
        ASSERT_TRUE(doc.AddObject(FullArrow().release()));
    }
    CObject* found = nullptr;
    ASSERT_TRUE(doc.FindObjectById(12, found));
    const std::string before = Fields(*static_cast<CRelLineObj*>(found));
    {
        CUndoStep step(&doc);
        doc.RecordChangedForUndo(found);
        auto* arrow = static_cast<CRelLineObj*>(found);
        arrow->ResetDiscriminator();
        arrow->SetConstant(3);
        arrow->GetItemValueLabel().SetText("B");
    }
    doc.Undo();
    ASSERT_TRUE(doc.FindObjectById(12, found));
    EXPECT_EQ(Fields(*DYNAMIC_DOWNCAST(CRelLineObj, found)), before);
    {
        CUndoStep step(&doc);
        ASSERT_TRUE(doc.RemoveObject(found));
    }
    EXPECT_FALSE(doc.FindObjectById(12, found));
    doc.Undo();
    ASSERT_TRUE(doc.FindObjectById(12, found));
    EXPECT_EQ(Fields(*DYNAMIC_DOWNCAST(CRelLineObj, found)), before);
}

} // namespace RelLineObjTest
