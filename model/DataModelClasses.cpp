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
#include "model/FileCompMerge.h"
#include "model/FileImplObj.h"
#include "model/FlowComp.h"
#include "model/Kadai.h"
#include "model/RelLineObj.h"
#include "objects/DrawObjManager.h"
#include "objects/DrawObjects.h"

namespace datamodelclasses {

// Every object is built hidden in define mode, which suits the drawing objects that dress a
// diagram up. The define mode is where the model is built, though, and the modelling objects have
// a look of their own there (a conceptual file, a data or process symbol as a plain labelled box
// with its number and name): their prototypes, and so every modelling object drawn new, show in
// define mode unless the user's class defaults say otherwise.
template <class Object>
CObject* ShownInDefineMode(Object* prototype)
{
    prototype->SetHideDefine(FALSE);
    return prototype;
}

// A modelling object's class: loadable by name, copied by its copy constructor for undo and the
// copy buffer, and given a default-attribute prototype made by its default constructor.
template <class Object>
void RegisterModelObject()
{
    AfxRegisterClass(RUNTIME_CLASS(Object));
    DrawObjects::RegisterClone(RUNTIME_CLASS(Object), [](const CObject* object) -> CObject* {
        return new Object(*static_cast<const Object*>(object));
    });
    CDrawObjManager::RegisterPrototypeFactory([]() -> CObject* { return ShownInDefineMode(new Object); });
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
    CDrawObjManager::RegisterPrototypeFactory(
        []() -> CObject* { return datamodelclasses::ShownInDefineMode(new CFileComp); });
    AfxRegisterClass(RUNTIME_CLASS(CRelLineObj));
    DrawObjects::RegisterClone(RUNTIME_CLASS(CRelLineObj), [](const CObject* object) -> CObject* {
        return new CRelLineObj(*static_cast<const CRelLineObj*>(object));
    });
    CDrawObjManager::RegisterPrototypeFactory([]() -> CObject* {
        return datamodelclasses::ShownInDefineMode(new CRelLineObj(0, CRelLineObj::KIND_ONE_TO_MANY));
    });
    CDrawObjManager::RegisterPrototypeFactory([]() -> CObject* {
        return datamodelclasses::ShownInDefineMode(new CRelLineObj(0, CRelLineObj::KIND_SUBTYPE));
    });
    CDrawObjManager::RegisterPrototypeFactory([]() -> CObject* {
        return datamodelclasses::ShownInDefineMode(new CRelLineObj(0, CRelLineObj::KIND_SUBSTRUCTURE));
    });
    CDrawObjManager::RegisterPrototypeFactory([]() -> CObject* {
        return datamodelclasses::ShownInDefineMode(new CRelLineObj(0, CRelLineObj::KIND_SUPERTYPE));
    });
    datamodelclasses::RegisterModelObject<CKadai>();
    datamodelclasses::RegisterModelObject<CDataComp>();
    datamodelclasses::RegisterModelObject<CFlowComp>();
    datamodelclasses::RegisterModelObject<CFileClone>();
    datamodelclasses::RegisterModelObject<CFileImplObj>();
    static DataModelHooks hooks;
    SetDocumentModelHooks(&hooks);
    FileCompMerge::RegisterViewServices();
}
