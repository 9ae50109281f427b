// CSetViewPage: the display page of the options sheet: zooming, grid, guide, canvas, automatic
// connection and shaping of new lines, the settings that views opened later start with.
#pragma once

#include "platform/ui/PropertySheet.h"
#include "view/ViewOptionControls.h"

class CSetViewPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 205;

    CSetViewPage();

    BOOL OnInitDialog() override;

    ViewOptionValues m_values;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnLineMethod(UINT id);
};
