#include "platform/ui/SystemColors.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>
#include <QPalette>

#include <algorithm>

namespace SystemColorsImpl {

// A menu item is one line of the menu font with a little room above and below, at least the
// classic 19 pixels.
constexpr int kMenuLinePadding = 6;
constexpr int kMinMenuHeight = 19;

COLORREF ColorOf(QPalette::ColorRole role)
{
    const QColor color = QApplication::palette().color(QPalette::Active, role);
    return RGB(color.red(), color.green(), color.blue());
}

} // namespace SystemColorsImpl

COLORREF GetSysColor(int index)
{
    switch (index) {
    case COLOR_MENU: return SystemColorsImpl::ColorOf(QPalette::Window);
    case COLOR_MENUTEXT: return SystemColorsImpl::ColorOf(QPalette::WindowText);
    case COLOR_HIGHLIGHT: return SystemColorsImpl::ColorOf(QPalette::Highlight);
    case COLOR_HIGHLIGHTTEXT: return SystemColorsImpl::ColorOf(QPalette::HighlightedText);
    default: return 0;
    }
}

int GetSystemMetrics(int index)
{
    if (index != SM_CYMENU)
        return 0;
    const int line = QFontMetrics(QApplication::font()).height() + SystemColorsImpl::kMenuLinePadding;
    return std::max(line, SystemColorsImpl::kMinMenuHeight);
}
