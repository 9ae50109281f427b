// The file types of the 25 file-type marks in mark order. The main frame holds the list the rest of
// the system reads; the file-type dialog edits a working list of its own. The list owns its styles.
#pragma once

#include "foundation/ListElements.h"
#include "model/BoxStyle.h"

class CComboBox;

class CBoxStyleList : public OwnedPtrList<CBoxStyle>
{
public:
    // Takes the style over; on failure deletes it, tells the user and returns FALSE.
    BOOL AddBoxStyleDirect(CBoxStyle* style);

    // Appends the styles of marks 0 to 24, each loaded from the profile: their number (25), or 0
    // when one could not be appended (the list keeps those appended before it).
    int LoadFromProfile();
    // Empties the list, then loads it.
    int ReloadFromProfile();
    // Saves every style in list order, only the changed ones unless forced. FALSE when a write failed.
    BOOL SaveToProfile(BOOL force);

    // The mark id of the first style with that user name; 0 when none has it.
    WORD FindIdByUserName(const char* name) const;

    // Replaces the list by the file types of the XJ model diagram, every style marked changed.
    BOOL ApplyModelDiagramPreset();

    // Fills the combo with the mark name of every style (or the user name of every shown style),
    // each row carrying its style as item data. The number of rows added (for the user names: of
    // styles visited); 0 with the combo emptied after a message when a row could not be added.
    int FillMarkNameCombo(CComboBox* combo) const;
    int FillShownUserNameCombo(CComboBox* combo) const;
    // Selects the row of the mark; mark 0, or a mark no row has, selects none.
    void SelectComboByMarkId(CComboBox* combo, WORD markId) const;
    // The style of the selected row, or null when none is selected.
    static CBoxStyle* GetComboSelection(CComboBox* combo);

private:
    BOOL AddBoxStyleCopy(const CBoxStyle& style);
    int FillCombo(CComboBox* combo, bool shownUserNames) const;
};
