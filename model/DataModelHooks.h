// DataModelHooks: the data model's answers to what the document asks of it. Registered once at
// start-up by RegisterDataModelClasses.
#pragma once

#include "document/ModelHooks.h"

class DataModelHooks : public DocumentModelHooks
{
public:
    void ClearUpdateMarks(CBaseDoc* document) override;
    BOOL CleanUpRemovedObject(CBaseDoc* document, CObject* removed) override;
    // The removal clean-ups clear the marks they set right after setting them.
    BOOL CleanUpLeavesUpdateMarksClear() const override { return TRUE; }
    BOOL ApplyModelCommand(CBaseDoc* document, CObject* object, UINT commandId, BOOL* changed) override;
    BOOL DetachCloneOriginal(CBaseDoc* document, CObject* clone, BOOL* detached) override;
    // An arrow's kind fields follow its kind's rules; a conceptual file hands its old subtype
    // settings over to its main arrow.
    void ConvertOldFileObject(CBaseDoc* document, CObject* object) override;
    // A conceptual file's texts and items (FileCompItemLists).
    BOOL CommitModelTextEdit(CBaseDoc* document, CObject* object, CFloatEdit*& editor, DWORD editFlags,
                             BOOL* changed) override;
    BOOL EditModelDataItems(CBaseDoc* document, CObject* object, BOOL* changed) override;
    BOOL ReplaceModelObjectText(CBaseDoc* document, CObject* object, const CString& text, const CString& replacement,
                                BOOL matchCase, BOOL* changed) override;
    // See PastedReferences.h.
    void RemapPastedReferences(CBaseDoc* document, CCopyList* buffer) override;
    // A file's dialog and clone, a clone's original (ModelOperations).
    BOOL ExecuteModelOperation(CBaseDoc* document, CObject* object, UINT commandId, DWORD hitCode, DWORD partWord,
                               BOOL* changed) override;
};
