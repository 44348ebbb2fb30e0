#include "text.h"

#include "errors.h"

#include <QString>

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace platform {

namespace {

// One iconv conversion of a whole input; on failure returns the offset of the bad input.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw Error(ErrorKind::Conversion, std::string("The conversion from ") + from + " to " +
                                                   to + " is not available");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts all of in into out; false with the offset of the first byte that failed.
    bool run(std::string_view in, std::string &out, std::size_t &badOffset)
    {
        std::vector<char> input(in.begin(), in.end());
        char *src = input.data();
        std::size_t left = input.size();
        std::vector<char> buffer(in.size() * 2 + 16);
        while (left > 0) {
            char *dst = buffer.data();
            std::size_t room = buffer.size();
            std::size_t rc = iconv(m_cd, &src, &left, &dst, &room);
            out.append(buffer.data(), static_cast<std::size_t>(dst - buffer.data()));
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                badOffset = static_cast<std::size_t>(src - input.data());
                return false;
            }
        }
        return true;
    }

private:
    iconv_t m_cd;
};

std::string hexBytes(std::string_view bytes)
{
    std::string out;
    char part[4];
    for (unsigned char c : bytes) {
        std::snprintf(part, sizeof part, "%02X", c);
        if (!out.empty())
            out += ' ';
        out += part;
    }
    return out;
}

std::string utf16le(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xff);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

std::u16string fromUtf16le(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    return text;
}

} // namespace

std::u16string fromCp932(std::string_view bytes)
{
    Converter convert("UTF-16LE", "CP932");
    std::string out;
    std::size_t bad = 0;
    if (!convert.run(bytes, out, bad))
        throw Error(ErrorKind::Conversion,
                    "The bytes " + hexBytes(bytes.substr(bad, 2)) + " are not code page 932 text");
    return fromUtf16le(out);
}

std::string toCp932(std::u16string_view text)
{
    Converter convert("CP932", "UTF-16LE");
    std::string out;
    std::size_t bad = 0;
    if (!convert.run(utf16le(text), out, bad)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(text[bad / 2]));
        throw Error(ErrorKind::Conversion,
                    std::string("The character ") + code + " has no code page 932 form");
    }
    return out;
}

std::u16string utf8ToUtf16(std::string_view utf8)
{
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return std::u16string(reinterpret_cast<const char16_t *>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

std::string utf16ToUtf8(std::u16string_view utf16)
{
    QByteArray bytes =
        QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size())).toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace platform
