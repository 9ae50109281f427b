// The print options of a view as the print-options dialog and the print page of the options sheet
// show them: the automatic header, the page frames (of each page body, of the page layout, or
// none), printing at the view's zoom and the page number in the footer.
#pragma once

#include "platform/afx/WinTypes.h"

#include <functional>

class CWnd;
class QVBoxLayout;
class QWidget;

struct PrintOptionValues
{
    int drawHeader = 0;
    int printViewScale = 0;
    int drawFrameOnPrint = 0;
    int drawPrintPageFrame = 0;
    int drawFooterPage = 0;
};

namespace PrintOptionControls {

constexpr int IDC_HEADER = 1000;

// Gives a new control its id in the dialog and returns it.
using AddControlFunction = std::function<QWidget*(int id, QWidget* control)>;

void Build(QVBoxLayout* layout, const AddControlFunction& add);
// The frame of each page wins over the layout frames.
void Show(CWnd& dialog, const PrintOptionValues& values);
PrintOptionValues Read(const CWnd& dialog);

} // namespace PrintOptionControls
