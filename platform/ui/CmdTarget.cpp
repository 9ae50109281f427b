#include "platform/ui/CmdTarget.h"

#include "platform/ui/CmdUI.h"

#include <QApplication>
#include <QCursor>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const MessageMapEntry* FindMessageMapEntry(const MessageMap* map, MessageMapEntry::Kind kind, UINT id)
{
    for (; map; map = map->base)
        for (const MessageMapEntry& entry : map->entries)
            if (entry.kind == kind && id >= entry.first && id <= entry.last)
                return &entry;
    return nullptr;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    static const MessageMap map{nullptr, {}};
    return &map;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return DispatchFromMap(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CCmdTarget::DispatchFromMap(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nCode == CN_UPDATE_COMMAND_UI) {
        const MessageMapEntry* entry = FindMessageMapEntry(GetMessageMap(), MessageMapEntry::Kind::Update, nID);
        if (!entry)
            return FALSE;
        if (pHandlerInfo) {
            pHandlerInfo->pTarget = this;
            return TRUE;
        }
        auto* cmdUI = static_cast<CCmdUI*>(pExtra);
        cmdUI->m_bContinueRouting = FALSE;
        entry->onUpdate(*this, cmdUI);
        return !cmdUI->m_bContinueRouting;
    }
    if (nCode != CN_COMMAND)
        return FALSE;
    const MessageMapEntry* entry = FindMessageMapEntry(GetMessageMap(), MessageMapEntry::Kind::Command, nID);
    if (!entry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        return TRUE;
    }
    return entry->onCommand(*this, nID);
}

void CCmdTarget::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CCmdTarget::EndWaitCursor()
{
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void CCmdTarget::RestoreWaitCursor()
{
    if (!QApplication::overrideCursor())
        QApplication::setOverrideCursor(Qt::WaitCursor);
}
