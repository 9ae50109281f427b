#include "document/DocumentShellServices.h"

#include <utility>

namespace document_shell_services {

DocumentShellServices*& Registered()
{
    static DocumentShellServices* services = nullptr;
    return services;
}

} // namespace document_shell_services

DocumentShellServices* GetDocumentShellServices()
{
    return document_shell_services::Registered();
}

DocumentShellServices* SetDocumentShellServices(DocumentShellServices* services)
{
    return std::exchange(document_shell_services::Registered(), services);
}
