// A window placement kept in the profile as one text: flags, show command, minimised and maximised
// positions and the normal rectangle, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
#pragma once

#include "platform/afx/WindowPlacement.h"

// Writes the placement text under section/entry; returns the profile write's result. A placement
// whose text would not fit the 68-byte record is not written (FALSE).
BOOL WritePlacementToProfile(const char* section, const char* entry, const WINDOWPLACEMENT& placement);

// TRUE and the placement (length 44) when the stored text holds all ten numbers and a normal
// rectangle that is not all zero; otherwise FALSE and placement is left as it was.
BOOL ReadPlacementFromProfile(const char* section, const char* entry, WINDOWPLACEMENT& placement);
