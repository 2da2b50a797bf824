#pragma once
// Everything the program knows about one channel: file, timing, scaling, format and
// display settings. Field names are the keys of the setup file.

#include <cstdint>
#include <string>

namespace corv {

inline constexpr int kChannelCount = 3;

// What the text loader does with a line whose column is there but holds no number.
enum MissingValuesRule : uint8_t {
    kSkipMissing = 0,   // the line gives no sample; later samples move earlier in time
    kKeepTimeStep = 1,  // the line gives a sample holding the value before it, marked as a gap
};

struct ChannelRecord {
    std::string NameIn;
    std::string Caption;  // at most 18 characters
    int32_t SampRate = 0;
    int32_t DataCnt = 0;
    double StartTime = 0;
    double EndTime = 0;
    int32_t SmpDelay = 0;
    int32_t CorrSmpDelay = 0;
    uint8_t GrRepr = 0;
    double Min = 0;
    double Max = 0;
    double UsrCoeffA = 0;
    double UsrCoeffB = 0;
    double CoeffA = 0;
    double CoeffB = 0;
    double CoeffC = 0;
    double LowRng = 0;
    double HighRng = 0;
    double PlotLow = 0;
    double PlotHigh = 0;
    double yOffset = 0;
    uint8_t WndSze = 0;
    uint8_t ToCreate = 0;
    uint8_t CursorMask = 0;
    char KindEqu = 0;
    int32_t ColumnValue = 0;
    int32_t HeaderText = 0;
    char AutoScale = 0;
    char ReadHeader = 0;
    char InDelimiter = 0;
    uint8_t Derivation = 0;
    double GridDist = 0;
    int32_t RunMean = 0;
    // The rational polynomial y = (a0 + a1 x + ... + a5 x^5) / (1 + b1 x + ... + b5 x^5).
    double a0 = 0, a1 = 0, a2 = 0, a3 = 0, a4 = 0, a5 = 0;
    double b1 = 0, b2 = 0, b3 = 0, b4 = 0, b5 = 0;
    uint8_t bSet = 0;
    uint8_t bApplyPolynom = 0;
    uint8_t MissingValues = kSkipMissing;  // a MissingValuesRule
};

// Calls f(name, field) for every field in declared order; the field is one of
// std::string, int32_t, uint8_t, double or char. Used to list records (CLI, tests).
template <class Record, class F>
void ForEachField(Record& r, F&& f) {
    f("NameIn", r.NameIn);
    f("Caption", r.Caption);
    f("SampRate", r.SampRate);
    f("DataCnt", r.DataCnt);
    f("StartTime", r.StartTime);
    f("EndTime", r.EndTime);
    f("SmpDelay", r.SmpDelay);
    f("CorrSmpDelay", r.CorrSmpDelay);
    f("GrRepr", r.GrRepr);
    f("Min", r.Min);
    f("Max", r.Max);
    f("UsrCoeffA", r.UsrCoeffA);
    f("UsrCoeffB", r.UsrCoeffB);
    f("CoeffA", r.CoeffA);
    f("CoeffB", r.CoeffB);
    f("CoeffC", r.CoeffC);
    f("LowRng", r.LowRng);
    f("HighRng", r.HighRng);
    f("PlotLow", r.PlotLow);
    f("PlotHigh", r.PlotHigh);
    f("yOffset", r.yOffset);
    f("WndSze", r.WndSze);
    f("ToCreate", r.ToCreate);
    f("CursorMask", r.CursorMask);
    f("KindEqu", r.KindEqu);
    f("ColumnValue", r.ColumnValue);
    f("HeaderText", r.HeaderText);
    f("AutoScale", r.AutoScale);
    f("ReadHeader", r.ReadHeader);
    f("InDelimiter", r.InDelimiter);
    f("Derivation", r.Derivation);
    f("GridDist", r.GridDist);
    f("RunMean", r.RunMean);
    f("a0", r.a0);
    f("a1", r.a1);
    f("a2", r.a2);
    f("a3", r.a3);
    f("a4", r.a4);
    f("a5", r.a5);
    f("b1", r.b1);
    f("b2", r.b2);
    f("b3", r.b3);
    f("b4", r.b4);
    f("b5", r.b5);
    f("bSet", r.bSet);
    f("bApplyPolynom", r.bApplyPolynom);
    f("MissingValues", r.MissingValues);
}

}  // namespace corv
