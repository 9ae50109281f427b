// COleDrawObj: an object of another program placed in a diagram, shown through its container item
// (OleItem). It has a rectangle, frame, fill and shadow like the other box objects and draws the
// item's presentation inside its rectangle; the frame shows only when DrawFrame is set. Without an
// item it draws nothing and shows no handles, but keeps its rectangle and can be selected.
//
// Its record is the box-object record, the frame flag (16 bits), the item's extent as one block of
// two 32-bit values (0.01 mm) and a reference to the item. Items cannot be read or made here: a
// record is read only when it refers to none, and the reference is always written empty.
#pragma once

#include "objects/OleItem.h"
#include "objects/ShapeObj.h"

#include <memory>

// The class name under which files store the container items.
constexpr const char* OLE_ITEM_CLASS_NAME = "CBaseCntrItem";

class COleDrawObj : public CShapeObj
{
    DECLARE_SERIAL(COleDrawObj)
public:
    COleDrawObj();
    COleDrawObj(WORD objectId, const CRect& rect);
    // An object for a new item at a point: the rectangle starts as the point and takes its size
    // from the item's extent.
    COleDrawObj(WORD objectId, POINT point, std::unique_ptr<OleItem> item);
    // Copies the attributes, the frame flag and the extent; the item is copied with its object.
    COleDrawObj(const COleDrawObj& other);
    ~COleDrawObj() override;

    void Serialize(CArchive& ar) override;
    // Reads a reference to a container item: an empty one passes, anything else is refused.
    static void ReadNoItem(CArchive& ar);

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    // Anywhere within the tolerance of the rectangle, filled or not.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;

    // The frame switch, pen, fill and shadow, the defaults and the operations; the embedded
    // object's verbs do not exist here. Nothing for an object hidden in define mode.
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;
    void CopyAttributes(const CBaseObj& other) override;

    // Takes over a changed extent of the item. The first time the rectangle gets the extent's size
    // from its top-left corner (0.01 mm to 0.1 mm, truncated); later the rectangle is scaled in
    // proportion, unless the item is active in place, when only the extent is kept. TRUE when the
    // object changed.
    BOOL UpdateFromExtent();

    BOOL GetDrawFrame() const { return m_bDrawFrame; }
    void SetDrawFrame(BOOL drawFrame) { m_bDrawFrame = drawFrame; }
    CSize GetExtent() const { return m_sizeExtent; }
    void SetExtent(SIZE extent) { m_sizeExtent = extent; }
    OleItem* GetItem() const { return m_pItem.get(); }
    void AttachItem(std::unique_ptr<OleItem> item) { m_pItem = std::move(item); }

protected:
    // "DrawFrame", then the base keys.
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
    BOOL m_bDrawFrame;
    std::unique_ptr<OleItem> m_pItem;
    CSize m_sizeExtent;
};
