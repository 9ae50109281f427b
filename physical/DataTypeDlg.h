// CDataTypeDlg: edits the application's list of SQL data types on a working copy (DataTypeDlgRules)
// and stores it in the profile on "保存". The type list is a report-style tree widget bound here.
#pragma once

#include "physical/DataTypeDlgRules.h"
#include "platform/ui/Dialog.h"

class QTreeWidget;

class CDataTypeDlg : public CDialog
{
public:
    static constexpr UINT IDD = 331;
    static constexpr int IDC_LIST = 1338;
    static constexpr int IDC_NAME = 1339;
    static constexpr int IDC_KIND_FIRST = 1340; // 1340 to 1342: edit kinds 0 to 2
    static constexpr int IDC_DO_NOT_USE = 1343;
    static constexpr int IDC_PREFIX = 1346;
    static constexpr int IDC_ENCLOSURE = 1347;
    static constexpr int IDC_INSERT = 1238;
    static constexpr int IDC_DELETE = 1239;
    static constexpr int IDC_READ_FILE = 1344;
    static constexpr int IDC_WRITE_FILE = 1345;

    explicit CDataTypeDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnRowChanged();
    void OnKind(UINT id);
    void OnDoNotUse();
    void OnInsert();
    void OnDelete();
    void OnReadFile();
    void OnWriteFile();

    DataTypeDlgRules& Rules() { return m_rules; }

protected:
    void BuildDialog() override;
    const MessageMap* GetMessageMap() const override;

private:
    void RebuildRows();
    void RefreshRow(int index);
    void ShowCurrent();
    void ApplyEnables();
    void SelectRow(int index);
    // The enclosure holds at most one character; FALSE after the length message.
    BOOL CommitCurrent();
    void OnTextEdited(int id);

    DataTypeDlgRules m_rules;
    QTreeWidget* m_list = nullptr;
    BOOL m_bUpdating = FALSE;
};
