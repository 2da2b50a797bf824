// Every processing command through the undo history: a random recording edited by a random
// sequence of commands, undone step by step, gives back the exact raw words and records
// after each step, and redone gives the edited states again.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <type_traits>

#include "GraphTestSupport.h"
#include "processing/PeakElimination.h"
#include "processing/Resampling.h"
#include "processing/RunningMean.h"
#include "processing/SectionArithmetic.h"
#include "processing/Smoothing.h"

namespace corv {
namespace {

constexpr int32_t kWords = 4000;  // bank words compared

struct Snapshot {
    std::vector<uint16_t> words;
    std::string record;
    double totalSpan;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const AppState& s) {
    Snapshot snap{{}, {}, s.store.TotalSpan};
    for (int32_t p = 0; p < kWords; ++p) snap.words.push_back(*s.store.BankWord(0, p));
    ChannelRecord r = s.store.Rec(0);
    ForEachField(r, [&](const char* name, auto& v) {
        std::ostringstream o;
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>)
            o << name << '=' << std::hexfloat << +v << ';';
        else
            o << name << '=' << v << ';';
        snap.record += o.str();
    });
    return snap;
}

// Runs one random command of the processing menus on channel 0.
void RandomCommand(test::GraphState& g, std::mt19937& rng) {
    AppState& s = *g;
    RecordingUiPort& ui = g.ui;
    const ChannelRecord& r = s.store.Rec(0);
    const double span = static_cast<double>(r.DataCnt) * r.SampRate;
    const auto time = [&] { return std::uniform_real_distribution<double>(0, span)(rng); };
    s.view.LeftCursor = rng() % 5 == 0 ? 0 : time();
    s.view.RightCursor = rng() % 5 == 0 ? s.store.TotalSpan : time();
    if (s.view.LeftCursor > s.view.RightCursor) std::swap(s.view.LeftCursor, s.view.RightCursor);
    const auto number = [&](int lo, int hi) {
        return std::to_string(std::uniform_int_distribution<int>(lo, hi)(rng));
    };
    ui.SetDefaultAnswer(Answer::Yes);
    switch (rng() % 14) {
        case 0:
            ui.QueueText(number(-3, 3));
            RunSectionCommand(s, ui, SectionOp::Multiply);
            break;
        case 1:
            ui.QueueText(number(-500, 500));
            RunSectionCommand(s, ui, SectionOp::Add);
            break;
        case 2:
            ui.QueueText(number(-3, 3));
            RunSectionCommand(s, ui, SectionOp::Divide);
            break;
        case 3:
            ui.QueueText(number(0, 60000));
            RunSectionCommand(s, ui, SectionOp::SetConstant);
            break;
        case 4:
            RunRampCommand(s, ui, std::stod(number(-900, 900)));
            break;
        case 5:
            ProcessSection(s, ui, SectionOp::Equalize, 0, 0, s.view.RightCursor, s.view.LeftCursor);
            break;
        case 6:
            if (r.DataCnt < 1500) {
                ui.QueueText(number(1, 200));
                RunSectionCommand(s, ui, SectionOp::Insert);
            }
            break;
        case 7:
            RunSectionCommand(s, ui, SectionOp::Delete);
            break;
        case 8:
            RunSectionCommand(s, ui, SectionOp::ClampBelowZero);
            break;
        case 9:
            SmoothSection(s, ui, static_cast<SmoothKernel>(rng() % 4));
            break;
        case 10: {
            const PeakMode mode = static_cast<PeakMode>(rng() % 3);
            EliminatePeaks(s, ui, {mode, number(1, 3000), number(1, 4), number(0, 30000)});
            break;
        }
        case 11:
            ui.QueueText(number(-2, 20));
            SetRunningMean(s, ui);
            break;
        case 12:
            Reduce(s, ui, 0, std::stoi(number(2, 3)));
            break;
        default:
            if (r.DataCnt < 1000) {
                if (rng() % 2)
                    Expand(s, ui, 0, 2);
                else
                    DoublePoints(s, ui, 0);
            }
            break;
    }
}

TEST(ProcessingUndo, RandomCommandsUndoneAndRedoneStepByStep) {
    std::mt19937 rng(20261207);
    for (int round = 0; round < 6; ++round) {
        test::GraphState g;
        std::vector<uint16_t> raws(300 + rng() % 300);
        for (auto& w : raws) w = uint16_t(rng() % 3 == 0 ? rng() : 30000 + rng() % 2000);
        ChannelRecord& r = g.Load(0, raws, 4 + int32_t(rng() % 8));
        r.CoeffA = 0.5, r.CoeffB = -15000;
        if (round % 2) r.CoeffC = 0.001;  // the value path of the arithmetic
        std::vector<Snapshot> states{Take(*g)};
        for (int step = 0; step < 40; ++step) {
            const size_t before = g->history.StepCount();
            RandomCommand(g, rng);
            if (g->history.StepCount() > before)
                states.push_back(Take(*g));
            else
                ASSERT_EQ(Take(*g), states.back()) << "a command without a step changed data";
        }
        ASSERT_GT(states.size(), 15u);
        for (size_t k = states.size() - 1; k > 0; --k) {
            ASSERT_TRUE(g->history.Undo(*g).done);
            ASSERT_EQ(Take(*g), states[k - 1]) << "undo to state " << k - 1;
        }
        EXPECT_FALSE(g->ChannelModified[0]);
        for (size_t k = 1; k < states.size(); ++k) {
            ASSERT_TRUE(g->history.Redo(*g).done);
            ASSERT_EQ(Take(*g), states[k]) << "redo to state " << k;
        }
    }
}

TEST(ProcessingUndo, StepNamesAndTheBudget) {
    test::GraphState g;
    g.Load(0, std::vector<uint16_t>(1000, 100), 1);
    g->view.LeftCursor = 0, g->view.RightCursor = 999;
    EXPECT_TRUE(SmoothSection(*g, g.ui, SmoothKernel::K121));
    EXPECT_EQ(g->history.UndoName(), "Smooth 1-2-1");
    g->history.SetBudget(3000);  // room for one smoothing step of the section
    EXPECT_TRUE(SmoothSection(*g, g.ui, SmoothKernel::Trimmed7));
    EXPECT_EQ(g->history.StepCount(), 1u);
    EXPECT_EQ(g->history.UndoName(), "Smooth 1-1-1-1");
}

}  // namespace
}  // namespace corv
