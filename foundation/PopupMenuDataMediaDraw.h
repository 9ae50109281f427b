// CPopupMenuDataMediaDraw: the media kinds of a data symbol that stand for a plain figure.
#pragma once

#include "foundation/PopupMenuDataMedia.h"

class CPopupMenuDataMediaDraw : public CPopupMenuDataMedia
{
public:
    void BuildMediaMenu() override;
};
