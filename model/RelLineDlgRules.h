// The rules of the two settings dialogs of a relation arrow, apart from their widgets: the 1:N
// dialog (cardinality, constant, NULL allowed) and the subtype dialog (definite, main arrow,
// discriminator file, item and value). The dialogs only bind controls to these.
#pragma once

#include "platform/afx/String.h"

class CBaseDoc;
class CRelLineObj;

namespace RelLineDlgRules {

// The constant of a 1:N arrow, when the cardinality is the constant one.
constexpr int kMinConstant = 1;
constexpr int kMaxConstant = 99999;
// The longest discriminator value the subtype dialog takes.
constexpr int kMaxValueChars = 60;

// The dialog's title for the arrow: the base title, then " [number : name]-[number : name]" of the
// start and end files (a clone shown as its original; an end without a number as " [name]"). FALSE,
// with the title left alone, when an end object cannot be found.
BOOL BuildEndFilesTitle(const CBaseDoc& doc, const CRelLineObj& arrow, CString& title);

// --- 1:N ------------------------------------------------------------------------------------------
struct OneToManySettings
{
    WORD cardinality = 0;
    int constant = 0;
    BOOL nullAllowed = FALSE;
};
OneToManySettings ReadOneToMany(const CRelLineObj& arrow);
// The constant is read only from the edit when it is used: the constant cardinality.
BOOL UsesConstant(WORD cardinality);
BOOL IsConstantEditReadOnly(BOOL readOnly, WORD cardinality);
// The constant is checked only when it is used; a cardinality without one takes any edit text.
BOOL IsConstantAcceptable(WORD cardinality, int constant);
// Writes the settings to the arrow; the constant becomes 1 when the cardinality has none. TRUE when
// something changed, or always with noTitle (the caller goes on with the arrow whatever it holds).
BOOL ApplyOneToMany(CRelLineObj& arrow, const OneToManySettings& settings, BOOL noTitle);

// --- Subtype ----------------------------------------------------------------------------------------
struct SubTypeSettings
{
    BOOL definite = FALSE;
    BOOL mainArrow = FALSE;
    WORD file = 0;
    WORD item = 0;
    CString itemName;
    CString value;
};
SubTypeSettings ReadSubType(const CRelLineObj& arrow);
// A file that is no longer a conceptual file of the document (deleted, or a referenced diagram's)
// leaves the dialog with no file, no item and empty texts. TRUE when it was so.
BOOL DropMissingFile(const CBaseDoc& doc, SubTypeSettings& settings);
// Choosing a file: 0 clears file, item and item name; another file than the current one becomes the
// file with no item. TRUE when the item list must be filled anew.
BOOL ChooseFile(SubTypeSettings& settings, WORD file);
// Choosing an item with the combo's text; item 0 leaves the name empty.
void ChooseItem(SubTypeSettings& settings, WORD item, const CString& text);

// What the subtype dialog's controls allow.
struct SubTypeEnables
{
    BOOL definiteButtons;
    BOOL fileCombo;
    BOOL itemCombo;
    BOOL valueEditable;
    // The main box: only an arrow that may become its end file's main arrow, which then acts
    // through the main-arrow rule (one main arrow per file). It cannot be unchecked: a file keeps a
    // main arrow while it has a parent.
    BOOL mainBox;
};
SubTypeEnables GetSubTypeEnables(const SubTypeSettings& settings, BOOL readOnly, BOOL reduced, BOOL mayBecomeMain);
// The arrow is a subtype-kind arrow between files that is not its end file's main arrow yet.
BOOL MayBecomeMainArrow(const CBaseDoc& doc, const CRelLineObj& arrow);

// Writes the settings to the arrow; with reduced the value and the main box are not the dialog's.
// A checked main box on an arrow that is not main makes it the main arrow through the main-arrow
// rule (which may refuse with its message). TRUE when something changed, or always with reduced.
BOOL ApplySubType(CBaseDoc& doc, CRelLineObj& arrow, const SubTypeSettings& settings, BOOL reduced);

} // namespace RelLineDlgRules
