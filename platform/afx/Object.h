// CObject and runtime classes: class identity at run time, dynamic creation, and registration by
// class name so that an archive can create the objects it loads.
//
// Registration rule: IMPLEMENT_DYNAMIC / IMPLEMENT_DYNCREATE / IMPLEMENT_SERIAL place a static
// initialiser next to the class's own member definitions, so it runs whenever the linker keeps that
// translation unit, i.e. whenever anything in the program constructs the class or names one of its
// members or RUNTIME_CLASS. A class that is only ever created by loading it from a file must be
// named once in code that runs, e.g. AfxRegisterClass(RUNTIME_CLASS(CMyObj)); registering twice is
// harmless. CRuntimeClass::FromName then finds it.
#pragma once

#include "platform/afx/WinTypes.h"

#include <cassert>
#include <cstdint>

using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;

class CObject;
class CArchive;

// A class whose schema carries this flag accepts older schemas on load; its Serialize asks the
// archive for the stored one with CArchive::GetObjectSchema.
constexpr UINT VERSIONABLE_SCHEMA = 0x80000000u;
// The schema of a class that cannot be serialized.
constexpr UINT AFX_NO_SCHEMA = 0xFFFF;

struct CRuntimeClass
{
    const char* m_lpszClassName; // code page 932, as stored in archives
    int m_nObjectSize;
    UINT m_wSchema; // AFX_NO_SCHEMA when not serializable; may carry VERSIONABLE_SCHEMA
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* (*m_pfnGetBaseClass)();

    // A new object of the class, or nullptr when the class cannot be created dynamically.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
    const CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }
    // The schema as stored in an archive (without the versionable flag).
    WORD GetStoredSchema() const { return WORD(m_wSchema & ~VERSIONABLE_SCHEMA); }

    // The registered class of that name (exact, case-sensitive), or nullptr.
    static const CRuntimeClass* FromName(const char* className);
    static CObject* CreateObject(const char* className);
};

// Adds the class to the registry (idempotent). A different class already registered under the same
// name keeps the name.
void AfxRegisterClass(const CRuntimeClass* runtimeClass);

// Registers a class during static initialisation.
struct AfxClassInit
{
    explicit AfxClassInit(const CRuntimeClass* runtimeClass) { AfxRegisterClass(runtimeClass); }
};

class CObject
{
public:
    virtual ~CObject() = default;

    static const CRuntimeClass classCObject;
    static const CRuntimeClass* GetThisClass() { return &classCObject; }
    virtual const CRuntimeClass* GetRuntimeClass() const;

    BOOL IsKindOf(const CRuntimeClass* runtimeClass) const;
    BOOL IsSerializable() const;
    virtual void Serialize(CArchive& ar);

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// The object read from the archive, checked to be of the expected class (defined with CArchive).
CObject* AfxReadObject(CArchive& ar, const CRuntimeClass* expected);

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                                    \
public:                                                                                                                \
    static const CRuntimeClass class##class_name;                                                                      \
    static const CRuntimeClass* GetThisClass()                                                                         \
    {                                                                                                                  \
        return &class_name::class##class_name;                                                                         \
    }                                                                                                                  \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                  \
    DECLARE_DYNAMIC(class_name)                                                                                        \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                                                                                     \
    DECLARE_DYNCREATE(class_name)                                                                                      \
    friend CArchive& operator>>(CArchive& ar, class_name*& object)                                                     \
    {                                                                                                                  \
        object = static_cast<class_name*>(AfxReadObject(ar, &class_name::class##class_name));                          \
        return ar;                                                                                                     \
    }

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, create)                                        \
    const CRuntimeClass class_name::class##class_name = {#class_name, int(sizeof(class_name)), UINT(schema), create,   \
                                                         &base_class_name::GetThisClass};                              \
    const CRuntimeClass* class_name::GetRuntimeClass() const                                                           \
    {                                                                                                                  \
        return &class_name::class##class_name;                                                                         \
    }                                                                                                                  \
    static const AfxClassInit afxClassInit_##class_name(&class_name::class##class_name);

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                                 \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                               \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, &class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, schema)                                                          \
    CObject* class_name::CreateObject()                                                                                \
    {                                                                                                                  \
        return new class_name;                                                                                         \
    }                                                                                                                  \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, schema, &class_name::CreateObject)

// The object as a T when it is one (IsKindOf), else nullptr.
template <class T>
T* AfxDynamicDowncast(CObject* object)
{
    return object && object->IsKindOf(T::GetThisClass()) ? static_cast<T*>(object) : nullptr;
}
template <class T>
const T* AfxDynamicDowncast(const CObject* object)
{
    return object && object->IsKindOf(T::GetThisClass()) ? static_cast<const T*>(object) : nullptr;
}
// The object as a T; the caller knows it is one (checked in debug builds).
template <class T>
T* AfxStaticDowncast(CObject* object)
{
    assert(!object || object->IsKindOf(T::GetThisClass()));
    return static_cast<T*>(object);
}
template <class T>
const T* AfxStaticDowncast(const CObject* object)
{
    assert(!object || object->IsKindOf(T::GetThisClass()));
    return static_cast<const T*>(object);
}

#define DYNAMIC_DOWNCAST(class_name, object) (AfxDynamicDowncast<class_name>(object))
#define STATIC_DOWNCAST(class_name, object) (AfxStaticDowncast<class_name>(object))
