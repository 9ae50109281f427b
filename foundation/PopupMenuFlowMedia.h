// CPopupMenuFlowMedia: the shapes of a process symbol (kinds 1 to 9), each item its pictogram
// beside its name.
#pragma once

#include "platform/ui/Menu.h"

class CPopupMenuFlowMedia : public CMenu
{
public:
    // Creates the popup with one item (ID_FLOW_MEDIA_BASE + kind) per kind 1 to 9.
    virtual void BuildMediaMenu();

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
};
