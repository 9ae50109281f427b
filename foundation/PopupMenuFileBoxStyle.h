// CPopupMenuFileBoxStyle: the file types a conceptual file can take, each item its mark beside
// the name the user gave it. The styles come from the caller (the data model keeps them), so that
// this layer needs nothing of the model.
#pragma once

#include "platform/afx/String.h"
#include "platform/ui/Menu.h"

#include <vector>

// One file-type style as the menu needs it: its mark, the user's name for it and whether the user
// has it shown in the menu.
struct FileTypeMenuEntry
{
    WORD markId;
    CString userName;
    BOOL shown;
};

class CPopupMenuFileBoxStyle : public CMenu
{
public:
    // Creates the popup with one item (ID_FILE_TYPE_MARK_BASE + mark) per shown style, in order;
    // no shown style gives an empty popup. The menu keeps its own copy of the styles.
    virtual void BuildBoxStyleMenu(const std::vector<FileTypeMenuEntry>& styles);

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;

private:
    std::vector<FileTypeMenuEntry> m_styles;
};
