#include "foundation/PopupMenuDataMediaFile.h"

void CPopupMenuDataMediaFile::BuildMediaMenu()
{
    static constexpr WORD kKinds[] = {4, 46, 5, 6, 44, 45};
    BuildFromKinds(kKinds);
}
