// CRelLineDlg: the settings of a 1:N relation arrow — its cardinality (with the constant of the
// constant cardinality) and whether the child's key may be NULL. The rules are RelLineDlgRules'.
#pragma once

#include "model/RelLineDlgRules.h"
#include "platform/ui/Dialog.h"

class CBaseDoc;
class CRelLineObj;

class CRelLineDlg : public CDialog
{
public:
    static constexpr UINT IDD = 338;
    static constexpr int IDC_CARDINALITY_FIRST = 1405; // 1405 to 1408: cardinality 1 to 4
    static constexpr int IDC_CONSTANT = 1409;
    static constexpr int IDC_NULL_ALLOWED = 1410;
    static constexpr int IDC_NULL_REFUSED = 1411;

    CRelLineDlg(CBaseDoc& doc, CRelLineObj& arrow, BOOL noTitle, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnCardinality(UINT id);
    void OnNullButton(UINT id);

    RelLineDlgRules::OneToManySettings m_settings;

protected:
    void BuildDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    const MessageMap* GetMessageMap() const override;

private:
    void ApplyEnables();

    CBaseDoc& m_doc;
    CRelLineObj& m_arrow;
    BOOL m_bNoTitle;
    BOOL m_bReadOnly;
};
