#include "platform/gdi/DrawLog.h"

std::vector<DrawCall> DrawLog::Of(const std::string& op) const
{
    std::vector<DrawCall> found;
    for (const DrawCall& call : calls)
        if (call.op == op)
            found.push_back(call);
    return found;
}
