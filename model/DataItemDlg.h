// CDataItemDlg: the data items of one conceptual file in a list, with the fields of the selected
// item beside it. The dialog edits a working copy of the file's items; what the items may be and
// what OK refuses are DataItemRules', the dialog binds its controls to them. Nothing reaches the
// file before OK, and then the caller replaces the file's list with the working list.
#pragma once

#include "model/DataItemRules.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"

#include <functional>
#include <optional>

class CBaseDoc;
class CData;
class CDataList;
class CFileComp;

// The data-type combo belongs to the layer that owns the types: it fills the combo, selects the
// row of a type name and edit kind, and reads the selected row (FALSE with none selected).
struct DataTypeComboHooks
{
    std::function<int(CComboBox*)> fill;
    std::function<void(CComboBox*, const CString& name, WORD editKind)> select;
    std::function<BOOL(CComboBox*, CString& name, WORD& editKind)> read;
};

class CDataItemDlg : public CDialog
{
public:
    static constexpr UINT IDD = 316;
    // Control ids.
    static constexpr int IDC_SUMMARY = 1221;
    static constexpr int IDC_LIST = 1223;
    static constexpr int IDC_NUMBER = 1224;
    static constexpr int IDC_NAME = 1225;
    static constexpr int IDC_REF_FILE = 1226;
    static constexpr int IDC_REF_ITEM = 1227;
    static constexpr int IDC_PARENT = 1228;
    static constexpr int IDC_EXPRESSION = 1229;
    static constexpr int IDC_SOURCES = 1237;
    static constexpr int IDC_INSERT = 1238;
    static constexpr int IDC_DELETE = 1239;
    static constexpr int IDC_KEY = 1241;
    static constexpr int IDC_KEY_GROUP = 1242;
    static constexpr int IDC_RKEY = 1243;
    static constexpr int IDC_DERIVATION = 1244;
    static constexpr int IDC_CHILD = 1246;
    static constexpr int IDC_ARRANGE = 1247;
    static constexpr int IDC_COLUMN = 1312;
    static constexpr int IDC_DIGITS = 1313;
    static constexpr int IDC_DECIMALS = 1314;
    static constexpr int IDC_TYPE = 1315;
    static constexpr int IDC_PHYSICAL = 1330;
    static constexpr int IDC_DEFAULT = 1334;
    static constexpr int IDC_NOT_NULL = 1335;
    static constexpr int IDC_NULL = 1336;
    static constexpr int IDC_NO_NULL = 1337;

    // Fills the working list with copies of the file's items.
    CDataItemDlg(CBaseDoc* doc, const CFileComp* file, CDataList* working, CWnd* parent = nullptr,
                 DataTypeComboHooks types = {});

    BOOL OnInitDialog() override;
    void OnOK() override;

    int GetCurrentRow() const { return m_nCurrentRow; }
    CData* GetCurrentItem() const { return m_pCurrent; }
    CListCtrlDragDrop& GetList() { return m_list; }
    // Selects, shows and loads the row, as a click on it does.
    void SelectRow(int row);

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL IsReadOnly() const;
    BOOL FillList();
    void RedrawRow(int row, int column);
    void RedrawAll();
    void FillParentCombo();
    void FillRefItemCombo(WORD fileId);
    void LoadItem(int row);
    void UpdateControlStates();
    BOOL CommitCurrentItem();
    void OnItemChanged(const NMLISTVIEW& change);
    void Reselect(int row);
    // Handlers.
    void OnKey();
    void OnKeyGroupChanged();
    void OnRkey();
    void OnChild();
    void OnPhysical();
    void OnNullOption(UINT id);
    void OnDerivationChanged();
    void OnParentChanged();
    void OnRefFileChanged();
    void OnRefItemChanged();
    void OnTypeChanged();
    void OnSizeChanged(int id);
    void OnInsert();
    void OnDelete();
    void OnArrange();
    void OnSources();
    void OnItemMoved(int from, int to);
    void Tell(const CString& message);

    CBaseDoc* m_pDoc;
    const CFileComp* m_pFile;
    CDataList* m_pWorking;
    DataTypeComboHooks m_types;
    std::optional<DataItemRules> m_rules;
    int m_nCurrentRow = -1;
    CData* m_pCurrent = nullptr;
    BOOL m_bLoading = FALSE;

    CListCtrlDragDrop m_list;
    CComboBox m_parentCombo;
    CComboBox m_derivationCombo;
    CComboBox m_refItemCombo;
    CComboBox m_refFileCombo;
    CComboBox m_typeCombo;

public:
    CString m_strNumber;
    CString m_strName;
    CString m_strExpression;
    int m_bKey = FALSE;
    int m_nKeyGroup = 0;
    int m_bRkey = FALSE;
    int m_bChild = FALSE;
    CString m_strSummary;
    CString m_strColumn;
    int m_nDigits = 0;
    int m_nDecimals = 0;
    int m_bPhysical = FALSE;
    int m_nNullRadio = 2;
    CString m_strDefault;
};

#include "model/FileCompItemLists.h"

// The data items dialog as the document's commands reach it.
class DataItemDlgService : public FileCompItemLists::DataItemsDialog
{
public:
    explicit DataItemDlgService(DataTypeComboHooks types) : m_types(std::move(types)) {}
    BOOL Run(CBaseDoc& doc, const CFileComp& file, CDataList& working) override;

private:
    DataTypeComboHooks m_types;
};
