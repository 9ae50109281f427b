// CTableSpaceNameDlg: a pair of tablespace names, for tables and for primary-key indexes — the
// document's defaults, or one conceptual file's own pair. TableSpaceRules applies the result.
#pragma once

#include "platform/ui/Dialog.h"

class CBaseDoc;
class CFileComp;

namespace TableSpaceRules {

constexpr int MODE_DOCUMENT = 0;
constexpr int MODE_FILE = 1;

// The document's defaults take the pair; the document is marked modified when one differed (the
// defaults are no object, so no undo step records them). TRUE when one differed.
BOOL ApplyDocumentTablespaces(CBaseDoc& doc, const CString& table, const CString& index);
// The file's own pair; TRUE when one differed.
BOOL ApplyFileTablespaces(CFileComp& file, const CString& table, const CString& index);

} // namespace TableSpaceRules

class CTableSpaceNameDlg : public CDialog
{
public:
    static constexpr UINT IDD = 336;
    static constexpr int IDC_TABLE_SPACE = 1394;
    static constexpr int IDC_INDEX_SPACE = 1395;

    CTableSpaceNameDlg(CBaseDoc& doc, const CString& table, const CString& index, int mode, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    CString m_strTableSpace;
    CString m_strIndexSpace;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    CBaseDoc& m_doc;
    int m_nMode;
};
