#include "document/ZivraDoc.h"

IMPLEMENT_DYNCREATE(CZivraDoc, CBaseDoc)

CString CZivraDoc::GetProductName() const
{
    return CString("Zivra");
}
