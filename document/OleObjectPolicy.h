// OLE objects in document files. Objects of other programs cannot be created or activated here,
// but a file that holds them must never be misread:
// - the OLE drawing object (COleDrawObj) reads its own record; an object without an item is kept
//   and written back unchanged;
// - a container item's record is the OLE framework's own, whose layout this program cannot read
//   with certainty, so a file that holds one (inside a drawing object or in the item list) is
//   refused with a message before anything of it is used.
#pragma once

class CArchive;

namespace OleObjectPolicy {

// Registers the container item's reader under the class name the files use, unless a class of
// that name is registered already.
void RegisterRecordReaders();

// The document's item list: a 32-bit count of container items, then the items. Stores an empty
// list; loading refuses any item.
void SerializeItemList(CArchive& ar);

// Tells the user that the file holds embedded objects this program cannot handle, and abandons
// the load (CUserException: the user has been told).
[[noreturn]] void RefuseEmbeddedObjects();

} // namespace OleObjectPolicy
