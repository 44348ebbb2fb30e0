#include "platform/wave.h"

#include <gtest/gtest.h>

#include <string>

using namespace platform;

namespace {

// Builds a RIFF WAVE file from its chunks.
class WaveFile
{
public:
    WaveFile &chunk(const std::string &tag, const std::vector<std::uint8_t> &body)
    {
        m_chunks.insert(m_chunks.end(), tag.begin(), tag.end());
        put32(m_chunks, static_cast<std::uint32_t>(body.size()));
        m_chunks.insert(m_chunks.end(), body.begin(), body.end());
        if (body.size() % 2 == 1)
            m_chunks.push_back(0);
        return *this;
    }
    WaveFile &format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate,
                     std::uint16_t bits, std::uint16_t blockAlign)
    {
        std::vector<std::uint8_t> body;
        put16(body, tag);
        put16(body, channels);
        put32(body, rate);
        put32(body, rate * blockAlign);
        put16(body, blockAlign);
        put16(body, bits);
        return chunk("fmt ", body);
    }
    std::vector<std::uint8_t> bytes() const
    {
        std::vector<std::uint8_t> out{'R', 'I', 'F', 'F'};
        put32(out, static_cast<std::uint32_t>(m_chunks.size() + 4));
        out.insert(out.end(), {'W', 'A', 'V', 'E'});
        out.insert(out.end(), m_chunks.begin(), m_chunks.end());
        return out;
    }

private:
    static void put16(std::vector<std::uint8_t> &out, std::uint16_t v)
    {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    static void put32(std::vector<std::uint8_t> &out, std::uint32_t v)
    {
        for (int shift = 0; shift < 32; shift += 8)
            out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
    std::vector<std::uint8_t> m_chunks;
};

} // namespace

TEST(ParseWave, ReadsFormatAndSamplesPastOtherChunks)
{
    const auto mono = parseWave(WaveFile()
                                    .format(1, 1, 22050, 8, 1)
                                    .chunk("LIST", {1, 2, 3})
                                    .chunk("data", {128, 200, 50})
                                    .bytes());
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->sampleRate, 22050);
    EXPECT_EQ(mono->channels, 1);
    EXPECT_EQ(mono->bitsPerSample, 8);
    EXPECT_EQ(mono->samples, (std::vector<std::uint8_t>{128, 200, 50}));

    const auto stereo =
        parseWave(WaveFile().format(1, 2, 44100, 16, 4).chunk("data", {1, 0, 2, 0}).bytes());
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->sampleRate, 44100);
    EXPECT_EQ(stereo->channels, 2);
    EXPECT_EQ(stereo->bitsPerSample, 16);
    EXPECT_EQ(stereo->samples.size(), 4u);
}

TEST(ParseWave, RefusesDamagedOrUnsupportedFiles)
{
    auto cut = WaveFile().format(1, 1, 8000, 8, 1).chunk("data", {1, 2, 3, 4}).bytes();
    cut.resize(cut.size() - 1);
    auto riffOnly = WaveFile().bytes();
    riffOnly[8] = 'A';
    const std::vector<std::pair<const char *, std::vector<std::uint8_t>>> cases{
        {"empty", {}},
        {"not WAVE", riffOnly},
        {"data cut short", cut},
        {"no data chunk", WaveFile().format(1, 1, 8000, 8, 1).bytes()},
        {"data before format", WaveFile().chunk("data", {1}).format(1, 1, 8000, 8, 1).bytes()},
        {"float samples", WaveFile().format(3, 1, 8000, 32, 4).chunk("data", {0, 0, 0, 0}).bytes()},
        {"24-bit samples", WaveFile().format(1, 1, 8000, 24, 3).chunk("data", {0, 0, 0}).bytes()},
        {"wrong block size", WaveFile().format(1, 2, 8000, 16, 2).chunk("data", {0, 0}).bytes()},
        {"no channels", WaveFile().format(1, 0, 8000, 8, 0).chunk("data", {0}).bytes()},
        {"short format chunk", WaveFile().chunk("fmt ", {1, 0, 1, 0}).chunk("data", {0}).bytes()},
    };
    for (const auto &[what, bytes] : cases)
        EXPECT_FALSE(parseWave(bytes)) << what;
}
