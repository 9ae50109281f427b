// Turning a widget's input method on or off: the input-method switch of a window.
#pragma once

class QWidget;

// Enables or disables the input method for the widget and, when it has the focus, tells the
// platform's input method at once.
void SetWidgetInputMethodOpen(QWidget* widget, bool open);
// TRUE when the widget takes input-method text.
bool IsWidgetInputMethodOpen(const QWidget* widget);
