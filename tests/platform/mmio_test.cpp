// Multimedia file I/O on memory files: chunk descent with and without a search, searches
// bounded by the parent chunk and starting where the file stands, pad bytes, and reads.
#include <gtest/gtest.h>

#include "tests/support/panel_test.h"
#include "tests/support/scratch_module.h"
#include "tests/support/sound_recorder.h"

namespace {

using testing_support::bytes;

FOURCC tag(const char* text) {
    return mmioFOURCC(text[0], text[1], text[2], text[3]);
}

// A RIFF "WAVE" holding an odd-sized chunk, a LIST of type INFO, the format and the data, then
// a chunk that lies after the RIFF chunk's end: chunk headers at 12, 24, 38 and 64.
bytes sample_file() {
    bytes file = testing_support::riff_file("WAVE", {{"junk", {1, 2, 3}},
                                                     {"LIST", {'I', 'N', 'F', 'O', 'x', 'y'}},
                                                     testing_support::pcm_format(1, 8000, 8),
                                                     testing_support::sample_data(10)});
    const bytes after = testing_support::riff_file("AVI ", {{"data", {9, 9}}});
    file.insert(file.end(), after.begin(), after.end());
    return file;
}

class MemoryFile : public ::testing::Test {
  protected:
    void TearDown() override {
        mmioClose(file, 0);
    }

    testing_support::sound_recorder platform;
    bytes data = sample_file();
    HMMIO file = testing_support::open_memory_file(data);
};

// One descent inside the WAVE form, then an ascent out of the chunk found.
struct descent {
    UINT search;        // MMIO_FINDCHUNK, MMIO_FINDLIST, or 0: the chunk where the file stands
    const char* id;     // the chunk's id (a list's type when searching for a list)
    DWORD data_offset;  // where its data starts; 0: not found
    DWORD size = 0;
    char first = 0;  // the first byte read after the descent (past a list's type)
};

struct descent_case {
    const char* name;
    std::vector<descent> descents;
};

class ChunkDescent : public MemoryFile, public ::testing::WithParamInterface<descent_case> {};

TEST_P(ChunkDescent, FindsTheChunksOfItsParentFromWhereTheFileStands) {
    MMCKINFO riff{};
    riff.fccType = tag("WAVE");
    ASSERT_EQ(mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    EXPECT_EQ(std::pair(riff.ckid, riff.dwDataOffset), std::pair(FOURCC_RIFF, DWORD{8}));
    for (const descent& d : GetParam().descents) {
        SCOPED_TRACE(d.id);
        MMCKINFO chunk{};
        (d.search == MMIO_FINDLIST ? chunk.fccType : chunk.ckid) = d.search != 0 ? tag(d.id) : 0;
        const MMRESULT result = mmioDescend(file, &chunk, &riff, d.search);
        if (d.data_offset == 0) {
            EXPECT_EQ(result, static_cast<MMRESULT>(MMIOERR_CHUNKNOTFOUND));
            continue;
        }
        ASSERT_EQ(result, MMSYSERR_NOERROR);
        EXPECT_EQ(d.search == MMIO_FINDLIST ? chunk.fccType : chunk.ckid, tag(d.id));
        EXPECT_EQ(std::pair(chunk.dwDataOffset, chunk.cksize), std::pair(d.data_offset, d.size));
        char first = 0;
        EXPECT_EQ(mmioRead(file, &first, 1), 1);
        EXPECT_EQ(first, d.first);
        ASSERT_EQ(mmioAscend(file, &chunk, 0), MMSYSERR_NOERROR);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Descents, ChunkDescent,
    ::testing::Values(
        // The format's first byte is its tag's, 1 for PCM; the samples start at 1.
        descent_case{"chunks_in_order",
                     {{MMIO_FINDCHUNK, "fmt ", 46, 18, 1}, {MMIO_FINDCHUNK, "data", 72, 10, 1}}},
        descent_case{"search_starts_where_the_file_stands",
                     {{MMIO_FINDCHUNK, "data", 72, 10, 1}, {MMIO_FINDCHUNK, "fmt ", 0}}},
        // The "data" chunk after the parent's end is not the parent's.
        descent_case{"search_ends_with_the_parent",
                     {{MMIO_FINDCHUNK, "data", 72, 10, 1}, {MMIO_FINDCHUNK, "data", 0}}},
        descent_case{"list_of_the_type", {{MMIO_FINDLIST, "INFO", 32, 6, 'x'}}},
        descent_case{"list_of_no_such_type", {{MMIO_FINDLIST, "adtl", 0}}},
        // The ascent out of the odd-sized chunk steps over its pad byte.
        descent_case{"without_a_search",
                     {{0, "junk", 20, 3, 1}, {0, "LIST", 32, 6, 'x'}, {0, "fmt ", 46, 18, 1}}}),
    testing_support::row_name);

TEST_F(MemoryFile, FindsARiffOfTheFormAskedFor) {
    MMCKINFO riff{};
    riff.fccType = tag("AVI ");
    ASSERT_EQ(mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR)
        << "the search steps over the WAVE form to the next RIFF chunk";
    EXPECT_EQ(riff.dwDataOffset, 90u);
}

TEST_F(MemoryFile, AReadRunsOnPastItsChunk) {
    MMCKINFO riff{};
    ASSERT_EQ(mmioDescend(file, &riff, nullptr, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(riff.fccType, tag("WAVE"));
    MMCKINFO junk{};
    ASSERT_EQ(mmioDescend(file, &junk, &riff, 0), MMSYSERR_NOERROR);
    char read[6] = {};
    EXPECT_EQ(mmioRead(file, read, 6), 6);
    EXPECT_EQ(read[4], 'L') << "the three bytes, the pad byte, then the LIST's header";
}

TEST_F(MemoryFile, ReadsStopAtTheEndAndRefuseWhatCannotBeRead) {
    bytes five = {1, 2, 3, 4, 5};
    HMMIO small = testing_support::open_memory_file(five);
    char buffer[8] = {};
    EXPECT_EQ(mmioRead(small, buffer, 3), 3);
    EXPECT_EQ(mmioRead(small, buffer, 8), 2);
    EXPECT_EQ(mmioRead(small, buffer, 8), 0);
    EXPECT_EQ(mmioRead(small, buffer, -1), -1);
    EXPECT_EQ(mmioRead(small, nullptr, 4), -1);
    EXPECT_EQ(mmioRead(reinterpret_cast<HMMIO>(std::uintptr_t{4}), buffer, 1), -1);
    mmioClose(small, 0);
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
