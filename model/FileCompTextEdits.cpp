// A conceptual file's texts as the user changes them directly: ending an in-place edit of one of
// its parts, and find and replace over all of them. What depends on the texts (the items after a
// key or data text, the clones after the name) is the document's to bring up to date.
#include "model/FileComp.h"

#include "foundation/TextFunctions.h"
#include "model/ObjectTexts.h"
#include "objects/FloatEdit.h"

#include <memory>
#include <utility>

namespace FileCompTextEdits {

// The edit flag that drops the line breaks of each text when it is stored.
constexpr DWORD kFlagName = 1;
constexpr DWORD kFlagKey = 2;
constexpr DWORD kFlagData = 4;
constexpr DWORD kFlagExamples = 8;

CString Stored(const CString& text, DWORD editFlags, DWORD flag)
{
    if (!(editFlags & flag))
        return text;
    CString joined;
    return RemoveCrLf(joined, text);
}

} // namespace FileCompTextEdits

BOOL CFileComp::EndEdit(CFloatEdit*& editor, DWORD editFlags)
{
    using namespace FileCompTextEdits;
    if (m_dwEditedPart & PART_NUM_IO_LABEL)
        return m_numIOSource.EndEdit(editor, editFlags);
    std::unique_ptr<CFloatEdit> closing(std::exchange(editor, nullptr));
    if (!closing || !closing->GetModify())
        return FALSE;
    const CString text = closing->GetText();
    if (m_dwEditedPart & PART_NUMBER) {
        if (text != m_strNumber)
            m_strNumber = text;
        m_wNumberState = 0;
    } else if (m_dwEditedPart & PART_NAME) {
        m_strName = Stored(text, editFlags, kFlagName);
    } else if (m_dwEditedPart & PART_KEY) {
        m_strKeyText = Stored(text, editFlags, kFlagKey);
    } else if (m_dwEditedPart & PART_DATA) {
        m_strDataText = Stored(text, editFlags, kFlagData);
    } else if (m_dwEditedPart & PART_EXAMPLE) {
        m_strCodeSample = Stored(text, editFlags, kFlagExamples);
    } else {
        return FALSE;
    }
    return TRUE;
}

BOOL CFileComp::IsKeyOrDataPart() const
{
    return !(m_dwEditedPart & PART_NUM_IO_LABEL) && (m_dwEditedPart & (PART_KEY | PART_DATA));
}

BOOL CFileComp::IsNamePart() const
{
    return !(m_dwEditedPart & PART_NUM_IO_LABEL) && (m_dwEditedPart & PART_NAME);
}

BOOL CFileComp::FindObjectText(const CString& findText, BOOL matchCase) const
{
    return AnyTextContains({&m_strNumber, &m_strName, &m_strKeyText, &m_strDataText, &m_strCodeSample}, findText,
                           matchCase) ||
           m_numIOSource.FindObjectText(findText, matchCase);
}

BOOL CFileComp::ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase)
{
    const BOOL texts = ReplaceInTexts({&m_strNumber, &m_strName, &m_strKeyText, &m_strDataText, &m_strCodeSample},
                                      findText, replacement, matchCase);
    const BOOL label = m_numIOSource.ReplaceObjectText(findText, replacement, matchCase);
    return texts || label;
}
