// CPopupMenuDataMediaStorage: the media kinds of a data symbol that stand for an external storage device.
#pragma once

#include "foundation/PopupMenuDataMedia.h"

class CPopupMenuDataMediaStorage : public CPopupMenuDataMedia
{
public:
    void BuildMediaMenu() override;
};
