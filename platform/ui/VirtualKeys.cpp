#include "platform/ui/VirtualKeys.h"

#include <Qt>

#include <utility>

namespace VirtualKeysTable {

const std::pair<int, UINT> kKeys[] = {
    // clang-format off
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},         {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},   {Qt::Key_Shift, VK_SHIFT},     {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},       {Qt::Key_Escape, VK_ESCAPE},   {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},   {Qt::Key_PageDown, VK_NEXT},   {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},      {Qt::Key_Left, VK_LEFT},       {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},    {Qt::Key_Down, VK_DOWN},       {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},  {Qt::Key_Menu, VK_APPS},
    // clang-format on
};

} // namespace VirtualKeysTable

UINT VirtualKeyFromQt(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return UINT(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + UINT(qtKey - Qt::Key_F1);
    for (const auto& [qt, vk] : VirtualKeysTable::kKeys)
        if (qt == qtKey)
            return vk;
    return 0;
}

int QtKeyFromVirtualKey(UINT vkey)
{
    if ((vkey >= 'A' && vkey <= 'Z') || (vkey >= '0' && vkey <= '9'))
        return int(vkey);
    if (vkey >= VK_F1 && vkey < VK_F1 + 24)
        return Qt::Key_F1 + int(vkey - VK_F1);
    for (const auto& [qt, vk] : VirtualKeysTable::kKeys)
        if (vk == vkey)
            return qt;
    return 0;
}
