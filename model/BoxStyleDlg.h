// CBoxStyleDlg: the user's names of the 25 file-type marks and which of them the file-type menus
// offer, edited on a working list (BoxStyleDlgRules) with a sample of the mark on show. The caller
// commits the working list after OK.
#pragma once

#include "model/BoxStyleDlgRules.h"
#include "platform/ui/Dialog.h"

class QWidget;

class CBoxStyleDlg : public CDialog
{
public:
    static constexpr UINT IDD = 302;
    static constexpr int IDC_MARK = 1127;
    static constexpr int IDC_USER_NAME = 1128;
    static constexpr int IDC_SHOWN = 1129;
    static constexpr int IDC_SAMPLE = 1130;
    static constexpr int IDC_MODEL_DIAGRAM = 1142;

    explicit CBoxStyleDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnMarkChosen();
    void OnModelDiagram();

    BoxStyleDlgRules& Rules() { return m_rules; }
    // The mark the sample shows.
    WORD GetSampleMark() const;

protected:
    void BuildDialog() override;
    const MessageMap* GetMessageMap() const override;

private:
    void FillAndShowFirst();
    void ShowCurrent();
    void StoreControls();

    BoxStyleDlgRules m_rules;
    QWidget* m_sample = nullptr;
};
