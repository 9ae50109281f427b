// A document to build small data models in: conceptual files, clones, relation arrows and
// implementation groups, each added under a fresh id in an undo step of its own.
#pragma once

#include "tests/document/DocumentTestSupport.h"

#include "model/DataModelClasses.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/RelLineObj.h"

// The object with the id, as the class the caller knows it to be.
template <class T = CObject>
T& ObjectIn(const CBaseDoc& doc, WORD id)
{
    CObject* object = nullptr;
    doc.FindObjectById(id, object);
    return *STATIC_DOWNCAST(T, object);
}

class RelationModel
{
public:
    RelationModel() { RegisterDataModelClasses(); }

    WORD File(const char* name, const CPoint& topLeft = CPoint(0, 0))
    {
        auto* file = new CFileComp(doc.NewObjectId(), CRect(topLeft.x, topLeft.y, topLeft.x + 240, topLeft.y - 160));
        file->SetFileName(name);
        return Add(file);
    }
    // A clone of the file; 0 makes one without an original.
    WORD Clone(WORD originalId, const char* text = "")
    {
        return Add(new CFileClone(doc.NewObjectId(), CRect(0, 0, 100, -30), text, originalId));
    }
    WORD Arrow(WORD kind, WORD startId, WORD endId, BOOL main = FALSE)
    {
        auto* arrow = new CRelLineObj(doc.NewObjectId(), kind);
        arrow->AddPoint(CPoint(0, 0));
        arrow->AddPoint(CPoint(0, -100));
        arrow->SetStartObjectId(startId);
        arrow->SetEndObjectId(endId);
        arrow->SetMainArrow(main);
        return Add(arrow);
    }
    WORD Group(WORD fileId)
    {
        auto* group = new CFileImplObj(doc.NewObjectId());
        group->SetImplementedFileId(fileId);
        return Add(group);
    }

    template <class T = CObject>
    T& Get(WORD id) const
    {
        return ObjectIn<T>(doc, id);
    }
    CFileComp& FileAt(WORD id) const { return Get<CFileComp>(id); }
    CRelLineObj& ArrowAt(WORD id) const { return Get<CRelLineObj>(id); }

    TestApp app;
    mutable TestDoc doc;

private:
    template <class T>
    WORD Add(T* object)
    {
        CUndoStep step(&doc);
        doc.AddObject(object);
        return object->GetObjectId();
    }
};

// The id of a found object, 0 for none.
inline int IdOf(const CObject* object)
{
    return DrawObjects::GetObjectId(object);
}
