// Documents that hold a data model: saved and opened whole, old files of every version, and
// damaged model records.
#include "tests/document/DocumentFileTestSupport.h"
#include "tests/document/DocumentRecordBytes.h"
#include "tests/model/ArchiveBytes.h"
#include "tests/model/FileCompRecords.h"
#include "tests/support/MessageScript.h"

#include "document/UndoStep.h"
#include "model/DataModelClasses.h"
#include "model/FileComp.h"
#include "platform/storage/CompoundFileReader.h"

#include <gtest/gtest.h>

#include <string>
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

// Two conceptual files: an order whose items refer to the customer's key and derive an amount
// from the customer's price, and the customer.
struct Model
{
    CFileComp* order = nullptr;
    CFileComp* customer = nullptr;
};

Model BuildModel(CBaseDoc& doc)
{
    Model m;
    m.customer = Add(doc, new CFileComp(doc.NewObjectId(), CRect(600, -100, 900, -400)));
    m.customer->SetFileNumber("F02");
    m.customer->SetFileName(CString(u8"顧客"));
    m.customer->AddData(Item(1, "CustomerNo", "K", 1));
    m.customer->AddData(Item(2, "Price", "N"));

    m.order = Add(doc, new CFileComp(doc.NewObjectId(), CRect(100, -100, 400, -400)));
    m.order->SetFileNumber("F01");
    m.order->SetFileName(CString(u8"受注\r\n明細"));
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
}

} // namespace DataModelFileTest
