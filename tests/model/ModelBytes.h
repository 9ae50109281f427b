// The document's objects as the file stores them, in drawing order: two documents whose bytes are
// equal hold the same model.
#pragma once

#include "document/BaseDoc.h"
#include "tests/model/ArchiveBytes.h"

#include <string>

inline std::string ObjectListBytes(const CBaseDoc& doc)
{
    return ArchiveBytes::Store([&](CArchive& ar) {
        const CObList* objects = doc.GetObjectList();
        ar << DWORD(objects->GetCount());
        for (POSITION pos = objects->GetHeadPosition(); pos;)
            ar << objects->GetNext(pos);
    });
}
