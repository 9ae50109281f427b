#include "physical/OptionWordDlg.h"

#include "foundation/AppServices.h"
#include "foundation/RegItemObj.h"
#include "foundation/RegManList.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FrameworkIds.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <map>
#include <utility>

COptionWordDlg::COptionWordDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

void COptionWordDlg::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(GetTitle()));
    auto* layout = new QVBoxLayout(dialog);
    // Many boxes stand in two columns, so that the dialog fits a screen.
    auto* columns = new QGridLayout;
    layout->addLayout(columns);
    const auto boxes = GetBoxes();
    const int perColumn = boxes.size() > 4 ? int(boxes.size() + 1) / 2 : int(boxes.size());
    int index = 0;
    for (const Box& box : boxes) {
        auto* group = new QGroupBox(ToQString(box.title));
        auto* rows = new QVBoxLayout(group);
        // Each radio group of a box is exclusive on its own.
        std::map<int, QWidget*> radioParents;
        for (const Item& item : box.items) {
            switch (item.kind) {
            case Item::Check: rows->addWidget(AddControl(item.id, new QCheckBox(ToQString(item.text)))); break;
            case Item::Radio: {
                auto*& holder = radioParents[item.group];
                if (!holder) {
                    holder = new QWidget;
                    auto* inner = new QVBoxLayout(holder);
                    inner->setContentsMargins(0, 0, 0, 0);
                    rows->addWidget(holder);
                }
                holder->layout()->addWidget(AddControl(item.id, new QRadioButton(ToQString(item.text))));
                break;
            }
            case Item::Edit: {
                auto* edit = AddControl(item.id, new QLineEdit);
                auto* label = new QLabel(ToQString(item.text));
                label->setBuddy(edit);
                rows->addWidget(label);
                rows->addWidget(edit);
                break;
            }
            case Item::Label: rows->addWidget(new QLabel(ToQString(item.text))); break;
            }
        }
        columns->addWidget(group, index % perColumn, index / perColumn);
        ++index;
    }
    layout->addLayout(MakeButtonRow(
        {{IDOK, u8"OK"}, {IDCANCEL, u8"ｷｬﾝｾﾙ"}, {IDC_SAVE_DEFAULT, u8"既定値更新"}, {ID_HELP, u8"ﾍﾙﾌﾟ"}}));
}

const MessageMap* COptionWordDlg::GetMessageMap() const
{
    static const MessageMap map{CDialog::GetMessageMap(),
                                {
                                    MapCommand(IDC_SAVE_DEFAULT, &COptionWordDlg::OnSaveDefault),
                                    MapCommandRange(1348, 1396, &COptionWordDlg::OnButtonClicked),
                                }};
    return &map;
}

BOOL COptionWordDlg::IsChecked(int id) const
{
    const auto* button = static_cast<const CButton*>(GetDlgItem(id));
    return button && button->GetCheck() == BST_CHECKED;
}

void COptionWordDlg::Enable(int id, BOOL enable)
{
    if (CWnd* control = GetDlgItem(id))
        control->EnableWindow(enable);
}

BOOL COptionWordDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const Box& box : GetBoxes())
        for (const Item& item : box.items) {
            if (item.kind == Item::Check || item.kind == Item::Radio)
                static_cast<CButton*>(GetDlgItem(item.id))
                    ->SetCheck((m_words[item.word] & item.bit) ? BST_CHECKED : BST_UNCHECKED);
            else if (item.kind == Item::Edit)
                GetDlgItem(item.id)->SetWindowText(m_affixes[item.word]);
        }
    ApplyEnabling();
    return TRUE;
}

void COptionWordDlg::OnButtonClicked(UINT)
{
    ApplyEnabling();
}

void COptionWordDlg::ReadControls(DWORD (&words)[2], CString (&affixes)[3]) const
{
    words[0] = GetFixedBits(0);
    words[1] = GetFixedBits(1);
    // Per (word, group): the bit chosen so far, and whether a checked button chose it.
    std::map<std::pair<int, int>, std::pair<DWORD, bool>> radios;
    for (const Box& box : GetBoxes())
        for (const Item& item : box.items) {
            switch (item.kind) {
            case Item::Check:
                if (IsChecked(item.id))
                    words[item.word] |= item.bit;
                break;
            case Item::Radio: {
                auto& [bit, chosen] = radios[{item.word, item.group}];
                if (!chosen) {
                    bit = item.bit;
                    chosen = IsChecked(item.id);
                }
                break;
            }
            case Item::Edit: GetDlgItem(item.id)->GetWindowText(affixes[item.word]); break;
            case Item::Label: break;
            }
        }
    for (const auto& [key, choice] : radios)
        words[key.first] |= choice.first;
}

void COptionWordDlg::OnOK()
{
    ReadControls(m_words, m_affixes);
    EndDialog(IDOK);
}

void COptionWordDlg::OnSaveDefault()
{
    DWORD words[2];
    CString affixes[3] = {m_affixes[0], m_affixes[1], m_affixes[2]};
    ReadControls(words, affixes);
    if (AfxMessageBox(CString(GetDefaultTexts(0)), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    AppServices* app = GetAppServices();
    CRegManList* store = app ? app->GetRegManList() : nullptr;
    for (const DefaultValue& value : GetDefaults()) {
        const BOOL written =
            store && (value.isWord ? store->SetRegInt(value.section, value.key, int(words[value.index]),
                                                      REGITEM_INT | REGITEM_PER_USER)
                                   : store->SetRegString(value.section, value.key, affixes[value.index],
                                                         REGITEM_STRING | REGITEM_PER_USER));
        if (!written) {
            AfxMessageBox(CString(GetDefaultTexts(1)), MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    // The defaults reach the profile at once.
    store->DeleteAllItems();
    AfxMessageBox(CString(GetDefaultTexts(2)), MB_OK | MB_ICONINFORMATION);
}
