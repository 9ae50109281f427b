// CPopupMenuDataMediaParm: the media kinds of a data symbol that stand for a file.
#pragma once

#include "foundation/PopupMenuDataMedia.h"

class CPopupMenuDataMediaParm : public CPopupMenuDataMedia
{
public:
    void BuildMediaMenu() override;
};
