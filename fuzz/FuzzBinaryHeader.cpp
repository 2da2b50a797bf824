// Binary channel files: the header reader takes any bytes (only IoError escapes), a header
// it read writes and reads back to the same header, and the loader keeps its counts.
#include <memory>

#include "AppState.h"
#include "FuzzSupport.h"
#include "core/Errors.h"
#include "core/RecordingUiPort.h"
#include "files/BinaryChannel.h"
#include "files/BinaryHeader.h"
#include "files/HeaderMarker.h"
#include "settings/Defaults.h"

using namespace corv;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const auto file = fuzz::ScratchFile("fuzz.bin");
    static const auto copy = fuzz::ScratchFile("copy.bin");
    fuzz::Bytes in(data, size);
    const bool withMarker = in.Byte() & 1;
    std::string bytes = withMarker ? std::string("0720\t ") + kHeaderMarker + "\r\n" : "";
    bytes += in.Rest();
    fuzz::WriteBytes(file, bytes);

    AppState& state = fuzz::StateWithBanks();
    RecordingUiPort ui;
    ChannelRecord& r = state.store.Rec(0);
    r = ChannelRecord{};
    r.SampRate = 1000;
    r.StartTime = 1230768000000.0;  // 1 January 2020, as a dialog would give it
    bool read = false;
    try {
        read = ReadBinaryHeader(state, file, 0);
    } catch (const IoError&) {
        return 0;  // a malformed header abandons Start with its message
    }
    if (read) {
        // What was read writes and reads back to the same header.
        const std::string header = BinaryHeaderText(state, 0, 0, 0);
        Check(header.size() == 720, "the header has 720 bytes");
        fuzz::WriteBytes(copy, header);
        const ChannelRecord before = r;
        bool again = false;
        try {
            again = ReadBinaryHeader(state, copy, 0);
        } catch (const IoError&) {
            Check(false, "a written header reads back");
        }
        Check(again, "a written header has the marker");
        Check(BinaryHeaderText(state, 0, 0, 0) == header, "header write -> read is stable");
        Check(r.SampRate == before.SampRate, "the interval survives");
    }
    // The body loads whatever the header said.
    r.NameIn = file.string();
    r.CorrSmpDelay = 0;
    state.store.ChannelPresent[0] = true;
    state.store.MaxSamples = 1 << 16;
    try {
        Check(LoadBinaryChannel(state, ui, 0) == 0, "an existing file loads");
        const int64_t header = HasHeaderMarker(ui, file).hasMarker ? kHeaderBytes : 0;
        const int64_t samples =
            std::max<int64_t>(static_cast<int64_t>(bytes.size()) - header, 0) / 2;
        Check(r.DataCnt == std::min<int64_t>(samples, 64512) - 1, "DataCnt is the last sample");
    } catch (const RangeError&) {
        // a sampling interval the time axis cannot hold ends the command
    }
    return 0;
}
