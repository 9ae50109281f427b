// CSetDocDlg: the page-layout dialog of a document: paper, print scale, margins, the automatic
// header area and the footer's page numbering. It shows how many pages the document needs and may
// have with the values as they are typed, refuses values outside their ranges with a message and
// the focus on the field at fault, and can store the shown layout as the profile defaults.
#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"

class CBaseDoc;

class CSetDocDlg : public CDialog
{
public:
    static constexpr UINT IDD = 204;
    // A validator's result for a refused margin, start number or user total.
    static constexpr int kRefused = 32767;

    explicit CSetDocDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    WORD GetSelectedPaperId() const;
    BOOL IsHeaderAreaChecked() const;
    BOOL IsNumberInMarginChecked() const;
    BOOL IsAutoTotalChecked() const;
    WORD GetNumberStyleFromRadios() const;
    WORD GetNumberPosFromRadios() const;

    // Each reads its edit; on failure it tells the user and focuses the edit (its text selected
    // when the value was bad rather than missing).
    int ValidateScale();
    int ValidateMargin(int side);
    int ValidateStartNumber();
    int ValidateUserTotal();
    void UpdatePageInfo(BOOL updateMinimum);
    void EnableFooterControls(WORD style);
    void OnSaveDefault();

    // Set before the dialog runs.
    CBaseDoc* m_pDoc = nullptr;
    // The layout the dialog ends with (IDOK); margins in 0.1 mm.
    WORD m_wPaper = 1;
    int m_nMargins[4] = {};
    WORD m_wHeaderStyle = 2;
    WORD m_wNumberStyle = 1;
    WORD m_wNumberPos = 2;
    int m_nMinScale = 10;
    // The exchanged values.
    int m_nScale = 100;
    int m_nMarginMm[4] = {};
    int m_nStartNumber = 1;
    int m_bHeaderArea = 0;
    int m_bAutoTotal = 1;
    int m_bNumberInMargin = 0;
    int m_nUserTotal = 0;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    BOOL IsChecked(int id) const;
    void SetChecked(int id, BOOL checked);
    // The edit's value within 0..maximum; kRefused after telling the user.
    int ValidateField(int id, int maximum, const char8_t* empty, const char8_t* bad);
    // The paper, the scale (not below the minimum) and the margins in 0.1 mm; FALSE after telling
    // the user of the first one refused.
    BOOL ReadPageValues(WORD& paper, int& scale, int margins[4]);
    // The edit's value: 1 read, 0 empty, -1 not a whole number.
    int ReadEdit(int id, int& value) const;
    void RefuseField(int id, const char8_t* message, BOOL bad);
    void OnPaperOrHeaderChanged();
    void OnChangeScale();
    void OnChangeMargin();
    void EnableUserTotal(BOOL enable);
    void OnNumberStyleClicked(UINT id);
    void OnAutoTotalClicked();
    void ShowPageCounts(WORD paper, int scale, const int margins[4], WORD headerStyle);
    void SetMinimumScale(int minimum);
    void ApplyReadOnly();

    BOOL m_bInitializing = FALSE;
    CSpinButtonCtrl m_spins[7];
    CComboBox m_paperCombo;
};
