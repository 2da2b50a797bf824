// Random sessions through the engine routines the graph window calls, then their processing
// log replayed by `corvandell-cli run SETUP LOG` on the same recording: the same raw words,
// records, dims and written files, byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "AppState.h"
#include "Cli.h"
#include "Script.h"
#include "TestSupport.h"
#include "analysis/BeakCommands.h"
#include "analysis/DimsEditing.h"
#include "calc/HistogramCommand.h"
#include "calc/SectionStatistics.h"
#include "calc/StatisticsExport.h"
#include "core/AnalysisKind.h"
#include "core/Errors.h"
#include "core/ProcessingLog.h"
#include "core/RecordingUiPort.h"
#include "files/ExportPlan.h"
#include "files/StartSequence.h"
#include "graph/Baseline.h"
#include "graph/ViewState.h"
#include "processing/ChannelOps.h"
#include "processing/PeakElimination.h"
#include "processing/Polynom.h"
#include "processing/Resampling.h"
#include "processing/RunningMean.h"
#include "processing/SectionArithmetic.h"
#include "processing/SectionBuffers.h"
#include "processing/Smoothing.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

constexpr int kSamples = 1500;

// A beak channel with breathing and feeding bouts, a depth channel with one dive and a
// wavy third channel, as text files at 100 ms, and a setup file that loads them.
std::string MakeRecording(const fs::path& dir) {
    std::vector<std::vector<double>> v(kChannelCount, std::vector<double>(kSamples, 0));
    const auto bout = [&](int at, int count, int every, int width, double amplitude) {
        for (int n = 0; n < count; ++n)
            for (int k = 0; k < width; ++k)
                v[kBeakChannel][size_t(at + n * every + k)] +=
                    amplitude * std::sin(M_PI * (k + 0.5) / width);
    };
    bout(150, 4, 15, 6, 3.0);
    bout(600, 5, 20, 8, 6.0);
    bout(1200, 4, 15, 6, 3.0);
    for (int i = 450; i < 1000; ++i) v[kTypeChannel][size_t(i)] = 20;
    for (int i = 0; i < kSamples; ++i) v[2][size_t(i)] = 5 * std::sin(i / 40.0) + (i % 7) * 0.3;

    auto state = std::make_unique<AppState>();
    SetDefaults(*state, "/nonexistent/corvandell");
    for (int c = 0; c < kChannelCount; ++c) {
        std::string text = "time\tvalue\r\n";
        for (int i = 0; i < kSamples; ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "%.1f\t%.3f\r\n", i * 0.1, v[size_t(c)][size_t(i)]);
            text += line;
        }
        const fs::path file = dir / ("ch" + std::to_string(c) + ".txt");
        WriteFile(file, text);
        ChannelRecord& r = state->store.Rec(c);
        r.NameIn = file.string();
        r.Caption = "Channel " + std::to_string(c);
        r.ColumnValue = 2;
        r.HeaderText = 1;
        r.SampRate = 100;
        r.AutoScale = 'Y';
    }
    const fs::path setup = dir / "recording.cfg";
    EXPECT_TRUE(WriteSetupFile(*state, setup));
    return setup.string();
}

// The graph window's state after Start, as the CLI run has it.
struct Session {
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    RecordingUiPort ui;
    explicit Session(const std::string& setup) {
        SetDefaults(*state, "/nonexistent/corvandell");
        state->folders.SetupPath = setup;
        EXPECT_TRUE(ReadSetupFile(*state, setup));
        state->store.AllocateBanks(ui);
        EXPECT_EQ(RunStart(*state, ui), StartOutcome::Loaded);
        state->view = InitialViewState(state->store.TotalSpan);
        ui.SetDefaultAnswer(Answer::Yes);  // the user agrees to every question
    }
};

// The query lines whose answers must agree, and the engine's own answers to them.
std::vector<std::string> Queries(const AppState& s) {
    std::vector<std::string> q = {"channels", "axis", "dims"};
    for (int c = 0; c < kChannelCount; ++c)
        q.push_back("values " + std::to_string(c) + " 0 " +
                    std::to_string(std::max(s.store.Rec(c).DataCnt, 0)));
    return q;
}

std::string Answers(AppState& state, RecordingUiPort& ui, const std::vector<std::string>& q) {
    std::ostringstream out;
    cli::ScriptContext ctx{state, ui, out};
    for (const std::string& line : q) cli::RunScriptLine(ctx, cli::SplitScriptLine(line));
    return out.str();
}

// The files of a folder by name; the logs beside exports are left out (their comments
// carry the time).
std::map<std::string, std::string> TakeFiles(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir)) {
        const std::string name = e.path().filename().string();
        if (name.size() < 8 || name.substr(name.size() - 8) != ".log.txt")
            files[name] = ReadFile(e.path());
        fs::remove(e.path());
    }
    return files;
}

// One random session: commands with random cursors and channels, undo and redo between.
class RandomSession {
  public:
    RandomSession(Session& s, const fs::path& out, uint32_t seed)
        : m_s(s), m_out(out), m_rng(seed) {}

    void Run(int commands) {
        for (int k = 0; k < commands; ++k) {
            if (Chance(0.3)) MoveCursors();
            if (Chance(0.2)) m_s.state->ActiveChannel = Pick(kChannelCount);
            const uint64_t before = m_s.state->history.KeptSteps();
            try {
                Command(Pick(kCommandCount));
            } catch (const std::exception&) {
                // A refused input ends the command as the GUI's guard would.
            }
            m_s.ui.DropQueuedTexts();
            if (m_s.state->history.KeptSteps() != before) {
                m_undoable += static_cast<int>(m_s.state->history.KeptSteps() - before);
                m_redoable = 0;
            }
            if (m_barrier) m_undoable = m_redoable = 0;
            m_barrier = false;
            if (Chance(0.15)) UndoRedo();
        }
    }
    std::vector<int> used() const { return m_used; }

    static constexpr int kCommandCount = 33;

  private:
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    double Span() const { return m_s.state->store.TotalSpan; }
    void Type(const std::string& text) { m_s.ui.QueueText(text); }
    std::string File(const std::string& name) { return (m_out / name).string(); }

    void MoveCursors() {
        std::uniform_real_distribution<double> t(0, Span());
        double a = std::round(t(m_rng)), b = std::round(t(m_rng));
        if (a > b) std::swap(a, b);
        m_s.state->view.LeftCursor = a;
        m_s.state->view.RightCursor = b;
    }

    // File writes and the searches of Write results cannot be taken back by undo: the
    // log keeps them, so the test does not undo across them.
    void Barrier() { m_barrier = true; }

    void UndoRedo() {
        if (Chance(0.5) && m_undoable > 0) {
            m_s.state->history.Undo(*m_s.state);
            --m_undoable;
            ++m_redoable;
        } else if (m_redoable > 0) {
            m_s.state->history.Redo(*m_s.state);
            --m_redoable;
            ++m_undoable;
        }
    }

    void Command(int which) {
        AppState& st = *m_s.state;
        UiPort& ui = m_s.ui;
        m_used.push_back(which);
        const int c = st.ActiveChannel;
        const char* const numbers[] = {"2", "0.5", "-1.25", "3", " 1.5 "};
        switch (which) {
            case 0:
            case 1:
            case 2:
            case 3: {
                const SectionOp ops[] = {SectionOp::Multiply, SectionOp::Add, SectionOp::Divide,
                                         SectionOp::SetConstant};
                Type(numbers[Pick(5)]);
                RunSectionCommand(st, ui, ops[which]);
                break;
            }
            case 4:
                Type(std::to_string(1 + Pick(4)));
                RunSectionCommand(st, ui, SectionOp::Insert);
                break;
            case 5:
            case 6:
            case 7: {
                const SectionOp ops[] = {SectionOp::Delete, SectionOp::ClampBelowZero,
                                         SectionOp::Equalize};
                RunSectionCommand(st, ui, ops[which - 5]);
                break;
            }
            case 8:
                RunRampCommand(st, ui, Pick(2) ? 0.1 + 0.2 : -7.5);
                break;
            case 9:
                SmoothSection(st, ui, static_cast<SmoothKernel>(Pick(4)));
                break;
            case 10: {
                PeakInput in;
                in.mode = static_cast<PeakMode>(Pick(3));
                in.ampl = "0.5";
                in.length = std::to_string(1 + Pick(3));
                in.smallVal = "0.2";
                EliminatePeaks(st, ui, in);
                break;
            }
            case 11:
                Type(std::to_string(Pick(8)));
                SetRunningMean(st, ui);
                break;
            case 12:
                Type(std::to_string(2 + Pick(2)));
                ReduceCommand(st, ui);
                break;
            case 13:
                Type(std::to_string(2 + Pick(2)));
                ExpandCommand(st, ui);
                break;
            case 14:
                if (st.store.Rec(c).DataCnt < 20000) DoublePointsCommand(st, ui);
                break;
            case 15:
                BiChannelFromTexts(st, ui, 1 + Pick(3), "1", "3", std::to_string(1 + Pick(3)));
                break;
            case 16:
                ChannelOp(st, ui, kOpIntegrate + Pick(3), c, c);
                break;
            case 17: {
                PolynomTexts t = IdentityPolynomTexts();
                t[size_t('A' - 'A')] = "0.5";
                t[size_t('C' - 'A')] = "1.5";
                StorePolynom(st, ui, Pick(kChannelCount), t, Chance(0.3));
                break;
            }
            case 18:
                SetApplyPolynom(st, ui, c, Chance(0.3));
                break;
            case 19:
                ResetPolynom(st, ui, c);
                break;
            case 20: {
                const int b = Pick(3);
                std::array<bool, kSectionBufferCount> ticked = UsedSectionBuffers(st);
                FillSectionBuffer(st, b);
                ticked[size_t(b)] = true;
                SetSectionBuffersUsed(st, ticked);
                break;
            }
            case 21: {
                const int b = Pick(3);
                if (st.sectionBuffers[size_t(b)].used && SelectSectionBuffer(st, ui, b))
                    CopySectionBuffer(st, ui, b);
                break;
            }
            case 22:
                BaselineAtCursor(st, ui, nullptr, st.view.LeftCursor);
                break;
            case 23:
                (Pick(2) ? BaselineIncrement : BaselineDecrement)(st, ui, nullptr);
                break;
            case 24:
                (Pick(2) ? BaselineMeanOfCursors(st, ui, nullptr)
                         : BaselineMeanBetweenCursors(st, ui, nullptr));
                break;
            case 25:
                Type("-0.75");
                NumericalBaseline(st, ui, nullptr);
                break;
            case 26:
                SearchNext(st, ui);
                break;
            case 27:
                st.settings.NameOutFile[kBeakChannel] = File("all.txt");
                st.settings.BreathFileName = File("breath.txt");
                st.settings.FeedFileName = Chance(0.5) ? File("feed.txt") : "";
                if (Chance(0.5)) st.settings.Beak.MinDuration = 1 + Pick(10);
                if (Chance(0.3)) st.ActiveChannel = kBeakChannel;
                Chance(0.7) ? (void)WriteResults(st, ui) : (void)AnalyseAll(st, ui);
                Barrier();
                break;
            case 28:
                ChangeBeakType(st, ui);
                break;
            case 29: {
                const int n = std::max(st.analysis.dimList.count, 1);
                const int k = Pick(n);
                const Dim d = st.analysis.dimList.dims[size_t(k)];
                switch (Pick(4)) {
                    case 0:
                        EditDims(st, ui, DimsEdit::Delete, k);
                        break;
                    case 1:
                        EditDims(st, ui, DimsEdit::MergeWithNext, k);
                        break;
                    case 2:
                        EditDims(st, ui, DimsEdit::Divide, k, (d.start + d.end) / 2);
                        break;
                    default:
                        MoveDimEnd(st, ui, k, Chance(0.5), d.start + 1);
                        break;
                }
                break;
            }
            case 30: {
                ExportRequest r;
                r.format = Chance(0.5) ? ExportFormat::Text : ExportFormat::Binary;
                r.section = Pick(2);
                r.channel = Pick(3);
                r.fileName = File("export" + std::to_string(Pick(2)));
                r.saveLog = Chance(0.3);
                RunExport(st, ui, r);
                Barrier();
                break;
            }
            case 31:
                if (Chance(0.5)) st.PendingComment = "dive and bout 1";
                Type(File("stats.txt"));
                ExportStatisticsQuery(st, ui, WorkSectionStatistics(st), st.view.LeftCursor,
                                      st.view.RightCursor);
                Barrier();
                break;
            default:
                if (HistogramFirstPress(st, ui, "-2", "0.5"))
                    HistogramExportPress(st, ui, File(Chance(0.5) ? "hist0.txt" : "hist1.txt"));
                Barrier();
                break;
        }
    }

    Session& m_s;
    fs::path m_out;
    std::mt19937 m_rng;
    int m_undoable = 0, m_redoable = 0;
    bool m_barrier = false;
    std::vector<int> m_used;
};

struct CliRun {
    int code;
    std::string out, err;
};

CliRun Replay(const std::string& setup, const fs::path& script) {
    std::istringstream in;
    std::ostringstream out, err;
    const int code =
        cli::RunCli({"run", setup, script.string()}, "/nonexistent/corvandell-cli", in, out, err);
    return {code, out.str(), err.str()};
}

// The last `count` lines of a text.
std::string Tail(const std::string& text, size_t count) {
    size_t at = text.size();
    for (size_t n = 0; n <= count && at > 0; ++n) at = text.rfind('\n', at - 1);
    return at == std::string::npos ? text : text.substr(at + 1);
}

TEST(Replay, RandomSessionsReplayToTheSameDataAndFiles) {
    TempDir dir;
    const std::string setup = MakeRecording(dir.Path());
    const fs::path out = dir / "out";
    fs::create_directories(out);
    const fs::path log = dir / "session.log.txt";
    std::vector<bool> covered(RandomSession::kCommandCount, false);
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        Session s(setup);
        RandomSession session(s, out, seed);
        session.Run(14);
        for (int k : session.used()) covered[size_t(k)] = true;

        const std::vector<std::string> queries = Queries(*s.state);
        const std::string expected = Answers(*s.state, s.ui, queries);
        std::string script = ProcessingLogText(*s.state);
        for (const std::string& q : queries) script += q + "\r\n";
        WriteFile(log, script);
        const auto written = TakeFiles(out);

        const CliRun r = Replay(setup, log);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out.find("\"event\":\"error\""), std::string::npos) << "seed " << seed << "\n"
                                                                        << script << r.out;
        ASSERT_EQ(Tail(r.out, queries.size()), expected) << "seed " << seed << "\n" << script;
        ASSERT_EQ(TakeFiles(out), written) << "seed " << seed << "\n" << script;
    }
    for (int k = 0; k < RandomSession::kCommandCount; ++k) EXPECT_TRUE(covered[size_t(k)]) << k;
}

}  // namespace
}  // namespace corv
