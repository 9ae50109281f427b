// CSetPrintOptPage: the print page of the options sheet, the print options that views opened later
// start with.
#pragma once

#include "platform/ui/PropertySheet.h"
#include "view/PrintOptionControls.h"

class CSetPrintOptPage : public CPropertyPage
{
public:
    static constexpr UINT IDD = 206;

    CSetPrintOptPage();

    BOOL OnInitDialog() override;
    BOOL OnKillActive() override;

    PrintOptionValues m_values;

protected:
    void BuildDialog() override;
};
