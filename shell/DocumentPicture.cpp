#include "shell/DocumentPicture.h"

#include "document/BaseDoc.h"
#include "foundation/SymbolPrimitives.h"
#include "objects/DrawObjects.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/GdiTypes.h"

namespace DocumentPicture {

// Greys the objects the user may not update, as printing does in update-right mode.
constexpr DWORD kShowUpdateRight = 0x100;

} // namespace DocumentPicture

CSize GetDocumentPictureExtent(const CBaseDoc& doc)
{
    CSize extent = doc.GetContentExtent();
    extent.cx *= 10;
    extent.cy *= 10;
    if (doc.HasNoObjects()) {
        extent.cx /= 2;
        extent.cy /= 2;
    }
    return extent;
}

void DrawDocumentPicture(CDC* dc, CBaseDoc& doc)
{
    const CSize extent = doc.GetContentExtent();
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowOrg(0, 0);
    dc->SetWindowExt(extent);
    dc->SetViewportExt(extent);
    // A picture is laid out by the program itself so that it looks the same on any device.
    DWORD flags = doc.GetDrawOpt() | SYMBOL_OWN_TEXT_LAYOUT;
    if (doc.IsUpdateRightMode())
        flags |= DocumentPicture::kShowUpdateRight;
    const LOGFONT font = *doc.GetDrawingFont();
    const int zoom = int(doc.GetScale());
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        CObject* object = objects->GetNext(pos);
        // A header row the document hides is not in the picture either.
        if (DrawObjects::IsDrawObject(object) && doc.IsHeaderItemShown(DrawObjects::GetObjectId(object)))
            DrawObjects::Draw(object, dc, zoom, FALSE, TRUE, &font, flags, &doc);
    }
}
