// The nine symbols that write data items as a conceptual file's key text and data text: the two
// separators, the openers of the key group and child-level brackets, the RKEY mark and the openers
// of the derivation brackets. A slot left empty takes its default when it is read; a closer follows
// its opener: the full-width closer for the full-width default, the half-width closer otherwise.
#pragma once

#include "platform/afx/String.h"

class CNotationSymbols
{
public:
    static constexpr int kSlotCount = 9;

    CNotationSymbols() = default;

    const CString& GetSymbol0() { return GetSlot(0); } // between key items
    const CString& GetSymbol1() { return GetSlot(1); } // between data items
    const CString& GetSymbol2() { return GetSlot(2); } // key group opener
    const CString& GetSymbol3() { return GetSlot(3); } // child-level opener
    const CString& GetSymbol4() { return GetSlot(4); } // RKEY mark
    const CString& GetSymbol5() { return GetSlot(5); } // kind G opener
    const CString& GetSymbol6() { return GetSlot(6); } // opener of the other derived kinds
    const CString& GetSymbol7() { return GetSlot(7); } // kind C opener
    const CString& GetSymbol8() { return GetSlot(8); } // kind W opener

    const CString& GetGroupJoint() { return GetCloser(2, 0); }
    const CString& GetGroupClose() { return GetCloser(2, 1); }
    const CString& GetChildClose() { return GetCloser(3, 1); }
    const CString& GetGClose() { return GetCloser(5, 1); }
    const CString& GetDerivedClose() { return GetCloser(6, 1); }
    const CString& GetCClose() { return GetCloser(7, 1); }
    const CString& GetWClose() { return GetCloser(8, 1); }

    BOOL IsComplete() const;

    // Fills the empty slots with the symbols the texts use: each separator is the first separator
    // character of its text; an opener (and the RKEY mark) is its half-width form when the text holds
    // it, else the default when the text holds that. The key text serves slots 0 and 2 to 8, the data
    // text slots 1 and 3 to 8. TRUE when a slot was set.
    BOOL DetectFromTexts(const CString& keyText, const CString& dataText);

private:
    const CString& GetSlot(int slot);
    // partner 0 is the joint of slot 2, partner 1 the closer of the slot.
    const CString& GetCloser(int slot, int partner);
    BOOL DetectSeparator(int slot, const CString& text);
    BOOL DetectOpeners(int firstSlot, const CString& text);

    CString m_symbols[kSlotCount];
};

// The brackets of a derivation code: "G", "W" and "C" have their own, every other code the angle
// brackets of slot 6.
const CString& GetDerivationOpen(const CString& code, CNotationSymbols& symbols);
const CString& GetDerivationClose(const CString& code, CNotationSymbols& symbols);
// The RKEY mark for the code "R", else an empty text.
CString GetRkeyMark(const CString& rkeyCode, CNotationSymbols& symbols);
