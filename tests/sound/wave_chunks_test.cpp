#include "sound/wave_chunks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "sound/test_wave_files.h"

namespace {

const Bytes kFormat = FormatRecord(1, 22050, 16);
const Bytes kSamples = {1, 2, 3, 4, 5, 6};

// Runs the walk on an exactly sized heap copy, so that the sanitizer sees any
// read past the end.
bool Walk(const Bytes& image, WaveChunks* chunks) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[image.size() ? image.size() : 1]);
    if (!image.empty())
        std::memcpy(copy.get(), image.data(), image.size());
    *chunks = WaveChunks{};
    bool found = FindWaveChunks(copy.get(), image.size(), chunks);
    // Report positions relative to the start, as the copy goes away.
    if (chunks->wavHeader)
        chunks->wavHeader = image.data() + (chunks->wavHeader - copy.get());
    if (chunks->wavData)
        chunks->wavData = image.data() + (chunks->wavData - copy.get());
    return found;
}

size_t Offset(const Bytes& image, const uint8_t* p) {
    return static_cast<size_t>(p - image.data());
}

TEST(WaveChunksTest, SkipsOtherChunksAndPadBytes) {
    Bytes list = Chunk("LIST", Bytes(26, 'x'));
    Bytes odd = Chunk("odd ", {'a', 'b', 'c'});
    Bytes image =
        RiffImage({Chunk("fmt ", kFormat), list, odd, Chunk("data", kSamples), Chunk("JUNK", {})});
    WaveChunks chunks;
    ASSERT_TRUE(Walk(image, &chunks));
    EXPECT_EQ(Offset(image, chunks.wavHeader), 20u);
    EXPECT_EQ(chunks.headerLength, 16u);
    EXPECT_EQ(Offset(image, chunks.wavData), 36u + list.size() + odd.size() + 8);
    EXPECT_EQ(chunks.wavLength, kSamples.size());
    EXPECT_EQ(odd.size(), 12u);  // 8 + 3 + the pad byte
}

TEST(WaveChunksTest, EmptyDataCountsOnlyAfterTheFormat) {
    WaveChunks chunks;
    EXPECT_FALSE(Walk(RiffImage({Chunk("data", {}), Chunk("fmt ", kFormat)}), &chunks));
    ASSERT_TRUE(Walk(RiffImage({Chunk("fmt ", kFormat), Chunk("data", {})}), &chunks));
    EXPECT_EQ(chunks.wavLength, 0u);
}

TEST(WaveChunksTest, RefusesWhatIsNotRiffWave) {
    Bytes good = RiffImage({Chunk("fmt ", kFormat), Chunk("data", kSamples)});
    Bytes notRiff = good;
    std::memcpy(notRiff.data(), "RIFX", 4);
    Bytes notWave = RiffImage({Chunk("fmt ", kFormat), Chunk("data", kSamples)}, "AVI ");
    WaveChunks chunks;
    EXPECT_TRUE(Walk(good, &chunks));
    EXPECT_FALSE(Walk(notRiff, &chunks));
    EXPECT_FALSE(Walk(notWave, &chunks));
    EXPECT_FALSE(Walk(RiffImage({Chunk("fmt ", kFormat)}), &chunks));
    EXPECT_FALSE(Walk(RiffImage({Chunk("data", kSamples)}), &chunks));
    EXPECT_FALSE(Walk(Bytes{'R', 'I', 'F', 'F'}, &chunks));
    EXPECT_FALSE(FindWaveChunks(nullptr, 0, &chunks));
}

TEST(WaveChunksTest, SizesAreCheckedAgainstTheImage) {
    WaveChunks chunks;
    Bytes shortFormat(kFormat.begin(), kFormat.begin() + 14);
    EXPECT_FALSE(Walk(RiffImage({Chunk("fmt ", shortFormat), Chunk("data", kSamples)}), &chunks));
    Bytes image = RiffImage({Chunk("fmt ", kFormat), Chunk("data", kSamples)});
    image[4] += 100;  // RIFF size past the end of the file: the chunks inside still count
    EXPECT_TRUE(Walk(image, &chunks));
    image[4] -= 100 + 16;  // the data chunk's header now starts past the RIFF end
    EXPECT_FALSE(Walk(image, &chunks));
    image[4] += 16;
    image[40] += 1;  // the data size now runs one byte past the end
    EXPECT_FALSE(Walk(image, &chunks));
    Bytes huge = RiffImage({Chunk("LIST", {}), Chunk("fmt ", kFormat), Chunk("data", kSamples)});
    std::memset(huge.data() + 4, 0xFF, 4);  // RIFF and LIST sizes 4 GiB - 1
    std::memset(huge.data() + 16, 0xFF, 4);
    EXPECT_FALSE(Walk(huge, &chunks));
}

// Every cut of a valid file is either refused or gives chunks inside the cut.
TEST(WaveChunksTest, EveryTruncationStaysInsideTheImage) {
    Bytes full = RiffImage({Chunk("odd ", {1}), Chunk("fmt ", kFormat), Chunk("data", kSamples)});
    for (size_t length = 0; length <= full.size(); length++) {
        Bytes cut(full.begin(), full.begin() + static_cast<long>(length));
        WaveChunks chunks;
        bool found = Walk(cut, &chunks);
        EXPECT_EQ(found, length == full.size()) << "cut at " << length;
        if (found) {
            EXPECT_LE(Offset(cut, chunks.wavData) + chunks.wavLength, cut.size());
        }
    }
}

}  // namespace
