// CPopupMenuDataMediaFile: the media kinds of a data symbol that stand for a database.
#pragma once

#include "foundation/PopupMenuDataMedia.h"

class CPopupMenuDataMediaFile : public CPopupMenuDataMedia
{
public:
    void BuildMediaMenu() override;
};
