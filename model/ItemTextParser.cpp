#include "model/ItemTextParser.h"

#include "model/Data.h"
#include "model/DataList.h"
#include "model/ItemToken.h"
#include "model/NotationMarks.h"

#include "foundation/TextFunctions.h"

#include "platform/afx/Cp932.h"
#include "platform/afx/Exception.h"

#include <new>

namespace item_text_parser_cpp {

struct Marks
{
    CString separators{u8"、､，,．."};
    CString groupOpenHalf{"["}, groupOpenFull{u8"［"};
    CString groupCloseHalf{"]"}, groupCloseFull{u8"］"};
    CString jointHalf{"-"}, jointFull{u8"－"};
    CString childOpenHalf{"(="}, childOpenFull{u8"（＝"};
    CString childCloseHalf{")"}, childCloseFull{u8"）"};
    CString pieceJoinHalf{"."}, pieceJoinFull{u8"．"};
    CString closingPairsHalf[2]{").", "),"};
    CString closingPairsFull[3]{u8"）．", u8"）、", u8"），"};
};

const Marks& GetMarks()
{
    static const Marks marks;
    return marks;
}

// Splits at the first separator: TRUE with the text before it and the text after it.
bool SplitAtSeparator(const CString& text, CString& before, CString& after)
{
    const int at = text.FindOneOf(GetMarks().separators);
    if (at < 0) {
        before = text;
        after.Empty();
        return false;
    }
    before = text.Left(at);
    after = text.Mid(at + int(Cp932CharLength(text.Bytes(), std::size_t(at))));
    return true;
}

// The first occurrence of the first pair of the list that occurs at all: its position, or -1.
template <std::size_t N>
int FindFirstPair(const CString& text, const CString (&pairs)[N], int& length)
{
    for (const CString& pair : pairs) {
        const int at = text.Find(pair);
        if (at >= 0) {
            length = pair.GetLength();
            return at;
        }
    }
    return -1;
}

// A child part left open in its token runs on into next up to the first closing pair, the pieces
// joined by a separator of the pair's width; at the end of the group a lone closer ends it.
void ExtendOpenChildPart(CString& childPart, CString& next)
{
    const Marks& marks = GetMarks();
    int length = 0;
    int at = FindFirstPair(next, marks.closingPairsHalf, length);
    const CString* join = &marks.pieceJoinHalf;
    if (at < 0) {
        at = FindFirstPair(next, marks.closingPairsFull, length);
        join = &marks.pieceJoinFull;
    }
    if (at >= 0) {
        childPart += *join + next.Left(at);
        next = next.Mid(at + length);
        return;
    }
    for (const auto& [closer, pieceJoin] : {std::pair{&marks.childCloseHalf, &marks.pieceJoinHalf},
                                            std::pair{&marks.childCloseFull, &marks.pieceJoinFull}})
        if (EndsWithMark(next, *closer)) {
            childPart += *pieceJoin + next.Left(next.GetLength() - closer->GetLength());
            break;
        }
    next.Empty();
}

// One run of the parser over a file's two texts: the item counter and what the children of the
// next child part hang on.
class ItemTextRun
{
public:
    explicit ItemTextRun(CDataList& list) : m_list(list) {}

    int Count() const { return m_counter; }

    // Key items of the group (1 up), or data items (group 0). FALSE when an item could not be made.
    bool ReadGroup(const CString& text, WORD keyGroup)
    {
        CString rest = text;
        BOOL several = FALSE;
        WORD position = 0;
        bool more = true;
        while (more) {
            CString token, childPart, next;
            more = SplitItemToken(rest, token, childPart, next);
            ++position;
            if (position == 1)
                several = !next.IsEmpty();
            if (!token.IsEmpty()) {
                if (!AddItem(token, keyGroup, several, keyGroup ? position : WORD(0), 0, 1, 0))
                    return false;
                if (keyGroup)
                    m_lastKeyOrder = position;
            }
            if (!childPart.IsEmpty() && !ReadChildren(childPart, keyGroup))
                return false;
            rest = next;
        }
        return true;
    }

private:
    bool ReadChildren(const CString& childPart, WORD keyGroup)
    {
        const WORD parent = WORD(m_counter);
        const WORD parentKeyOrder = keyGroup ? m_lastKeyOrder : WORD(0);
        CString rest = childPart;
        BOOL several = FALSE;
        WORD position = 0;
        bool more = true;
        while (more) {
            CString token, next;
            more = SplitChildToken(rest, token, next);
            ++position;
            if (position == 1)
                several = more;
            if (!token.IsEmpty() && !AddItem(token, keyGroup, several, parentKeyOrder, position, 2, parent))
                return false;
            rest = next;
        }
        return true;
    }

    bool AddItem(const CString& token, WORD keyGroup, BOOL several, WORD keyOrder, WORD childOrder, WORD level,
                 WORD parent)
    {
        BOOL rkey = FALSE, gKind = FALSE, angle = FALSE, brace = FALSE, parenthesis = FALSE;
        const CString name = ParseItemToken(token, rkey, gKind, angle, brace, parenthesis);
        ++m_counter;
        const bool key = keyGroup != 0;
        auto* item = new CData(WORD(m_counter), name, CString(), CData::MakeKeyCode(key, several, rkey),
                               CData::MakeRkeyCode(rkey), MakeDerivationCodeFromFlags(gKind, angle, brace, parenthesis),
                               keyGroup, keyOrder, childOrder, level, parent);
        return m_list.AddDataDirect(item);
    }

    CDataList& m_list;
    int m_counter = 0;
    WORD m_lastKeyOrder = 0;
};

} // namespace item_text_parser_cpp

int ParseItemTextsIntoList(const CString& keyText, const CString& dataText, BOOL hasParent, BOOL merged,
                           CDataList& list)
{
    item_text_parser_cpp::ItemTextRun run(list);
    try {
        CString text;
        RemoveCrLf(text, keyText);
        WORD keyGroup = 0;
        for (bool more = !text.IsEmpty(); more;) {
            CString group;
            more = SplitKeyGroupText(text, group);
            if (!run.ReadGroup(group, ++keyGroup))
                return -1;
        }
        if (!dataText.IsEmpty() && !run.ReadGroup(RemoveCrLf(text, dataText), 0))
            return -1;
    } catch (const CException& error) {
        error.ReportError(MB_ICONEXCLAMATION);
        return -1;
    } catch (const std::bad_alloc&) {
        CMemoryException().ReportError(MB_ICONEXCLAMATION);
        return -1;
    }
    if (run.Count() > 0 && hasParent && merged)
        list.ClearKeyPhysicalTargets();
    return run.Count();
}

BOOL SplitKeyGroupText(CString& text, CString& group)
{
    using namespace item_text_parser_cpp;
    const Marks& marks = GetMarks();
    if (text.GetLength() < 2 || !RemoveLeadingMark(text, marks.groupOpenHalf, marks.groupOpenFull)) {
        group = text;
        text.Empty();
        return FALSE;
    }
    const int half = text.Find(marks.groupCloseHalf);
    const int full = text.Find(marks.groupCloseFull);
    const bool halfFirst = half >= 0 && (full < 0 || half < full);
    const int at = halfFirst ? half : full;
    if (at < 0) {
        group = text;
        text.Empty();
        return FALSE;
    }
    group = text.Left(at);
    CString after = text.Mid(at + (halfFirst ? marks.groupCloseHalf : marks.groupCloseFull).GetLength());
    text.Empty();
    if (after.GetLength() < 2 || !RemoveLeadingMark(after, marks.jointHalf, marks.jointFull))
        return FALSE;
    text = after;
    return TRUE;
}

BOOL SplitItemToken(const CString& rest, CString& token, CString& childPart, CString& next)
{
    using namespace item_text_parser_cpp;
    const Marks& marks = GetMarks();
    token.Empty();
    childPart.Empty();
    next.Empty();
    if (rest.IsEmpty())
        return FALSE;
    SplitAtSeparator(rest, token, next);

    int opener = token.Find(marks.childOpenHalf);
    int openerLength = marks.childOpenHalf.GetLength();
    if (opener < 0) {
        opener = token.Find(marks.childOpenFull);
        openerLength = marks.childOpenFull.GetLength();
    }
    if (opener < 0)
        return !next.IsEmpty();
    childPart = token.Mid(opener + openerLength);
    token.Truncate(opener);

    for (const CString* closer : {&marks.childCloseHalf, &marks.childCloseFull})
        if (EndsWithMark(childPart, *closer)) {
            childPart.Truncate(childPart.GetLength() - closer->GetLength());
            RemoveLeadingMark(next, marks.pieceJoinHalf, marks.pieceJoinFull);
            return !next.IsEmpty();
        }
    if (!next.IsEmpty())
        ExtendOpenChildPart(childPart, next);
    return !next.IsEmpty();
}

BOOL SplitChildToken(const CString& rest, CString& token, CString& next)
{
    return item_text_parser_cpp::SplitAtSeparator(rest, token, next) ? TRUE : FALSE;
}
