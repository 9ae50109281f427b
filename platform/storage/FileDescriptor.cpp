#include "platform/storage/FileDescriptor.h"

#include <unistd.h>

void FileDescriptor::Reset()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
}
