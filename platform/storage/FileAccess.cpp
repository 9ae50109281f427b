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

namespace file_access {

bool OwnerMayWrite(const std::string& path, int mode)
{
    struct stat st
    {
    };
    return stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) && access(path.c_str(), mode) == 0;
}

} // namespace file_access

bool FileAccess::IsWritable(const std::string& path)
{
    return file_access::OwnerMayWrite(path, W_OK);
}

bool FileAccess::IsFolderWritable(const std::string& path)
{
    return file_access::OwnerMayWrite(FolderOf(path), W_OK | X_OK);
}
