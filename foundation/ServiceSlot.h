// The one registered implementation of a narrow service interface through which a lower layer
// calls a higher one. The higher layer registers itself at start-up; tests register a stand-in.
#pragma once

#include <utility>

template <class Service>
class ServiceSlot
{
public:
    // The registered implementation, or null when none is registered.
    static Service* Get() { return s_current; }
    // Registers the implementation (null unregisters) and returns the one it replaces.
    static Service* Set(Service* service) { return std::exchange(s_current, service); }

private:
    static inline Service* s_current = nullptr;
};
