// Multimedia file I/O on memory files: chunk descent with and without a search, searches
// bounded by the parent chunk and starting where the file stands, pad bytes, and reads.
#include <gtest/gtest.h>

#include "tests/support/scratch_module.h"
#include "tests/support/sound_recorder.h"

namespace {

using testing_support::bytes;
using testing_support::riff_file;

constexpr FOURCC tag(const char (&text)[5]) {
    return mmioFOURCC(text[0], text[1], text[2], text[3]);
}

class MemoryFile : public ::testing::Test {
  protected:
    HMMIO open(bytes& data) {
        return testing_support::open_memory_file(data);
    }

    void TearDown() override {
        for (HMMIO file : opened) {
            mmioClose(file, 0);
        }
    }

    testing_support::sound_recorder platform;
    std::vector<HMMIO> opened;
};

// A RIFF "WAVE" holding an odd-sized chunk, a LIST of type INFO, the format and the data, then
// a chunk that lies after the RIFF chunk's end.
bytes sample_file() {
    bytes file = riff_file("WAVE", {{"junk", {1, 2, 3}},
                                    {"LIST", {'I', 'N', 'F', 'O', 'x', 'y'}},
                                    testing_support::pcm_format(1, 8000, 8),
                                    testing_support::sample_data(10)});
    const bytes after = riff_file("AVI ", {{"data", {9, 9}}});
    file.insert(file.end(), after.begin(), after.end());
    return file;
}

TEST_F(MemoryFile, DescendsIntoTheRiffOfTheFormAndFindsItsChunksInOrder) {
    bytes data = sample_file();
    HMMIO file = opened.emplace_back(open(data));
    ASSERT_TRUE(file != nullptr);

    MMCKINFO riff{};
    riff.fccType = tag("WAVE");
    ASSERT_EQ(mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    EXPECT_EQ(riff.ckid, FOURCC_RIFF);
    EXPECT_EQ(riff.dwDataOffset, 8u);

    MMCKINFO chunk{};
    chunk.ckid = tag("fmt ");
    ASSERT_EQ(mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(chunk.cksize, 18u);
    // 12 (RIFF header) + 12 (junk, padded) + 14 (LIST) + 8 (the format chunk's header)
    EXPECT_EQ(chunk.dwDataOffset, 46u);
    WORD format_tag = 0;
    EXPECT_EQ(mmioRead(file, reinterpret_cast<HPSTR>(&format_tag), 2), 2);
    EXPECT_EQ(format_tag, 1);
    ASSERT_EQ(mmioAscend(file, &chunk, 0), MMSYSERR_NOERROR);

    chunk.ckid = tag("data");
    ASSERT_EQ(mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(chunk.cksize, 10u);
    std::uint8_t samples[16] = {};
    EXPECT_EQ(mmioRead(file, reinterpret_cast<HPSTR>(samples), 16), 16)
        << "a read runs on past the chunk into what follows";
    EXPECT_EQ(samples[0], 1);
    EXPECT_EQ(samples[9], 1 + 7 * 9);
}

TEST_F(MemoryFile, SearchesStartWhereTheFileStandsAndEndWithTheParent) {
    bytes data = sample_file();
    HMMIO file = opened.emplace_back(open(data));
    MMCKINFO riff{};
    riff.fccType = tag("WAVE");
    ASSERT_EQ(mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    MMCKINFO chunk{};
    chunk.ckid = tag("data");
    ASSERT_EQ(mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioAscend(file, &chunk, 0), MMSYSERR_NOERROR);
    // The format chunk lies behind the file's position now.
    chunk.ckid = tag("fmt ");
    EXPECT_EQ(mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK),
              static_cast<MMRESULT>(MMIOERR_CHUNKNOTFOUND));
    // A "data" chunk after the parent's end is not the parent's.
    chunk.ckid = tag("data");
    EXPECT_EQ(mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK),
              static_cast<MMRESULT>(MMIOERR_CHUNKNOTFOUND));
}

TEST_F(MemoryFile, FindsARiffOrListOfTheTypeAskedFor) {
    bytes data = sample_file();
    HMMIO file = opened.emplace_back(open(data));
    MMCKINFO riff{};
    riff.fccType = tag("AVI ");
    ASSERT_EQ(mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR)
        << "the search steps over the WAVE form to the next RIFF chunk";
    EXPECT_EQ(riff.fccType, tag("AVI "));

    bytes second = sample_file();
    file = opened.emplace_back(open(second));
    MMCKINFO wave{};
    wave.fccType = tag("WAVE");
    ASSERT_EQ(mmioDescend(file, &wave, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    MMCKINFO list{};
    list.fccType = tag("INFO");
    ASSERT_EQ(mmioDescend(file, &list, &wave, MMIO_FINDLIST), MMSYSERR_NOERROR);
    EXPECT_EQ(list.ckid, FOURCC_LIST);
    EXPECT_EQ(list.cksize, 6u);
    char inside[2] = {};
    EXPECT_EQ(mmioRead(file, inside, 2), 2) << "the position is past the list's type";
    EXPECT_EQ(inside[0], 'x');
}

TEST_F(MemoryFile, DescentWithoutASearchTakesTheChunkWhereTheFileStands) {
    bytes data = sample_file();
    HMMIO file = opened.emplace_back(open(data));
    MMCKINFO riff{};
    ASSERT_EQ(mmioDescend(file, &riff, nullptr, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(riff.ckid, FOURCC_RIFF);
    EXPECT_EQ(riff.fccType, tag("WAVE"));
    MMCKINFO junk{};
    ASSERT_EQ(mmioDescend(file, &junk, &riff, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(junk.ckid, tag("junk"));
    EXPECT_EQ(junk.cksize, 3u);
    ASSERT_EQ(mmioAscend(file, &junk, 0), MMSYSERR_NOERROR);
    MMCKINFO next{};
    ASSERT_EQ(mmioDescend(file, &next, &riff, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(next.ckid, FOURCC_LIST) << "the ascent steps over the pad byte";
}

TEST_F(MemoryFile, ReadsStopAtTheEndAndRefuseWhatCannotBeRead) {
    bytes data = {1, 2, 3, 4, 5};
    HMMIO file = opened.emplace_back(open(data));
    char buffer[8] = {};
    EXPECT_EQ(mmioRead(file, buffer, 3), 3);
    EXPECT_EQ(mmioRead(file, buffer, 8), 2);
    EXPECT_EQ(mmioRead(file, buffer, 8), 0);
    EXPECT_EQ(mmioRead(file, buffer, -1), -1);
    EXPECT_EQ(mmioRead(file, nullptr, 4), -1);
    EXPECT_EQ(mmioRead(reinterpret_cast<HMMIO>(std::uintptr_t{4}), buffer, 1), -1);
}

TEST_F(MemoryFile, OnlyMemoryFilesOpen) {
    MMIOINFO info{};
    char name[] = "C:\\WAVES\\CLICK.WAV";
    EXPECT_TRUE(mmioOpenA(name, &info, MMIO_READWRITE) == nullptr);
    EXPECT_EQ(info.wErrorRet, static_cast<UINT>(MMIOERR_CANNOTOPEN));

    // A memory file without a buffer of the caller's gets one of its own.
    MMIOINFO own{};
    own.fccIOProc = FOURCC_MEM;
    own.cchBuffer = 64;
    HMMIO file = mmioOpenA(nullptr, &own, MMIO_READWRITE | MMIO_ALLOCBUF);
    ASSERT_TRUE(file != nullptr);
    char buffer[64];
    EXPECT_EQ(mmioRead(file, buffer, 64), 64);
    EXPECT_EQ(mmioClose(file, 0), static_cast<MMRESULT>(MMSYSERR_NOERROR));
    EXPECT_EQ(mmioClose(file, 0), static_cast<MMRESULT>(MMIOERR_CANNOTCLOSE));
}

}  // namespace
