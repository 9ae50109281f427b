// CGdiObject: the base of pens, brushes, fonts, bitmaps and regions, and the stock objects.
#pragma once

#include "platform/gdi/GdiObjectData.h"

class CGdiObject
{
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_data.get(); }
    operator HGDIOBJ() const { return m_data.get(); }
    // Lets go of the object; device contexts that still have it selected keep using it.
    BOOL DeleteObject();
    // Makes this object refer to one of the stock objects (WHITE_BRUSH, NULL_PEN, SYSTEM_FONT, ...).
    BOOL CreateStockObject(int index);

    // The wrapper that created the data, or null.
    static CGdiObject* FromHandle(HGDIOBJ handle) { return handle ? handle->Owner() : nullptr; }

protected:
    friend class CDC; // wraps data whose creating object is gone
    void Adopt(std::shared_ptr<GdiObjectData> data);
    template <typename Data>
    Data* DataAs() const
    {
        return m_data && m_data->GetKind() == Data::kKind ? static_cast<Data*>(m_data.get()) : nullptr;
    }

private:
    std::shared_ptr<GdiObjectData> m_data;
};

// The stock object of that index, or null for an index we do not have.
HGDIOBJ GetStockObject(int index);
