#include "document/OleObjectPolicy.h"

#include "objects/OleDrawObj.h"

#include "platform/afx/Archive.h"
#include "platform/afx/MessageSink.h"

namespace ole_object_policy {

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

const CRuntimeClass ContainerItemGuard::classGuard = {OLE_ITEM_CLASS_NAME, int(sizeof(ContainerItemGuard)), 0,
                                                      &ContainerItemGuard::Create, &CObject::GetThisClass};

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
        COleDrawObj::ReadNoItem(ar);
}

void RefuseEmbeddedObjects()
{
    AfxMessageBox(CString(u8"この構造図には、このシステムで扱えない埋め込みオブジェクトが含まれています。"),
                  MB_OK | MB_ICONSTOP);
    AfxThrowUserException();
}

} // namespace OleObjectPolicy
