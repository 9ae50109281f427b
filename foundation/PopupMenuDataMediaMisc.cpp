#include "foundation/PopupMenuDataMediaMisc.h"

void CPopupMenuDataMediaMisc::BuildMediaMenu()
{
    static constexpr WORD kKinds[] = {23, 24, 31, 32, 50, 51};
    BuildFromKinds(kKinds);
}
