#include "platform/afx/Cp932.h"

#include "platform/afx/WinTypes.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// One converter per direction; the program is single-threaded but tests may not be.
class IconvConverter
{
public:
    IconvConverter(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~IconvConverter() { iconv_close(m_cd); }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts the whole input; an input unit that cannot be converted is skipped (as many bytes as
    // `unitLength` says for it) and `replacement` is written in its place.
    template <typename UnitLength>
    std::string Convert(std::string_view in, UnitLength unitLength, std::string_view replacement,
                        int* replaced = nullptr)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(in.size() * 2);
        char chunk[4096];
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = chunk;
            std::size_t dstLeft = sizeof chunk;
            const std::size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(chunk, sizeof chunk - dstLeft);
            if (rc != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (a truncated sequence at the end): replace one unit and go on.
            const std::size_t skip = std::min<std::size_t>(unitLength(std::string_view(src, srcLeft)), srcLeft);
            src += skip;
            srcLeft -= skip;
            out.append(replacement);
            if (replaced)
                ++*replaced;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::string Utf8ToCp932(std::string_view utf8)
{
    int replaced = 0;
    return Utf8ToCp932(utf8, replaced);
}

std::string Utf8ToCp932(std::string_view utf8, int& replaced)
{
    thread_local IconvConverter converter("CP932", "UTF-8");
    // A UTF-8 sequence that cannot be mapped is skipped whole.
    const auto sequenceLength = [](std::string_view s) -> std::size_t {
        const auto lead = static_cast<unsigned char>(s[0]);
        const std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        std::size_t i = 1;
        while (i < n && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
        return i;
    };
    return converter.Convert(utf8, sequenceLength, "?", &replaced);
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    thread_local IconvConverter converter("UTF-8", "CP932");
    const auto one = [](std::string_view) -> std::size_t { return 1; };
    return converter.Convert(cp932, one, "\xEF\xBF\xBD");
}

std::string Utf16ToCp932(std::u16string_view utf16)
{
    thread_local IconvConverter converter("CP932", "UTF-16LE");
    std::string bytes;
    bytes.reserve(utf16.size() * 2);
    for (char16_t c : utf16) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    const auto codeUnit = [](std::string_view) -> std::size_t { return 2; };
    return converter.Convert(bytes, codeUnit, "?");
}

std::size_t Cp932CharLength(std::string_view text, std::size_t i)
{
    if (i + 1 < text.size() && IsDBCSLeadByte(static_cast<BYTE>(text[i])))
        return 2;
    return 1;
}
