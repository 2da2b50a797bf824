#pragma once
// The frequency search: the alternating maxima and minima of an oscillating section,
// marked with tags, and the mean extremes and oscillation frequency derived from them.

#include <cstdint>
#include <string>
#include <vector>

namespace corv {

struct AppState;
class ChannelStore;
class UiPort;

// One found extremum.
struct TagNode {
    int32_t index = 0;         // sample index
    double value = 0;          // value at index
    double amplitude = 0;      // value minus the previous tag's (the first: the start's)
    double waveFrequency = 0;  // on a maximum between two minima: 1 / wave time in s
    double waveArea = 0;       // on that maximum: area above the line through the minima
    int32_t kind = 0;          // +1 maximum, -1 minimum
};

struct FrequencyResult {
    double meanMinima = 0;
    double meanMaxima = 0;
    double sdMinima = 0;
    double sdMaxima = 0;
    double frequency = 0;
};

// The tags of the last search, in time order, and their result. Emptied by a new search,
// by "&Dispose tags" and when channels are loaded.
struct FrequencyTags {
    std::vector<TagNode> tags;
    int channel = 0;  // active during the search
    FrequencyResult result;
};

// Results of SearchExtremum.
inline constexpr int kExtremumFound = 0;
inline constexpr int kExtremumWrongWay = -1;
inline constexpr int kExtremumPassedEnd = -2;

// Walks from `position` in direction d (+1 a maximum, -1 a minimum) until the curve turns
// after rising by at least the threshold (1 % of it after a failure). Found: `position` is
// the extremum. Wrong way (the curve fell by more than 1 % of the threshold first, no
// earlier failure): `position` is restored.
int SearchExtremum(const ChannelStore& store, int c, int32_t& position, int32_t last,
                   int32_t failures, int d, double threshold);

// Builds the tag list over first..last; "Error. Cannot find next extremum " after two
// wrong-way results in a row (the tags found so far stay).
void FindExtrema(const ChannelStore& store, double commSampInterval, UiPort& ui, int c,
                 int32_t first, int32_t last, double threshold, std::vector<TagNode>& tags);

// The mean and SD of minima and maxima and the frequency of a tag list.
[[nodiscard]] FrequencyResult ComputeFrequencyResult(const std::vector<TagNode>& tags,
                                                     double sampRate, double commSampInterval);

// Asks the sensitivity (again after "Illegal value"), searches the WorkSection of the
// active channel and computes the result. False when the query was cancelled.
bool CalcFrequency(AppState& state, UiPort& ui);
// The search with an accepted sensitivity (0.1 .. 2.0), which is kept in FrequSensibility.
void FrequencySearch(AppState& state, UiPort& ui, double sensitivity);
[[nodiscard]] bool SensitivityInRange(double sensitivity);

// The lines "&Show result" presents: the five result numbers, then one line per tag.
[[nodiscard]] std::vector<std::string> FrequencyResultLines(const FrequencyTags& f,
                                                            double sampRate);

// The time in ms of k samples.
[[nodiscard]] double SpanOfSamples(double sampRate, double k, double commSampInterval);

}  // namespace corv
