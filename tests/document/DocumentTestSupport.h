// Stand-ins for the document's neighbours in tests: the application with its settings store, and a
// drawing view that keeps a selection. Helpers to fill a document with rectangles and read back
// the drawing order.
#pragma once

#include "document/UndoStep.h"
#include "document/ViewServices.h"
#include "document/ZivraDoc.h"
#include "foundation/AppServices.h"
#include "foundation/RegManList.h"
#include "objects/DrawObjects.h"
#include "objects/PolyObj.h"
#include "objects/RectObj.h"
#include "platform/ui/View.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <vector>

// Registered as the application while it lives, with a settings store of its own.
class TestApp : public AppServices
{
public:
    TestApp() : m_store(std::make_unique<CRegManList>()), m_previous(SetAppServices(this)) {}
    ~TestApp() override { SetAppServices(m_previous); }
    TestApp(const TestApp&) = delete;
    TestApp& operator=(const TestApp&) = delete;

    CRegManList* GetRegManList() override { return m_store.get(); }
    CColorItemList* GetColorItemList() override { return nullptr; }
    WORD GetLoadedDocVersion() const override { return m_loadedDocVersion; }
    void SetLoadedDocVersion(WORD version) override { m_loadedDocVersion = version; }
    const OSVERSIONINFO& GetOsVersionInfo() const override { return m_os; }

private:
    std::unique_ptr<CRegManList> m_store;
    WORD m_loadedDocVersion = 0;
    AppServices* m_previous;
    OSVERSIONINFO m_os{};
};

// A drawing view reduced to its selection.
class SelectionView : public CView, public ViewServices
{
public:
    void AddToSelection(CObject* object) override { m_selection.insert(m_selection.begin(), object); }
    void AppendToSelection(CObject* object) override { m_selection.push_back(object); }
    void RemoveFromSelection(CObject* object) override { std::erase(m_selection, object); }
    void InvalidateSelection() override {}
    void ClearSelection() override { m_selection.clear(); }
    void SetCurrentObject(CObject* object) override { m_current = object; }
    BOOL IsObjectIdSelected(WORD) const override { return FALSE; }
    void EndInPlaceEditAndRefresh() override {}
    void UpdateScrollSizes() override {}
    BOOL SnapToGrid(POINT&) const override { return FALSE; }

    std::vector<CObject*> m_selection;
    CObject* m_current = nullptr;
};

// A document whose protected state a test may set up directly.
class TestDoc : public CZivraDoc
{
public:
    TestDoc() { m_bAutoDelete = FALSE; } // the test owns it, also after its last view leaves
    void SetPrintScaleRaw(DWORD scale) { m_dwPrintScale = scale; }
    void SetEditFlgsRaw(DWORD flags) { m_dwEditFlgs = flags; }
};

// A rectangle with a fresh id, added in an undo step of its own.
inline CRectObj* AddRect(CBaseDoc& doc, const CRect& rect = CRect(100, -100, 200, -200))
{
    CUndoStep step(&doc);
    auto* obj = new CRectObj(doc.NewObjectId(), rect);
    return doc.AddObject(obj) ? obj : nullptr;
}

// A line added in its own undo step, through the points given.
inline CPolyObj* AddLine(CBaseDoc& doc, std::initializer_list<CPoint> points)
{
    CUndoStep step(&doc);
    auto* line = new CPolyObj(doc.NewObjectId());
    for (const CPoint& p : points)
        line->AddPoint(p);
    return doc.AddObject(line) ? line : nullptr;
}

// The object ids in drawing order, back to front.
inline std::vector<WORD> DrawingOrder(const CBaseDoc& doc)
{
    std::vector<WORD> ids;
    const CObList* list = doc.GetObjectList();
    for (POSITION pos = list->GetHeadPosition(); pos;)
        ids.push_back(DrawObjects::GetObjectId(list->GetNext(pos)));
    return ids;
}

inline CBaseObj* ObjectById(const CBaseDoc& doc, WORD id)
{
    CObject* object = nullptr;
    doc.FindObjectById(id, object);
    return static_cast<CBaseObj*>(object);
}
