// CSubTypeDlg: the settings of a subtype or substructure arrow — definite or not, whether it is the
// main arrow of its end file, and the discriminator (a data item of a conceptual file and the value
// that selects this subtype). The reduced form leaves the value and the main box alone. The rules
// are RelLineDlgRules'.
#pragma once

#include "model/RelLineDlgRules.h"
#include "platform/ui/Dialog.h"

class CBaseDoc;
class CRelLineObj;

class CSubTypeDlg : public CDialog
{
public:
    static constexpr UINT IDD = 339;
    static constexpr int IDC_MAIN_ARROW = 1339;
    static constexpr int IDC_DEFINITE = 1403;
    static constexpr int IDC_INDEFINITE = 1404;
    static constexpr int IDC_VALUE_LABEL = 1402;
    static constexpr int IDC_FILE = 1224;
    static constexpr int IDC_ITEM = 1219;
    static constexpr int IDC_VALUE = 1220;

    CSubTypeDlg(CBaseDoc& doc, CRelLineObj& arrow, BOOL reduced, CWnd* parent = nullptr);

    // FALSE when the dialog ended at once (the end files of the arrow are missing).
    BOOL OnInitDialog() override;
    void OnDefiniteButton(UINT id);
    void OnFileChosen();
    void OnItemChosen();

    RelLineDlgRules::SubTypeSettings m_settings;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    void ApplyEnables();
    void FillItems();

    CBaseDoc& m_doc;
    CRelLineObj& m_arrow;
    BOOL m_bReduced;
    BOOL m_bReadOnly;
    BOOL m_bMayBecomeMain = FALSE;
};
