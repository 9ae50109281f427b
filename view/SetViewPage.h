// CSetViewPage: the display page of the options sheet: zooming, grid, guide, canvas, automatic
// connection and shaping of new lines, the settings that views opened later start with.
#pragma once

#include "platform/ui/PropertySheet.h"

class CSetViewPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 205;

    CSetViewPage();

    BOOL OnInitDialog() override;

    int m_bFitToWindow = 0;
    int m_nZoomStep = 0;
    int m_bDrawGrid = 0;
    int m_bAdjustGrid = 0;
    int m_bDrawGuide = 0;
    int m_nGridWidth = 0; // in 0.1 mm, although the label says mm
    int m_bDrawCanvasBack = 0;
    int m_bAutoConnect = 0;
    int m_bAutoConnectFrame = 0;
    int m_bAutoPolyInOrder = 0;
    // 0 or the shaping command a new line gets (22001, 22002, 22024).
    int m_nAutoCmdLineMethod = 0;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnLineMethod(UINT id);
};
