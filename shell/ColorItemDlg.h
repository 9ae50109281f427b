// CColorItemDlg: edits the colour palette of every colour menu (colours, their order, their menu
// names and the recent-colour block) on a working copy; OK checks the rows and only then copies
// them into the application's palette and writes it to the profile. Also exports the rows to a
// CSV file, imports 16 rows from one and resets them to the default colours.
#pragma once

#include "foundation/ColorItemList.h"
#include "platform/ui/Dialog.h"

class CEdit;

class CColorItemDlg : public CDialog
{
    DECLARE_DYNAMIC(CColorItemDlg)
public:
    static constexpr UINT IDD = 340;
    static constexpr int kRows = 16;
    // Row i is made of the controls first + i.
    static constexpr int IDC_ROW_BUTTON = 1412;
    static constexpr int IDC_SWATCH = 1428;
    static constexpr int IDC_NAME = 1444;
    static constexpr int IDC_RECENT_FROM = 1460;
    static constexpr int IDC_NO_RECENT = 1476;
    static constexpr int IDC_CHOOSE_COLOR = 1477;
    static constexpr int IDC_MOVE_UP = 1478;
    static constexpr int IDC_MOVE_DOWN = 1479;
    static constexpr int IDC_EXPORT_CSV = 1408;
    static constexpr int IDC_IMPORT_CSV = 1409;
    static constexpr int IDC_RESET_DEFAULTS = 1481;
    // A menu name holds at most this many bytes, cut only between characters.
    static constexpr int kNameBytes = 16;

    CColorItemDlg(CColorItemList* palette, CWnd* parent = nullptr);
    ~CColorItemDlg() override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    int GetSelectedRow() const { return m_nSelectedRow; }
    const CColorItemList& GetWorkingList() const { return m_workList; }
    // The row whose swatch holds the point (dialog client coordinates), or -1.
    int RowAtPoint(CPoint point) const;
    // The name edit of a row got the focus.
    void OnNameFocus(int row);

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;
    void OnLButtonUp(UINT flags, CPoint point) override;
    void OnLButtonDblClk(UINT flags, CPoint point) override;

private:
    void OnRowButton(UINT id);
    void OnRecentRadio(UINT id);
    void OnNoRecentRadio();
    void OnChooseColor();
    void OnMoveUp();
    void OnMoveDown();
    void OnExportCsv();
    void OnImportCsv();
    void OnResetDefaults();

    // The rows shown: one per item, at most 16 (a palette of another size shows what it has).
    int RowCount() const;
    CEdit* NameEdit(int row) const;
    void SelectRow(int row);
    void FocusNameEdit(int row);
    void LoadRows(int row);
    // LoadRows, then the names into the edits and every swatch painted again.
    void ShowRows(int row);
    void ApplyRecentFromRadios();
    int ReadNames();
    void MoveSelectedRow(int to, int newRow);
    void PaintSwatch(int row);
    void PaintAllSwatches();
    BOOL ValidateRows();
    // Replaces the working list by copies of the items; FALSE when the copy failed.
    BOOL TakeWorkingList(CColorItemList& items);
    BOOL AskFileName(BOOL open, const CString& title, CString& path) const;
    void ExportTo(const CString& path);

    CColorItemList* m_pPalette;
    CColorItemList m_workList;
    int m_nSelectedRow = -1;
    CString m_strNames[kRows];
};
