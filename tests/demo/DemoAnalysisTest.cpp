// The beak analysis on the demo recording, end to end: from the graph window's first view
// with default parameters, Analyse all must write one event for each bout the generator
// planned, of the right type and at the right time, and the results files must read back.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "AppState.h"
#include "DemoPlan.h"
#include "TestSupport.h"
#include "analysis/BeakCommands.h"
#include "analysis/ResultsFile.h"
#include "core/RecordingUiPort.h"
#include "core/Times.h"
#include "files/StartSequence.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv::demo {
namespace {

namespace fs = std::filesystem;

// An event starts within this time of its bout's first opening.
constexpr double kStartTolerance = 1.5;

struct Row {
    std::map<std::string, std::string> field;
    const std::string& operator[](const std::string& k) const { return field.at(k); }
};

// A tab-separated file with a header line, read as a reader without options would.
std::vector<Row> ReadTable(const fs::path& file, std::string& header) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> names;
    std::vector<Row> rows;
    for (std::string line; std::getline(in, line);) {
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        line.pop_back();
        std::vector<std::string> cells;
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, '\t');) cells.push_back(c);
        if (line.back() == '\t') cells.emplace_back();
        if (names.empty()) {
            header = line;
            names = cells;
            continue;
        }
        EXPECT_EQ(cells.size(), names.size()) << line;
        Row r;
        for (size_t k = 0; k < names.size() && k < cells.size(); ++k) r.field[names[k]] = cells[k];
        rows.push_back(r);
    }
    return rows;
}

// Seconds from the start of the recording of an ISO date-time.
double SecondsOf(const std::string& iso, double origin) {
    int y, mo, d, h, mi, s, ms;
    EXPECT_EQ(std::sscanf(iso.c_str(), "%d-%d-%dT%d:%d:%d.%d", &y, &mo, &d, &h, &mi, &s, &ms), 7)
        << iso;
    return (PartsToTime(y, mo, d, h, mi, s) + ms - origin) / 1000.0;
}

TEST(DemoAnalysis, AnalyseAllWritesTheGeneratorsBouts) {
    AppState s;
    RecordingUiPort ui;
    const fs::path cfg = test::SourceDir() / "demo" / "demo.cfg";
    SetDefaults(s, test::SourceDir() / "corvandell");
    ASSERT_TRUE(ReadSetupFile(s, cfg));
    s.folders.SetupPath = cfg.string();
    s.store.AllocateBanks(ui);
    ASSERT_EQ(RunStart(s, ui), StartOutcome::Loaded);
    // The first graph window puts F5 at 52.5 s, after the first breathing bout; the user
    // moves the cursors to the start to analyse everything.
    s.view = InitialViewState(s.store.TotalSpan);
    s.view.LeftCursor = 0;
    s.view.RightCursor = 1000;
    test::TempDir dir;
    s.settings.NameOutFile[0] = (dir / "events.txt").string();
    s.settings.BreathFileName = (dir / "breath.txt").string();
    s.settings.FeedFileName = (dir / "feed.txt").string();

    const AnalyseAllOutcome r = AnalyseAll(s, ui);
    EXPECT_TRUE(ui.Messages().empty());

    std::string header;
    const std::vector<Row> events = ReadTable(dir / "events.txt", header);
    EXPECT_EQ(header, kEventsHeader);
    ASSERT_EQ(static_cast<int>(events.size()), r.breath + r.feed);
    std::string breathHeader, feedHeader, dimsHeader;
    EXPECT_EQ(static_cast<int>(ReadTable(dir / "breath.txt", breathHeader).size()), r.breath);
    EXPECT_EQ(static_cast<int>(ReadTable(dir / "feed.txt", feedHeader).size()), r.feed);
    const std::vector<Row> dims = ReadTable(dir / "events-dims.txt", dimsHeader);
    EXPECT_EQ(dimsHeader, kDimsHeader);

    const Behaviour plan = PlanDemoBehaviour();
    const std::vector<Bout> bouts = DemoBouts(plan);
    std::vector<int> eventsOfBout(bouts.size(), 0);
    std::vector<bool> boutStartFound(bouts.size(), false);
    size_t dimLines = 0;
    const double origin = s.store.OriginTime;
    for (size_t k = 0; k < events.size(); ++k) {
        const Row& e = events[k];
        EXPECT_EQ(e["event"], std::to_string(k + 1));
        EXPECT_EQ(e["too_long"], "0");
        const bool feed = e["type"] == "F";
        const double start = SecondsOf(e["start"], origin);
        const double end = start + std::stod(e["duration_s"]);
        // The bout of the same kind that the event lies in.
        int hit = -1;
        for (size_t b = 0; b < bouts.size(); ++b)
            if (bouts[b].feeding == feed && start > bouts[b].start - kStartTolerance &&
                start < bouts[b].end + kStartTolerance && end < bouts[b].end + kStartTolerance)
                hit = static_cast<int>(b);
        ASSERT_GE(hit, 0) << "event " << k + 1 << " " << e["type"] << " at " << start << " s";
        ++eventsOfBout[size_t(hit)];
        if (std::fabs(start - bouts[size_t(hit)].start) < kStartTolerance)
            boutStartFound[size_t(hit)] = true;
        dimLines += static_cast<size_t>(std::stoi(e["dim_count"]));
        EXPECT_EQ(e["dive_duration_s"].empty(), feed);
        // Breaths after a dive have that dive framed; the first bout has none before it.
        if (!feed && start > plan.dives.front().end) {
            EXPECT_GT(std::stod(e["dive_duration_s"]), 30.0) << start;
        }
    }
    EXPECT_EQ(dims.size(), dimLines);
    for (size_t b = 0; b < bouts.size(); ++b) {
        EXPECT_TRUE(boutStartFound[b])
            << (bouts[b].feeding ? "feed" : "breath") << " bout at " << bouts[b].start << " s";
        // A feeding dive is one event.
        if (bouts[b].feeding) {
            EXPECT_EQ(eventsOfBout[b], 1) << bouts[b].start;
        }
    }
}

}  // namespace
}  // namespace corv::demo
