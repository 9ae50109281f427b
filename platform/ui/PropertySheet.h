// CPropertyPage and CPropertySheet: a dialog of tabbed pages. A page is built the first time the
// sheet shows it and exchanges its data when it is left or when OK is pressed while it is shown;
// a refused exchange keeps the page shown and the sheet open. A page that was never shown keeps
// the values its members were given.
#pragma once

#include "platform/ui/Dialog.h"

#include <vector>

class QTabWidget;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT templateId, const CString& caption);

    const CString& GetCaption() const { return m_strCaption; }
    // Builds the page's controls inside the container and fills them; FALSE when it exists.
    BOOL CreatePage(QWidget* container);
    // The page is being left: its data is exchanged; FALSE keeps it shown.
    virtual BOOL OnKillActive();
    // The sheet's OK and Cancel reach every page that was built; by default they do nothing more.
    void OnOK() override {}
    void OnCancel() override {}

private:
    CString m_strCaption;
};

class CPropertySheet : public CDialog
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    explicit CPropertySheet(const CString& caption, CWnd* parent = nullptr);

    const CString& GetCaption() const { return m_strCaption; }

    // The sheet does not own its pages.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return int(m_pages.size()); }
    int GetActiveIndex() const { return m_nActive; }
    // Leaves the shown page (which may refuse) and shows the other; FALSE when it stays.
    BOOL SetActivePage(int index);

    BOOL OnInitDialog() override;
    // The shown page is left; then every built page hears OK and the sheet closes.
    void OnOK() override;
    void OnCancel() override;

protected:
    void BuildDialog() override;

private:
    QTabWidget* Tabs() const;
    void OnTabChanged(int index);
    void FitToPages();

    CString m_strCaption;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = 0;
};
