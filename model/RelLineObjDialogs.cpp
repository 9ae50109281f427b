// The settings dialogs of a relation arrow, run and applied inside the caller's undo step.
#include "document/BaseDoc.h"
#include "model/RelLineDlg.h"
#include "model/RelLineDlgRules.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "model/SubTypeDlg.h"
#include "objects/DrawObjects.h"
#include "platform/ui/FrameworkIds.h"

#include <memory>

namespace RelLineObjDialogsImpl {

// Keeps the arrow as it was and records it for undo only when the edit changed it.
class ArrowRecord
{
public:
    ArrowRecord(CBaseDoc& doc, CRelLineObj& arrow) : m_doc(doc), m_arrow(arrow)
    {
        if (!doc.IsChangeRecordedForUndo(arrow.GetObjectId()))
            m_before.reset(DrawObjects::Clone(&arrow));
    }
    void Commit(BOOL changed)
    {
        if (!changed)
            return;
        if (m_before)
            m_doc.RecordChangedForUndo(m_before.get());
        m_doc.UpdateObjectInViews(&m_arrow);
    }

private:
    CBaseDoc& m_doc;
    CRelLineObj& m_arrow;
    std::unique_ptr<CObject, void (*)(CObject*)> m_before{nullptr, &DrawObjects::Destroy};
};

} // namespace RelLineObjDialogsImpl

int CRelLineObj::EditOneToManySettings(CBaseDoc& doc, BOOL noTitle)
{
    CRelLineDlg dialog(doc, *this, noTitle);
    if (dialog.DoModal() != IDOK || doc.IsReadOnly())
        return 0;
    RelLineObjDialogsImpl::ArrowRecord record(doc, *this);
    const BOOL changed = RelLineDlgRules::ApplyOneToMany(*this, dialog.m_settings, FALSE);
    record.Commit(changed);
    return changed || noTitle;
}

int CRelLineObj::EditSubTypeSettings(CBaseDoc& doc, BOOL reduced)
{
    CObject* start = nullptr;
    CObject* end = nullptr;
    if (!reduced && !RelationGraph::GetRelLineEndFiles(doc, *this, start, end))
        return 0;
    CSubTypeDlg dialog(doc, *this, reduced);
    if (dialog.DoModal() != IDOK || doc.IsReadOnly())
        return 0;
    RelLineObjDialogsImpl::ArrowRecord record(doc, *this);
    const BOOL changed = RelLineDlgRules::ApplySubType(doc, *this, dialog.m_settings, reduced);
    record.Commit(changed);
    return changed || reduced;
}
