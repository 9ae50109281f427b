#include "platform/ui/PropertySheet.h"

#include "platform/afx/String.h"
#include "platform/ui/FrameworkIds.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CDialog)

CPropertyPage::CPropertyPage(UINT templateId, const CString& caption) : CDialog(templateId), m_strCaption(caption) {}

BOOL CPropertyPage::CreatePage(QWidget* container)
{
    if (IsWindow())
        return FALSE;
    auto* widget = new QWidget(container);
    container->layout()->addWidget(widget);
    Attach(widget, TRUE);
    BuildDialog();
    OnInitDialog();
    // A child made after its sheet was shown stays hidden until it is shown itself.
    widget->show();
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

CPropertySheet::CPropertySheet(const CString& caption, CWnd* parent) : CDialog(0, parent), m_strCaption(caption) {}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    m_pages.push_back(page);
}

QTabWidget* CPropertySheet::Tabs() const
{
    QWidget* widget = GetSafeHwnd();
    return widget ? widget->findChild<QTabWidget*>() : nullptr;
}

void CPropertySheet::BuildDialog()
{
    QWidget* dialog = GetSafeHwnd();
    dialog->setWindowTitle(ToQString(m_strCaption));
    auto* layout = new QVBoxLayout(dialog);
    auto* tabs = new QTabWidget;
    for (CPropertyPage* page : m_pages) {
        auto* container = new QWidget;
        new QVBoxLayout(container);
        container->layout()->setContentsMargins(0, 0, 0, 0);
        tabs->addTab(container, ToQString(page->GetCaption()));
    }
    layout->addWidget(tabs);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddControl(IDOK, new QPushButton(QStringLiteral("OK"))));
    buttons->addWidget(AddControl(IDCANCEL, new QPushButton(ToQString(u8"ｷｬﾝｾﾙ"))));
    layout->addLayout(buttons);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [this](int index) { OnTabChanged(index); });
}

BOOL CPropertySheet::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nActive = 0;
    if (!m_pages.empty())
        m_pages.front()->CreatePage(Tabs()->widget(0));
    return TRUE;
}

void CPropertySheet::OnTabChanged(int index)
{
    if (index == m_nActive || index < 0)
        return;
    if (!m_pages[size_t(m_nActive)]->OnKillActive()) {
        const QSignalBlocker block(Tabs());
        Tabs()->setCurrentIndex(m_nActive);
        return;
    }
    m_nActive = index;
    if (m_pages[size_t(index)]->CreatePage(Tabs()->widget(index)))
        FitToPages();
}

void CPropertySheet::FitToPages()
{
    // A page built later may need more room than the ones shown before it.
    QWidget* widget = GetSafeHwnd();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    widget->resize(widget->size().expandedTo(widget->sizeHint()));
}

BOOL CPropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount() || !Tabs())
        return FALSE;
    Tabs()->setCurrentIndex(index);
    return m_nActive == index;
}

void CPropertySheet::OnOK()
{
    if (!m_pages.empty() && !m_pages[size_t(m_nActive)]->OnKillActive())
        return;
    for (CPropertyPage* page : m_pages)
        if (page->IsWindow())
            page->OnOK();
    EndDialog(IDOK);
}

void CPropertySheet::OnCancel()
{
    for (CPropertyPage* page : m_pages)
        if (page->IsWindow())
            page->OnCancel();
    EndDialog(IDCANCEL);
}
