#include "foundation/PopupMenuDataMediaIn.h"

void CPopupMenuDataMediaIn::BuildMediaMenu()
{
    static constexpr WORD kKinds[] = {47, 28, 29, 30, 34, 35};
    BuildFromKinds(kKinds);
}
