#include "platform/ui/Ime.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

void SetWidgetInputMethodOpen(QWidget* widget, bool open)
{
    widget->setAttribute(Qt::WA_InputMethodEnabled, open);
    Qt::InputMethodHints hints = widget->inputMethodHints();
    hints.setFlag(Qt::ImhLatinOnly, !open);
    widget->setInputMethodHints(hints);
    if (widget->hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}

bool IsWidgetInputMethodOpen(const QWidget* widget)
{
    return widget->testAttribute(Qt::WA_InputMethodEnabled) && !(widget->inputMethodHints() & Qt::ImhLatinOnly);
}
