#include "files/BinaryChannel.h"

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>
#include <span>

#include "AppState.h"
#include "core/Checked.h"
#include "core/Errors.h"
#include "core/UiPort.h"
#include "files/EmptyChannel.h"
#include "files/HeaderMarker.h"
#include "files/ScatterReadFile.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

// The loader has always worked in pieces of 1024 samples and stopped once it had
// MaxSamples - 1024 of them; the number it reaches is kept, whatever the read size.
constexpr int64_t kPieceSamples = 1024;
constexpr int64_t kBlockSamples = ChannelStore::kBlockSamples;

int64_t LoadLimit(int32_t maxSamples) {
    const int64_t limit = int64_t{maxSamples} - kPieceSamples;
    if (limit <= 0) return 0;
    return (limit + kPieceSamples - 1) / kPieceSamples * kPieceSamples;
}

// Samples arrive little-endian.
void SwapToHost(std::span<const ReadPiece> pieces, int64_t bytes) {
    if constexpr (std::endian::native == std::endian::big) {
        for (const ReadPiece& piece : pieces) {
            const int64_t words = std::min<int64_t>(static_cast<int64_t>(piece.bytes), bytes) / 2;
            auto* w = reinterpret_cast<uint16_t*>(piece.data);
            for (int64_t k = 0; k < words; ++k)
                w[k] = static_cast<uint16_t>((w[k] >> 8) | (w[k] << 8));
            bytes -= static_cast<int64_t>(piece.bytes);
            if (bytes <= 0) break;
        }
    } else {
        (void)pieces;
        (void)bytes;
    }
}

// Reads up to `count` samples into channel c's banks, a batch of whole blocks per read; a
// block that is not allocated is read past. Returns the samples read (fewer at the end of
// the file).
int64_t ReadIntoBanks(ScatterReadFile& in, ChannelStore& store, int c, int64_t count) {
    constexpr size_t kBatchBlocks = 64;
    static_assert(kBlockSamples % 2 == 0);
    std::array<ReadPiece, kBatchBlocks> pieces;
    std::array<uint16_t, kBlockSamples> discard;
    int64_t p = 0;
    while (p < count) {
        size_t used = 0;
        int64_t wanted = 0;
        for (int64_t q = p; q < count && used < kBatchBlocks; ++used) {
            const int64_t n = std::min(count - q, kBlockSamples - (q & (kBlockSamples - 1)));
            uint16_t* dst = store.BankWord(c, static_cast<int32_t>(q));
            pieces[used] = {reinterpret_cast<char*>(dst != nullptr ? dst : discard.data()),
                            static_cast<size_t>(n * 2)};
            q += n;
            wanted += n;
        }
        const std::span<const ReadPiece> batch(pieces.data(), used);
        const int64_t bytes = in.Read(batch);
        SwapToHost(batch, bytes);
        p += bytes / 2;
        if (bytes < wanted * 2) break;
    }
    return p;
}

uint16_t* ChunkSource(const ChannelStore& store, int c, int64_t p) {
    if (p < 0 || p > INT32_MAX) return nullptr;
    return store.BankWord(c, static_cast<int32_t>(p));
}

// The end of the chunk that starts at p: at most 1024 samples, never past the end of p's
// bank block.
int64_t ChunkEnd(int64_t p, int64_t end) {
    const int64_t blockEnd = p < 0 ? 0 : (p / kBlockSamples + 1) * kBlockSamples;
    return std::min({end, p + kPieceSamples, blockEnd});
}

}  // namespace

int LoadBinaryChannel(AppState& state, UiPort& ui, int c) {
    state.store.Gaps[static_cast<size_t>(c)].Clear();  // binary files have no missing values
    if (ShouldCreateEmpty(state, c)) return CreateEmptyChannel(state, ui, c);
    ChannelStore& store = state.store;
    ChannelRecord& r = store.Rec(c);
    if (!store.ChannelPresent[static_cast<size_t>(c)]) return 0;
    const fs::path file(r.NameIn);
    const HeaderMarkerResult marker = HasHeaderMarker(ui, file);
    if (!marker.opened) {
        store.ChannelPresent[static_cast<size_t>(c)] = false;
        return 1;
    }

    ScatterReadFile in;
    if (!in.Open(file)) throw IoError("Cannot open " + file.string());
    const int64_t headerBytes = marker.hasMarker ? kHeaderBytes : 0;
    // A trailing odd byte is no sample.
    const int64_t size = std::max<int64_t>(in.Size() / 2 - headerBytes / 2, 0);
    in.Seek(headerBytes);

    const int64_t wanted = std::min(size, LoadLimit(store.MaxSamples));
    const int64_t n = ReadIntoBanks(in, store, c, wanted);
    in.Close();
    if (n == wanted && size > wanted) ui.Message(" Cannot load entire bin. file. ");
    // DataCnt is the index of the last sample loaded, as for text files, so no index past
    // the data reads a word left over from an earlier load.
    r.DataCnt = CheckedAdd(r.CorrSmpDelay, Narrow<int32_t>(n - 1));
    r.EndTime = static_cast<double>(n - 1) * r.SampRate + r.StartTime;
    return 0;
}

bool WriteBinaryBody(const AppState& state, const fs::path& file, int32_t first, int32_t end,
                     char mode, int c) {
    const ChannelStore& store = state.store;
    CheckIndex(c, kChannelCount);
    const auto openMode = std::ios::binary | (mode == 'A' ? std::ios::app : std::ios::trunc);
    std::ofstream out(file, std::ios::out | openMode);
    if (!out) return false;

    std::array<char, 2 * kPieceSamples> buf;
    for (int64_t p = first; p < end && out;) {
        const int64_t chunkEnd = ChunkEnd(p, end);
        const uint16_t* src = ChunkSource(store, c, p);
        size_t k = 0;
        for (int64_t q = p; q < chunkEnd; ++q) {
            const uint16_t w = src != nullptr ? src[q - p] : 0;
            buf[k++] = static_cast<char>(w & 0xFF);
            buf[k++] = static_cast<char>(w >> 8);
        }
        out.write(buf.data(), static_cast<std::streamsize>(k));
        p = chunkEnd;
    }
    out.close();
    return !out.fail();
}

}  // namespace corv
