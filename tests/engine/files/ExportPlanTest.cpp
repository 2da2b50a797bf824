#include "files/ExportPlan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "BinaryFileTestSupport.h"

namespace corv {
namespace {

namespace fs = std::filesystem;
using test::PatternRun;
using test::SampleBytes;

// Channels of 100 samples at 1 s from the origin; F4 at 10 s, F5 at 20 s.
std::unique_ptr<AppState> ExportState(RecordingUiPort& ui) {
    auto state = test::MakeState(ui);
    for (int c = 0; c < kChannelCount; ++c) {
        ChannelRecord& r = state->store.Rec(c);
        r.SampRate = 1000;
        r.StartTime = test::kJan2020;
        r.DataCnt = 99;
        r.ReadHeader = 'N';
        test::FillPattern(*state, c, 100);
    }
    state->store.OriginTime = test::kJan2020;
    state->store.TotalSpan = 99000;
    state->view.LeftCursor = 10000;
    state->view.RightCursor = 20000;
    return state;
}

TEST(ExportPlan, StretchAndFilesFollowTheChoices) {
    RecordingUiPort ui;
    auto state = ExportState(ui);
    state->store.ChannelPresent = {true, false, true};
    state->ActiveChannel = 2;

    ExportPlan plan = PlanExport(
        *state, {ExportFormat::Text, kExportSelectedSection, kExportAllIntoOneFile, "out.ex1"});
    EXPECT_EQ(plan.tStart, 10000);
    EXPECT_EQ(plan.tEnd, 20000);
    ASSERT_EQ(plan.jobs.size(), 1u);
    EXPECT_EQ(plan.jobs[0].channel, 2);
    EXPECT_EQ(plan.jobs[0].mode, 1);

    // The binary file has no "all channels into one file".
    plan = PlanExport(
        *state, {ExportFormat::Binary, kExportEntireChannel, kExportAllIntoOneFile, "out.ex1"});
    EXPECT_EQ(plan.tStart, 0);
    EXPECT_EQ(plan.tEnd, 99000);
    EXPECT_EQ(plan.jobs[0].mode, 0);

    // Channels 1 and 3 present: ".000" and ".002".
    plan = PlanExport(*state, {ExportFormat::Binary, kExportSelectedSection, kExportSeparateFiles,
                               "a.b\\out.ex1"});
    ASSERT_EQ(plan.jobs.size(), 2u);
    EXPECT_EQ(plan.jobs[0].file, "a.b\\out.000");
    EXPECT_EQ(plan.jobs[1].file, "a.b\\out.002");
    EXPECT_EQ(plan.jobs[1].channel, 2);
}

TEST(ExportPlan, SeparateFilesAreAllConfirmedBeforeAnyIsWritten) {
    test::TempDir dir;
    RecordingUiPort ui;
    auto state = ExportState(ui);
    test::WriteFile(dir / "rec.001", "old");
    const ExportRequest request{ExportFormat::Binary, kExportSelectedSection, kExportSeparateFiles,
                                (dir / "rec.ex1").string()};

    ui.QueueAnswer(Answer::Cancel);
    EXPECT_FALSE(RunExport(*state, ui, request));
    EXPECT_EQ(ui.Questions(), std::vector<std::string>{(dir / "rec.001").string() +
                                                       " already exists. Overwrite ? "});
    EXPECT_FALSE(fs::exists(dir / "rec.000"));
    EXPECT_EQ(test::ReadFile(dir / "rec.001"), "old");

    ui.QueueAnswer(Answer::Ok);
    ASSERT_TRUE(RunExport(*state, ui, request));
    for (int c = 0; c < kChannelCount; ++c)
        EXPECT_EQ(test::ReadFile(dir / ("rec.00" + std::to_string(c))),
                  SampleBytes(PatternRun(10, 20, c)));
    EXPECT_FALSE(fs::exists(dir / "rec.ex1"));
}

TEST(ExportPlan, AFinishedExportSaysWhereAndACancelledOneLeavesNoFile) {
    test::TempDir dir;
    RecordingUiPort ui;
    auto state = ExportState(ui);
    const ExportRequest request{ExportFormat::Text, kExportEntireChannel, kExportActiveChannel,
                                (dir / "rec.txt").string()};
    ASSERT_TRUE(RunExport(*state, ui, request));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].substr(0, 10), "Exported\r\n");
    EXPECT_NE(ui.Messages()[0].find(" samples to " + (dir / "rec.txt").string()),
              std::string::npos);
    EXPECT_EQ(ui.ProgressTitles().back(), "Exporting " + (dir / "rec.txt").string());
    EXPECT_FALSE(ui.ProgressOpen());

    ui.Clear();
    ui.CancelProgressAt(1);  // the user presses Cancel during the first rows
    fs::remove(dir / "rec.txt");
    EXPECT_TRUE(RunExport(*state, ui, request));
    EXPECT_FALSE(fs::exists(dir / "rec.txt"));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST(ExportPlan, ChoicesAreRememberedAndABlankNameIsRefused) {
    test::TempDir dir;
    RecordingUiPort ui;
    auto state = ExportState(ui);
    EXPECT_FALSE(RunExport(*state, ui,
                           {ExportFormat::Text, kExportEntireChannel, kExportSeparateFiles, "  "}));
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{" Error. Cannot export to file."});
    EXPECT_EQ(state->exportChoices.section, kExportEntireChannel);
    EXPECT_EQ(state->exportChoices.channel, kExportSeparateFiles);

    // The binary form shows "separate files" as its second button and the text form's
    // "one file", which it lacks, as "active channel".
    EXPECT_EQ(BinaryChannelButton(kExportSeparateFiles), 1);
    EXPECT_EQ(BinaryChannelButton(kExportAllIntoOneFile), 0);
    EXPECT_EQ(ChannelChoiceOfBinaryButton(1), kExportSeparateFiles);
    EXPECT_EQ(ChannelChoiceOfBinaryButton(0), kExportActiveChannel);
}

}  // namespace
}  // namespace corv
