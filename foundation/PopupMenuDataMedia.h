// CPopupMenuDataMedia: the media kinds of a data symbol, each item its pictogram beside its name.
// The base offers kinds 1 to 51; each group menu offers its own part of them.
#pragma once

#include "platform/ui/Menu.h"

#include <span>

class CPopupMenuDataMedia : public CMenu
{
public:
    // Creates the popup with one item (ID_DATA_MEDIA_BASE + kind) per kind of the menu's list.
    virtual void BuildMediaMenu();

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;

protected:
    // The first append that fails ends the build, keeping the items appended so far.
    void BuildFromKinds(std::span<const WORD> kinds);
};
