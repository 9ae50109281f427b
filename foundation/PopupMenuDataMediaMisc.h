// CPopupMenuDataMediaMisc: the media kinds of a data symbol that stand for speech and telephone.
#pragma once

#include "foundation/PopupMenuDataMedia.h"

class CPopupMenuDataMediaMisc : public CPopupMenuDataMedia
{
public:
    void BuildMediaMenu() override;
};
