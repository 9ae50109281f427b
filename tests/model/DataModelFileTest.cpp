// Documents that hold a data model: saved and opened whole, old files of every version, and
// damaged model records.
#include "tests/document/DocumentFileTestSupport.h"
#include "tests/document/DocumentRecordBytes.h"
#include "tests/model/ArchiveBytes.h"
#include "tests/model/FileCompRecords.h"
#include "tests/model/RelLineRecords.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "model/DataModelClasses.h"
#include "model/DataComp.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "platform/storage/CompoundFileReader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace DataModelFileTest {

const std::string kInvalidFormat = "予期しないファイル形式です。";

template <class T>
T* Add(CBaseDoc& doc, T* object)
{
    CUndoStep step(&doc);
    return doc.AddObject(object) ? object : nullptr;
}

CData* Item(WORD number, const char* name, const char* keyCode, WORD group = 0)
{
    return new CData(number, CString(name), CString(), CString(keyCode), CString("N"), CString(), group, 0, 0, 1, 0);
}

// A model with every kind of modelling object: a customer, its corporate subtype, an order of
// the customer with its order lines as a substructure, a clone of the customer with a supertype
// arrow, a clone not bound yet, an implementation group of the order, a task and both symbols. The
// order's items refer to the customer's key and derive an amount from the customer's price.
struct Model
{
    CFileComp* customer = nullptr;
    CFileComp* corporate = nullptr;
    CFileComp* order = nullptr;
    CFileComp* line = nullptr;
    CFileClone* customerClone = nullptr;
    std::vector<CRelLineObj*> arrows;
};

CFileComp* AddFile(CBaseDoc& doc, const char* number, const char8_t* name, const CRect& rect)
{
    auto* file = Add(doc, new CFileComp(doc.NewObjectId(), rect));
    file->SetFileNumber(number);
    file->SetFileName(CString(name));
    return file;
}

CRelLineObj* AddArrow(CBaseDoc& doc, WORD kind, const CBaseObj& start, const CBaseObj& end, const char* memo)
{
    auto* arrow = Add(doc, new CRelLineObj(doc.NewObjectId(), start.GetCenter(), end.GetCenter(), kind,
                                           start.GetObjectId(), end.GetObjectId(), 0));
    arrow->GetMemoLabel().SetText(memo);
    arrow->SetShowMemo(TRUE);
    return arrow;
}

Model BuildModel(CBaseDoc& doc)
{
    Model m;
    m.customer = AddFile(doc, "F02", u8"顧客", CRect(600, -100, 900, -400));
    m.customer->AddData(Item(1, "CustomerNo", "K", 1));
    m.customer->AddData(Item(2, "Price", "N"));
    m.customer->AddData(Item(3, "Kind", "N"));
    m.corporate = AddFile(doc, "F03", u8"法人顧客", CRect(600, -600, 900, -900));
    m.corporate->SetMergedIntoParent(TRUE);

    m.order = AddFile(doc, "F01", u8"受注\r\n明細", CRect(100, -100, 400, -400));
    m.order->SetSummary(CString(u8"概要"));
    m.order->SetTableName("T_ORDER");
    m.order->SetBoxStyle(12);
    m.order->SetShowNumIOSource(TRUE);
    m.order->SetNumIOSourceText("IO-7");
    m.order->AddData(Item(1, "OrderNo", "K", 1));
    CData* customerNo = Item(2, "CustomerNo", "N");
    customerNo->SetRkeyCode("R");
    customerNo->SetRefFile(m.customer->GetObjectId());
    customerNo->SetRefItem(1);
    customerNo->SetRefItemName("CustomerNo");
    m.order->AddData(customerNo);
    CData* amount = Item(3, "Amount", "N");
    amount->SetDerivationCode("S");
    amount->SetDefaultValue("DV9"); // the last field before the item's sources
    auto* source = new CDataGenSrc;
    source->ByIds() = {m.customer->GetObjectId(), 2, "Price", m.customer->GetObjectId(), {1, 0, 0}, {"CustomerNo"}};
    source->SetNote(CString(u8"単価から"));
    amount->GetSources().AddDataGenSrcDirect(source);
    m.order->AddData(amount);
    m.line = AddFile(doc, "F04", u8"受注明細", CRect(100, -600, 400, -900));

    m.customerClone = Add(doc, new CFileClone(doc.NewObjectId(), CRect(1100, -100, 1300, -160), CString(u8"顧客"),
                                              m.customer->GetObjectId()));
    Add(doc, new CFileClone(doc.NewObjectId(), CRect(1100, -300, 1300, -360)));

    CRelLineObj* oneToMany = AddArrow(doc, CRelLineObj::KIND_ONE_TO_MANY, *m.customer, *m.order, "places");
    oneToMany->SetCardinality(CRelLineObj::CARDINALITY_CONSTANT);
    oneToMany->SetConstant(3);
    oneToMany->SetNullAllowed(TRUE);
    CRelLineObj* subtype = AddArrow(doc, CRelLineObj::KIND_SUBTYPE, *m.customer, *m.corporate, "is a");
    subtype->SetMainArrow(TRUE);
    subtype->SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, m.customer->GetObjectId(), 3);
    subtype->GetItemNameLabel().SetText("Kind");
    subtype->SetShowItemName(TRUE);
    subtype->GetItemValueLabel().SetText("C");
    subtype->SetShowItemValue(TRUE);
    CRelLineObj* substructure = AddArrow(doc, CRelLineObj::KIND_SUBSTRUCTURE, *m.order, *m.line, "has");
    substructure->SetMainArrow(TRUE);
    CRelLineObj* supertype = AddArrow(doc, CRelLineObj::KIND_SUPERTYPE, *m.customerClone, *m.order, "of");
    supertype->SetDiscriminator(CRelLineObj::DISCRIMINATOR_TEXTS, 0, 0);
    supertype->SetReferenceTexts("F09", CString(u8"他"), "7");
    m.arrows = {oneToMany, subtype, substructure, supertype};

    auto* group = Add(doc, new CFileImplObj(doc.NewObjectId()));
    for (const CPoint& p : {CPoint(80, -80), CPoint(420, -80), CPoint(420, -920), CPoint(80, -920)})
        group->AddPoint(p);
    group->SetClosed(TRUE);
    group->SetImplementedFileId(m.order->GetObjectId());
    group->SetShowNameFileRep(TRUE);
    group->SetLabelText("ORDERS");

    auto* task = Add(doc, new CKadai(doc.NewObjectId(), CRect(1500, -100, 1900, -400)));
    task->SetNumberText("T1");
    task->SetName(CString(u8"受注登録"));
    task->SetContents(CString(u8"受注を登録する"));
    auto* data = Add(doc, new CDataComp(doc.NewObjectId(), CRect(1500, -600, 1700, -700)));
    data->SetName(CString(u8"伝票"));
    data->SetMediaId(2);
    auto* flow = Add(doc, new CFlowComp(doc.NewObjectId(), CRect(1800, -600, 2000, -700)));
    flow->SetName(CString(u8"入力"));
    flow->SetSupplement("daily");
    return m;
}

// The record of one object on its own: every stored field, in the order the file holds them.
std::string RecordOf(const CObject* object)
{
    return ArchiveBytes::Store([&](CArchive& ar) { ar.WriteObject(object); });
}

std::vector<std::string> Records(const CBaseDoc& doc)
{
    std::vector<std::string> records;
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;)
        records.push_back(RecordOf(objects->GetNext(pos)));
    return records;
}

template <class T>
T* Find(const CBaseDoc& doc, WORD id)
{
    CObject* object = nullptr;
    return doc.FindObjectById(id, object) ? DYNAMIC_DOWNCAST(T, object) : nullptr;
}

// A document record of that version whose object list is given (count and objects); no
// referenced diagram, so the object list's indices start at 1.
std::string DocumentWithObjects(WORD version, const std::string& objects)
{
    return DocumentRecord(version, {"CRectObj", false, 0}, objects);
}

// The five object lists of an old conceptual-file record, the first holding the element.
std::string FirstLegacyList(const std::string& element)
{
    return ArchiveBytes::Le16(1) + element + std::string(8, '\0');
}

// A rectangle (id 3) with its class as an archive's first object.
std::string NewRectangle()
{
    DocumentBytes rectangle;
    rectangle.NewClass("CRectObj").RectRecord(3, 0, -300);
    return rectangle.Bytes();
}

class DataModelFile : public ::testing::Test
{
protected:
    void SetUp() override { RegisterDataModelClasses(); }

    // Saves the document and returns its "Contents" stream.
    std::string Save(CBaseDoc& doc, const char* name)
    {
        EXPECT_TRUE(doc.OnSaveDocument(PathIn(m_dir, name)));
        return CompoundFileReader(ReadFileBytes(m_dir.filePath(name))).ReadStream("Contents").toStdString();
    }
    // Opens a document record written as a plain file.
    BOOL OpenBytes(CBaseDoc& doc, const std::string& bytes)
    {
        WriteFileBytes(m_dir.filePath("plain.zvr"), bytes);
        return doc.OnOpenDocument(PathIn(m_dir, "plain.zvr"));
    }

    FileTestApp m_app;
    QTemporaryDir m_dir;
};

TEST_F(DataModelFile, AWholeModelReopensFieldForFieldAndSavesTheSameBytes)
{
    TestDoc original;
    const Model built = BuildModel(original);
    original.OnHeaderShowAll();
    original.OnHeaderHideAll();
    const WORD orderId = built.order->GetObjectId();
    const std::string first = Save(original, "first.zvr");

    TestDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(PathIn(m_dir, "first.zvr")));
    EXPECT_EQ(Records(reopened), Records(original));
    EXPECT_EQ(DrawingOrder(reopened), DrawingOrder(original));
    EXPECT_EQ(reopened.GetNextObjectId(), original.GetNextObjectId());

    // What the records hold still ties together: references, sources and the hidden header.
    const CFileComp* order = Find<CFileComp>(reopened, orderId);
    ASSERT_NE(order, nullptr);
    ASSERT_EQ(order->GetDataCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const CData* before = built.order->GetDataList().GetDataAt(i);
        const CData* after = order->GetDataList().GetDataAt(i);
        EXPECT_EQ(after->CompareData(*before, FALSE), 0u) << i;
    }
    EXPECT_TRUE(order->AnyDataRefersToFile(built.customer->GetObjectId()));
    const CDataGenSrc* source = order->GetDataList().GetDataAt(2)->GetSources().GetHead();
    EXPECT_EQ(source->ByIds().srcItemName, CString("Price"));
    EXPECT_EQ(source->GetNote(), CString(u8"単価から"));
    std::vector<WORD> kinds;
    for (const CRelLineObj* arrow : built.arrows) {
        const CRelLineObj* reread = Find<CRelLineObj>(reopened, arrow->GetObjectId());
        ASSERT_NE(reread, nullptr);
        kinds.push_back(reread->GetKind());
        EXPECT_EQ(reread->GetStartObjectId(), arrow->GetStartObjectId());
        EXPECT_EQ(reread->GetEndObjectId(), arrow->GetEndObjectId());
        EXPECT_EQ(reread->GetMemoLabel().GetText(), arrow->GetMemoLabel().GetText());
    }
    EXPECT_EQ(kinds, (std::vector<WORD>{1, 2, 3, 4}));
    const CRelLineObj* subtype = Find<CRelLineObj>(reopened, built.arrows[1]->GetObjectId());
    EXPECT_TRUE(subtype->IsMainArrow());
    EXPECT_TRUE(subtype->IsDiscriminatorFile(built.customer->GetObjectId()));
    EXPECT_EQ(subtype->GetItemValueLabel().GetText(), CString("C"));
    EXPECT_EQ(Find<CRelLineObj>(reopened, built.arrows[3]->GetObjectId())->GetReferenceText(1), CString(u8"他"));
    EXPECT_TRUE(
        Find<CFileClone>(reopened, built.customerClone->GetObjectId())->IsCloneOf(built.customer->GetObjectId()));
    EXPECT_TRUE(Find<CFileComp>(reopened, built.corporate->GetObjectId())->GetMergedIntoParent());
    int groups = 0, tasks = 0, symbols = 0;
    for (POSITION pos = reopened.GetObjectList()->GetHeadPosition(); pos;) {
        const CObject* object = reopened.GetObjectList()->GetNext(pos);
        if (const auto* group = DYNAMIC_DOWNCAST(CFileImplObj, object)) {
            ++groups;
            EXPECT_TRUE(group->ImplementsFile(orderId));
            EXPECT_EQ(group->GetLabel().GetText(), CString("ORDERS"));
        }
        tasks += DYNAMIC_DOWNCAST(CKadai, object) ? 1 : 0;
        symbols += DYNAMIC_DOWNCAST(CDataComp, object) || DYNAMIC_DOWNCAST(CFlowComp, object) ? 1 : 0;
    }
    EXPECT_EQ(groups, 1);
    EXPECT_EQ(tasks, 1);
    EXPECT_EQ(symbols, 2);
    EXPECT_NE(Find<CStrgObj>(reopened, FIRST_HEADER_ITEM_ID), nullptr);
    EXPECT_FALSE(reopened.IsHeaderItemShown(FIRST_HEADER_ITEM_ID));

    EXPECT_EQ(Save(reopened, "second.zvr"), first);
}

// Old documents hold conceptual-file records of their own version: each loads the fields its
// version has, and the first save writes the current layout, which reads back unchanged.
TEST_F(DataModelFile, OldDocumentsLoadTheirConceptualFilesAsTheirVersionWroteThem)
{
    const struct
    {
        WORD version;
        int compCapCx;
        const char* keyText;
        const char* summary;
        const char* ioText;
        int items;
    } cases[] = {
        {3, -40, "ID<<A>>", "", "", 2},
        {10, -50, "ID<<A>>", "", "", 2},
        {12, -50, "ID<A>", "summary", "IO-12", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        const std::string objects = ArchiveBytes::Le16(1) + OldRecord(c.version, 0);
        TestDoc doc;
        ASSERT_TRUE(OpenBytes(doc, DocumentRecord(c.version, {"CRectObj", false, 0}, objects)));
        EXPECT_EQ(doc.GetFileVersion(), c.version);
        const CFileComp* file = Find<CFileComp>(doc, 7);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->GetCompCapCx(), c.compCapCx);
        EXPECT_EQ(file->GetKeyText(), CString(c.keyText));
        EXPECT_EQ(file->GetSummary(), CString(c.summary));
        EXPECT_EQ(file->GetNumIOSourceText(), CString(c.ioText));
        EXPECT_FALSE(file->GetShowNumIOSource());
        EXPECT_EQ(file->GetDataCount(), c.items);

        const std::vector<std::string> loaded = Records(doc);
        Save(doc, "old.zvr");
        EXPECT_EQ(doc.GetFileVersion(), 1001);
        TestDoc reopened;
        ASSERT_TRUE(reopened.OnOpenDocument(PathIn(m_dir, "old.zvr")));
        EXPECT_EQ(Records(reopened), loaded);
    }

    // What the object lists of those versions hold is read and dropped with them.
    TestDoc doc;
    const std::string objects = ArchiveBytes::Le16(1) + OldRecord(12, 0, FirstLegacyList(NewRectangle()));
    ASSERT_TRUE(OpenBytes(doc, DocumentWithObjects(12, objects)));
    EXPECT_EQ(doc.GetObjectList()->GetCount(), 1);
    EXPECT_NE(Find<CFileComp>(doc, 7), nullptr);
    EXPECT_EQ(Find<CRectObj>(doc, 3), nullptr);
}

// A document of the last version before the subtype settings moved onto the arrows: its file's
// settings reach the main arrow that ends at it, and the first save writes them there.
TEST_F(DataModelFile, OpeningAnOldDocumentMovesAFilesSubtypeSettingsOntoItsMainArrow)
{
    // The file's record (id 7) comes from a program of version 999 with an integrated flag and a
    // discriminator by texts; the arrow (id 12) ends at it and starts at an object that is gone.
    const std::string objects =
        ArchiveBytes::Le16(2) + OldRecord(999, 1) + OldArrowRecord(CRelLineObj::KIND_SUBTYPE, "main", 3, 7);
    TestDoc doc;
    ASSERT_TRUE(OpenBytes(doc, DocumentRecord(1000, {"CRectObj", false, 0}, objects)));
    EXPECT_EQ(doc.GetFileVersion(), 1000);
    const CFileComp* file = Find<CFileComp>(doc, 7);
    const CRelLineObj* arrow = Find<CRelLineObj>(doc, 12);
    ASSERT_NE(file, nullptr);
    ASSERT_NE(arrow, nullptr);
    EXPECT_TRUE(file->GetMergedIntoParent());
    EXPECT_EQ(file->GetLegacySubType().integrated, 0);
    EXPECT_FALSE(file->HasLegacyDiscriminator());
    EXPECT_EQ(arrow->GetDiscriminatorForm(), CRelLineObj::DISCRIMINATOR_TEXTS);
    EXPECT_EQ(arrow->GetReferenceText(0), CString("R1"));
    EXPECT_EQ(arrow->GetReferenceString(), CString("R4"));
    EXPECT_EQ(arrow->GetItemNameLabel().GetText(), CString("name"));
    EXPECT_TRUE(arrow->GetDefinite()); // the arrow's own kind fields were brought up to date too

    const std::vector<std::string> converted = Records(doc);
    Save(doc, "converted.zvr");
    TestDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(PathIn(m_dir, "converted.zvr")));
    EXPECT_EQ(Records(reopened), converted);
}

// Old conceptual-file records (version 12) carry object lists that are read and dropped. Crafted
// documents whose first such list holds what no list may own: the file being read, a rectangle
// read before it, null; and a list of a new rectangle, which is dropped, followed by a reference
// back to that rectangle from the document's list of embedded items.
std::vector<std::pair<std::string, std::string>> CraftedLegacyLists()
{
    using ArchiveBytes::Le16;
    // Indices: the file's class 1, the file 2. With the rectangle first: its class 1, the
    // rectangle 2, the file's class 3, the file 4; in the list: its class 3, the rectangle 4.
    std::string dropped = DocumentWithObjects(19, Le16(1) + OldRecord(12, 0, FirstLegacyList(NewRectangle())));
    dropped.replace(dropped.size() - 4, 4, ArchiveBytes::Bytes().D(1).W(4).data);
    return {
        {"legacy list refers to the file being read",
         DocumentWithObjects(12, Le16(1) + OldRecord(12, 0, FirstLegacyList(Le16(2))))},
        {"legacy list refers to a rectangle read before",
         DocumentWithObjects(12, Le16(2) + NewRectangle() + OldRecord(12, 0, FirstLegacyList(Le16(2))))},
        {"null in a legacy list", DocumentWithObjects(12, Le16(1) + OldRecord(12, 0, FirstLegacyList(Le16(0))))},
        {"embedded item refers to an object of a dropped legacy list", dropped},
    };
}

// A model file that cannot be read is refused as a whole: nothing half-loaded stays and nothing
// leaks. References to objects the file does not hold are only numbers: they load and save as
// they are, and every lookup through them finds nothing.
TEST_F(DataModelFile, DamagedModelRecordsAreRefusedWholeAndDanglingReferencesKept)
{
    TestDoc original;
    BuildModel(original);
    const std::string valid = Save(original, "valid.zvr");
    const std::size_t modelAt = valid.find("CFileComp");
    const std::size_t itemCountAt = valid.find(static_cast<const char*>(CString(u8"概要"))) + 4;
    const std::size_t sourceCountAt = valid.find("DV9") + 3;
    const auto replaced = [&](std::size_t at, std::size_t length, const std::string& bytes) {
        std::string damaged = valid;
        return damaged.replace(at, length, bytes);
    };
    ASSERT_EQ(valid.substr(itemCountAt, 2), ArchiveBytes::Le16(3));
    ASSERT_EQ(valid.substr(sourceCountAt, 2), ArchiveBytes::Le16(1));

    std::vector<std::pair<std::string, std::string>> cases = {
        {"item count far beyond the data", replaced(itemCountAt, 2, ArchiveBytes::Le16(0xFFFE))},
        {"long source count", replaced(sourceCountAt, 2, ArchiveBytes::Bytes().W(0xFFFF).D(0x7FFFFFFF).data)},
        {"item of another class", replaced(valid.find("CData"), 5, "CRefD")},
    };
    for (std::size_t length = modelAt; length < valid.size(); length += 5)
        cases.emplace_back("cut after " + std::to_string(length) + " bytes", valid.substr(0, length));
    for (auto& [name, bytes] : CraftedLegacyLists())
        cases.emplace_back(std::move(name), std::move(bytes));
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        TestDoc doc;
        MessageScript script;
        EXPECT_FALSE(OpenBytes(doc, bytes));
        EXPECT_EQ(script.Texts(), std::vector<std::string>({kInvalidFormat}));
        EXPECT_TRUE(doc.HasNoObjects());
    }
    EXPECT_FALSE(LeakSanitizerFindsLeaks());

    // The order's item reference, derivation source and definition-file link name a file that
    // the document does not hold.
    constexpr WORD kGone = 0x777;
    TestDoc doc;
    const Model model = BuildModel(doc);
    model.order->GetDataList().GetDataAt(1)->SetRefFile(kGone);
    GenSrcByIds& source = model.order->GetDataList().GetDataAt(2)->GetSources().GetHead()->ByIds();
    source.srcFile = source.refFile = kGone;
    model.order->SetPhyControlFile(kGone, "Gone");
    // An arrow whose ends are both gone, a clone and a group whose file is gone.
    model.arrows[0]->SetStartObjectId(kGone);
    model.arrows[0]->SetEndObjectId(kGone + 1);
    model.customerClone->SetOriginalFileId(kGone);
    const std::string stored = Save(doc, "dangling.zvr");
    TestDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(PathIn(m_dir, "dangling.zvr")));
    EXPECT_EQ(Save(reopened, "again.zvr"), stored);
    CFileComp* order = Find<CFileComp>(reopened, model.order->GetObjectId());
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(Find<CFileComp>(reopened, kGone), nullptr);
    EXPECT_TRUE(order->AnyDataRefersToFile(kGone));
    EXPECT_TRUE(order->ClearDataReferencesToFile(kGone)); // what deleting that file would do
    EXPECT_FALSE(order->AnyDataRefersToFile(kGone));

    // The relation graph passes over what is gone: neither the loose arrow nor the supertype arrow
    // from the clone whose file is gone has end files, and nothing ends at the missing end.
    for (const CRelLineObj* arrow : {model.arrows[0], model.arrows[3]}) {
        CObject* start = order;
        CObject* end = order;
        EXPECT_FALSE(RelationGraph::GetRelLineEndFiles(reopened, *Find<CRelLineObj>(reopened, arrow->GetObjectId()),
                                                       start, end));
        EXPECT_EQ(start, nullptr);
        EXPECT_EQ(end, nullptr);
    }
    EXPECT_EQ(RelationGraph::FindMainSubTypeRelLine(reopened, kGone + 1, 0), nullptr);
}

} // namespace DataModelFileTest
