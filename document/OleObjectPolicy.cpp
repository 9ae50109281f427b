#include "document/OleObjectPolicy.h"

#include "objects/BaseObj.h"

#include "platform/afx/Archive.h"
#include "platform/afx/MessageSink.h"

namespace ole_object_policy {

constexpr const char* kItemClassName = "CBaseCntrItem";
constexpr const char* kDrawObjClassName = "COleDrawObj";

// Stands in for the container item under its class name: creating one is fine, reading its record
// is not.
class ContainerItemGuard : public CObject
{
public:
    static const CRuntimeClass classGuard;
    const CRuntimeClass* GetRuntimeClass() const override { return &classGuard; }
    static CObject* Create() { return new ContainerItemGuard; }

    void Serialize(CArchive&) override { OleObjectPolicy::RefuseEmbeddedObjects(); }
};

const CRuntimeClass ContainerItemGuard::classGuard = {kItemClassName, int(sizeof(ContainerItemGuard)), 0,
                                                      &ContainerItemGuard::Create, &CObject::GetThisClass};

// The class under which container items are read: the registered item class.
const CRuntimeClass* ItemClass()
{
    return CRuntimeClass::FromName(kItemClassName);
}

// Reads one reference to a container item: null is fine, anything else is refused (a new item by
// its guard, a reference to another object by the archive's class check).
void ReadNoItem(CArchive& ar)
{
    if (ar.ReadObject(ItemClass()))
        AfxThrowArchiveException(CArchiveException::badClass, ar.m_strFileName);
}

// The OLE drawing object's record, for an object that has no container item.
class OleDrawObjRecord : public CBaseObj
{
public:
    static const CRuntimeClass classRecord;
    const CRuntimeClass* GetRuntimeClass() const override { return &classRecord; }
    static CObject* Create() { return new OleDrawObjRecord; }

    void Serialize(CArchive& ar) override
    {
        CBaseObj::Serialize(ar);
        if (ar.IsStoring()) {
            ar << m_wDrawFrame;
            ar.Write(m_extent, sizeof m_extent);
            ar.WriteObject(nullptr);
            return;
        }
        ar >> m_wDrawFrame;
        if (ar.Read(m_extent, sizeof m_extent) != sizeof m_extent)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        ReadNoItem(ar);
    }

private:
    WORD m_wDrawFrame = 0;
    BYTE m_extent[8] = {};
};

const CRuntimeClass OleDrawObjRecord::classRecord = {kDrawObjClassName, int(sizeof(OleDrawObjRecord)), 1,
                                                     &OleDrawObjRecord::Create, &CBaseObj::GetThisClass};

void RegisterUnlessKnown(const CRuntimeClass* runtimeClass)
{
    if (!CRuntimeClass::FromName(runtimeClass->m_lpszClassName))
        AfxRegisterClass(runtimeClass);
}

} // namespace ole_object_policy

namespace OleObjectPolicy {

void RegisterRecordReaders()
{
    ole_object_policy::RegisterUnlessKnown(&ole_object_policy::ContainerItemGuard::classGuard);
    ole_object_policy::RegisterUnlessKnown(&ole_object_policy::OleDrawObjRecord::classRecord);
}

void SerializeItemList(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << DWORD(0);
        return;
    }
    DWORD count;
    ar >> count;
    ar.EnsureRemaining(count);
    for (; count > 0; --count)
        ole_object_policy::ReadNoItem(ar);
}

void RefuseEmbeddedObjects()
{
    AfxMessageBox(CString(u8"この構造図には、このシステムで扱えない埋め込みオブジェクトが含まれています。"),
                  MB_OK | MB_ICONSTOP);
    AfxThrowUserException();
}

} // namespace OleObjectPolicy
