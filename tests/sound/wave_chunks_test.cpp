// The chunk walk over RIFF/WAVE images built here, cut anywhere: it either
// finds the chunks where they are or refuses the image, and never reads past
// its end. The corpus files are walked in sound_test.cpp.

#include "sound/wave_chunks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "sound/test_wave_files.h"

namespace {

const Bytes kFormat = FormatRecord(1, 22050, 16);
const Bytes kSamples = {1, 2, 3, 4, 5, 6};

// The offset of the samples the walk finds in an exactly sized heap copy, so
// that the sanitizer sees any read past the end; -1 when it refuses.
long DataOffset(const Bytes& image, WaveChunks* chunks) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[image.size() + 1]);
    std::memcpy(copy.get(), image.data(), image.size());
    *chunks = WaveChunks{};
    bool found = FindWaveChunks(copy.get(), image.size(), chunks);
    if (found) {
        EXPECT_EQ(chunks->wavHeader - copy.get(), 20);
        EXPECT_LE(chunks->wavData - copy.get() + chunks->wavLength, long(image.size()));
    }
    return found ? chunks->wavData - copy.get() : -1;
}

TEST(WaveChunksTest, SkipsOtherChunksAndPadBytesAndEmptyDataCountsAfterTheFormat) {
    Bytes list = Chunk("LIST", Bytes(26, 'x')), odd = Chunk("odd ", {'a', 'b', 'c'});
    WaveChunks chunks;
    EXPECT_EQ(DataOffset(RiffImage({Chunk("fmt ", kFormat), list, odd, Chunk("data", kSamples),
                                    Chunk("JUNK", {})}),
                         &chunks),
              long(36 + list.size() + 12 + 8));  // "odd " is 8 + 3 + the pad byte
    EXPECT_EQ(chunks.headerLength, 16u);
    EXPECT_EQ(chunks.wavLength, kSamples.size());
    EXPECT_EQ(DataOffset(RiffImage({Chunk("data", {}), Chunk("fmt ", kFormat)}), &chunks), -1);
    EXPECT_EQ(DataOffset(RiffImage({Chunk("fmt ", kFormat), Chunk("data", {})}), &chunks), 44);
    EXPECT_EQ(chunks.wavLength, 0u);
}

TEST(WaveChunksTest, RefusesWhatIsNotRiffWaveOrRunsPastTheImage) {
    Bytes good = RiffImage({Chunk("fmt ", kFormat), Chunk("data", kSamples)});
    Bytes notRiff = good, past = good, start = good, size = good;
    std::memcpy(notRiff.data(), "RIFX", 4);
    past[4] += 100;  // RIFF size past the end of the file: the chunks inside still count
    start[4] -= 16;  // the data chunk's header now starts past the RIFF end
    size[40] += 1;   // the data size now runs one byte past the end
    Bytes huge = RiffImage({Chunk("LIST", {}), Chunk("fmt ", kFormat), Chunk("data", kSamples)});
    std::memset(huge.data() + 4, 0xFF, 4);  // RIFF and LIST sizes 4 GiB - 1
    std::memset(huge.data() + 16, 0xFF, 4);
    WaveChunks chunks;
    EXPECT_EQ(DataOffset(good, &chunks), 44);
    EXPECT_EQ(DataOffset(past, &chunks), 44);
    for (const Bytes& bad : {notRiff, start, size, huge, RiffImage({Chunk("fmt ", kFormat)}),
                             RiffImage({Chunk("data", kSamples)}), Bytes{'R', 'I', 'F', 'F'},
                             RiffImage({Chunk("fmt ", kFormat), Chunk("data", kSamples)}, "AVI "),
                             RiffImage({Chunk("fmt ", Bytes(kFormat.begin(), kFormat.begin() + 14)),
                                        Chunk("data", kSamples)})})
        EXPECT_EQ(DataOffset(bad, &chunks), -1);
    EXPECT_FALSE(FindWaveChunks(nullptr, 0, &chunks));
}

// Every cut of a valid file is refused, without reading past the cut.
TEST(WaveChunksTest, EveryTruncationIsRefused) {
    Bytes full = RiffImage({Chunk("odd ", {1}), Chunk("fmt ", kFormat), Chunk("data", kSamples)});
    WaveChunks chunks;
    for (size_t length = 0; length < full.size(); length++)
        EXPECT_EQ(DataOffset(Bytes(full.begin(), full.begin() + long(length)), &chunks), -1)
            << "cut at " << length;
}

}  // namespace
