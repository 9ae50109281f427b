#include "foundation/PopupMenuDataMediaDraw.h"

void CPopupMenuDataMediaDraw::BuildMediaMenu()
{
    static constexpr WORD kKinds[] = {1, 2, 27, 48, 25, 49, 7, 21, 36, 37};
    BuildFromKinds(kKinds);
}
