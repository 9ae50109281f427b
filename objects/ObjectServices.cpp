#include "objects/ObjectServices.h"

namespace {
ObjectServices* g_objectServices = nullptr;
}

ObjectServices* GetObjectServices()
{
    return g_objectServices;
}

ObjectServices* SetObjectServices(ObjectServices* services)
{
    ObjectServices* previous = g_objectServices;
    g_objectServices = services;
    return previous;
}
