// The ten derivation kinds (加工機能) a data item can carry: a letter that the item stores and a
// name that the combo box shows beside it. "N" and "M" (and an empty code) mean no derivation.
#pragma once

#include "platform/afx/String.h"

class CComboBox;

constexpr int kDerivationKindCount = 10;

// The letter and the name of the kind at the index, in table order ("B" first, "W" last).
const CString& GetDerivationKindLetter(int index);
const CString& GetDerivationKindName(int index);

// Empties the combo and adds one row per kind, "letter name". FALSE after telling the user when the
// combo refuses a row (the combo is then empty).
BOOL FillDerivationCombo(CComboBox* combo);
// Selects the row of the code ("N" for an empty code); no row matches: no selection.
void SelectDerivationInCombo(CComboBox* combo, const CString& code);
// The letter of the selected row, or an empty text when nothing is selected.
CString GetSelectedDerivationCode(CComboBox* combo);
