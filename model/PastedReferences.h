// After a paste placed the copy buffer's objects in a document, the pasted modelling objects still
// carry the ids of the document they were copied from. This puts them right: a reference to an
// object that was pasted along follows it to its copy; a reference to one that was not is kept
// only when this document holds a matching target (pasting back into the same document), is
// resolved by name where names tell the target, and is cleared otherwise. Then the pasted arrows
// take part in the relation rules as new arrows do.
#pragma once

class CBaseDoc;
class CCopyList;

namespace PastedReferences {

// Runs over every hold that this paste placed. Every object it changes besides the pasted ones is
// recorded in the current undo step.
void RemapPastedReferences(CBaseDoc& doc, const CCopyList& buffer);

} // namespace PastedReferences
