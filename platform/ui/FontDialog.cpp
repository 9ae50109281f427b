#include "platform/ui/FontDialog.h"

#include "platform/afx/MessageSink.h"
#include "platform/afx/String.h"
#include "platform/gdi/FontMapper.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/FrameworkIds.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace FontDialogImpl {

// The screen's resolution in which the heights of logical fonts are given.
constexpr double kPixelsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;
constexpr LONG kDefaultHeight = -13;
// The sample shows the font no larger than this, in pixels.
constexpr int kSampleLimit = 48;

constexpr const char8_t* kStyles[] = {u8"標準", u8"斜体", u8"太字", u8"太字 斜体"};
constexpr const char8_t* kSizes[] = {u8"8",  u8"9",  u8"10", u8"11", u8"12", u8"14", u8"16", u8"18",
                                     u8"20", u8"22", u8"24", u8"26", u8"28", u8"36", u8"48", u8"72"};

struct NamedColor
{
    COLORREF color;
    const char8_t* name;
};

constexpr NamedColor kColors[] = {
    // clang-format off
    {RGB(0, 0, 0), u8"黒"},          {RGB(128, 0, 0), u8"暗い赤"},     {RGB(0, 128, 0), u8"緑"},
    {RGB(128, 128, 0), u8"ｵﾘｰﾌﾞ"},    {RGB(0, 0, 128), u8"紺"},        {RGB(128, 0, 128), u8"紫"},
    {RGB(0, 128, 128), u8"青緑"},     {RGB(128, 128, 128), u8"灰色"},  {RGB(192, 192, 192), u8"銀色"},
    {RGB(255, 0, 0), u8"赤"},         {RGB(0, 255, 0), u8"黄緑"},      {RGB(255, 255, 0), u8"黄"},
    {RGB(0, 0, 255), u8"青"},         {RGB(255, 0, 255), u8"赤紫"},    {RGB(0, 255, 255), u8"水色"},
    {RGB(255, 255, 255), u8"白"},
    // clang-format on
};

// A face a logical font can hold: code page 932 throughout and short enough for the face field.
bool FitsFaceField(const QString& family)
{
    const CString bytes = FromQString(family);
    return !family.startsWith(QLatin1Char('@')) && bytes.GetLength() < LF_FACESIZE && ToQString(bytes) == family;
}

QIcon Swatch(COLORREF color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    return QIcon(pixmap);
}

} // namespace FontDialogImpl

CFontDialog::CFontDialog(const LOGFONT* initial, DWORD flags, CWnd* parent) : CDialog(0, parent), m_cf{flags, 0}, m_lf{}
{
    if (initial) {
        m_lf = *initial;
        m_lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    } else {
        m_lf.lfHeight = FontDialogImpl::kDefaultHeight;
        m_lf.lfWeight = FW_NORMAL;
        m_lf.lfCharSet = SHIFTJIS_CHARSET;
        std::strncpy(m_lf.lfFaceName, CString(u8"ＭＳ Ｐゴシック"), LF_FACESIZE - 1);
    }
    m_strFace = CString(m_lf.lfFaceName);
    m_nInitialStyle = (m_lf.lfItalic ? kItalic : kRegular) + (m_lf.lfWeight >= FW_SEMIBOLD ? kBold : kRegular);
    m_nStyle = m_nInitialStyle;
    m_strInitialSize = FormatPoints(m_lf.lfHeight);
    m_strSize = m_strInitialSize;
    m_bStrikeOut = m_lf.lfStrikeOut ? 1 : 0;
    m_bUnderline = m_lf.lfUnderline ? 1 : 0;
}

LONG CFontDialog::PointsToHeight(double points)
{
    using namespace FontDialogImpl;
    return -std::max(1L, std::lround(points * kPixelsPerInch / kPointsPerInch));
}

CString CFontDialog::FormatPoints(LONG height)
{
    using namespace FontDialogImpl;
    const LONG pixels = std::abs(height == 0 ? kDefaultHeight : height);
    const double points = double(pixels) * kPointsPerInch / kPixelsPerInch;
    // The plainest size that gives the height again: whole points, else half points, else tenths
    // (13 pixels show as 10 points, 10 pixels as 7.5).
    double shown = points;
    for (const double step : {0.5, 1.0}) {
        const double rounded = std::round(points / step) * step;
        if (PointsToHeight(rounded) == -pixels)
            shown = rounded;
    }
    QString text = QString::number(shown, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return FromQString(text);
}

// --- The controls -------------------------------------------------------------------------------

void CFontDialog::BuildDialog()
{
    using namespace FontDialogImpl;
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(u8"ﾌｫﾝﾄ"));
    auto* layout = new QVBoxLayout(dialog);
    auto* form = new QFormLayout;
    auto* face = AddControl(IDC_FACE, new QComboBox);
    face->setEditable(true);
    face->setInsertPolicy(QComboBox::NoInsert);
    face->setMinimumContentsLength(20);
    form->addRow(ToQString(u8"ﾌｫﾝﾄ名(&F):"), face);
    auto* style = AddControl(IDC_STYLE, new QComboBox);
    for (const char8_t* name : kStyles)
        style->addItem(ToQString(name));
    form->addRow(ToQString(u8"ｽﾀｲﾙ(&Y):"), style);
    auto* size = AddControl(IDC_SIZE, new QComboBox);
    size->setEditable(true);
    size->setInsertPolicy(QComboBox::NoInsert);
    for (const char8_t* points : kSizes)
        size->addItem(ToQString(points));
    form->addRow(ToQString(u8"ｻｲｽﾞ(&S):"), size);
    layout->addLayout(form);

    auto* effects = AddControl(IDC_EFFECTS, new QGroupBox(ToQString(u8"文字飾り")));
    auto* effectsBox = new QVBoxLayout(effects);
    effectsBox->addWidget(AddControl(IDC_STRIKEOUT, new QCheckBox(ToQString(u8"取り消し線(&K)"))));
    effectsBox->addWidget(AddControl(IDC_UNDERLINE, new QCheckBox(ToQString(u8"下線(&U)"))));
    auto* colorRow = new QFormLayout;
    colorRow->addRow(ToQString(u8"色(&C):"), AddControl(IDC_COLOR, new QComboBox));
    effectsBox->addLayout(colorRow);
    effects->setVisible((m_cf.Flags & CF_EFFECTS) != 0);
    layout->addWidget(effects);

    auto* sampleGroup = new QGroupBox(ToQString(u8"ｻﾝﾌﾟﾙ"));
    auto* sampleBox = new QVBoxLayout(sampleGroup);
    auto* sample = AddControl(IDC_SAMPLE, new QLabel(ToQString(u8"Aa ｱｧ亜宇")));
    sample->setAlignment(Qt::AlignCenter);
    sample->setMinimumHeight(kSampleLimit + 8);
    sampleBox->addWidget(sample);
    layout->addWidget(sampleGroup);

    layout->addLayout(MakeButtonRow({{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}}));

    FillFaces();
    FillColors();
    const auto update = [this] { UpdateSample(); };
    QObject::connect(face, &QComboBox::currentTextChanged, dialog, update);
    QObject::connect(style, &QComboBox::currentIndexChanged, dialog, update);
    QObject::connect(size, &QComboBox::currentTextChanged, dialog, update);
    for (int id : {IDC_STRIKEOUT, IDC_UNDERLINE})
        QObject::connect(qobject_cast<QCheckBox*>(GetDlgItem(id)->GetSafeHwnd()), &QCheckBox::toggled, dialog, update);
    QObject::connect(Combo(IDC_COLOR), &QComboBox::currentIndexChanged, dialog, update);
}

void CFontDialog::FillFaces()
{
    using namespace FontDialogImpl;
    QStringList faces = FontMapper::SubstitutedFaces();
    for (const QString& family : QFontDatabase::families())
        if (FitsFaceField(family) && !faces.contains(family))
            faces << family;
    // A face the font names keeps its place in the list even where it is not installed.
    const QString current = ToQString(m_strFace);
    if (!current.isEmpty() && !faces.contains(current))
        faces.prepend(current);
    Combo(IDC_FACE)->addItems(faces);
}

void CFontDialog::FillColors()
{
    using namespace FontDialogImpl;
    QComboBox* combo = Combo(IDC_COLOR);
    for (const NamedColor& entry : kColors)
        combo->addItem(Swatch(entry.color), ToQString(entry.name), QVariant::fromValue(uint(entry.color)));
    const auto* known = std::find_if(std::begin(kColors), std::end(kColors),
                                     [this](const NamedColor& entry) { return entry.color == m_cf.rgbColors; });
    m_nColor = int(known - std::begin(kColors));
    if (known == std::end(kColors))
        combo->addItem(Swatch(m_cf.rgbColors), ToQString(u8"ｶｽﾀﾑ"), QVariant::fromValue(uint(m_cf.rgbColors)));
}

BOOL CFontDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    UpdateSample();
    return TRUE;
}

QComboBox* CFontDialog::Combo(int id) const
{
    return qobject_cast<QComboBox*>(GetDlgItem(id)->GetSafeHwnd());
}

BOOL CFontDialog::IsChecked(int id) const
{
    return static_cast<const CButton*>(GetDlgItem(id))->GetCheck() == BST_CHECKED;
}

void CFontDialog::UpdateSample()
{
    QWidget* sample = GetDlgItem(IDC_SAMPLE)->GetSafeHwnd();
    LOGFONT font = m_lf;
    CString face;
    GetDlgItemText(IDC_FACE, face);
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    const int style = Combo(IDC_STYLE)->currentIndex();
    font.lfItalic = (style & kItalic) ? 1 : 0;
    font.lfWeight = (style & kBold) ? FW_BOLD : FW_NORMAL;
    font.lfUnderline = IsChecked(IDC_UNDERLINE) ? 1 : 0;
    font.lfStrikeOut = IsChecked(IDC_STRIKEOUT) ? 1 : 0;
    // A size that is no size yet shows the font's own.
    bool number = false;
    const double points = Combo(IDC_SIZE)->currentText().trimmed().toDouble(&number);
    const LONG height = number && points >= kMinPoints && points <= kMaxPoints ? PointsToHeight(points) : m_lf.lfHeight;
    const int pixels = std::abs(height == 0 ? FontDialogImpl::kDefaultHeight : height);
    sample->setFont(FontMapper::ToQFont(font, std::min(pixels, FontDialogImpl::kSampleLimit)));
    const QVariant color = Combo(IDC_COLOR)->currentData();
    const COLORREF rgb = color.isValid() ? COLORREF(color.toUInt()) : m_cf.rgbColors;
    sample->setStyleSheet(
        QStringLiteral("color: rgb(%1, %2, %3)").arg(GetRValue(rgb)).arg(GetGValue(rgb)).arg(GetBValue(rgb)));
}

// --- Reading and checking -----------------------------------------------------------------------

void CFontDialog::DoDataExchange(CDataExchange* dx)
{
    DDX_CBString(dx, IDC_FACE, m_strFace);
    // The font's own face passes even where it is not listed (an empty one, say).
    if (dx->m_bSaveAndValidate && m_strFace != m_lf.lfFaceName &&
        Combo(IDC_FACE)->findText(ToQString(m_strFace), Qt::MatchExactly) < 0) {
        AfxMessageBox(CString(u8"その名前のﾌｫﾝﾄはありません。一覧からﾌｫﾝﾄを選んでください。"),
                      MB_OK | MB_ICONEXCLAMATION);
        dx->Fail();
    }
    DDX_CBIndex(dx, IDC_STYLE, m_nStyle);
    DDX_CBString(dx, IDC_SIZE, m_strSize);
    if (dx->m_bSaveAndValidate) {
        bool number = false;
        const double points = ToQString(m_strSize).trimmed().toDouble(&number);
        if (!number || !(points >= kMinPoints && points <= kMaxPoints)) {
            AfxMessageBox(CString(u8"ｻｲｽﾞには 1 から 1638 までの数値を指定してください。"), MB_OK | MB_ICONEXCLAMATION);
            dx->Fail();
        }
    }
    DDX_Check(dx, IDC_STRIKEOUT, m_bStrikeOut);
    DDX_Check(dx, IDC_UNDERLINE, m_bUnderline);
    DDX_CBIndex(dx, IDC_COLOR, m_nColor);
}

LOGFONT CFontDialog::ComposeFont() const
{
    LOGFONT font = m_lf;
    std::memset(font.lfFaceName, 0, LF_FACESIZE);
    std::strncpy(font.lfFaceName, m_strFace, LF_FACESIZE - 1);
    // A style or size left as it was keeps the font's own weight and exact height.
    if (m_nStyle != m_nInitialStyle) {
        font.lfItalic = (m_nStyle & kItalic) ? 1 : 0;
        font.lfWeight = (m_nStyle & kBold) ? FW_BOLD : FW_NORMAL;
    }
    const QString size = ToQString(m_strSize).trimmed();
    if (size != ToQString(m_strInitialSize))
        font.lfHeight = PointsToHeight(size.toDouble());
    if (m_cf.Flags & CF_EFFECTS) {
        font.lfStrikeOut = m_bStrikeOut ? 1 : 0;
        font.lfUnderline = m_bUnderline ? 1 : 0;
    }
    return font;
}

void CFontDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_lf = ComposeFont();
    if (m_cf.Flags & CF_EFFECTS)
        m_cf.rgbColors = COLORREF(Combo(IDC_COLOR)->itemData(m_nColor).toUInt());
    EndDialog(IDOK);
}
