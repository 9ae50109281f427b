#include "platform/storage/GsfSupport.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <utility>

namespace gsf_support {

// Enough to tell what went wrong; a damaged file can make libgsf repeat itself many times.
constexpr std::size_t kLogLimit = 2000;

thread_local std::string logged;

void RecordLogMessage(const gchar*, GLogLevelFlags, const gchar* message, gpointer)
{
    if (logged.size() >= kLogLimit || !message)
        return;
    if (!logged.empty())
        logged += "; ";
    logged.append(message, std::min(std::char_traits<char>::length(message), kLogLimit - logged.size()));
}

// libgsf logs under its own domain and one for each container format.
const char* const kLogDomains[] = {"libgsf", "libgsf:msole", "libgsf:zip", "libgsf:tar", "libgsf:open_pkg"};

} // namespace gsf_support

void EnsureGsfInitialized()
{
    static std::once_flag initialized;
    std::call_once(initialized, [] {
        gsf_init();
        // A fatal error still ends the program as GLib does; everything else is recorded.
        const auto levels = GLogLevelFlags((G_LOG_LEVEL_MASK & ~G_LOG_LEVEL_ERROR) | G_LOG_FLAG_RECURSION);
        for (const char* domain : gsf_support::kLogDomains)
            g_log_set_handler(domain, levels, &gsf_support::RecordLogMessage, nullptr);
    });
}

std::string TakeGsfLogMessages()
{
    return std::exchange(gsf_support::logged, std::string());
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
