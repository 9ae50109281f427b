#include "foundation/AppServices.h"

namespace AppServicesRegistry {

AppServices*& Current()
{
    static AppServices* current = nullptr;
    return current;
}

} // namespace AppServicesRegistry

AppServices* GetAppServices()
{
    return AppServicesRegistry::Current();
}

AppServices* SetAppServices(AppServices* services)
{
    AppServices* previous = AppServicesRegistry::Current();
    AppServicesRegistry::Current() = services;
    return previous;
}
