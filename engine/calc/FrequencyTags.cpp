#include "calc/FrequencyTags.h"

#include <cmath>

#include "AppState.h"
#include "calc/SectionScan.h"
#include "core/Checked.h"
#include "core/Convert.h"
#include "core/NumberFormat.h"
#include "core/Times.h"
#include "core/UiPort.h"

namespace corv {

namespace {

double Value(const ChannelStore& store, int c, int32_t i) {
    int32_t err = 0;
    return store.GetValue(i, c, err);
}

// Area and frequency of the wave minimum - maximum - minimum ending at the last tag, set on
// its maximum. The area is summed from the line's mean so that an offset cancels exactly.
void SetWave(const ChannelStore& store, double commSampInterval, int c,
             std::vector<TagNode>& tags) {
    const size_t n = tags.size();
    if (n < 3 || tags[n - 1].kind != -1 || tags[n - 3].kind != -1) return;
    const TagNode& a = tags[n - 3];
    const TagNode& b = tags[n - 1];
    const double sampRate = store.Rec(c).SampRate;
    const double mid = (a.value + b.value) / 2;
    double sum = 0;
    for (int32_t i = a.index; i <= b.index; ++i) sum += Value(store, c, i) - mid;
    TagNode& max = tags[n - 2];
    max.waveArea = std::fabs(sum * sampRate * commSampInterval / 1000);
    const double span = SpanOfSamples(sampRate, double(b.index) - a.index, commSampInterval);
    max.waveFrequency = span > 0 ? 1 / (span / 1000) : 0;
}

std::string Fixed(double v) {
    return FormatFixed(v, 10, 5);
}

}  // namespace

double SpanOfSamples(double sampRate, double k, double commSampInterval) {
    return RoundHalfEven(sampRate * k * commSampInterval);
}

int SearchExtremum(const ChannelStore& store, int c, int32_t& position, int32_t last,
                   int32_t failures, int d, double threshold) {
    const double t = failures > 0 ? 0.01 * threshold : threshold;
    const int32_t start = position;
    const double ref = d * Value(store, c, start);
    double cur = ref;
    bool found = false;
    do {
        const double prev = cur;
        ++position;
        cur = d * Value(store, c, position);
        found = cur < prev && prev - ref >= t;
        if (!found && failures == 0 && cur - ref < -0.01 * threshold) {
            position = start;
            return kExtremumWrongWay;
        }
    } while (!found && position <= last);
    if (position > last) return kExtremumPassedEnd;
    --position;
    return kExtremumFound;
}

void FindExtrema(const ChannelStore& store, double commSampInterval, UiPort& ui, int c,
                 int32_t first, int32_t last, double threshold, std::vector<TagNode>& tags) {
    tags.clear();
    if (first >= last) return;
    int32_t pos = first, failures = 0;
    int d = Value(store, c, first) < Value(store, c, first + 2) ? 1 : -1;
    for (;;) {
        const int r = SearchExtremum(store, c, pos, last, failures, d, threshold);
        if (r == kExtremumPassedEnd) return;
        if (r == kExtremumWrongWay) {
            if (++failures > 1) {
                ui.Message("Error. Cannot find next extremum ", BoxKind::Error);
                return;
            }
            d = -d;
            if (pos >= last) return;
            continue;
        }
        if (pos >= last) return;
        failures = 0;
        const double v = Value(store, c, pos);
        // A further extremum of the same kind moves the last tag there.
        if (tags.empty() || tags.back().kind != d || d * v <= d * tags.back().value)
            tags.emplace_back();
        TagNode& tag = tags.back();
        const double before =
            tags.size() > 1 ? tags[tags.size() - 2].value : Value(store, c, first);
        tag = TagNode{pos, v, v - before, 0, 0, d};
        SetWave(store, commSampInterval, c, tags);
        d = -d;
        if (pos >= last) return;
    }
}

FrequencyResult ComputeFrequencyResult(const std::vector<TagNode>& tags, double sampRate,
                                       double commSampInterval) {
    FrequencyResult r;
    int nmin = 0, nmax = 0;
    double smin = 0, smax = 0;
    for (const TagNode& t : tags) {
        (t.kind < 0 ? nmin : nmax) += 1;
        (t.kind < 0 ? smin : smax) += t.value;
    }
    if (nmin < 1 || nmax < 1) return r;
    const double span =
        SpanOfSamples(sampRate, double(tags.back().index) - tags.front().index, commSampInterval);
    r.frequency = span > 0 ? (nmin + nmax - 1) / (2 * span) * 1000 : 0;
    r.meanMinima = smin / nmin;
    r.meanMaxima = smax / nmax;
    for (const TagNode& t : tags) {
        const double d = t.value - (t.kind < 0 ? r.meanMinima : r.meanMaxima);
        (t.kind < 0 ? r.sdMinima : r.sdMaxima) += d * d;
    }
    r.sdMinima = std::sqrt(r.sdMinima / nmin);
    r.sdMaxima = std::sqrt(r.sdMaxima / nmax);
    return r;
}

bool CalcFrequency(AppState& state, UiPort& ui) {
    std::string text = FormatShortest(state.settings.FrequSensibility);
    double sensitivity = 0;
    for (;;) {
        if (!ui.InputQuery("Sensitivityness", " Enter a value 0.1 .. 2.0", text)) return false;
        sensitivity = StrToFloat(text);
        if (SensitivityInRange(sensitivity)) break;
        ui.Message("Illegal value", BoxKind::Error);
    }
    FrequencySearch(state, ui, sensitivity);
    return true;
}

bool SensitivityInRange(double sensitivity) {
    return sensitivity >= 0.1 && sensitivity <= 2.0;
}

void FrequencySearch(AppState& state, UiPort& ui, double sensitivity) {
    state.settings.FrequSensibility = sensitivity;
    const int c = state.ActiveChannel;
    // The section ends at the channel's last sample; beyond it there are no values.
    const IndexRange range =
        TimeRangeToIndexes(state.store, c, state.view.LeftCursor, state.view.RightCursor);
    const SectionScan scan(state.store, c, range.first, range.last);
    const SectionMoments& m = scan.Moments();
    const double sd = m.n > 0 ? std::sqrt(m.m2 / static_cast<double>(m.n)) : 0;
    FrequencyTags& f = state.frequencyTags;
    f.channel = c;
    FindExtrema(state.store, state.settings.CommSampInterval, ui, c, range.first, range.last,
                sd * sensitivity, f.tags);
    f.result = ComputeFrequencyResult(f.tags, state.store.Rec(c).SampRate,
                                      state.settings.CommSampInterval);
}

std::vector<std::string> FrequencyResultLines(const FrequencyTags& f, double sampRate) {
    const FrequencyResult& r = f.result;
    std::vector<std::string> lines = {
        " Mean of minima: " + Fixed(r.meanMinima),
        " Mean of maxima: " + Fixed(r.meanMaxima),
        " SD of minima: " + Fixed(r.sdMinima),
        " SD of maxima: " + Fixed(r.sdMaxima),
        " Frequency [1/s]: " + Fixed(r.frequency),
        " Tags: " + std::to_string(f.tags.size()),
        "",
        "Index\tTime [s]\tKind\tValue\tAmplitude\tWave frequency [1/s]\tWave area",
    };
    for (const TagNode& t : f.tags)
        lines.push_back(std::to_string(t.index) + '\t' + Fixed(t.index * sampRate / 1000) + '\t' +
                        (t.kind > 0 ? "max" : "min") + '\t' + Fixed(t.value) + '\t' +
                        Fixed(t.amplitude) + '\t' + Fixed(t.waveFrequency) + '\t' +
                        Fixed(t.waveArea));
    return lines;
}

}  // namespace corv
