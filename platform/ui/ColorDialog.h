// The standard colour dialog, fully opened (custom colours shown), starting at a colour.
#pragma once

#include "platform/afx/WinTypes.h"

#include <functional>

class QWidget;

// Answers the dialog: TRUE and the picked colour, or FALSE for cancel. In the program the dialog,
// in tests a script.
using ColorDialogSink = std::function<BOOL(COLORREF initial, COLORREF& picked)>;

// Installs a sink and returns the one it replaces (an empty one restores the dialog).
ColorDialogSink SetColorDialogSink(ColorDialogSink sink);

// Runs the dialog over owner (null: the active window). TRUE and picked on OK; on cancel FALSE
// and picked unchanged.
BOOL RunColorDialog(COLORREF initial, COLORREF& picked, QWidget* owner = nullptr);
