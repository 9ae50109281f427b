// OLE objects in document files. Objects of other programs cannot be created or activated here,
// but a file that holds them must never be misread:
// - the OLE drawing object's own record (the box-object record, the frame flag, the extent and a
//   reference to its container item) is read as it stands; an object without an item is kept and
//   written back unchanged;
// - a container item's record is the OLE framework's own, whose layout this program cannot read
//   with certainty, so a file that holds one (inside a drawing object or in the item list) is
//   refused with a message before anything of it is used.
#pragma once

class CArchive;

namespace OleObjectPolicy {

// Registers the readers under the class names the files use, unless classes of those names are
// registered already.
void RegisterRecordReaders();

// The document's item list: a 32-bit count of container items, then the items. Stores an empty
// list; loading refuses any item.
void SerializeItemList(CArchive& ar);

// Tells the user that the file holds embedded objects this program cannot handle, and abandons
// the load (CUserException: the user has been told).
[[noreturn]] void RefuseEmbeddedObjects();

} // namespace OleObjectPolicy
