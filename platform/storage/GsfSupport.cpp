#include "platform/storage/GsfSupport.h"

#include <mutex>

void EnsureGsfInitialized()
{
    static std::once_flag initialized;
    std::call_once(initialized, [] { gsf_init(); });
}

void GsfUnref::operator()(void* object) const
{
    if (object)
        g_object_unref(object);
}

std::string TakeGErrorMessage(GError* error, const std::string& fallback)
{
    if (!error)
        return fallback;
    std::string message = error->message ? error->message : fallback;
    g_error_free(error);
    return message;
}
