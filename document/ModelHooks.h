// What the document asks of the data model (conceptual files, clones, relation arrows), which lives
// in a layer above the document. The model registers one implementation at start-up; without it
// the document treats every object as a plain drawing object.
#pragma once

#include "foundation/ServiceSlot.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"

class CBaseDoc;
class CCopyList;
class CFloatEdit;

// What the model keeps about a document's list for one command step (its indexes). The document
// owns it and lets go of it whenever objects are replaced or dropped without records: undo, redo,
// reading, emptying, taking a paste back.
class DocumentModelCache
{
public:
    virtual ~DocumentModelCache() = default;
};

class DocumentModelHooks
{
public:
    virtual ~DocumentModelHooks() = default;

    // Clears the per-pass update marks of every data item and relation arrow.
    virtual void ClearUpdateMarks(CBaseDoc* document) = 0;
    // After a modelling object left the list: clears what referred to it (with changed-records) and
    // removes what hangs on it. FALSE when the object is not a modelling object; the document then
    // does the plain clean-up itself.
    virtual BOOL CleanUpRemovedObject(CBaseDoc* document, CObject* removed) = 0;
    // TRUE when a clean-up leaves the update marks as clear as it found them, so that the next one
    // of the same removal needs no clearing first.
    virtual BOOL CleanUpLeavesUpdateMarksClear() const { return FALSE; }
    // An attribute command that the model carries out through document operations (the relation
    // arrow's kind commands); FALSE when the object or command is not one of them, with *changed
    // untouched.
    virtual BOOL ApplyModelCommand(CBaseDoc* document, CObject* object, UINT commandId, BOOL* changed) = 0;
    // The clone operation that lets a conceptual-file clone go of its original file: the arrows at
    // the clone lose the main roles and discriminators they held through it. FALSE when the object
    // is no clone, with *detached untouched; *detached is FALSE for a clone without an original.
    virtual BOOL DetachCloneOriginal(CBaseDoc* /*document*/, CObject* /*clone*/, BOOL* /*detached*/) { return FALSE; }
    // After a file older than the current version was read: brings one object of the list up to
    // date (old subtype settings of a conceptual file move onto its arrow, an arrow's kind fields
    // are reset). Objects that need nothing are left alone.
    virtual void ConvertOldFileObject(CBaseDoc* /*document*/, CObject* /*object*/) {}
    // Replaces the text in a modelling object's texts and carries the change on (a conceptual
    // file's new name to its clones, renamed data items to what refers to them); FALSE when the
    // object is not a modelling object, with *changed untouched. The document has recorded the
    // object for undo already.
    virtual BOOL ReplaceModelObjectText(CBaseDoc* /*document*/, CObject* /*object*/, const CString& /*text*/,
                                        const CString& /*replacement*/, BOOL /*matchCase*/, BOOL* /*changed*/)
    {
        return FALSE;
    }
    // Items of conceptual files. Ending an in-place edit of a modelling object, with the object
    // recorded for undo: a conceptual file's edited key or data text becomes its items and a new
    // name reaches its clones; a failure leaves the object's texts as they were. FALSE when the
    // object is not one the model edits, with *changed untouched.
    virtual BOOL CommitModelTextEdit(CBaseDoc* /*document*/, CObject* /*object*/, CFloatEdit*& /*editor*/,
                                     DWORD /*editFlags*/, BOOL* /*changed*/)
    {
        return FALSE;
    }
    // The data items dialog of a conceptual file; *changed tells whether the edited items were
    // applied and changed the document. FALSE when the object is no conceptual file.
    virtual BOOL EditModelDataItems(CBaseDoc* /*document*/, CObject* /*object*/, BOOL* /*changed*/) { return FALSE; }
    // After a paste placed the copy buffer's objects: points the references between modelling
    // objects (data items, derivation sources, clones, implementation groups, discriminators) at
    // the pasted copies, keeps those whose targets this document holds and clears the rest.
    virtual void RemapPastedReferences(CBaseDoc* /*document*/, CCopyList* /*buffer*/) {}
    // An operation command (22000 to 22999) that the model carries out through document operations
    // (a file's clone, a clone's original, what follows a file's dialog); FALSE when the object or
    // command is not one of them, with *changed untouched. The document has recorded the object
    // unless it is read-only.
    virtual BOOL ExecuteModelOperation(CBaseDoc* /*document*/, CObject* /*object*/, UINT /*commandId*/,
                                       DWORD /*hitCode*/, DWORD /*partWord*/, BOOL* /*changed*/)
    {
        return FALSE;
    }
};

// The registered model, or null; registering returns the one it replaces.
constexpr auto GetDocumentModelHooks = &ServiceSlot<DocumentModelHooks>::Get;
constexpr auto SetDocumentModelHooks = &ServiceSlot<DocumentModelHooks>::Set;
