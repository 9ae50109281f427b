// The records of the task, the data symbol and the process symbol: every field stored and read
// back byte for byte, records written after older box records, damaged records, copies and the
// class defaults in the profile.
#include "document/UndoStep.h"
#include "foundation/RegItemObj.h"
#include "model/DataComp.h"
#include "model/DataModelClasses.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "objects/DrawObjects.h"
#include "platform/afx/Exception.h"
#include "platform/profile/Profile.h"

#include "tests/document/DocumentTestSupport.h"
#include "tests/model/ArchiveBytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>

namespace TaskAndSymbolRecordsTest {

using ArchiveBytes::Bytes;

using ObjectPtr = std::unique_ptr<CObject, void (*)(CObject*)>;

ObjectPtr Owned(CObject* object)
{
    return ObjectPtr(object, &DrawObjects::Destroy);
}

std::string StoreObject(const CObject& object)
{
    return ArchiveBytes::Store([&](CArchive& ar) { ar.WriteObject(&object); });
}

ObjectPtr LoadObject(const std::string& bytes)
{
    ObjectPtr loaded = Owned(nullptr);
    ArchiveBytes::Load(bytes, [&](CArchive& ar) {
        loaded.reset(ar.ReadNewObject(RUNTIME_CLASS(CBaseObj)).release());
        EXPECT_EQ(ar.GetRemainingLength(), 0u);
    });
    return loaded;
}

// Each class with a filled object, the fields of its record after the rectangle's (as the test
// below writes them by hand) and a check of those fields.
struct ClassCase
{
    const char* className;
    WORD kind;
    std::function<CBaseObj*()> makeFilled;
    std::function<void(Bytes&)> writeFields;
    std::function<void(const CObject&)> expectFields;
};

CBaseObj* FilledTask()
{
    auto* task = new CKadai(4, CRect(100, -100, 500, -400));
    task->SetNumberText("T-01");
    task->SetName(CString(u8"課題\r\n名"));
    task->SetContents("contents");
    task->SetFontColor(0x123456);
    task->ApplyHandleDrag(CSize(40, -30), CKadai::NUMBER_HANDLE | CKadai::EXTRA_HANDLE | HIT_SHAPE_HANDLE, 0);
    task->ApplyHandleDrag(CSize(0, -30), CKadai::NAME_HANDLE | CKadai::EXTRA_HANDLE | HIT_SHAPE_HANDLE, 0);
    return task;
}

template <class Symbol>
Symbol* FilledSymbol(WORD media)
{
    auto* symbol = new Symbol(5, CRect(0, 0, 300, -200));
    symbol->SetName("name");
    symbol->SetText(CString(u8"本文\r\n2"));
    symbol->SetMediaId(media);
    symbol->SetFontColor(0xABCDEF);
    return symbol;
}

const ClassCase kClasses[] = {
    {"CKadai", OBJKIND_KADAI, FilledTask,
     [](Bytes& b) { b.S("T-01").S("name").S("contents").D(120).D(DWORD(-90)).D(0xFF); },
     [](const CObject& object) {
         const auto& task = dynamic_cast<const CKadai&>(object);
         EXPECT_EQ(task.GetNumberText(), CString("T-01"));
         EXPECT_EQ(task.GetContents(), CString("contents"));
         EXPECT_EQ(task.GetNumCx(), 120);
         EXPECT_EQ(task.GetNameCy(), -90);
         EXPECT_EQ(task.GetFontColor(), 0xFFu);
     }},
    {"CDataComp", OBJKIND_DATACOMP, [] { return FilledSymbol<CDataComp>(48); },
     [](Bytes& b) { b.S("name").S("text").W(48).D(0xFF); },
     [](const CObject& object) {
         const auto& symbol = dynamic_cast<const CDataComp&>(object);
         EXPECT_EQ(symbol.GetText(), CString("text"));
         EXPECT_EQ(symbol.GetMediaId(), 48);
         EXPECT_EQ(symbol.GetFontColor(), 0xFFu);
     }},
    {"CFlowComp", OBJKIND_FLOWCOMP,
     [] {
         CFlowComp* symbol = FilledSymbol<CFlowComp>(8);
         symbol->SetSupplement(CString(u8"補足"));
         return symbol;
     },
     [](Bytes& b) { b.S("name").S("text").S("sup").W(8).D(0xFF); },
     [](const CObject& object) {
         const auto& symbol = dynamic_cast<const CFlowComp&>(object);
         EXPECT_EQ(symbol.GetText(), CString("text"));
         EXPECT_EQ(symbol.GetSupplement(), CString("sup"));
         EXPECT_EQ(symbol.GetMediaId(), 8);
         EXPECT_EQ(symbol.GetFontColor(), 0xFFu);
     }},
};

TEST(TaskAndSymbolRecords, StoreEveryFieldAndTheSameBytesAgainAndCopyForUndo)
{
    RegisterDataModelClasses();
    for (const ClassCase& c : kClasses) {
        SCOPED_TRACE(c.className);
        ObjectPtr object = Owned(c.makeFilled());
        const std::string bytes = StoreObject(*object);
        ObjectPtr reread = LoadObject(bytes);
        ASSERT_NE(reread, nullptr);
        EXPECT_STREQ(reread->GetRuntimeClass()->m_lpszClassName, c.className);
        EXPECT_EQ(DrawObjects::GetKind(reread.get()), c.kind);
        EXPECT_EQ(StoreObject(*reread), bytes);
        // Undo and the copy buffer copy through the object layer.
        ObjectPtr copy = Owned(DrawObjects::Clone(reread.get()));
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->GetRuntimeClass(), reread->GetRuntimeClass());
        EXPECT_EQ(StoreObject(*copy), bytes);
        CString text;
        DrawObjects::AsBoxObject(copy.get())->GetNumber(text);
        EXPECT_EQ(text, CString(c.kind == OBJKIND_KADAI ? "" : "name"));
    }
}

TEST(TaskAndSymbolRecords, FieldsFollowTheRectangleOfEveryRecordVersion)
{
    RegisterDataModelClasses();
    for (const ClassCase& c : kClasses) {
        for (WORD version : {3, 5, 10, 11, 1000, 1001}) {
            SCOPED_TRACE(testing::Message() << c.className << " version " << version);
            Bytes record = ArchiveBytes::RectRecord(version, c.kind);
            c.writeFields(record);
            ObjectPtr loaded = LoadObject(ArchiveBytes::FirstObject(c.className, record.data));
            ASSERT_NE(loaded, nullptr);
            c.expectFields(*loaded);
            const CBaseObj* box = DrawObjects::AsBoxObject(loaded.get());
            EXPECT_EQ(box->GetRect(), CRect(0, 0, 200, -100));
            EXPECT_EQ(box->GetShadowColor(), version >= 5 ? 0x808080u : 0x828282u);
            // Whatever was read, the current layout is stored and reads back the same.
            const std::string current = StoreObject(*loaded);
            EXPECT_EQ(StoreObject(*LoadObject(current)), current);
            EXPECT_EQ(DrawObjects::AsBoxObject(LoadObject(current).get())->GetVersion(), OBJECT_RECORD_VERSION);
        }
    }
}

TEST(TaskAndSymbolRecords, AChangeInADocumentIsUndoneRedoneAndReplaced)
{
    RegisterDataModelClasses();
    TestApp app;
    TestDoc doc;
    auto* task = new CKadai(doc.NewObjectId(), CRect(0, 0, 300, -200));
    auto* flow = new CFlowComp(doc.NewObjectId(), CRect(0, 0, 300, -200));
    {
        CUndoStep step(&doc);
        ASSERT_TRUE(doc.AddObject(task));
        ASSERT_TRUE(doc.AddObject(flow));
    }
    {
        CUndoStep step(&doc);
        doc.RecordChangedForUndo(task);
        doc.RecordChangedForUndo(flow);
        task->SetName("changed");
        task->ApplyHandleDrag(CSize(0, -50), CKadai::NAME_HANDLE | CKadai::EXTRA_HANDLE | HIT_SHAPE_HANDLE, 0);
        flow->SetSupplement("changed");
    }
    doc.Undo();
    const auto* undone = dynamic_cast<const CKadai*>(ObjectById(doc, 1));
    const auto* undoneFlow = dynamic_cast<const CFlowComp*>(ObjectById(doc, 2));
    ASSERT_NE(undone, nullptr);
    ASSERT_NE(undoneFlow, nullptr);
    EXPECT_EQ(undone->GetName(), CString());
    EXPECT_EQ(undone->GetNameCy(), -40);
    EXPECT_EQ(undoneFlow->GetSupplement(), CString());
    doc.Redo();
    const auto* redone = dynamic_cast<const CKadai*>(ObjectById(doc, 1));
    ASSERT_NE(redone, nullptr);
    EXPECT_EQ(redone->GetName(), CString("changed"));
    EXPECT_EQ(redone->GetNameCy(), -90);

    // The document's replacement reaches the texts of both, the supplement included.
    EXPECT_TRUE(doc.ReplaceAll("changed", "done", TRUE));
    EXPECT_EQ(dynamic_cast<const CKadai&>(*ObjectById(doc, 1)).GetName(), CString("done"));
    EXPECT_EQ(dynamic_cast<const CFlowComp&>(*ObjectById(doc, 2)).GetSupplement(), CString("done"));
}

TEST(TaskAndSymbolRecords, TruncatedRecordsFailAsInvalidFormat)
{
    RegisterDataModelClasses();
    for (const ClassCase& c : kClasses) {
        SCOPED_TRACE(c.className);
        const std::string bytes = StoreObject(*Owned(c.makeFilled()));
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            ArchiveBytes::Load(bytes.substr(0, length), [&](CArchive& ar) {
                EXPECT_THROW(ar.ReadNewObject(RUNTIME_CLASS(CBaseObj)), CArchiveException) << length;
            });
        }
    }
}

TEST(TaskAndSymbolRecords, ADamagedTaskKeepsItsCellsInTheCoordinateRange)
{
    RegisterDataModelClasses();
    Bytes record = ArchiveBytes::RectRecord(1001, OBJKIND_KADAI);
    record.S("").S("").S("").D(0x7FFFFFFF).D(0x80000000).D(0);
    ObjectPtr loaded = LoadObject(ArchiveBytes::FirstObject("CKadai", record.data));
    const auto& task = dynamic_cast<const CKadai&>(*loaded);
    EXPECT_EQ(task.GetNumCx(), OBJECT_COORDINATE_LIMIT);
    EXPECT_EQ(task.GetNameCy(), -OBJECT_COORDINATE_LIMIT);
}

TEST(TaskAndSymbolRecords, ConstructionDefaultsAndNames)
{
    CString text;
    CKadai task;
    EXPECT_EQ(task.GetKind(), OBJKIND_KADAI);
    EXPECT_TRUE(task.IsRounded());
    EXPECT_TRUE(task.GetFill());
    EXPECT_EQ(task.GetNumCx(), 80);
    EXPECT_EQ(task.GetNameCy(), -40);
    EXPECT_EQ(task.GetTypeName(text), CString(u8"課題ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(task.GetProfileSection(text), CString("KadaiObj Properties"));

    CDataComp data;
    CFlowComp flow;
    EXPECT_EQ(data.GetKind(), OBJKIND_DATACOMP);
    EXPECT_EQ(flow.GetKind(), OBJKIND_FLOWCOMP);
    for (const CMediaComp* symbol : {static_cast<const CMediaComp*>(&data), static_cast<const CMediaComp*>(&flow)}) {
        EXPECT_EQ(symbol->GetMediaId(), 3);
        EXPECT_EQ(symbol->GetFontColor(), 0u);
        EXPECT_FALSE(symbol->IsRounded());
    }
    EXPECT_EQ(data.GetTypeName(text), CString(u8"ﾃﾞｰﾀ ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(data.GetProfileSection(text), CString("DataComp Properties"));
    EXPECT_EQ(flow.GetTypeName(text), CString(u8"処理ｵﾌﾞｼﾞｪｸﾄ"));
    EXPECT_EQ(flow.GetProfileSection(text), CString("FlowComp Properties"));

    // Too small a rectangle grows to the right and downwards.
    struct Case
    {
        CRect given, task, symbol;
    } cases[] = {
        {CRect(), CRect(0, 0, 80, -40), CRect(0, 0, 40, -40)},
        {CRect(10, -10, 20, -15), CRect(10, -10, 90, -50), CRect(10, -10, 50, -50)},
        {CRect(10, -10, 60, -300), CRect(10, -10, 90, -300), CRect(10, -10, 60, -300)},
        {CRect(0, 0, 300, -200), CRect(0, 0, 300, -200), CRect(0, 0, 300, -200)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CKadai(1, c.given).GetRect(), c.task) << c.given.left << "," << c.given.right;
        EXPECT_EQ(CDataComp(1, c.given).GetRect(), c.symbol);
        EXPECT_EQ(CFlowComp(1, c.given).GetRect(), c.symbol);
    }
}

TEST(TaskAndSymbolRecords, AttributeCopiesTakeOnlyTheSameClass)
{
    CKadai source(1, CRect(0, 0, 300, -200)), task;
    source.ApplyHandleDrag(CSize(20, -40), CKadai::NAME_HANDLE | CKadai::EXTRA_HANDLE | HIT_SHAPE_HANDLE, 0);
    source.ApplyHandleDrag(CSize(20, 0), CKadai::NUMBER_HANDLE | CKadai::EXTRA_HANDLE | HIT_SHAPE_HANDLE, 0);
    source.SetFontColor(0xFF);
    source.SetRounded(FALSE);
    source.SetNumberText("not copied");
    task.CopyAttributes(source);
    EXPECT_EQ(task.GetNumCx(), 100);
    EXPECT_EQ(task.GetNameCy(), -80);
    EXPECT_EQ(task.GetFontColor(), 0xFFu);
    EXPECT_FALSE(task.IsRounded());
    EXPECT_EQ(task.GetNumberText(), CString());

    CDataComp data, otherData;
    CFlowComp flow;
    otherData.SetMediaId(44);
    otherData.SetFontColor(0xFF);
    otherData.SetPenColor(0xFF00);
    flow.CopyAttributes(otherData);
    EXPECT_EQ(flow.GetMediaId(), 3) << "a data medium means nothing to a process symbol";
    EXPECT_EQ(flow.GetPenColor(), 0xFF00u);
    data.CopyAttributes(otherData);
    EXPECT_EQ(data.GetMediaId(), 44);
    EXPECT_EQ(data.GetFontColor(), 0xFFu);
}

class TaskAndSymbolDefaults : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* section : {"KadaiObj Properties", "DataComp Properties", "FlowComp Properties"})
            Profile::WriteProfileString(section, nullptr, nullptr);
    }
    void TearDown() override { SetUp(); }
};

TEST_F(TaskAndSymbolDefaults, SavedInTheClassSectionAndLoadedBack)
{
    CKadai task(1, CRect(0, 0, 300, -200));
    task.ApplyHandleDrag(CSize(0, -40), CKadai::NAME_HANDLE | CKadai::EXTRA_HANDLE | HIT_SHAPE_HANDLE, 0);
    task.SetFontColor(0x0000FF);
    task.SetRoundRate(0.5f);
    CRegItemObj taskCarrier;
    task.SaveDefaultAttributes(taskCarrier);
    EXPECT_STREQ(taskCarrier.GetSection(), "KadaiObj Properties");
    EXPECT_EQ(Profile::GetProfileInt("KadaiObj Properties", "KadaiNumCx", 0), 80);
    EXPECT_EQ(Profile::GetProfileInt("KadaiObj Properties", "KadaiNameCy", 0), -80);
    EXPECT_EQ(Profile::GetProfileInt("KadaiObj Properties", "FontColor", 0), 0xFF);
    EXPECT_EQ(Profile::GetProfileInt("KadaiObj Properties", "Round", 0), 1);
    CKadai loaded;
    CRegItemObj loadCarrier;
    loaded.LoadDefaultAttributes(loadCarrier);
    EXPECT_EQ(loaded.GetNameCy(), -80);
    EXPECT_EQ(loaded.GetFontColor(), 0xFFu);
    EXPECT_FLOAT_EQ(loaded.GetRoundRate(), 0.5f);

    CFlowComp flow;
    flow.SetMediaId(9);
    flow.SetShadowDepth(6);
    CRegItemObj flowCarrier;
    flow.SaveDefaultAttributes(flowCarrier);
    EXPECT_EQ(Profile::GetProfileInt("FlowComp Properties", "MediaID", 0), 9);
    EXPECT_EQ(Profile::GetProfileInt("DataComp Properties", "MediaID", -1), -1);
    // The media kind is a word: the low 16 bits of what the profile holds.
    Profile::WriteProfileInt("DataComp Properties", "MediaID", 0x10005);
    CDataComp data;
    CRegItemObj dataCarrier;
    data.LoadDefaultAttributes(dataCarrier);
    EXPECT_EQ(data.GetMediaId(), 5);
    CFlowComp loadedFlow;
    CRegItemObj loadedFlowCarrier;
    loadedFlow.LoadDefaultAttributes(loadedFlowCarrier);
    EXPECT_EQ(loadedFlow.GetMediaId(), 9);
    EXPECT_EQ(loadedFlow.GetShadowDepth(), 6);
}

} // namespace TaskAndSymbolRecordsTest
