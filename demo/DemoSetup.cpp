#include "DemoSetup.h"

#include "core/Times.h"

namespace corv::demo {

namespace {

void DescribeTextChannel(ChannelRecord& r, const char* file, const char* caption) {
    r.NameIn = file;
    r.Caption = caption;
    r.SampRate = kSampleMs;
    r.StartTime = DemoStartTime();
    r.ColumnValue = 2;
    r.HeaderText = 1;
    r.InDelimiter = '\t';
    r.AutoScale = 'Y';
    r.ToCreate = 0;
}

}  // namespace

double DemoStartTime() {
    return PartsToTime(2026, 6, 14, 6, 0, 0);
}

void DescribeTextRecording(AppState& state) {
    DescribeTextChannel(state.store.Rec(0), kBeakText, "Beak opening");
    DescribeTextChannel(state.store.Rec(1), kDepthText, "Depth [m]");
    state.store.Rec(1).GrRepr = 3;  // inverted: a dive goes down the strip

    ChannelRecord& absent = state.store.Rec(2);
    absent.NameIn = kAbsentChannel;
    absent.ToCreate = 0;
    absent.SampRate = kSampleMs;
    absent.StartTime = DemoStartTime();
}

void DescribeBinaryBeak(AppState& state, const ChannelRecord& loadedBeak) {
    ChannelRecord& r = state.store.Rec(0);
    r.NameIn = kBeakBinary;
    r.ColumnValue = 0;
    r.HeaderText = 0;
    r.ReadHeader = 'Y';
    r.AutoScale = 'N';
    r.KindEqu = loadedBeak.KindEqu;
    r.LowRng = loadedBeak.LowRng;
    r.HighRng = loadedBeak.HighRng;
    r.Min = loadedBeak.Min;
    r.Max = loadedBeak.Max;
    r.CoeffA = loadedBeak.CoeffA;
    r.CoeffB = loadedBeak.CoeffB;
    r.CoeffC = 0;
}

}  // namespace corv::demo
