#include "view/FrameServices.h"

#include <utility>

namespace FrameServicesImpl {

FrameServices*& Registered()
{
    static FrameServices* services = nullptr;
    return services;
}

} // namespace FrameServicesImpl

FrameServices* GetFrameServices()
{
    return FrameServicesImpl::Registered();
}

FrameServices* SetFrameServices(FrameServices* services)
{
    return std::exchange(FrameServicesImpl::Registered(), services);
}
