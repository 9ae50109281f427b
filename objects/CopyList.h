// CCopyList: the copy buffer, held by the main frame. A paste of drawing objects fills it from the
// clipboard's "Zivra Draw Object" data with one detached copy of each object, in the order in which
// they were copied; the document's paste then looks the copies up by their old ids and records in
// each hold the id and object it placed. The buffer keeps its content until the next paste.
#pragma once

#include "platform/afx/List.h"
#include "platform/afx/Rect.h"
#include "platform/ui/OleDataObject.h"

#include <QByteArray>

class CCopyHold;
class CDocument;

// The clipboard format of drawing objects: one archive of an object list (a count, then each
// object by class name and schema with its own record), the objects in selection order.
CLIPFORMAT GetDrawObjectClipFormat();
// The format's bytes for the drawing objects of the list, in list order (anything else is left
// out).
QByteArray StoreDrawObjects(const CObList& objects);
// Puts those bytes on the clipboard under the format, replacing what it held.
void PutDrawObjectsOnClipboard(const CObList& objects);

class CCopyList : public CObList
{
    DECLARE_DYNCREATE(CCopyList)
public:
    CCopyList();
    ~CCopyList() override;
    CCopyList(const CCopyList&) = delete;
    CCopyList& operator=(const CCopyList&) = delete;

    // Destroys every hold with its object.
    void DeleteAllHolds();
    // A new hold with a copy of the object; FALSE when it cannot be copied.
    BOOL MakeCopyHold(const CObject* object, CCopyHold*& hold);
    // Empties the buffer, then holds a copy of every box or line object of the list in order.
    // Returns the number held, or -1 after telling the user that a hold could not be appended (the
    // holds before it stay).
    int FillFromObjects(const CObList& objects, CDocument* target);
    // Reads the drawing-object format of the data object into the buffer: the buffer's count, or
    // -1 when the data object does not offer it. A damaged stream throws and leaves the buffer as
    // it was. The records are read in the layout every current store writes, whatever document
    // was read last.
    int LoadFromDataObject(const COleDataObject& data, CDocument* target);

    // The first hold whose box or line object has the id.
    BOOL LookupById(WORD objectId, CCopyHold*& hold) const;
    // The first hold of a box object with the id, or null.
    CCopyHold* FindBaseObjHold(WORD objectId) const;
    // The first hold of a conceptual file with the id, or null.
    CCopyHold* FindFileCompHold(WORD objectId) const;
    // Forgets what the last paste placed.
    void ResetPasteFlags();
    // The union of the held objects' rectangles, hidden ones included (left and bottom the
    // smallest, right and top the largest). Without held objects the rectangle stays as passed.
    CRect& GetBoundRect(CRect& rect) const;

    CCopyHold* GetHold(POSITION& pos) const { return reinterpret_cast<CCopyHold*>(GetNext(pos)); }
};
