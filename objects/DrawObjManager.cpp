#include "objects/DrawObjManager.h"

#include "foundation/ErrorReport.h"
#include "foundation/ListElements.h"
#include "foundation/RegItemObj.h"
#include "objects/ArcObj.h"
#include "objects/CnctObj.h"
#include "objects/DiamondObj.h"
#include "objects/EcntsObj.h"
#include "objects/ElliObj.h"
#include "objects/FarcObj.h"
#include "objects/NoteObj.h"
#include "objects/OleDrawObj.h"
#include "objects/PolyObj.h"
#include "objects/PolygonObj.h"
#include "objects/RectObj.h"
#include "objects/StrgObj.h"
#include "platform/afx/MessageSink.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CDrawObjManager, CObList)

namespace drawobjmanager {

using PrototypeFactory = CDrawObjManager::PrototypeFactory;

// The prototypes in list order, which is also the order of the lookup.
const PrototypeFactory kPrototypeRows[] = {
    []() -> CObject* { return new CPolyObj; },
    []() -> CObject* { return new CRectObj; },
    []() -> CObject* {
        auto* rounded = new CRectObj;
        rounded->SetRounded(TRUE);
        return rounded;
    },
    []() -> CObject* { return new CElliObj; },
    []() -> CObject* { return new CStrgObj; },
    []() -> CObject* { return new CArcObj; },
    []() -> CObject* { return new CFarcObj; },
    []() -> CObject* { return new CCnctObj; },
    []() -> CObject* { return new CDiamondObj; },
    []() -> CObject* { return new CPolygonObj; },
    []() -> CObject* {
        auto* octagon = new CPolygonObj;
        octagon->SetSideCount(POLYGON_OCTAGON);
        return octagon;
    },
    []() -> CObject* { return new COleDrawObj; },
    []() -> CObject* { return new CNoteObj; },
    []() -> CObject* { return new CEcntsObj; },
};

std::vector<PrototypeFactory>& RegisteredRows()
{
    static std::vector<PrototypeFactory> rows;
    return rows;
}

// Kinds whose prototypes are told apart by a sub-key.
bool HasSubKey(WORD kind)
{
    return kind == OBJKIND_RECT || kind == OBJKIND_POLYGON || kind == OBJKIND_RELLINE;
}

// The kind and sub-key of a drawing object; FALSE for an object that is no drawing object.
BOOL GetPrototypeKey(const CObject* object, WORD& kind, DWORD& subKey)
{
    subKey = 0;
    if (const CPolyObj* line = DYNAMIC_DOWNCAST(CPolyObj, object)) {
        kind = line->GetKind();
        subKey = line->GetPrototypeSubKey();
        return TRUE;
    }
    const CBaseObj* box = DYNAMIC_DOWNCAST(CBaseObj, object);
    if (!box)
        return FALSE;
    kind = box->GetKind();
    if (const CRectObj* rect = DYNAMIC_DOWNCAST(CRectObj, box); rect && kind == OBJKIND_RECT)
        subKey = LOWORD(DWORD(rect->IsRounded()));
    else if (const CPolygonObj* polygon = DYNAMIC_DOWNCAST(CPolygonObj, box))
        subKey = polygon->GetSideCount();
    return TRUE;
}

} // namespace drawobjmanager

CDrawObjManager::CDrawObjManager() : CObList(10) {}

CDrawObjManager::~CDrawObjManager()
{
    DeleteAllElements(*this);
}

BOOL CDrawObjManager::AddDrawObjDirect(CObject* object)
{
    Slot slot{};
    const bool hasSlot = object && drawobjmanager::GetPrototypeKey(object, slot.kind, slot.subKey);
    try {
        if (hasSlot)
            m_slots[object] = slot;
        AddTail(object);
        return TRUE;
    } catch (...) {
        m_slots.erase(object);
        delete object;
        ReportCurrentException("CDrawObjManager::AddDrawObjDirect");
        return FALSE;
    }
}

void CDrawObjManager::RegisterPrototypeFactory(PrototypeFactory makePrototype)
{
    auto& rows = drawobjmanager::RegisteredRows();
    if (std::find(rows.begin(), rows.end(), makePrototype) == rows.end())
        rows.push_back(makePrototype);
}

BOOL CDrawObjManager::AddPrototype(PrototypeFactory makePrototype)
{
    CObject* prototype = nullptr;
    try {
        prototype = makePrototype();
    } catch (...) {
        ReportCurrentException("CDrawObjManager::InitDrawObjs");
        return FALSE;
    }
    return AddDrawObjDirect(prototype);
}

BOOL CDrawObjManager::InitDrawObjs()
{
    for (const auto makePrototype : drawobjmanager::kPrototypeRows)
        if (!AddPrototype(makePrototype))
            return FALSE;
    for (const auto makePrototype : drawobjmanager::RegisteredRows())
        if (!AddPrototype(makePrototype))
            return FALSE;
    return TRUE;
}

void CDrawObjManager::LoadDrawObjDefaults()
{
    CRegItemObj carrier;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CObject* prototype = GetNext(pos);
        carrier.SetSection("");
        if (CBaseObj* box = DYNAMIC_DOWNCAST(CBaseObj, prototype))
            box->LoadDefaultAttributes(carrier);
        else if (CPolyObj* line = DYNAMIC_DOWNCAST(CPolyObj, prototype))
            line->LoadDefaultAttributes(carrier);
    }
}

CObject* CDrawObjManager::FindDrawObjByKind(WORD kind, DWORD subKey) const
{
    const bool bySubKey = drawobjmanager::HasSubKey(kind);
    if (bySubKey)
        subKey = LOWORD(subKey);
    for (POSITION pos = GetHeadPosition(); pos;) {
        CObject* prototype = GetNext(pos);
        const auto slot = m_slots.find(prototype);
        if (slot != m_slots.end() && slot->second.kind == kind && (!bySubKey || slot->second.subKey == subKey))
            return prototype;
    }
    return nullptr;
}

CObject* CDrawObjManager::FindDrawObjForObject(const CObject* object) const
{
    WORD kind = 0;
    DWORD subKey = 0;
    if (!drawobjmanager::GetPrototypeKey(object, kind, subKey))
        return nullptr;
    return FindDrawObjByKind(kind, subKey);
}

BOOL CDrawObjManager::SetDefaultAttributesFrom(const CObject* object)
{
    CObject* found = FindDrawObjForObject(object);
    CBaseObj* boxPrototype = DYNAMIC_DOWNCAST(CBaseObj, found);
    CPolyObj* linePrototype = DYNAMIC_DOWNCAST(CPolyObj, found);
    const CBaseObj* box = DYNAMIC_DOWNCAST(CBaseObj, object);
    const CPolyObj* line = DYNAMIC_DOWNCAST(CPolyObj, object);
    if (boxPrototype && box) {
        boxPrototype->CopyAttributes(*box);
        boxPrototype->CopySizeFrom(*box);
    } else if (linePrototype && line) {
        linePrototype->CopyAttributes(*line);
    } else {
        return FALSE;
    }
    if (AfxMessageBox(CString(u8"次回起動したときにもこのﾃﾞｨﾌｫﾙﾄ属性が有効になるように設定を更新しますか。"),
                      MB_YESNO | MB_ICONQUESTION) == IDYES) {
        CRegItemObj carrier;
        if (boxPrototype)
            boxPrototype->SaveDefaultAttributes(carrier);
        else
            linePrototype->SaveDefaultAttributes(carrier);
    }
    return TRUE;
}
