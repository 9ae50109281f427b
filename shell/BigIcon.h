// CBigIcon: the about box's owner-drawn button that shows the application icon enlarged, framed
// and shadowed.
#pragma once

#include "platform/ui/Controls.h"

class CBigIcon : public CButton
{
    DECLARE_DYNAMIC(CBigIcon)
public:
    // Takes over the button of the id in the dialog.
    BOOL SubclassDlgItem(int id, CWnd* parent);
    // Twice the system icon size plus 8 pixels each way, without moving the button.
    void SizeToContent();

protected:
    void OnPaint() override;
};
