#include "platform/storage/FileAccess.h"

#include <sys/stat.h>
#include <unistd.h>

std::string FileAccess::FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool FileAccess::IsWritable(const std::string& path)
{
    struct stat st
    {
    };
    if (stat(path.c_str(), &st) != 0 || !(st.st_mode & S_IWUSR))
        return false;
    return access(path.c_str(), W_OK) == 0 && access(FolderOf(path).c_str(), W_OK | X_OK) == 0;
}
