// CZivraDoc: the document class that the application's document template creates.
#pragma once

#include "document/BaseDoc.h"

class CZivraDoc : public CBaseDoc
{
    DECLARE_DYNCREATE(CZivraDoc)
public:
    CZivraDoc() = default;

    CString GetProductName() const override;
};
