// CPopupMenuDataMediaOut: the media kinds of a data symbol that stand for a form or a screen.
#pragma once

#include "foundation/PopupMenuDataMedia.h"

class CPopupMenuDataMediaOut : public CPopupMenuDataMedia
{
public:
    void BuildMediaMenu() override;
};
