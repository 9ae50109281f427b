// The clone that a conceptual file makes of itself.
#include "model/FileClone.h"
#include "model/FileComp.h"

#include "platform/afx/Rect.h"

namespace filecompclone {

// The gap between the file's box and its new clone, and the clone's height without a name cell.
constexpr int kCloneGap = 40;

} // namespace filecompclone

CFileClone* CFileComp::CreateCloneObject(WORD cloneId) const
{
    using filecompclone::kCloneGap;
    CRect box;
    GetVisibleRect(box, TRUE);
    const int top = box.bottom - kCloneGap;
    CRect rect(box.left, top, box.right, top - kCloneGap);
    // A name cell that the number cell leaves no width would give a clone nobody can see or hit.
    CRect name;
    if (GetNameCellRect(name) && name.Width() > 0)
        rect.SetRect(box.left, top, box.left + name.Width(), top + name.Height());
    return new CFileClone(cloneId, rect, m_strName, GetObjectId());
}
