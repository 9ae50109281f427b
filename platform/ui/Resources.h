// The menus, accelerator tables and toolbar layouts of the program, kept in the resources
// (":/ui.json") and read once. Command icons come from a provider the program installs.
#pragma once

#include "platform/afx/WinTypes.h"

#include <QIcon>
#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

// One menu item: a command (id != 0), a separator, or a popup with items.
struct MenuItemResource
{
    UINT id = 0;
    QString text; // with '&' mnemonics
    bool separator = false;
    std::vector<MenuItemResource> items;
    bool IsPopup() const { return !separator && id == 0; }
};

struct AcceleratorResource
{
    UINT id = 0;
    QKeySequence key;
};

// The top-level items of the menu, or nullptr when the resources hold no such menu.
const std::vector<MenuItemResource>* FindMenuResource(UINT menuId);
// The accelerator table (empty when there is none).
std::vector<AcceleratorResource> LoadAcceleratorResource(UINT tableId);
// The buttons of the toolbar by position, ID_SEPARATOR (0) for a separator; empty when unknown.
std::vector<UINT> LoadToolBarResource(UINT toolbarId);

// The icon of a command's toolbar button; the program installs the drawing of its own buttons.
using CommandIconProvider = std::function<QIcon(UINT commandId)>;
void SetCommandIconProvider(CommandIconProvider provider);
QIcon LoadCommandIcon(UINT commandId);

// The status prompt and the tooltip of a command: the two parts of the string of its id
// ("prompt\ntip"); the tooltip falls back to the prompt.
QString CommandPrompt(UINT commandId);
QString CommandTip(UINT commandId);
