// The circular connector pairs of CBaseDoc: the two connectors of a pair take opposite roles and
// share their text.
#include "document/BaseDoc.h"

#include "foundation/CommandIds.h"
#include "objects/EcntsObj.h"
#include "objects/StrgObj.h"

BOOL CBaseDoc::ApplyConnectorRole(CEcntsObj* connector, UINT commandId)
{
    const bool start = commandId == ID_CONNECTOR_PAIR_START;
    CEcntsObj* partner = nullptr;
    if (CountConnectorPair(connector->GetPairNumber(), connector, partner) == 2 && partner) {
        RecordChangedOnce(partner);
        if (start)
            partner->SetEnd(!connector->IsStart());
        else
            partner->SetStart(!connector->IsEnd());
        UpdateObjectInViews(partner);
    }
    if (start)
        connector->ToggleStart();
    else
        connector->ToggleEnd();
    return TRUE;
}

int CBaseDoc::CountConnectorPair(WORD pairNumber, const CEcntsObj* connector, CEcntsObj*& partner) const
{
    partner = nullptr;
    if (pairNumber == 0 || !connector || connector->GetObjectId() == 0)
        return 0;
    int count = 0;
    CEcntsObj* other = nullptr;
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        auto* member = DYNAMIC_DOWNCAST(CEcntsObj, m_objects.GetNext(pos));
        if (!member || member->GetPairNumber() != pairNumber)
            continue;
        ++count;
        if (member->GetObjectId() != connector->GetObjectId())
            other = member;
    }
    if (count == 2)
        partner = other;
    return count;
}

BOOL CBaseDoc::CopyConnectorTextToPair(CEcntsObj* connector)
{
    // Pair number 0 stands for no pair: such connectors do not belong together.
    if (!connector || connector->GetObjectId() == 0 || connector->GetPairNumber() == 0)
        return FALSE;
    BOOL changed = FALSE;
    for (POSITION pos = m_objects.GetHeadPosition(); pos;) {
        auto* member = DYNAMIC_DOWNCAST(CEcntsObj, m_objects.GetNext(pos));
        if (!member || member == connector || member->GetPairNumber() != connector->GetPairNumber() ||
            IsChangeRecordedForUndo(member->GetObjectId()))
            continue;
        RecordChangedForUndo(member);
        member->SetText(connector->GetText());
        UpdateObjectInViews(member);
        changed = TRUE;
    }
    return changed;
}

BOOL CBaseDoc::CopyTextFromConnector(CBaseObj* box, WORD connectorId)
{
    CObject* found = nullptr;
    const CEcntsObj* connector =
        connectorId != 0 && FindObjectById(connectorId, found) ? DYNAMIC_DOWNCAST(CEcntsObj, found) : nullptr;
    auto* text = DYNAMIC_DOWNCAST(CStrgObj, box);
    if (!connector || !text || text == connector || text->GetText() == connector->GetText())
        return FALSE;
    RecordChangedOnce(text);
    text->SetText(connector->GetText());
    return TRUE;
}
