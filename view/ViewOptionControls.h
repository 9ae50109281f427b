// The display settings of a view as the current view's settings dialog and the display page of the
// options sheet show them: zooming, grid, guide, canvas, automatic connection and shaping of new
// lines.
#pragma once

#include "platform/afx/WinTypes.h"
#include "view/PrintOptionControls.h"

class CDataExchange;
class CWnd;
class QVBoxLayout;

struct ViewOptionValues
{
    int fitToWindow = 0;
    int zoomStep = 0;
    int drawGrid = 0;
    int adjustGrid = 0;
    int drawGuide = 0;
    int gridWidth = 0; // in 0.1 mm, although the label says mm
    int drawCanvasBack = 0;
    int autoConnect = 0;
    int autoConnectFrame = 0;
    int autoPolyInOrder = 0;
    // 0 or the shaping command a new line gets (22001, 22002, 22024).
    int autoCmdLineMethod = 0;
};

namespace ViewOptionControls {

constexpr UINT IDC_FIRST_LINE_METHOD = 1168;
constexpr UINT IDC_LAST_LINE_METHOD = 1172;

void Build(QVBoxLayout* layout, const PrintOptionControls::AddControlFunction& add);
// The ranges of the up-down controls and the shaping method's radio button.
void Show(CWnd& dialog, const ViewOptionValues& values);
void Exchange(CDataExchange* dx, ViewOptionValues& values);
// A click on the shaping radio button id.
void PickLineMethod(const CWnd& dialog, UINT id, ViewOptionValues& values);

} // namespace ViewOptionControls
