#include "model/DataModelClasses.h"

#include "model/ComplexItem.h"
#include "model/DataComp.h"
#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/DataGenSrcList.h"
#include "model/DataList.h"
#include "model/DataModelHooks.h"
#include "model/DataModelTools.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "model/RelLineObj.h"
#include "objects/DrawObjManager.h"
#include "objects/DrawObjects.h"

namespace datamodelclasses {

// A modelling object's class: loadable by name, copied by its copy constructor for undo and the
// copy buffer, and given a default-attribute prototype made by its default constructor.
template <class Object>
void RegisterModelObject()
{
    AfxRegisterClass(RUNTIME_CLASS(Object));
    DrawObjects::RegisterClone(RUNTIME_CLASS(Object), [](const CObject* object) -> CObject* {
        return new Object(*static_cast<const Object*>(object));
    });
    CDrawObjManager::RegisterPrototypeFactory([]() -> CObject* { return new Object; });
}

} // namespace datamodelclasses

void RegisterDataModelClasses()
{
    RegisterDataModelTools();
    AfxRegisterClass(RUNTIME_CLASS(CComplexItem));
    AfxRegisterClass(RUNTIME_CLASS(CData));
    AfxRegisterClass(RUNTIME_CLASS(CDataList));
    AfxRegisterClass(RUNTIME_CLASS(CDataGenSrc));
    AfxRegisterClass(RUNTIME_CLASS(CDataGenSrcList));
    AfxRegisterClass(RUNTIME_CLASS(CFileComp));
    DrawObjects::RegisterClone(RUNTIME_CLASS(CFileComp), [](const CObject* object) -> CObject* {
        return new CFileComp(*static_cast<const CFileComp*>(object));
    });
    CDrawObjManager::RegisterPrototypeFactory([]() -> CObject* { return new CFileComp; });
    AfxRegisterClass(RUNTIME_CLASS(CRelLineObj));
    DrawObjects::RegisterClone(RUNTIME_CLASS(CRelLineObj), [](const CObject* object) -> CObject* {
        return new CRelLineObj(*static_cast<const CRelLineObj*>(object));
    });
    CDrawObjManager::RegisterPrototypeFactory(
        []() -> CObject* { return new CRelLineObj(0, CRelLineObj::KIND_ONE_TO_MANY); });
    CDrawObjManager::RegisterPrototypeFactory(
        []() -> CObject* { return new CRelLineObj(0, CRelLineObj::KIND_SUBTYPE); });
    CDrawObjManager::RegisterPrototypeFactory(
        []() -> CObject* { return new CRelLineObj(0, CRelLineObj::KIND_SUBSTRUCTURE); });
    CDrawObjManager::RegisterPrototypeFactory(
        []() -> CObject* { return new CRelLineObj(0, CRelLineObj::KIND_SUPERTYPE); });
    datamodelclasses::RegisterModelObject<CKadai>();
    datamodelclasses::RegisterModelObject<CDataComp>();
    datamodelclasses::RegisterModelObject<CFlowComp>();
    datamodelclasses::RegisterModelObject<CFileClone>();
    datamodelclasses::RegisterModelObject<CFileImplObj>();
    static DataModelHooks hooks;
    SetDocumentModelHooks(&hooks);
}
