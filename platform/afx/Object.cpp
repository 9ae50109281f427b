#include "platform/afx/Object.h"

#include <map>
#include <mutex>
#include <string>

namespace {

struct ObjectClassRegistry
{
    std::mutex mutex;
    std::map<std::string, const CRuntimeClass*, std::less<>> byName;
};

ObjectClassRegistry& TheObjectClassRegistry()
{
    static ObjectClassRegistry registry;
    return registry;
}

} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", int(sizeof(CObject)), AFX_NO_SCHEMA, nullptr, nullptr};

void AfxRegisterClass(const CRuntimeClass* runtimeClass)
{
    ObjectClassRegistry& registry = TheObjectClassRegistry();
    std::lock_guard lock(registry.mutex);
    registry.byName.emplace(runtimeClass->m_lpszClassName, runtimeClass);
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    ObjectClassRegistry& registry = TheObjectClassRegistry();
    std::lock_guard lock(registry.mutex);
    const auto found = registry.byName.find(std::string_view(className ? className : ""));
    return found == registry.byName.end() ? nullptr : found->second;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* className)
{
    const CRuntimeClass* runtimeClass = FromName(className);
    return runtimeClass ? runtimeClass->CreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c; c = c->GetBaseClass())
        if (c == base)
            return TRUE;
    return FALSE;
}

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

BOOL CObject::IsKindOf(const CRuntimeClass* runtimeClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != AFX_NO_SCHEMA;
}

void CObject::Serialize(CArchive&) {}

static const AfxClassInit afxClassInit_CObject(&CObject::classCObject);
