// An owning pointer to a libgsf object that drops its reference when destroyed. Declared apart from
// libgsf's headers so that public headers can hold such objects without including glib.
#pragma once

#include <memory>

struct GsfUnref
{
    void operator()(void* object) const;
};

template <typename T>
using GsfHandle = std::unique_ptr<T, GsfUnref>;
