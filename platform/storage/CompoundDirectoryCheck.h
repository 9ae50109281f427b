// Checks the directory of a compound file before libgsf walks it. libgsf follows the sector chains
// and the sibling and child links of the directory as the file gives them: a link that leads back
// to an entry already seen, or to an entry the directory does not hold, leaves it with half-built
// entries (leaked) and warnings on standard error. Such a file is damaged and refused here first.
#pragma once

struct _GsfInput;

// Reads the header, the sector allocation table as far as the directory needs it (the sectors
// listed in the header and in the chain of extension sectors) and every directory entry reachable
// from the root. Throws StorageError (InvalidFile) when the directory's sector chain loops or
// leaves the file, or when an entry's sibling or child link names an entry outside the directory
// or one reached before. The input's position is left at its start.
void CheckCompoundDirectory(_GsfInput* input);
