#include "content_support.h"

#include "game/ArrayUnit.h"

#include <iconv.h>

#include <cstdint>
#include <stdexcept>

namespace zelmo::test {

std::vector<std::string_view> tableTexts(std::int32_t category)
{
    const auto table = contentTable(category);
    if (!table) {
        throw std::invalid_argument("no table for this category");
    }
    return {table->entries, table->entries + table->count};
}

std::vector<std::string_view> sectionTexts(std::int32_t category, std::int32_t level)
{
    const auto section = levelSection(category, level);
    if (!section) {
        throw std::invalid_argument("no section for this level");
    }
    const auto table = tableTexts(category);
    return {table.begin() + section->start, table.begin() + section->end};
}

std::u16string toUtf16(std::string_view utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80       ? 1
                                   : lead >> 5 == 6  ? 2
                                   : lead >> 4 == 14 ? 3
                                   : lead >> 3 == 30 ? 4
                                                     : 0;
        if (length == 0 || i + length > utf8.size()) {
            throw std::invalid_argument("malformed UTF-8");
        }
        char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if (next >> 6 != 2) {
                throw std::invalid_argument("malformed UTF-8");
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += length;
    }
    return out;
}

namespace {

std::optional<std::string> convert(const char *to, const char *from, std::string_view text)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
        throw std::runtime_error("iconv cannot convert between UTF-8 and CP932");
    }
    std::string in(text);
    std::string out(in.size() * 4 + 4, '\0');
    char *inPtr = in.data();
    char *outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

std::optional<std::string> throughCodePage932(std::string_view utf8)
{
    const auto sjis = convert("CP932", "UTF-8", utf8);
    if (!sjis) {
        return std::nullopt;
    }
    return convert("UTF-8", "CP932", *sjis);
}

} // namespace zelmo::test
