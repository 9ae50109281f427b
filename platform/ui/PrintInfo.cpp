#include "platform/ui/PrintInfo.h"

CPrintInfo::CPrintInfo(QPrinter* printer) : m_pPrinter(printer) {}

UINT CPrintInfo::GetFromPage() const
{
    return m_nFromPage != 0 ? m_nFromPage : m_nMinPage;
}

UINT CPrintInfo::GetToPage() const
{
    return m_nToPage != 0 ? m_nToPage : m_nMaxPage;
}
