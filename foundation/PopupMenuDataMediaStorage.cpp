#include "foundation/PopupMenuDataMediaStorage.h"

void CPopupMenuDataMediaStorage::BuildMediaMenu()
{
    static constexpr WORD kKinds[] = {8, 9, 10, 11, 12, 13, 18, 22};
    BuildFromKinds(kKinds);
}
