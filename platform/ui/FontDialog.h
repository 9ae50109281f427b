// CFontDialog: the font dialog, with a face, a style, a size in points and a sample; with
// CF_EFFECTS also strike-out, underline and a text colour. It edits a copy of a logical font: on
// OK the chosen face, style and size (and effects) are in m_lf and the colour in GetColor(); the
// other members of the font keep their values. A size left as shown keeps the font's exact height.
//
// A face must be one of the listed fonts and a size a number from 1 to 1638 points; OK refuses
// anything else with a message and the focus on the field at fault.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/ui/Dialog.h"

class QComboBox;

constexpr DWORD CF_SCREENFONTS = 0x00000001;
constexpr DWORD CF_EFFECTS = 0x00000100;

class CFontDialog : public CDialog
{
public:
    static constexpr int IDC_FACE = 1001;
    static constexpr int IDC_STYLE = 1002;
    static constexpr int IDC_SIZE = 1003;
    static constexpr int IDC_EFFECTS = 1004;
    static constexpr int IDC_STRIKEOUT = 1005;
    static constexpr int IDC_UNDERLINE = 1006;
    static constexpr int IDC_COLOR = 1007;
    static constexpr int IDC_SAMPLE = 1008;
    // The styles in the order of the style list.
    enum Style { kRegular, kItalic, kBold, kBoldItalic };
    static constexpr int kMinPoints = 1;
    static constexpr int kMaxPoints = 1638;

    // A null font starts from the default face at 10 points.
    explicit CFontDialog(const LOGFONT* initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                         CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    COLORREF GetColor() const { return m_cf.rgbColors; }
    // Character height in 96-dpi pixels for a size in points, and the size shown for a height.
    static LONG PointsToHeight(double points);
    static CString FormatPoints(LONG height);

    struct
    {
        DWORD Flags;
        COLORREF rgbColors; // the initial colour before the dialog, the chosen one after OK
    } m_cf;
    LOGFONT m_lf;

    // The exchanged values.
    CString m_strFace;
    int m_nStyle = kRegular;
    CString m_strSize;
    int m_bStrikeOut = 0;
    int m_bUnderline = 0;
    int m_nColor = 0;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void FillFaces();
    void FillColors();
    void UpdateSample();
    BOOL IsChecked(int id) const;
    QComboBox* Combo(int id) const;
    // The font the values describe, the members they do not set taken from m_lf.
    LOGFONT ComposeFont() const;

    int m_nInitialStyle = kRegular;
    CString m_strInitialSize;
};
