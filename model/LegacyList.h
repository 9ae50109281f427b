// Discarding the lists of legacy records that older files carry.
#pragma once

#include "platform/afx/List.h"

// Removes every element from the head on and deletes it; returns how many objects it deleted.
int DeleteLegacyList(CObList& list);
