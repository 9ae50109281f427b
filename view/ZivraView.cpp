#include "view/ZivraView.h"

#include "objects/DrawObjects.h"
#include "platform/afx/MessageSink.h"
#include "platform/afx/StringTable.h"
#include "platform/ui/FrameworkIds.h"

IMPLEMENT_DYNCREATE(CZivraView, CBaseView)

void CZivraView::OnInitialUpdate()
{
    CBaseView::OnInitialUpdate();
}

void CZivraView::OnDraw(CDC* dc)
{
    CBaseView::OnDraw(dc);
}

UINT CZivraView::GetSelectionHelpContext() const
{
    if (GetSelection().GetCount() != 1)
        return HELP_CONTEXT_DRAWING;
    const WORD kind = DrawObjects::GetKind(GetLastSelected());
    return kind != 0 ? HELP_CONTEXT_KIND_BASE + kind : HELP_CONTEXT_DRAWING;
}

void CZivraView::OnHelp()
{
    ShowHelpContext(GetSelectionHelpContext());
}

void CZivraView::ShowHelpContext(UINT context)
{
    AfxMessageBox(AFX_IDS_NO_HELP, MB_OK | MB_ICONINFORMATION, context);
}

void CZivraView::PrintHeaderFooter(CDC* dc, CPrintInfo* info)
{
    DrawPrintHeader(dc, info, FALSE);
}

const MessageMap* CZivraView::GetMessageMap() const
{
    static const MessageMap map{CBaseView::GetMessageMap(),
                                {
                                    MapCommand(ID_FILE_PRINT, &CZivraView::OnFilePrint),
                                    MapCommand(ID_FILE_PRINT_DIRECT, &CZivraView::OnFilePrintDirect),
                                    MapCommand(ID_FILE_PRINT_PREVIEW, &CZivraView::OnFilePrintPreview),
                                    MapCommand(ID_HELP, &CZivraView::OnHelp),
                                }};
    return &map;
}
