#include "tests/document/DocumentFileTestSupport.h"
#include "tests/support/MessageScript.h"
#include "tests/support/TestCopyBuffer.h"

#include "document/DocumentClasses.h"
#include "document/RefDoc.h"
#include "document/RefDocList.h"
#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/RelLineObj.h"
#include "objects/CopyHold.h"
#include "objects/CopyList.h"
#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace paste_model_test {

// The stored bytes of the document's objects (the id counter goes on after an undo: ids are not
// handed out twice).
std::vector<BYTE> ObjectBytes(CBaseDoc& doc)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        doc.GetObjectList()->Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes(file.GetLength());
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

// A list of objects it does not own.
struct Objects
{
    Objects(std::initializer_list<CObject*> objects)
    {
        for (CObject* object : objects)
            list.AddTail(object);
    }
    CObList list;
};

CData* Item(WORD number, const char* name)
{
    return new CData(number, CString(name), CString(), CString("N"), CString("N"), CString(), 0, 0, 0, 1, 0);
}

// An item that refers to item (number, name) of the file.
CData* RefItem(WORD number, const char* name, WORD fileId, WORD refNumber, const char* refName)
{
    CData* item = Item(number, name);
    item->SetRefFile(fileId);
    item->SetRefItem(refNumber);
    item->SetRefItemName(CString(refName));
    return item;
}

// A derivation source from item (number, name) of the file, with one reference item of another.
CDataGenSrc* Source(WORD fileId, WORD number, const char* name, WORD refFileId = 0, WORD refNumber = 0,
                    const char* refName = "")
{
    auto* source = new CDataGenSrc;
    GenSrcByIds& ids = source->ByIds();
    ids.srcFile = fileId;
    ids.srcItem = number;
    ids.srcItemName = CString(name);
    ids.refFile = refFileId;
    ids.refItems[0] = refNumber;
    ids.refItemNames[0] = CString(refName);
    return source;
}

CFileComp* AddFile(CBaseDoc& doc, const char* name, int left)
{
    CUndoStep step(&doc);
    auto* file = new CFileComp(doc.NewObjectId(), CRect(left, -100, left + 240, -260));
    file->SetFileName(CString(name));
    return doc.AddObject(file) ? file : nullptr;
}

CRelLineObj* AddArrow(CBaseDoc& doc, WORD kind, CBaseObj* from, CBaseObj* to)
{
    CUndoStep step(&doc);
    auto* arrow = new CRelLineObj(doc.NewObjectId(), from->GetCenter(), to->GetCenter(), kind, from->GetObjectId(),
                                  to->GetObjectId(), 0);
    return doc.AddObject(arrow) ? arrow : nullptr;
}

CFileImplObj* AddImplGroup(CBaseDoc& doc, const CFileComp& file)
{
    CUndoStep step(&doc);
    auto* group = new CFileImplObj(doc.NewObjectId());
    const CRect r = file.GetRect();
    for (const CPoint& p :
         {CPoint(r.left - 10, r.top + 10), CPoint(r.right + 10, r.top + 10), CPoint(r.right + 10, r.bottom - 10),
          CPoint(r.left - 10, r.bottom - 10), CPoint(r.left - 10, r.top + 10)})
        group->AddPoint(p);
    group->SetImplementedFileId(file.GetObjectId());
    return doc.AddObject(group) ? group : nullptr;
}

CFileClone* AddClone(CBaseDoc& doc, const CFileComp& file, int left)
{
    CUndoStep step(&doc);
    auto* clone =
        new CFileClone(doc.NewObjectId(), CRect(left, -400, left + 200, -440), file.GetFileName(), file.GetObjectId());
    return doc.AddObject(clone) ? clone : nullptr;
}

template <class T>
std::vector<T*> ObjectsOf(const CBaseDoc& doc)
{
    std::vector<T*> found;
    const CObList* list = doc.GetObjectList();
    for (POSITION pos = list->GetHeadPosition(); pos;)
        if (T* object = DYNAMIC_DOWNCAST(T, list->GetNext(pos)))
            found.push_back(object);
    return found;
}

} // namespace paste_model_test

using namespace paste_model_test;

class PasteModel : public ::testing::Test
{
protected:
    PasteModel()
    {
        RegisterDocumentClasses();
        RegisterDataModelClasses();
        m_doc.AddView(&m_view);
    }
    ~PasteModel() override { m_doc.RemoveView(&m_view); }

    // Pastes what the clipboard holds in one undo step: the pasted objects in creation order.
    static std::vector<CObject*> Paste(CBaseDoc& doc)
    {
        SelectionView view;
        doc.AddView(&view);
        {
            CUndoStep step(&doc);
            EXPECT_TRUE(doc.PasteObjects(100, -1000));
        }
        doc.RemoveView(&view);
        return view.m_selection;
    }

    TestApp m_app;
    MessageScript m_messages;
    TestCopyBuffer m_frame;
    TestDoc m_doc;
    SelectionView m_view;
};

// Customer and Order are copied, Product is not. What points between the two copied files follows
// them to their copies; what points at Product stays where the document still has it and is
// cleared where it has not; one undo takes the paste back.
TEST_F(PasteModel, TwoOfThreeConnectedFilesKeepTheirOwnReferencesAndDropTheRest)
{
    CFileComp* customer = AddFile(m_doc, "Customer", 100);
    CFileComp* order = AddFile(m_doc, "Order", 500);
    CFileComp* product = AddFile(m_doc, "Product", 900);
    const WORD c = customer->GetObjectId();
    const WORD o = order->GetObjectId();
    const WORD p = product->GetObjectId();
    customer->AddData(Item(1, "CustNo"));
    customer->AddData(Item(2, "Kind"));
    product->AddData(Item(1, "ProdNo"));
    order->AddData(Item(1, "OrderNo"));
    order->AddData(RefItem(2, "CustNo", c, 1, "CustNo"));
    order->AddData(RefItem(3, "ProdNo", p, 1, "ProdNo"));
    CData* total = Item(4, "Total");
    total->GetSources().AddDataGenSrcDirect(Source(c, 2, "Kind", p, 1, "ProdNo"));
    total->GetSources().AddDataGenSrcDirect(Source(p, 1, "ProdNo"));
    total->GetSources().AddDataGenSrcDirect(Source(o, 1, "OrderNo", o, 1, "OrderNo"));
    order->AddData(total);
    customer->SetUpdateRight(1);
    order->SetUpdateRight(1);
    CRelLineObj* subtype = AddArrow(m_doc, CRelLineObj::KIND_SUBTYPE, customer, order);
    subtype->SetMainArrow(TRUE);
    subtype->SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, c, 2);
    subtype->GetItemNameLabel().SetText(CString("Kind"));
    CRelLineObj* fromProduct = AddArrow(m_doc, CRelLineObj::KIND_ONE_TO_MANY, product, order);
    CFileImplObj* customerGroup = AddImplGroup(m_doc, *customer);
    CFileImplObj* productGroup = AddImplGroup(m_doc, *product);
    PutDrawObjectsOnClipboard(Objects{customer, order, subtype, fromProduct, customerGroup, productGroup}.list);

    TestDoc other;
    const struct
    {
        const char* target;
        CBaseDoc* doc;
        BOOL productKept; // the target document still has Product with its item
    } cases[] = {{"the same document", &m_doc, TRUE}, {"another document", &other, FALSE}};
    for (const auto& t : cases) {
        SCOPED_TRACE(t.target);
        const std::vector<BYTE> before = ObjectBytes(*t.doc);
        const std::vector<CObject*> pasted = Paste(*t.doc);
        // The arrow from Product has lost its start: it is not pasted.
        ASSERT_EQ(pasted.size(), 5u);
        auto* newCustomer = DYNAMIC_DOWNCAST(CFileComp, pasted[0]);
        auto* newOrder = DYNAMIC_DOWNCAST(CFileComp, pasted[1]);
        auto* newSubtype = DYNAMIC_DOWNCAST(CRelLineObj, pasted[2]);
        ASSERT_TRUE(newCustomer && newOrder && newSubtype);
        const WORD nc = newCustomer->GetObjectId();
        const WORD no = newOrder->GetObjectId();
        EXPECT_EQ(ObjectsOf<CRelLineObj>(*t.doc).size(), t.productKept ? 3u : 1u);

        EXPECT_EQ(newCustomer->GetUpdateRight(), 0);
        EXPECT_EQ(newOrder->GetUpdateRight(), 0);
        EXPECT_EQ(newOrder->FindDataByNumber(2)->GetRefFile(), nc);
        EXPECT_EQ(newOrder->FindDataByNumber(3)->GetRefFile(), t.productKept ? p : 0);
        EXPECT_EQ(newOrder->FindDataByNumber(3)->GetRefItemName(), CString(t.productKept ? "ProdNo" : ""));

        const CDataGenSrcList& sources = newOrder->FindDataByNumber(4)->GetSources();
        ASSERT_EQ(sources.GetCount(), t.productKept ? 3 : 2);
        const GenSrcByIds& fromCustomer = sources.GetAt(0)->ByIds();
        EXPECT_EQ(fromCustomer.srcFile, nc);
        EXPECT_EQ(fromCustomer.refFile, t.productKept ? p : 0);
        EXPECT_EQ(fromCustomer.refItems[0], t.productKept ? 1 : 0);
        const GenSrcByIds& fromItself = sources.GetAt(t.productKept ? 2 : 1)->ByIds();
        EXPECT_EQ(fromItself.srcFile, no);
        EXPECT_EQ(fromItself.refFile, no);

        EXPECT_EQ(newSubtype->GetStartObjectId(), nc);
        EXPECT_EQ(newSubtype->GetEndObjectId(), no);
        EXPECT_TRUE(newSubtype->IsMainArrow());
        EXPECT_EQ(newSubtype->GetDiscriminatorFile(), nc);
        EXPECT_EQ(newSubtype->GetDiscriminatorItem(), 2);

        auto* newCustomerGroup = DYNAMIC_DOWNCAST(CFileImplObj, pasted[3]);
        auto* newProductGroup = DYNAMIC_DOWNCAST(CFileImplObj, pasted[4]);
        ASSERT_TRUE(newCustomerGroup && newProductGroup);
        EXPECT_EQ(newCustomerGroup->GetImplementedFileId(), nc);
        EXPECT_EQ(newProductGroup->GetImplementedFileId(), 0);

        // The originals are untouched.
        EXPECT_EQ(order->FindDataByNumber(2)->GetRefFile(), c);
        EXPECT_EQ(total->GetSources().GetCount(), 3);
        EXPECT_EQ(subtype->GetDiscriminatorFile(), c);

        t.doc->Undo();
        EXPECT_EQ(ObjectBytes(*t.doc), before);
    }
}

// A pasted clone stands for the pasted copy of its file; without it, for this document's file of
// its name: the same id when the name still fits, else the first file of that name, else none.
TEST_F(PasteModel, APastedCloneIsReboundByIdOrByName)
{
    CFileComp* customer = AddFile(m_doc, "Customer", 100);
    CFileClone* clone = AddClone(m_doc, *customer, 100);
    const WORD c = customer->GetObjectId();

    PutDrawObjectsOnClipboard(Objects{customer, clone}.list);
    std::vector<CObject*> pasted = Paste(m_doc);
    ASSERT_EQ(pasted.size(), 2u);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CFileClone, pasted[1])->GetOriginalFileId(), DrawObjects::GetObjectId(pasted[0]));

    PutDrawObjectsOnClipboard(Objects{clone}.list);
    TestDoc renamed; // the same id, another name
    ASSERT_EQ(AddFile(renamed, "Supplier", 100)->GetObjectId(), c);
    TestDoc byName; // the name under another id
    AddFile(byName, "Supplier", 100);
    const WORD customerThere = AddFile(byName, "Customer", 500)->GetObjectId();
    ASSERT_NE(customerThere, c);
    const struct
    {
        const char* target;
        CBaseDoc* doc;
        WORD original;
    } cases[] = {
        {"a file of that id and name", &m_doc, c},
        {"a file of the name elsewhere", &byName, customerThere},
        {"that id under another name", &renamed, 0},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.target);
        pasted = Paste(*t.doc);
        ASSERT_EQ(pasted.size(), 1u);
        EXPECT_EQ(DYNAMIC_DOWNCAST(CFileClone, pasted[0])->GetOriginalFileId(), t.original);
    }
}

// An arrow comes only with both of its ends, and only when an end still to be placed is a file or
// a clone; a plain line keeps coming with free ends.
TEST_F(PasteModel, AnArrowWithoutItsEndFileIsNotPasted)
{
    CFileComp* customer = AddFile(m_doc, "Customer", 100);
    CFileComp* order = AddFile(m_doc, "Order", 500);
    order->SetMergedIntoParent(TRUE);
    CRectObj* box = AddRect(m_doc, CRect(900, -100, 1000, -200));
    CRelLineObj* subtype = AddArrow(m_doc, CRelLineObj::KIND_SUBTYPE, customer, order);
    subtype->SetMainArrow(TRUE);
    CRelLineObj* toBox = AddArrow(m_doc, CRelLineObj::KIND_ONE_TO_MANY, customer, box);

    const struct
    {
        const char* copied;
        std::vector<CObject*> objects;
        size_t pasted;
    } cases[] = {
        {"the arrow alone", {subtype}, 0},
        {"the arrow and its end file", {subtype, order}, 1},
        {"an arrow to a rectangle", {toBox, customer, box}, 2},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.copied);
        CObList list;
        for (CObject* object : t.objects)
            list.AddTail(object);
        PutDrawObjectsOnClipboard(list);
        const size_t arrowsBefore = ObjectsOf<CRelLineObj>(m_doc).size();
        m_view.m_selection.clear();
        CUndoStep step(&m_doc);
        EXPECT_TRUE(m_doc.PasteObjects(100, -1000));
        EXPECT_EQ(m_view.m_selection.size(), t.pasted);
        EXPECT_EQ(ObjectsOf<CRelLineObj>(m_doc).size(), arrowsBefore);
        for (CObject* object : m_view.m_selection) {
            if (auto* file = DYNAMIC_DOWNCAST(CFileComp, object)) {
                EXPECT_FALSE(file->GetMergedIntoParent()) << "no parent came along";
            }
        }
    }
}

// The relation rules run on pasted subtype arrows as on new ones: a pasted arrow whose end file has
// no main arrow takes the role; a main arrow ending at a clone re-bound to a file that has one
// gives it up.
TEST_F(PasteModel, PastedSubtypeArrowsFollowTheMainArrowRules)
{
    CFileComp* customer = AddFile(m_doc, "Customer", 100);
    CFileComp* order = AddFile(m_doc, "Order", 500);
    CRelLineObj* subtype = AddArrow(m_doc, CRelLineObj::KIND_SUBTYPE, customer, order);
    subtype->SetMainArrow(TRUE);
    CFileComp* parent = AddFile(m_doc, "Party", 900);
    CFileClone* orderClone = AddClone(m_doc, *order, 900);
    CRelLineObj* toClone = AddArrow(m_doc, CRelLineObj::KIND_SUBTYPE, parent, orderClone);
    toClone->SetMainArrow(TRUE); // as it would be in a document where Order had no main arrow
    CRelLineObj* secondary = AddArrow(m_doc, CRelLineObj::KIND_SUBTYPE, parent, order);

    PutDrawObjectsOnClipboard(Objects{parent, orderClone, toClone}.list);
    std::vector<CObject*> pasted = Paste(m_doc);
    ASSERT_EQ(pasted.size(), 3u);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CFileClone, pasted[1])->GetOriginalFileId(), order->GetObjectId());
    EXPECT_FALSE(DYNAMIC_DOWNCAST(CRelLineObj, pasted[2])->IsMainArrow());
    EXPECT_TRUE(subtype->IsMainArrow());

    PutDrawObjectsOnClipboard(Objects{parent, order, secondary}.list);
    pasted = Paste(m_doc);
    ASSERT_EQ(pasted.size(), 3u);
    EXPECT_TRUE(DYNAMIC_DOWNCAST(CRelLineObj, pasted[2])->IsMainArrow());
    EXPECT_FALSE(secondary->IsMainArrow());
}

// A copy buffer finds a conceptual file by its id past another box of the same id.
TEST(CopyBufferLookups, TheFileHoldIsFoundAmongBoxesOfTheSameId)
{
    RegisterDataModelClasses();
    CRectObj rect(5, CRect(0, 0, 100, -100));
    CFileComp file(5, CRect(200, 0, 440, -160));
    CCopyList buffer;
    ASSERT_EQ(buffer.FillFromObjects(Objects{&rect, &file}.list, nullptr), 2);
    EXPECT_EQ(DrawObjects::GetKind(buffer.FindBaseObjHold(5)->GetObject()), OBJKIND_RECT);
    EXPECT_EQ(DrawObjects::GetKind(buffer.FindFileCompHold(5)->GetObject()), OBJKIND_FILECOMP);
    EXPECT_EQ(buffer.FindFileCompHold(6), nullptr);
}

// References into a referenced diagram are found again by the file's name there: they take the
// diagram's number in this document's list and the file's id in it; what is not found is dropped.
class PasteModelReferencedDiagram : public ::testing::Test
{
protected:
    PasteModelReferencedDiagram() { RegisterDataModelClasses(); }

    FileTestApp m_app;
    QTemporaryDir m_dir;
    MessageScript m_messages;
    TestCopyBuffer m_frame;
};

TEST_F(PasteModelReferencedDiagram, ReferencesByNameAreResolvedInTheLoadedDiagrams)
{
    const CString path = PathIn(m_dir, "other.zvr");
    WORD orderThere = 0;
    {
        TestDoc other;
        AddRect(other);
        CFileComp* order = AddFile(other, "Order", 100);
        order->AddData(Item(1, "OrderNo"));
        order->AddData(Item(2, "Date"));
        orderThere = order->GetObjectId();
        ASSERT_TRUE(other.OnSaveDocument(path));
    }
    TestDoc doc;
    auto* entry = new CRefDoc(7, path, CString("other"));
    doc.GetRefDocList()->AddTail(entry);
    ASSERT_TRUE(entry->Open(PathIn(m_dir, "main.zvr"), nullptr));

    const auto inDiagram = [](WORD number, const char* name, const char* fileName, const char* itemName) {
        CData* item = Item(number, name);
        item->SetRefForm(CData::REF_IN_DIAGRAM);
        item->SetRef3Diagram(3); // numbers and ids as the copying document had them
        item->SetRef3File(90);
        item->SetRef3FileName(CString(fileName));
        item->SetRef3Item(1);
        item->SetRef3ItemName(CString(itemName));
        return item;
    };
    const auto source = [](const char* fileName, const char* secondRefName) {
        auto* src = new CDataGenSrc;
        src->SetForm(CDataGenSrc::FORM_IN_DIAGRAM);
        GenSrcInDiagram& d = src->InDiagram();
        d.diagram = 3;
        d.srcFile = 90;
        d.srcFileName = CString(fileName);
        d.srcItem = 1;
        d.srcItemName = CString("OrderNo");
        d.refFile = 90;
        d.refFileName = CString(fileName);
        d.refItems = {1, 2, 0};
        d.refItemNames[0] = CString("OrderNo");
        d.refItemNames[1] = CString(secondRefName);
        return src;
    };
    CFileComp* line = AddFile(doc, "Line", 100);
    line->AddData(inDiagram(1, "OrderNo", "Order", "OrderNo"));
    line->AddData(inDiagram(2, "Other", "Order", "Gone"));
    line->AddData(inDiagram(3, "Lost", "Missing", "OrderNo"));
    CData* derived = Item(4, "Derived");
    derived->GetSources().AddDataGenSrcDirect(source("Order", "Gone"));
    derived->GetSources().AddDataGenSrcDirect(source("Missing", "Date"));
    derived->GetSources().AddDataGenSrcDirect(source("Order", "Date"));
    line->AddData(derived);
    PutDrawObjectsOnClipboard(Objects{line}.list);

    SelectionView view;
    doc.AddView(&view);
    {
        CUndoStep step(&doc);
        EXPECT_TRUE(doc.PasteObjects(100, -1000));
    }
    doc.RemoveView(&view);
    ASSERT_EQ(view.m_selection.size(), 1u);
    const auto* pasted = DYNAMIC_DOWNCAST(CFileComp, view.m_selection[0]);
    ASSERT_NE(pasted, nullptr);

    const CData* found = pasted->FindDataByNumber(1);
    EXPECT_EQ(found->GetRefForm(), CData::REF_IN_DIAGRAM);
    EXPECT_EQ(found->GetRef3Diagram(), 7);
    EXPECT_EQ(found->GetRef3File(), orderThere);
    for (WORD number : {WORD(2), WORD(3)}) { // the item is gone; the file is not there
        const CData* lost = pasted->FindDataByNumber(number);
        EXPECT_EQ(lost->GetRefForm(), CData::REF_BY_IDS) << number;
        EXPECT_FALSE(lost->HasReferencedFile()) << number;
    }

    // The source from a missing file goes; a reference item that is gone is emptied.
    const CDataGenSrcList& sources = pasted->FindDataByNumber(4)->GetSources();
    ASSERT_EQ(sources.GetCount(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const GenSrcInDiagram& d = sources.GetAt(i)->InDiagram();
        EXPECT_EQ(d.diagram, 7);
        EXPECT_EQ(d.srcFile, orderThere);
        EXPECT_EQ(d.refFile, orderThere);
        EXPECT_EQ(d.refItems[0], 1);
        EXPECT_EQ(d.refItems[1], i == 0 ? 0 : 2);
    }
}
