#include "platform/gdi/TextLayout.h"

#include <cstdlib>

namespace TextLayoutFile {

constexpr int kTabChars = 8;

int CharBytes(const std::string& s, std::size_t i)
{
    return IsDBCSLeadByte(BYTE(s[i])) && i + 1 < s.size() ? 2 : 1;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// "&x" shows x, "&&" shows one "&".
CString StripPrefixes(const CString& text)
{
    const std::string& s = text.Bytes();
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '&') {
            ++i;
            if (i >= s.size())
                break;
        }
        const int n = CharBytes(s, i);
        out.append(s, i, std::size_t(n));
        i += std::size_t(n);
    }
    return CString(std::move(out));
}

// The next break unit from i: one double-byte character, or a run of single-byte non-blanks.
std::size_t UnitEnd(const std::string& s, std::size_t i)
{
    if (CharBytes(s, i) == 2)
        return i + 2;
    while (i < s.size() && !IsBlank(s[i]) && CharBytes(s, i) == 1)
        ++i;
    return i;
}

} // namespace TextLayoutFile

TextLayout::TextLayout(const CString& text, const RECT& rect, UINT format, const Metrics& metrics, Measure measure)
    : m_format(format), m_metrics(metrics), m_measure(std::move(measure)), m_width(rect.right - rect.left)
{
    const CString shown = (format & DT_NOPREFIX) ? text : TextLayoutFile::StripPrefixes(text);
    Place(BreakLines(shown), rect);
    // Every measurement is made here: a layout kept for later outlives what measured it.
    m_measure = nullptr;
}

std::vector<CString> TextLayout::BreakLines(const CString& text) const
{
    std::vector<CString> lines;
    if (m_format & DT_SINGLELINE) {
        lines.push_back(text);
        return lines;
    }
    const std::string& s = text.Bytes();
    std::size_t start = 0;
    while (start <= s.size()) {
        std::size_t end = start;
        while (end < s.size() && s[end] != '\r' && s[end] != '\n')
            end += std::size_t(TextLayoutFile::CharBytes(s, end));
        BreakParagraph(CString(s.substr(start, end - start)), lines);
        if (end >= s.size())
            break;
        start = end + ((s[end] == '\r' && end + 1 < s.size() && s[end + 1] == '\n') ? 2 : 1);
        if (start == s.size())
            break; // a final line end opens no empty line
    }
    return lines;
}

void TextLayout::BreakParagraph(const CString& paragraph, std::vector<CString>& lines) const
{
    // A paragraph that fits is its own line: measured once rather than word by word (each
    // measurement shapes the text, and Japanese text breaks between any two characters).
    if (!(m_format & DT_WORDBREAK) || LineWidth(paragraph) <= m_width) {
        lines.push_back(paragraph);
        return;
    }
    const std::string& s = paragraph.Bytes();
    CString line;
    bool continuation = false; // a line opened by a break drops the blanks at the break
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t unitStart = i;
        while (unitStart < s.size() && TextLayoutFile::IsBlank(s[unitStart]))
            ++unitStart;
        const CString blanks(s.substr(i, unitStart - i));
        if (unitStart >= s.size()) {
            line += blanks;
            break;
        }
        const std::size_t unitEnd = TextLayoutFile::UnitEnd(s, unitStart);
        const CString unit(s.substr(unitStart, unitEnd - unitStart));
        i = unitEnd;
        if (!line.IsEmpty() && LineWidth(line + blanks + unit) > m_width) {
            lines.push_back(line);
            line.Empty();
            continuation = true;
        }
        const CString lead = (line.IsEmpty() && continuation) ? CString() : blanks;
        if (line.IsEmpty() && (m_format & DT_EDITCONTROL) && LineWidth(lead + unit) > m_width)
            BreakLongWord(lead + unit, line, lines);
        else
            line += lead + unit;
    }
    lines.push_back(line);
}

// An edit control breaks a word wider than the line between its characters.
void TextLayout::BreakLongWord(const CString& word, CString& line, std::vector<CString>& lines) const
{
    const std::string& s = word.Bytes();
    for (std::size_t i = 0; i < s.size();) {
        const int n = TextLayoutFile::CharBytes(s, i);
        const CString ch(s.substr(i, std::size_t(n)));
        if (!line.IsEmpty() && LineWidth(line + ch) > m_width) {
            lines.push_back(line);
            line.Empty();
        }
        line += ch;
        i += std::size_t(n);
    }
}

int TextLayout::LineWidth(const CString& line) const
{
    if (!(m_format & DT_EXPANDTABS))
        return m_measure(line);
    const int stop = std::max(1, TextLayoutFile::kTabChars * m_metrics.aveCharWidth);
    const std::string& s = line.Bytes();
    int x = 0;
    std::size_t start = 0;
    for (std::size_t tab = s.find('\t'); tab != std::string::npos; tab = s.find('\t', start)) {
        x += m_measure(CString(s.substr(start, tab - start)));
        x = (x / stop + 1) * stop;
        start = tab + 1;
    }
    return x + m_measure(CString(s.substr(start)));
}

void TextLayout::Place(const std::vector<CString>& lines, const RECT& rect)
{
    const int dir = m_metrics.yUp ? -1 : 1;
    const int h = m_metrics.lineHeight;
    const int total = int(lines.size()) * h;
    const int boxHeight = std::abs(rect.bottom - rect.top);
    int offset = 0;
    if (m_format & DT_SINGLELINE) {
        if (m_format & DT_VCENTER)
            offset = (boxHeight - h) / 2;
        else if (m_format & DT_BOTTOM)
            offset = boxHeight - h;
    }
    m_height = offset + total;

    int widest = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int width = LineWidth(lines[i]);
        widest = std::max(widest, width);
        const int lineTop = offset + int(i) * h;
        // An edit control shows no partly visible last line.
        if ((m_format & DT_EDITCONTROL) && !(m_format & DT_SINGLELINE) && lineTop + h > boxHeight)
            continue;
        int x = rect.left;
        if (m_format & DT_CENTER)
            x = rect.left + (m_width - width) / 2;
        else if (m_format & DT_RIGHT)
            x = rect.right - width;
        PlaceLine(lines[i], CPoint(x, rect.top + dir * lineTop));
    }
    m_bounds = CRect(rect.left, rect.top, rect.left + widest, rect.top + dir * total);
}

void TextLayout::PlaceLine(const CString& line, CPoint at)
{
    if (!(m_format & DT_EXPANDTABS)) {
        if (!line.IsEmpty())
            m_pieces.push_back(Piece{at, line});
        return;
    }
    const std::string& s = line.Bytes();
    std::size_t start = 0;
    while (start <= s.size()) {
        const std::size_t tab = s.find('\t', start);
        const std::size_t end = tab == std::string::npos ? s.size() : tab;
        const CString piece(s.substr(start, end - start));
        if (!piece.IsEmpty())
            m_pieces.push_back(Piece{CPoint(at.x + LineWidth(CString(s.substr(0, start))), at.y), piece});
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
}
