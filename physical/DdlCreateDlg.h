// CDdlCreateDlg: the options of a CREATE TABLE generation: which files, the table and column rules,
// how tables, columns and primary keys are named, and the DROP, NULL, DEFAULT and tablespace
// clauses. Word 0 is DdlOptTable, word 1 DdlOptColumn; the affixes are the table-name prefix and
// the primary-key prefix and suffix.
#pragma once

#include "physical/OptionWordDlg.h"

class CDdlCreateDlg : public COptionWordDlg
{
public:
    static constexpr UINT IDD = 332;
    enum {
        IDC_PHYSICAL_FILES = 1348,
        IDC_ALL_FILES = 1349,
        IDC_TABLE_PREFIX_CHECK = 1357,
        IDC_TABLE_PREFIX = 1358,
        IDC_NO_PRIMARY_KEY = 1363,
        IDC_KEY_NO_NAME = 1366,
        IDC_KEY_INDEX_NAME = 1367,
        IDC_KEY_PREFIX_CHECK = 1368,
        IDC_KEY_SUFFIX_CHECK = 1369,
        IDC_KEY_PREFIX = 1370,
        IDC_KEY_SUFFIX = 1371,
    };

    explicit CDdlCreateDlg(CWnd* parent = nullptr) : COptionWordDlg(IDD, parent) {}

protected:
    const char8_t* GetTitle() const override { return u8"CREATE TABLE文の生成"; }
    std::span<const Box> GetBoxes() const override;
    DWORD GetFixedBits(int word) const override { return word == 0 ? 0x10000 : 0; }
    std::span<const DefaultValue> GetDefaults() const override;
    const char8_t* GetDefaultTexts(int which) const override;
    void ApplyEnabling() override;
};
