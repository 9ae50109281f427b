#include "foundation/PopupMenuDataMediaParm.h"

void CPopupMenuDataMediaParm::BuildMediaMenu()
{
    static constexpr WORD kKinds[] = {3, 38, 43, 39, 40, 41, 42};
    BuildFromKinds(kKinds);
}
