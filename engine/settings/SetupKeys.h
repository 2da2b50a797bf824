#pragma once
// The key lines of the setup file in their written order, shared by the writer and the
// reader. A field's type decides its encoding: std::string text, int32_t integer, uint8_t
// integer 0..255, double float, char character; the three tables (colours, output names,
// subsidiary lines) have their own line shapes.

#include "settings/Settings.h"

namespace corv {

// Calls f(key, field) for every per-channel key of a channel record, in file order.
template <class Record, class F>
void ForEachChannelKey(Record& r, F&& f) {
    f("NameIn", r.NameIn);
    f("Caption", r.Caption);
    f("SampRate", r.SampRate);
    f("DataCnt", r.DataCnt);
    f("StartTime", r.StartTime);
    f("EndTime", r.EndTime);
    f("SmpDelay", r.SmpDelay);
    f("CorrSmpDelay", r.CorrSmpDelay);
    f("GrRepr", r.GrRepr);
    f("ToCreate", r.ToCreate);
    f("Min", r.Min);
    f("Max", r.Max);
    f("CoeffA", r.CoeffA);
    f("CoeffB", r.CoeffB);
    f("CoeffC", r.CoeffC);
    f("UsrCoeffA", r.UsrCoeffA);
    f("UsrCoeffB", r.UsrCoeffB);
    f("LowRng", r.LowRng);
    f("HighRng", r.HighRng);
    f("yOffset", r.yOffset);
    f("WndSze", r.WndSze);
    f("KindEqu", r.KindEqu);
    f("ColumnValue", r.ColumnValue);
    f("HeaderText", r.HeaderText);
    f("InDelimiter", r.InDelimiter);
    f("Derivation", r.Derivation);
    f("GridDist", r.GridDist);
    f("RunMean", r.RunMean);
    // The polynomial letters alternate numerator and denominator coefficients.
    f("Poly_A", r.a0);
    f("Poly_B", r.b1);
    f("Poly_C", r.a1);
    f("Poly_D", r.b2);
    f("Poly_E", r.a2);
    f("Poly_F", r.b3);
    f("Poly_G", r.a3);
    f("Poly_H", r.b4);
    f("Poly_I", r.a4);
    f("Poly_J", r.b5);
    f("Poly_K", r.a5);
    f("bSet", r.bSet);
    f("bApplyPolynom", r.bApplyPolynom);
    // Written only when it differs from the default (see WriteChannel).
    f("MissingValues", r.MissingValues);
}

// Calls f(key, field) for every global key, in file order; "Color", "NameOutFile" and
// "subsidline" pass their whole tables.
template <class S, class F>
void ForEachGlobalKey(S& s, F&& f) {
    f("Color", s.ColourTable);
    f("StartCoordLon", s.StartCoordLon);
    f("StartCoordLat", s.StartCoordLat);
    f("EndCoordLon", s.EndCoordLon);
    f("EndCoordLat", s.EndCoordLat);
    f("GraphFont", s.GraphFont);
    f("GraphFontSize", s.GraphFontSize);
    f("FrequSensibility", s.FrequSensibility);
    f("Beak TimeToScan", s.Beak.ScanInterval);
    f("Beak SchnabelZuStdDev", s.Beak.QuietStdDev);
    f("Beak MinDur", s.Beak.MinDuration);
    f("Beak TypEvThr", s.Beak.TypeThreshold);
    f("Beak BeakThr", s.Beak.BeakThreshold);
    f("Beak DiveThr", s.Beak.DiveThreshold);
    f("Beak DiveLevel", s.Beak.DiveLevel);
    f("Beak DiveSlope", s.Beak.DiveSlope);
    f("Beak WndPnts", s.Beak.WindowSize);
    f("Comm.SampInterval", s.CommSampInterval);
    f("name_out_file", s.StatisticsFileName);
    f("NameOutFile", s.NameOutFile);
    f("OutDlmt", s.OutDlmt);
    f("DateSep", s.DateSep);
    f("AltNullmbar", s.AltNullmbar);
    f("subsidline", s.SubsidLines);
}

}  // namespace corv
