// CRefDoc: one structure diagram that this document refers to. The data model's references of
// form 3 name a conceptual file or data item in another document file by the entry's number; the
// entry keeps that file's path and its title, and the document opened from it without a window
// while the referencing document is open.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

class CBaseDoc;
class CDocTemplate;

class CRefDoc : public CObject
{
    DECLARE_SERIAL(CRefDoc)
public:
    CRefDoc() = default;
    CRefDoc(WORD number, const CString& path, const CString& title);
    // Releases the hidden document: it lives no longer than the referencing document.
    ~CRefDoc() override;
    CRefDoc(const CRefDoc&) = delete;
    CRefDoc& operator=(const CRefDoc&) = delete;

    // Record version, number, path and title.
    void Serialize(CArchive& ar) override;

    // Opens the referenced diagram as a hidden document of the template (or of the document class
    // when there is none). The stored path is tried first, then its file name in the folder of the
    // referencing document, so that a set of diagrams moved together (or written on Windows) still
    // opens. FALSE, after telling the user, when neither can be opened; an empty path fails
    // silently.
    BOOL Open(const CString& referencingPath, CDocTemplate* docTemplate);
    // TRUE while no document has been opened or the opened one holds no objects.
    BOOL IsEmpty() const;
    BOOL IsLoaded() const { return !IsEmpty(); }
    CBaseDoc* GetDocument() const { return m_pDocument; }

    WORD GetNumber() const { return m_wNumber; }
    const CString& GetPath() const { return m_strPath; }
    const CString& GetTitle() const { return m_strTitle; }

private:
    // The path to open: the stored one, or the file of that name next to the referencing
    // document; empty when neither can be read.
    CString LocateFile(const CString& referencingPath) const;
    void ReleaseDocument();

    WORD m_wVersion = 1001;
    WORD m_wNumber = 0;
    CString m_strPath;
    CString m_strTitle;
    CBaseDoc* m_pDocument = nullptr;
};
