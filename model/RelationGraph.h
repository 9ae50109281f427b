// The relation graph of a document: its object list read through the relation arrows. A conceptual
// file stands for itself; a clone whose original is set stands for that original wherever the graph
// is followed; a clone without an original stands for no file. An arrow ends at file F when its end
// object id is F or its end object is a clone of F. The main arrow of F is the first subtype or
// substructure arrow with the main flag that ends at F; its start (a start clone taken as its
// original) is F's parent.
//
// Every query walks the object list from its head in drawing order and answers with the first
// match; none changes anything and none is cached. File id 0 names no file. The walks up the chain
// of parents stop at a file they have passed before, so a parent loop in a file from elsewhere
// answers instead of hanging.
#pragma once

#include "document/BaseDoc.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"

#include <functional>

class CComboBox;
class CFileComp;
class CFileImplObj;
class CObject;
class CRelLineObj;

namespace RelationGraph {

// The first object of the class, in drawing order, for which test holds; null when none does.
template <class T, class Test>
T* FindObjectOf(const CBaseDoc& doc, Test test)
{
    const CObList* objects = doc.GetObjectList();
    for (POSITION pos = objects->GetHeadPosition(); pos;) {
        T* object = DYNAMIC_DOWNCAST(T, objects->GetNext(pos));
        if (object && test(*object))
            return object;
    }
    return nullptr;
}
// Calls visit for every object of the class in drawing order.
template <class T, class Visit>
void ForEachObjectOf(const CBaseDoc& doc, Visit visit)
{
    FindObjectOf<T>(doc, [&](T& object) {
        visit(object);
        return false;
    });
}

// --- Resolving arrow ends ---------------------------------------------------------------------
// The box or line object with the id, or null.
CObject* FindObject(const CBaseDoc& doc, WORD objectId);
// The conceptual file the object stands for: itself, or the original of a clone when that exists
// and is a conceptual file; null otherwise.
CFileComp* ResolveFileComp(const CBaseDoc& doc, CObject* object);
// The same with the original found by the lookup.
CFileComp* ResolveFileComp(CObject* object, const std::function<CObject*(WORD objectId)>& findObject);
// The id the object stands for: a conceptual file's own id, a clone's original id (0 without one),
// 0 for null and any other object. Whether the original exists is not checked.
WORD ResolveFileId(const CObject* object);
// A conceptual file, or a clone whose original is set.
BOOL StandsForFile(const CObject* object);
// The start and end objects with clones resolved: a conceptual file as it is, a clone with an
// original replaced by that original, a clone without one as itself. FALSE (both null) when an end
// object or the original it names is missing.
BOOL GetRelLineEndFiles(const CBaseDoc& doc, const CRelLineObj& arrow, CObject*& start, CObject*& end);
BOOL IsRelLineStartFile(const CBaseDoc& doc, const CRelLineObj& arrow);
BOOL IsRelLineEndFile(const CBaseDoc& doc, const CRelLineObj& arrow);
BOOL IsRelLineBetweenFiles(const CBaseDoc& doc, const CRelLineObj& arrow);

// --- Arrows ending at a file --------------------------------------------------------------------
// The first arrow, other than the skipped one, that ends at the file or one of its clones and
// passes the test, which is told whether the arrow ends at the file itself; null when none does.
using RelLineTest = std::function<bool(const CRelLineObj& arrow, BOOL direct)>;
CRelLineObj* FindRelLineEndingAtIf(const CBaseDoc& doc, WORD fileId, WORD skipId, const RelLineTest& test);
// A subtype or substructure arrow with the main flag.
BOOL IsMainSubTypeRelLine(const CRelLineObj& arrow);
// The main arrow of the file other than the skipped one, or null.
CRelLineObj* FindMainSubTypeRelLine(const CBaseDoc& doc, WORD fileId, WORD skipId);
// The same for the end object of the arrow.
CRelLineObj* FindMainSubTypeRelLineAtEndOf(const CBaseDoc& doc, const CRelLineObj& arrow, WORD skipId);
// The first arrow of the kind (0: any kind), other than the skipped one, that ends at the file. With
// resolvedStart an arrow ending at the file itself counts only when its start exists and is not a
// clone without an original; one ending at a clone of the file is taken as it is.
CRelLineObj* FindRelLineEndingAt(const CBaseDoc& doc, WORD fileId, WORD kind, WORD skipId, BOOL resolvedStart);
int CountRelLinesEndingAt(const CBaseDoc& doc, WORD fileId, WORD kind, WORD skipId, BOOL resolvedStart);
// Arrows of a kind other than 1:N whose start or end id is the id itself (clones not resolved).
int CountNonOneToManyRelLinesAt(const CBaseDoc& doc, WORD objectId);
// Some subtype or substructure (supertype) arrow ends at the file. withClones: an arrow ending at a
// clone of the file counts too, and every counted arrow must start at an object that stands for a
// file.
BOOL IsSubTypeChildFile(const CBaseDoc& doc, WORD fileId, BOOL withClones);
BOOL IsSuperTypeFile(const CBaseDoc& doc, WORD fileId, BOOL withClones);
// Some arrow of any kind runs from the start object to the end object; with resolveClones an arrow
// from or to a clone of either counts too.
BOOL HasRelLineBetween(const CBaseDoc& doc, WORD startId, WORD endId, BOOL resolveClones);

// --- Parents and ancestors --------------------------------------------------------------------
// The start of the file's main arrow as a conceptual file (a start clone's original); null when
// there is no main arrow or its start is missing, a clone without an original or another object.
CFileComp* GetParentFileComp(const CBaseDoc& doc, WORD fileId);
// The id is that of the file's parent, the parent's parent, and so on.
BOOL IsAncestorFileComp(const CBaseDoc& doc, WORD ancestorId, const CFileComp& file);
// The first parent upward without a parent of its own; with stopAtImplGroup, earlier the first one
// that has a parent but is implemented by an implementation group. Null when the file has no parent.
CFileComp* FindTopParentFileComp(const CBaseDoc& doc, const CFileComp& file, BOOL stopAtImplGroup);
// The parent; while that has a parent and is merged into it, that parent instead. Null without one.
CFileComp* FindMergeTargetFileComp(const CBaseDoc& doc, const CFileComp& file);

// --- Lookups ------------------------------------------------------------------------------------
CFileImplObj* FindImplGroupForFile(const CBaseDoc& doc, const CFileComp& file);
// The first conceptual file whose name equals the text byte for byte.
CFileComp* FindFileCompByName(const CBaseDoc& doc, const CString& name);
BOOL HasFileComp(const CBaseDoc& doc);
// File id 0 empties the combo: 0. The file's data items fill it: the list's result. No conceptual
// file with that id: -1.
int FillDataItemCombo(const CBaseDoc& doc, WORD fileId, CComboBox* combo, BOOL keyItemsOnly, BOOL withNone);

// --- Marks cleared before a modelling pass ------------------------------------------------------
void ClearNameMatchMarks(const CBaseDoc& doc);
void ClearDataItemUpdateMarks(const CBaseDoc& doc);
// Every conceptual file's marks and its items' transient fields, and every arrow's run-time mark.
void ClearRkeyPassMarks(const CBaseDoc& doc);

} // namespace RelationGraph
