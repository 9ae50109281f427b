// One item token of a key or data text: the item name with the marks that the notation wraps it in.
// Both the half-width and the full-width forms of the marks are read, whichever symbols wrote them.
#pragma once

#include "platform/afx/String.h"

// The name without its marks, trimmed of single-byte white space. The derivation brackets (kind G
// "<<" ">>", the angle brackets, the braces, the parentheses) come off the outside inwards, each
// kind once; a flag is set only when the opener had its closer. An RKEY mark ("*") at the end
// comes off last.
CString ParseItemToken(const CString& token, BOOL& rkey, BOOL& gKind, BOOL& angle, BOOL& brace, BOOL& parenthesis);

// The derivation code that the brackets found stand for: "G", else "W" for parentheses, "C" for
// braces, "S" for angle brackets, else "N".
CString MakeDerivationCodeFromFlags(BOOL gKind, BOOL angle, BOOL brace, BOOL parenthesis);
