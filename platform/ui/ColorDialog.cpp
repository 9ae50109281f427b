#include "platform/ui/ColorDialog.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>

namespace ColorDialog {

ColorDialogSink& Sink()
{
    static ColorDialogSink sink;
    return sink;
}

BOOL RunQtDialog(COLORREF initial, COLORREF& picked, QWidget* owner)
{
    QColorDialog dialog(QColor(GetRValue(initial), GetGValue(initial), GetBValue(initial)),
                        owner ? owner : QApplication::activeWindow());
    // The custom colours are part of Qt's dialog; leaving out the native dialog keeps them shown.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return FALSE;
    const QColor colour = dialog.selectedColor();
    picked = RGB(BYTE(colour.red()), BYTE(colour.green()), BYTE(colour.blue()));
    return TRUE;
}

} // namespace ColorDialog

ColorDialogSink SetColorDialogSink(ColorDialogSink sink)
{
    ColorDialogSink previous = std::move(ColorDialog::Sink());
    ColorDialog::Sink() = std::move(sink);
    return previous;
}

BOOL RunColorDialog(COLORREF initial, COLORREF& picked, QWidget* owner)
{
    if (ColorDialog::Sink())
        return ColorDialog::Sink()(initial, picked) ? TRUE : FALSE;
    return ColorDialog::RunQtDialog(initial, picked, owner);
}
