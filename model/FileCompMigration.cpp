#include "document/BaseDoc.h"
#include "foundation/TextFunctions.h"
#include "model/FileComp.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"

namespace filecompmigration {

// The value label of the old settings held longer texts than the arrow shows.
constexpr int kItemValueBytes = 20;

void TakeLabel(CStrgObj& label, const CStrgObj& from, const CString& text)
{
    label.SetText(text);
    label.NormalizeRect(from.GetRect());
    label.SetFill(from.GetFill());
    label.SetAlignCenter();
}

} // namespace filecompmigration

BOOL CFileComp::MigrateSubTypeToRelLine(CBaseDoc& document)
{
    BOOL changed = FALSE;
    if (m_legacy.integrated != 0) {
        m_legacy.integrated = 0;
        changed = TRUE;
    }
    if (!HasLegacyDiscriminator())
        return changed;
    if (CRelLineObj* arrow = RelationGraph::FindMainSubTypeRelLine(document, GetObjectId(), 0))
        HandOverLegacySubType(*arrow);
    ResetLegacySubType();
    return TRUE;
}

void CFileComp::HandOverLegacySubType(CRelLineObj& arrow) const
{
    using filecompmigration::TakeLabel;
    const LegacySubType& block = m_legacy;
    arrow.SetDiscriminator(block.discriminatorForm, block.discriminatorFile, block.discriminatorItem);
    arrow.SetReferenceTexts(block.refStrings[0], block.refStrings[1], block.refStrings[2]);
    arrow.SetReferenceNumbers(block.refNumbers[0], block.refNumbers[1], block.refString, block.refNumber);
    arrow.SetShowItemName(block.itemNameShown != 0);
    TakeLabel(arrow.GetItemNameLabel(), block.itemNameLabel, block.itemNameLabel.GetText());
    arrow.SetShowItemValue(block.itemValueShown != 0);
    CString value;
    MbcsLeftBytes(value, block.itemValueLabel.GetText(), filecompmigration::kItemValueBytes);
    TakeLabel(arrow.GetItemValueLabel(), block.itemValueLabel, value);
}
