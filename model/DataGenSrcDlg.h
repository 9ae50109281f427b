// CDataGenSrcDlg: the derivation sources of one derived data item, in a list the user reorders by
// dragging, with the source file and item, the reference file and its three reference items and a
// note of the selected source. What the sources may be and what OK refuses are DataGenSrcRules'.
#pragma once

#include "model/DataGenSrcRules.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"

#include <optional>

class CBaseDoc;
class CData;
class CDataGenSrc;
class CDataGenSrcList;
class CDataList;
class CFileComp;

class CDataGenSrcDlg : public CDialog
{
public:
    static constexpr UINT IDD = 317;
    static constexpr int IDC_LIST = 1230;
    static constexpr int IDC_SRC_FILE = 1231;
    static constexpr int IDC_SRC_ITEM = 1232;
    static constexpr int IDC_REF_ITEM1 = 1233;
    static constexpr int IDC_REF_ITEM2 = 1234;
    static constexpr int IDC_REF_ITEM3 = 1235;
    static constexpr int IDC_NOTE = 1236;
    static constexpr int IDC_INSERT = 1238;
    static constexpr int IDC_DELETE = 1239;
    static constexpr int IDC_REF_FILE = 1401;

    // Fills the source list with copies of the item's sources; the working list gives the items
    // of the item's own file.
    CDataGenSrcDlg(CBaseDoc* doc, const CFileComp* file, const CData* item, const CDataList* working,
                   CDataGenSrcList* sources, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    int GetCurrentRow() const { return m_nCurrentRow; }
    CListCtrlDragDrop& GetList() { return m_list; }
    void SelectRow(int row);

    CString m_strNote;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL FillList();
    void RedrawRow(int row, int column);
    void FillItemCombo(CComboBox& combo, WORD fileId);
    void LoadSource(int row);
    void UpdateControlStates();
    BOOL CommitCurrentSource();
    void Reselect(int row);
    void OnItemChanged(const NMLISTVIEW& change);
    void OnSourceFile();
    void OnSourceItem();
    void OnRefFile();
    void OnRefItem(int index);
    void OnInsert();
    void OnDelete();
    CString ItemName(WORD fileId, WORD number) const;

    CBaseDoc* m_pDoc;
    const CFileComp* m_pFile;
    const CData* m_pItem;
    const CDataList* m_pWorking;
    CDataGenSrcList* m_pSources;
    std::optional<DataGenSrcRules> m_rules;
    int m_nCurrentRow = -1;
    CDataGenSrc* m_pCurrent = nullptr;
    BOOL m_bLoading = FALSE;

    CComboBox m_refCombos[3];
    CComboBox m_srcItemCombo;
    CComboBox m_srcFileCombo;
    CComboBox m_refFileCombo;
    CListCtrlDragDrop m_list;
};
