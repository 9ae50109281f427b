#include "objects/CopyList.h"

#include "foundation/AppServices.h"
#include "foundation/ErrorReport.h"
#include "objects/BaseObj.h"
#include "objects/CopyHold.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectSupport.h"
#include "platform/afx/Archive.h"
#include "platform/afx/File.h"
#include "platform/afx/MemFile.h"

#include <memory>

IMPLEMENT_DYNCREATE(CCopyList, CObList)

namespace copylist {

// The loaded-document version the line records read by, set for the clipboard's stream and put
// back afterwards: the stream always holds the current layout, while the last document read may
// have been an older file.
class LoadedVersionScope
{
public:
    explicit LoadedVersionScope(WORD version)
    {
        if (m_app)
            m_app->SetLoadedDocVersion(version);
    }
    ~LoadedVersionScope()
    {
        if (m_app)
            m_app->SetLoadedDocVersion(m_previous);
    }
    LoadedVersionScope(const LoadedVersionScope&) = delete;
    LoadedVersionScope& operator=(const LoadedVersionScope&) = delete;

private:
    AppServices* m_app = GetAppServices();
    WORD m_previous = m_app ? m_app->GetLoadedDocVersion() : 0;
};

void DestroyElements(CObList& list)
{
    while (!list.IsEmpty())
        DrawObjects::Destroy(list.RemoveHead());
}

} // namespace copylist

CLIPFORMAT GetDrawObjectClipFormat()
{
    static const CLIPFORMAT format = RegisterClipboardFormat("Zivra Draw Object");
    return format;
}

QByteArray StoreDrawObjects(const CObList& objects)
{
    CObList drawObjects;
    for (POSITION pos = objects.GetHeadPosition(); pos;) {
        CObject* object = objects.GetNext(pos);
        if (DrawObjects::IsDrawObject(object))
            drawObjects.AddTail(object);
    }
    CMemFile file(4096);
    {
        CArchive ar(&file, CArchive::store, 4096);
        drawObjects.Serialize(ar);
        ar.Close();
    }
    QByteArray bytes(qsizetype(file.GetLength()), Qt::Uninitialized);
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

void PutDrawObjectsOnClipboard(const CObList& objects)
{
    COleDataSource source;
    source.CacheGlobalData(GetDrawObjectClipFormat(), StoreDrawObjects(objects));
    source.SetClipboard();
}

CCopyList::CCopyList() : CObList(10) {}

CCopyList::~CCopyList()
{
    DeleteAllHolds();
}

void CCopyList::DeleteAllHolds()
{
    while (!IsEmpty())
        delete static_cast<CCopyHold*>(RemoveHead());
}

BOOL CCopyList::MakeCopyHold(const CObject* object, CCopyHold*& hold)
{
    CObject* copy = nullptr;
    if (!CloneDrawObject(object, copy))
        return FALSE;
    hold = new CCopyHold(copy);
    return TRUE;
}

int CCopyList::FillFromObjects(const CObList& objects, CDocument*)
{
    DeleteAllHolds();
    int count = 0;
    for (POSITION pos = objects.GetHeadPosition(); pos;) {
        const CObject* object = objects.GetNext(pos);
        CCopyHold* hold = nullptr;
        if (!DrawObjects::IsDrawObject(object) || !MakeCopyHold(object, hold))
            continue;
        try {
            AddTail(hold);
        } catch (...) {
            delete hold;
            ReportCurrentException(CString(u8"ﾒﾓﾘ不足のため、ｺﾋﾟｰﾘｽﾄにｵﾌﾞｼﾞｪｸﾄを追加できません。"),
                                   CString(u8"予期せぬｴﾗｰのため、ｺﾋﾟｰﾘｽﾄにｵﾌﾞｼﾞｪｸﾄを追加できません。"));
            return -1;
        }
        ++count;
    }
    return count;
}

int CCopyList::LoadFromDataObject(const COleDataObject& data, CDocument* target)
{
    std::unique_ptr<CFile> file = data.GetFileData(GetDrawObjectClipFormat());
    if (!file)
        return -1;
    CObList objects;
    try {
        const copylist::LoadedVersionScope version(OBJECT_RECORD_VERSION);
        CArchive ar(file.get(), CArchive::load, 4096);
        ar.m_pDocument = target;
        DrawObjects::ReadObjectList(ar, objects);
        ar.Close();
    } catch (...) {
        copylist::DestroyElements(objects);
        throw;
    }
    FillFromObjects(objects, target);
    copylist::DestroyElements(objects);
    return int(GetCount());
}

BOOL CCopyList::LookupById(WORD objectId, CCopyHold*& hold) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CCopyHold* candidate = GetHold(pos);
        if (candidate->GetObject() && DrawObjects::IsDrawObject(candidate->GetObject()) &&
            DrawObjects::GetObjectId(candidate->GetObject()) == objectId) {
            hold = candidate;
            return TRUE;
        }
    }
    return FALSE;
}

CCopyHold* CCopyList::FindBaseObjHold(WORD objectId) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CCopyHold* candidate = GetHold(pos);
        const CBaseObj* box = DrawObjects::AsBoxObject(candidate->GetObject());
        if (box && box->GetObjectId() == objectId)
            return candidate;
    }
    return nullptr;
}

CCopyHold* CCopyList::FindFileCompHold(WORD objectId) const
{
    // The conceptual file's class lives in the data model; its kind code names it here.
    for (POSITION pos = GetHeadPosition(); pos;) {
        CCopyHold* candidate = GetHold(pos);
        const CBaseObj* box = DrawObjects::AsBoxObject(candidate->GetObject());
        if (box && box->GetKind() == OBJKIND_FILECOMP && box->GetObjectId() == objectId)
            return candidate;
    }
    return nullptr;
}

void CCopyList::ResetPasteFlags()
{
    for (POSITION pos = GetHeadPosition(); pos;)
        GetHold(pos)->SetPlaced(0, nullptr);
}

CRect& CCopyList::GetBoundRect(CRect& rect) const
{
    BOOL first = TRUE;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CRect held;
        if (DrawObjects::GetVisibleRect(GetHold(pos)->GetObject(), held, TRUE))
            WidenBounds(rect, held, first);
    }
    return rect;
}
