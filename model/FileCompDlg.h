// CFileCompDlg: every attribute of one conceptual file — number, name, file type, I/O numbers,
// update right, the parent and discriminator kept on its main subtype arrow, summary, examples and
// the physical design group. The rules are FileCompDlgRules'; OK only validates and closes, the
// caller writes back inside its undo step.
#pragma once

#include "model/FileCompDlgRules.h"
#include "platform/ui/Dialog.h"

class CBaseDoc;
class CFileComp;

class CFileCompDlg : public CDialog
{
public:
    static constexpr UINT IDD = 315;
    static constexpr int IDC_FILE_TYPE = 1127;
    static constexpr int IDC_NUMBER = 1213;
    static constexpr int IDC_NAME = 1214;
    static constexpr int IDC_UPDATE_RIGHT = 1216;
    static constexpr int IDC_IO_NUMBERS = 1217;
    static constexpr int IDC_PARENT = 1218;
    static constexpr int IDC_ITEM = 1219;
    static constexpr int IDC_VALUE = 1220;
    static constexpr int IDC_SUMMARY = 1221;
    static constexpr int IDC_EXAMPLES = 1222;
    static constexpr int IDC_DATA_ITEMS = 1223;
    static constexpr int IDC_DISCRIMINATOR_FILE = 1224;
    static constexpr int IDC_PHYSICAL_TARGET = 1330;
    static constexpr int IDC_MERGED = 1331;
    static constexpr int IDC_TABLE_NAME = 1311;
    static constexpr int IDC_INDEX_NAME = 1332;
    static constexpr int IDC_TABLE_SPACE = 1394;
    static constexpr int IDC_INDEX_SPACE = 1395;
    static constexpr int IDC_DEDICATED = 1397;
    static constexpr int IDC_DEFINITION_FILE = 1398;

    CFileCompDlg(CBaseDoc& doc, CFileComp& file, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnFileTypeChosen();
    void OnUpdateRight();
    void OnParentChosen();
    void OnDiscriminatorFileChosen();
    void OnItemChosen();
    void OnPhysicalTarget();
    void OnMerged();
    void OnDedicated();
    void OnDefinitionFileChosen();
    void OnDataItems();

    FileCompDlgRules::FileCompSettings m_settings;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    void RefreshSubTypeGroup();
    void FillItems();
    void ApplyEnables();
    void SelectByData(int id, DWORD_PTR data, DWORD_PTR mask = ~DWORD_PTR(0));

    CBaseDoc& m_doc;
    CFileComp& m_file;
    BOOL m_bReadOnly;
};
