// CPopupMenuDataMediaIn: the media kinds of a data symbol that stand for an input device.
#pragma once

#include "foundation/PopupMenuDataMedia.h"

class CPopupMenuDataMediaIn : public CPopupMenuDataMedia
{
public:
    void BuildMediaMenu() override;
};
