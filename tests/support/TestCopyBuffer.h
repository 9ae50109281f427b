// Registered as the main frame's copy buffer while it lives.
#pragma once

#include "document/CopyBufferServices.h"
#include "objects/CopyList.h"
#include "document/BaseDoc.h"
#include "platform/ui/OleDataObject.h"

class TestCopyBuffer : public CopyBufferServices
{
public:
    TestCopyBuffer() : m_previous(SetCopyBufferServices(this)) {}
    ~TestCopyBuffer() override { SetCopyBufferServices(m_previous); }
    TestCopyBuffer(const TestCopyBuffer&) = delete;
    TestCopyBuffer& operator=(const TestCopyBuffer&) = delete;

    CCopyList* LoadCopyBuffer(const COleDataObject& data, CBaseDoc* target) override
    {
        if (buffer.LoadFromDataObject(data, target) < 0)
            buffer.DeleteAllHolds();
        return &buffer;
    }

    CCopyList buffer;

private:
    CopyBufferServices* m_previous;
};
