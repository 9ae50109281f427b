// What the drawing views need of the data model, which lives higher up: the kind of a relation
// arrow, the conceptual file an arrow end stands for, the loop rule of subtype arrows, and how a
// modelling object describes itself in the status bar. The view moves, reconnects and copies
// arrows with these answers. The model registers the implementation
// at start-up; tests register a stand-in. Without one no object is a relation arrow.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/String.h"
#include "platform/afx/WinTypes.h"

class CBaseDoc;
class CObject;

// The kinds of relation arrow.
constexpr WORD REL_KIND_ONE_TO_MANY = 1;
constexpr WORD REL_KIND_SUBTYPE = 2;
constexpr WORD REL_KIND_SUBSTRUCTURE = 3;
constexpr WORD REL_KIND_SUPERTYPE = 4;

class ModelViewServices
{
public:
    virtual ~ModelViewServices() = default;

    // The arrow's kind (REL_KIND_*); 0 for an object that is no relation arrow.
    virtual WORD GetRelArrowKind(const CObject* object) const = 0;
    // The conceptual file an arrow end stands for: a conceptual file itself, the file a clone
    // stands for; 0 for a clone of no file and for any other object.
    virtual WORD GetReferencedFileId(const CObject* end) const = 0;
    // A subtype or substructure arrow from start to end would close a loop of such arrows.
    virtual BOOL WouldCreateSubTypeLoop(const CBaseDoc& doc, CObject* start, CObject* end) const = 0;
    // The status-bar description of a modelling object with texts of its own (its type name and
    // those texts); FALSE for any other object, which the view names by its type.
    virtual BOOL DescribeObject(const CBaseDoc& doc, const CObject* object, CString& text) const = 0;
};

// The registered model, or null; registering returns the one it replaces.
constexpr auto GetModelViewServices = &ServiceSlot<ModelViewServices>::Get;
constexpr auto SetModelViewServices = &ServiceSlot<ModelViewServices>::Set;

// The kind of a relation arrow through the registered model; 0 without one.
inline WORD GetRelArrowKindOf(const CObject* object)
{
    const ModelViewServices* model = GetModelViewServices();
    return model ? model->GetRelArrowKind(object) : 0;
}

inline BOOL IsSubTypeArrowKind(WORD kind)
{
    return kind == REL_KIND_SUBTYPE || kind == REL_KIND_SUBSTRUCTURE;
}
