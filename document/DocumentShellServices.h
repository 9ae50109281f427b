// What opening a document needs of the application, which lives in the shell above: the
// read-only request of the application's own open dialog, consumed by the next open. The
// application registers one implementation; without it no open is requested read-only.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/WinTypes.h"

class DocumentShellServices
{
public:
    virtual ~DocumentShellServices() = default;

    virtual BOOL GetOpenReadOnlyRequest() const = 0;
    virtual void ClearOpenReadOnlyRequest() = 0;
};

// The registered application, or null; registering returns the one it replaces.
constexpr auto GetDocumentShellServices = &ServiceSlot<DocumentShellServices>::Get;
constexpr auto SetDocumentShellServices = &ServiceSlot<DocumentShellServices>::Set;
