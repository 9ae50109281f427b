#include "model/ItemToken.h"

#include "model/NotationMarks.h"

#include <array>

namespace item_token_cpp {

struct Bracket
{
    CString halfOpen, fullOpen, halfClose, fullClose;
    // The half-width closer of kind G counts only where it first occurs; the others wherever the
    // text ends with them.
    bool halfCloseFirstOnly;
};

// In the order the kinds are tried: G, angle, brace, parenthesis.
const std::array<Bracket, 4>& Brackets()
{
    static const std::array<Bracket, 4> brackets{{
        {"<<", u8"＜＜", ">>", u8"＞＞", true},
        {"<", u8"＜", ">", u8"＞", false},
        {"{", u8"｛", "}", u8"｝", false},
        {"(", u8"（", ")", u8"）", false},
    }};
    return brackets;
}

bool RemoveCloser(CString& text, const Bracket& bracket)
{
    const bool half =
        bracket.halfCloseFirstOnly ? EndsWithFirstMark(text, bracket.halfClose) : EndsWithMark(text, bracket.halfClose);
    const CString* closer = half                                         ? &bracket.halfClose
                            : EndsWithFirstMark(text, bracket.fullClose) ? &bracket.fullClose
                                                                         : nullptr;
    if (!closer)
        return false;
    text.Truncate(text.GetLength() - closer->GetLength());
    return true;
}

} // namespace item_token_cpp

CString ParseItemToken(const CString& token, BOOL& rkey, BOOL& gKind, BOOL& angle, BOOL& brace, BOOL& parenthesis)
{
    using namespace item_token_cpp;
    CString text = token;
    text.Trim();
    BOOL* flags[] = {&gKind, &angle, &brace, &parenthesis};
    for (BOOL* flag : flags)
        *flag = FALSE;
    rkey = FALSE;
    if (text.GetLength() < 2)
        return text;

    std::array<bool, 4> removed{};
    for (int pass = 0; pass < 4 && text.GetLength() >= 2; ++pass)
        for (std::size_t kind = 0; kind < removed.size(); ++kind) {
            if (removed[kind] || !RemoveLeadingMark(text, Brackets()[kind].halfOpen, Brackets()[kind].fullOpen))
                continue;
            removed[kind] = true;
            *flags[kind] = RemoveCloser(text, Brackets()[kind]);
            break;
        }

    static const CString fullMark(u8"＊");
    if (text.GetLength() >= 2 && EndsWithMark(text, "*")) {
        text.Truncate(text.GetLength() - 1);
        rkey = TRUE;
    } else if (EndsWithFirstMark(text, fullMark)) {
        text.Truncate(text.GetLength() - fullMark.GetLength());
        rkey = TRUE;
    }
    text.Trim();
    return text;
}

CString MakeDerivationCodeFromFlags(BOOL gKind, BOOL angle, BOOL brace, BOOL parenthesis)
{
    if (gKind)
        return "G";
    if (parenthesis)
        return "W";
    if (brace)
        return "C";
    return angle ? "S" : "N";
}
