#include "document/HeaderItems.h"

#include "objects/DrawObjects.h"

#include <array>

namespace HeaderItemsImpl {

// Neighbouring frames overlap by 3 units, so that the block reads as one ruled table.
const std::array<HeaderItemLayout, 10> kLayouts{{
    {HEADER_TITLE_ID, u8"表題", nullptr, CRect(30, -30, 1390, -113), -14, FALSE},
    {HEADER_AUTHOR_LABEL_ID, u8"作成者項目名", u8"作成者名", CRect(30, -110, 373, -173), -11, TRUE},
    {HEADER_AUTHOR_ID, u8"作成者名", nullptr, CRect(30, -170, 373, -233), -11, TRUE},
    {HEADER_UPDATER_LABEL_ID, u8"更新者項目名", u8"更新者名", CRect(370, -110, 713, -173), -11, TRUE},
    {HEADER_UPDATER_ID, u8"更新者名", nullptr, CRect(370, -170, 713, -233), -11, TRUE},
    {HEADER_CREATED_LABEL_ID, u8"作成日項目名", u8"作成日", CRect(710, -110, 1053, -173), -11, TRUE},
    {HEADER_CREATED_ID, u8"作成日", nullptr, CRect(710, -170, 1053, -233), -11, TRUE},
    {HEADER_UPDATED_LABEL_ID, u8"更新日項目名", u8"更新日", CRect(1050, -110, 1390, -173), -11, TRUE},
    {HEADER_UPDATED_ID, u8"更新日", nullptr, CRect(1050, -170, 1390, -233), -11, TRUE},
    {HEADER_REMARKS_ID, u8"備考", nullptr, CRect(30, -230, 1390, -290), -11, FALSE},
}};

} // namespace HeaderItemsImpl

std::span<const HeaderItemLayout> GetHeaderItemLayouts()
{
    return HeaderItemsImpl::kLayouts;
}

const HeaderItemLayout* FindHeaderItemLayout(WORD id)
{
    if (id < HEADER_TITLE_ID || id > HEADER_REMARKS_ID)
        return nullptr;
    return &HeaderItemsImpl::kLayouts[size_t(id - HEADER_TITLE_ID)];
}

BOOL IsHeaderItemId(WORD id)
{
    return id >= HEADER_TITLE_ID;
}

BOOL GetHeaderItemName(WORD id, CString& name)
{
    const HeaderItemLayout* layout = FindHeaderItemLayout(id);
    if (!layout)
        return FALSE;
    name = CString(layout->name);
    return TRUE;
}

BOOL GetObjectHeaderItemName(const CObject* object, CString& name)
{
    return DrawObjects::IsDrawObject(object) && GetHeaderItemName(DrawObjects::GetObjectId(object), name);
}
