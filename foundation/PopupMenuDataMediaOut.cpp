#include "foundation/PopupMenuDataMediaOut.h"

void CPopupMenuDataMediaOut::BuildMediaMenu()
{
    static constexpr WORD kKinds[] = {14, 15, 16, 17, 19, 20, 26, 33};
    BuildFromKinds(kKinds);
}
