#include "model/RelLineDlgRules.h"

#include "document/BaseDoc.h"
#include "foundation/TextFunctions.h"
#include "model/FileComp.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "model/RelationRules.h"
#include "objects/StrgObj.h"

namespace RelLineDlgRules {

namespace {

// One end as the title shows it: " [number : name]" or " [name]" (the end's text when it is no
// conceptual file), every line break removed.
CString EndTitlePart(CObject* end)
{
    CString number;
    CString name;
    if (const auto* file = DYNAMIC_DOWNCAST(CFileComp, end)) {
        file->GetNumber(number);
        name = file->GetFileName();
    } else if (const auto* text = DYNAMIC_DOWNCAST(CStrgObj, end)) {
        name = text->GetText();
    }
    CString shown;
    RemoveCrLf(shown, name);
    if (number.IsEmpty())
        return "[" + shown + "]";
    CString shownNumber;
    RemoveCrLf(shownNumber, number);
    return "[" + shownNumber + " : " + shown + "]";
}

} // namespace

BOOL BuildEndFilesTitle(const CBaseDoc& doc, const CRelLineObj& arrow, CString& title)
{
    CObject* start = nullptr;
    CObject* end = nullptr;
    if (!RelationGraph::GetRelLineEndFiles(doc, arrow, start, end))
        return FALSE;
    title += " " + EndTitlePart(start) + "-" + EndTitlePart(end);
    return TRUE;
}

OneToManySettings ReadOneToMany(const CRelLineObj& arrow)
{
    return {arrow.GetCardinality(), arrow.GetConstant(), arrow.GetNullAllowed()};
}

BOOL UsesConstant(WORD cardinality)
{
    return cardinality == CRelLineObj::CARDINALITY_CONSTANT;
}

BOOL IsConstantEditReadOnly(BOOL readOnly, WORD cardinality)
{
    return readOnly || !UsesConstant(cardinality);
}

BOOL IsConstantAcceptable(WORD cardinality, int constant)
{
    return !UsesConstant(cardinality) || (constant >= kMinConstant && constant <= kMaxConstant);
}

BOOL ApplyOneToMany(CRelLineObj& arrow, const OneToManySettings& settings, BOOL noTitle)
{
    const int constant = UsesConstant(settings.cardinality) ? settings.constant : 1;
    const BOOL changed = arrow.GetCardinality() != settings.cardinality || arrow.GetConstant() != constant ||
                         arrow.GetNullAllowed() != settings.nullAllowed;
    arrow.SetCardinality(settings.cardinality);
    arrow.SetConstant(constant);
    arrow.SetNullAllowed(settings.nullAllowed);
    return changed || noTitle;
}

SubTypeSettings ReadSubType(const CRelLineObj& arrow)
{
    SubTypeSettings settings;
    settings.definite = arrow.GetDefinite();
    settings.mainArrow = arrow.IsMainArrow();
    settings.file = arrow.GetDiscriminatorFile();
    settings.item = arrow.GetDiscriminatorItem();
    settings.itemName = arrow.GetItemNameLabel().GetText();
    settings.value = arrow.GetItemValueLabel().GetText();
    return settings;
}

BOOL DropMissingFile(const CBaseDoc& doc, SubTypeSettings& settings)
{
    if (settings.file == 0)
        return FALSE;
    CObject* object = nullptr;
    doc.FindObjectById(settings.file, object);
    if (DYNAMIC_DOWNCAST(CFileComp, object))
        return FALSE;
    settings.file = 0;
    settings.item = 0;
    settings.itemName.Empty();
    settings.value.Empty();
    return TRUE;
}

BOOL ChooseFile(SubTypeSettings& settings, WORD file)
{
    if (file == 0) {
        settings.file = 0;
        settings.item = 0;
        settings.itemName.Empty();
        return TRUE;
    }
    if (file == settings.file)
        return FALSE;
    settings.file = file;
    settings.item = 0;
    settings.itemName.Empty();
    return TRUE;
}

void ChooseItem(SubTypeSettings& settings, WORD item, const CString& text)
{
    settings.item = item;
    settings.itemName = item ? text : CString();
}

SubTypeEnables GetSubTypeEnables(const SubTypeSettings& settings, BOOL readOnly, BOOL reduced, BOOL mayBecomeMain)
{
    SubTypeEnables enables{};
    enables.definiteButtons = !readOnly;
    enables.fileCombo = !readOnly;
    const BOOL chosen = settings.file != 0 || settings.item != 0;
    enables.itemCombo = chosen && !readOnly;
    enables.valueEditable = chosen && !readOnly && !reduced;
    enables.mainBox = mayBecomeMain && !readOnly && !reduced;
    return enables;
}

BOOL MayBecomeMainArrow(const CBaseDoc& doc, const CRelLineObj& arrow)
{
    return arrow.IsSubTypeKind() && !arrow.IsMainArrow() && RelationGraph::IsRelLineBetweenFiles(doc, arrow);
}

BOOL ApplySubType(CBaseDoc& doc, CRelLineObj& arrow, const SubTypeSettings& settings, BOOL reduced)
{
    BOOL changed = arrow.GetDefinite() != settings.definite;
    arrow.SetDefinite(settings.definite);
    if (arrow.GetDiscriminatorFile() != settings.file || arrow.GetDiscriminatorItem() != settings.item) {
        arrow.SetDiscriminator(CRelLineObj::DISCRIMINATOR_IN_DOCUMENT, settings.file, settings.item);
        changed = TRUE;
    }
    CStrgObj& name = arrow.GetItemNameLabel();
    if (name.GetText() != settings.itemName) {
        name.SetText(settings.itemName);
        changed = TRUE;
    }
    if (reduced)
        return TRUE;
    CStrgObj& value = arrow.GetItemValueLabel();
    if (value.GetText() != settings.value) {
        value.SetText(settings.value);
        changed = TRUE;
    }
    if (settings.mainArrow && !arrow.IsMainArrow() && RelationRules::MakeMainRelLine(doc, arrow))
        changed = TRUE;
    return changed;
}

} // namespace RelLineDlgRules
