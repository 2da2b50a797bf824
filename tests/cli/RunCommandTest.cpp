// corvandell-cli run, driven in-process: JSON Lines out, exit codes, Start's messages.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "AppState.h"
#include "Cli.h"
#include "CliTestSupport.h"
#include "TestSupport.h"
#include "settings/Defaults.h"
#include "settings/SetupFile.h"

namespace corv {
namespace {

using test::RunCliWith;
using test::TempDir;
using test::WriteFile;
using test::WriteSetup;

// A setup file with text channels: names[c] empty leaves channel c at its default
// (a file that does not exist).
std::string MakeSetup(const TempDir& dir, const std::vector<std::string>& names, int column = 2) {
    return WriteSetup(dir / "test.cfg", [&](AppState& state) {
        for (size_t c = 0; c < names.size(); ++c) {
            if (names[c].empty()) continue;
            ChannelRecord& r = state.store.Rec(static_cast<int>(c));
            r.NameIn = (dir / names[c]).string();
            r.ColumnValue = column;
            r.HeaderText = 1;
            r.SampRate = 100;
            r.AutoScale = 'Y';
        }
    });
}

TEST(RunCommand, LoadsTextChannelsAndAnswersVerbs) {
    TempDir dir;
    WriteFile(dir / "a.txt", "time\tvalue\r\n0\t1.5\r\n0.1\t2.5\r\n0.2\t3.5\r\n");
    const std::string setup = MakeSetup(dir, {"a.txt"});
    const auto r = RunCliWith({"run", setup, "-"},
                              "channels  # all records\n\naxis\nvalues 0 0 3\n"
                              "values 0 abc 3\nfrobnicate\nvalues 7 0 1\n"
                              "cursors 100 200\nborders 50 40\nactive 1\nactive 0\nundo\nview\n");
    EXPECT_EQ(r.code, 0) << r.err;
    const auto has = [&](const std::string& s) { return r.out.find(s) != std::string::npos; };
    EXPECT_TRUE(has("{\"event\":\"start\",\"outcome\":\"loaded\"}"));
    EXPECT_TRUE(has("\"command\":\"channels\""));
    EXPECT_TRUE(has("\"DataCnt\":2,")) << r.out;
    EXPECT_TRUE(has("\"command\":\"axis\""));
    // Automatic scaling maps 1.5 .. 3.5 onto raw 0 .. 65535; index 3 is past the end.
    EXPECT_TRUE(has("\"raw\":[0,32768,65535,0],\"value\":[1.5,"));
    EXPECT_TRUE(has("\"err\":[0,0,0,-2]"));
    // Failing commands report and the script goes on.
    EXPECT_TRUE(has("'abc' is not a valid integer value"));
    EXPECT_TRUE(has("Unknown command 'frobnicate'"));
    EXPECT_TRUE(has("Channel 7 is not 0, 1 or 2"));
    EXPECT_TRUE(has("{\"command\":\"cursors\",\"left\":100,\"right\":200}"));
    EXPECT_TRUE(has("left border must lie before"));
    EXPECT_TRUE(has("Channel 1 is not loaded"));
    EXPECT_TRUE(has("{\"command\":\"undo\",\"done\":false,\"name\":\"\",\"channels\":[]}"));
    EXPECT_TRUE(has("\"LeftCursor\":100,\"RightCursor\":200,"));
    EXPECT_TRUE(has("\"ActiveChannel\":0}"));
}

TEST(RunCommand, HostileScriptsAndRequestsEndInErrorsNotHangsOrAborts) {
    TempDir dir;
    WriteFile(dir / "a.txt", "time\tvalue\r\n0\t1.5\r\n0.1\t2.5\r\n");
    const std::string setup = MakeSetup(dir, {"a.txt"});
    const auto folder = RunCliWith({"run", setup, dir.Path().string()});
    EXPECT_EQ(folder.code, 2);
    EXPECT_EQ(folder.err, "corvandell-cli: cannot read script " + dir.Path().string() +
                              ": not a regular file\n");
    EXPECT_EQ(folder.out, "");

    const auto r = RunCliWith({"run", setup, "-"},
                              "values 0 -2147483648 2147483647\nvalues 0 -5 1\n"
                              "values 0 6553598 2147483647\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("{\"event\":\"error\",\"text\":\"values: 6553600 indexes asked for, at "
                         "most 1048576 per request\"}"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"from\":0,\"to\":1,\"raw\":[0,65535]"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"from\":6553598,\"to\":6553599,"), std::string::npos) << r.out;

    // A setup file too large to be one ends the run with an error event.
    WriteFile(dir / "big.cfg", "Corvandell Setup File\r\n" + std::string(2 << 20, '\n'));
    const auto big = RunCliWith({"run", (dir / "big.cfg").string()});
    EXPECT_EQ(big.code, 1);
    EXPECT_NE(big.out.find("{\"event\":\"error\",\"text\":\"The file "), std::string::npos)
        << big.out;
}

TEST(RunCommand, MissingFilesEndStart) {
    TempDir dir;
    const std::string setup = MakeSetup(dir, {"missing.txt"});
    const auto r = RunCliWith({"run", setup, "-"}, "channels\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("{\"event\":\"message\",\"text\":\" Invalid filename(s)\"}"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("\"command\":\"channels\""), std::string::npos);
}

TEST(RunCommand, TooFewColumnsAsksOnceAndAnswersComeFromTheScript) {
    TempDir dir;
    WriteFile(dir / "a.txt", "h\n1;2\n3\n4;5\n6\n");
    const std::string setup = WriteSetup(dir / "semi.cfg", [&](AppState& state) {
        ChannelRecord& r = state.store.Rec(0);
        r.NameIn = (dir / "a.txt").string();
        r.ColumnValue = 2;
        r.HeaderText = 1;
        r.InDelimiter = ';';
        r.SampRate = 10;
    });
    const std::string question =
        "{\"event\":\"question\",\"text\":\" Propably wrong column, header,.. . Continue "
        "anyway?\",\"answer\":";

    const auto no = RunCliWith({"run", setup});
    EXPECT_EQ(no.code, 1);
    EXPECT_NE(no.out.find(question + "\"no\"}"), std::string::npos) << no.out;
    EXPECT_NE(no.out.find("\" Error. Missing data files.\""), std::string::npos);

    const auto yes = RunCliWith({"run", setup, "-"}, "answer yes\nvalues 0 0 1\n");
    EXPECT_EQ(yes.code, 0) << yes.out;
    EXPECT_NE(yes.out.find(question + "\"yes\"}"), std::string::npos);
    // Asked once only, although two lines are short.
    EXPECT_EQ(yes.out.find(question, yes.out.find(question) + 1), std::string::npos);

    const auto dflt = RunCliWith({"run", "--default-answer", "yes", setup});
    EXPECT_EQ(dflt.code, 0);
}

TEST(RunCommand, ExportsAndSavesSetup) {
    TempDir dir;
    std::string text = "h\r\n";
    for (int i = 0; i < 50; ++i) text += std::to_string(i) + "\t" + std::to_string(i * 2) + "\r\n";
    WriteFile(dir / "a.txt", text);
    const std::string setup = MakeSetup(dir, {"a.txt"});
    const std::string script = "export-bin " + (dir / "out.bin").string() + " 0 entire\n" +
                               "export-bin " + (dir / "part.bin").string() + " 0 1000 2000\n" +
                               "export-text " + (dir / "out.txt").string() + " 0 0 entire\n" +
                               "save-setup " + (dir / "saved.cfg").string() + "\n";
    const auto r = RunCliWith({"run", setup, "-"}, script);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.find("\"ok\":false"), std::string::npos) << r.out;
    // With the header (ReadHeader 'Y' by default): 720 bytes, then samples 10..19.
    EXPECT_EQ(test::ReadFile(dir / "part.bin").size(), 720u + 2 * 10);
    EXPECT_FALSE(test::ReadFile(dir / "out.txt").empty());
    EXPECT_EQ(test::ReadFile(dir / "saved.cfg").rfind("Corvandell Setup File\r\n", 0), 0u);
}

TEST(RunCommand, BrokenBinaryHeadersAbandonStartOrKeepTheDialogsTime) {
    TempDir dir;
    auto header = [](const std::string& line3, const std::string& line4) {
        const std::vector<std::string> lines = {
            "CV file info", "Broken", line3, line4, "100", "", "", "", "comment", ""};
        std::string h;
        for (auto l : lines) h += (l + std::string(70, ' ')).substr(0, 70) + "\r\n";
        return h + std::string(200, '\x01');
    };
    const std::string coeffs =
        " 0.00000000000000E+0000 1.00000000000000E-0002 0.00000000000000E+0000";
    WriteFile(dir / "date.bin", header(coeffs, "45.13.20x6 25:61:00"));
    WriteFile(dir / "numbers.bin", header("not three numbers", "01.01.2020 00:00:00"));

    auto setupFor = [&](const std::string& name) {
        return WriteSetup(dir / (name + ".cfg"), [&](AppState& state) {
            state.store.Rec(0).NameIn = (dir / name).string();
        });
    };
    // A date that is no date keeps the start time of the setup; the rest of the header counts.
    const auto date = RunCliWith({"run", setupFor("date.bin"), "-"}, "channels\n");
    EXPECT_EQ(date.code, 0) << date.out;
    EXPECT_NE(date.out.find("\"StartTime\":31622400000,"), std::string::npos) << date.out;
    EXPECT_NE(date.out.find("\"SampRate\":100,"), std::string::npos);
    EXPECT_NE(date.out.find("\"DataCnt\":99,"), std::string::npos);

    const auto numbers = RunCliWith({"run", setupFor("numbers.bin")});
    EXPECT_EQ(numbers.code, 1);
    EXPECT_NE(numbers.out.find("{\"event\":\"error\",\"text\":\"Invalid numeric format in line 3"),
              std::string::npos)
        << numbers.out;
    EXPECT_NE(numbers.out.find("{\"event\":\"start\",\"outcome\":\"error\"}"), std::string::npos);
}

TEST(RunCommand, UsageErrors) {
    EXPECT_EQ(RunCliWith({"run"}).code, 2);
    EXPECT_EQ(RunCliWith({"run", "--default-answer", "maybe", "x.cfg"}).code, 2);
    EXPECT_EQ(RunCliWith({"run", "/no/such/setup.cfg"}).code, 2);
    EXPECT_EQ(RunCliWith({"run", "a", "b", "c"}).code, 2);
    EXPECT_EQ(RunCliWith({"frobnicate"}).code, 2);
}

TEST(RunCommand, DemoRecordingLoadsBothChannels) {
    const auto setup = test::SourceDir() / "demo" / "demo.cfg";
    ASSERT_TRUE(std::filesystem::exists(setup));
    const auto r = RunCliWith({"run", setup.string(), "-"}, "channels\n");
    EXPECT_EQ(r.code, 0) << r.out;
    const auto channels = r.out.substr(r.out.find("\"command\":\"channels\""));
    EXPECT_NE(channels.find("{\"channel\":0,\"present\":true"), std::string::npos);
    EXPECT_NE(channels.find("{\"channel\":1,\"present\":true"), std::string::npos);
    EXPECT_NE(channels.find("{\"channel\":2,\"present\":false"), std::string::npos);
}

// Every processing verb once on a recording whose raw words equal its values (0 and
// 65535 in the data give CoeffA 1, CoeffB 0).
TEST(RunCommand, ProcessingVerbsChangeTheWordsAndUndo) {
    TempDir dir;
    std::string text = "h\r\n";
    const std::vector<int> raws{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 65535};
    for (size_t i = 0; i < raws.size(); ++i)
        text += std::to_string(i) + "\t" + std::to_string(raws[i]) + "\r\n";
    WriteFile(dir / "a.txt", text);
    const std::string setup = MakeSetup(dir, {"a.txt"});
    const auto r = RunCliWith({"run", setup, "-"},
                              "cursors 100 500\n"
                              "multiply 2\nvalues 0 0 6\nundo\n"
                              "smooth 121\nvalues 0 1 5\nundo\n"
                              "add 2,5\nvalues 0 1 1\nundo\n"
                              "divide x\ndivide 2\nundo\n"
                              "set-constant 7\nvalues 0 5 5\nundo\n"
                              "ramp 40\nvalues 0 5 5\nundo\n"
                              "equalize\nvalues 0 5 5\nundo\n"
                              "insert-points 2\nvalues 0 1 4\nundo\n"
                              "answer ok\ndelete-points\nvalues 0 1 1\nundo\n"
                              "delete-points\n"
                              "del-negative\n"
                              "smooth 124\nundo\nsmooth 1123\nundo\nsmooth 1111\nundo\nsmooth 9\n"
                              "peaks high-low\npeaks user 5 0\npeaks small 25\nvalues 0 1 3\nundo\n"
                              "running-mean 3\n"
                              "reduce 2\nvalues 0 0 1\nundo\n"
                              "expand 2\nvalues 0 0 2\nundo\n"
                              "answer no\ndouble-points\nundo\nredo\n");
    EXPECT_EQ(r.code, 0) << r.err;
    const auto has = [&](const std::string& s) { return r.out.find(s) != std::string::npos; };
    EXPECT_TRUE(has("{\"command\":\"multiply\",\"changed\":true}")) << r.out;
    EXPECT_TRUE(has("\"raw\":[0,20,40,60,80,100,60]"));
    EXPECT_TRUE(has("\"raw\":[10,25,30,40,50]"));  // 1-2-1 from the old samples
    EXPECT_TRUE(has("\"raw\":[12]"));              // 12.5 to the even 12
    EXPECT_TRUE(has("'x' is not a valid floating point value"));
    EXPECT_TRUE(has("\"raw\":[7]"));
    EXPECT_TRUE(has("\"raw\":[90]"));  // ramp: 50 + 40
    EXPECT_TRUE(has("\"raw\":[10]"));  // equalize: the value at F4
    EXPECT_TRUE(has("\"raw\":[10,10,10,20]"));
    EXPECT_TRUE(has("\"raw\":[50]"));  // delete: F5's sample at F4
    EXPECT_TRUE(has("{\"command\":\"delete-points\",\"changed\":false}"));  // no answer left
    EXPECT_TRUE(has("Unknown kernel '9'"));
    EXPECT_TRUE(has(" B [points] must be at least 1."));
    EXPECT_TRUE(has("{\"command\":\"running-mean\",\"changed\":true}"));
    EXPECT_TRUE(has("\"raw\":[10,30]"));   // reduce keeps 1, 3, ...
    EXPECT_TRUE(has("\"raw\":[0,5,10]"));  // expand by 2
    EXPECT_TRUE(has("{\"command\":\"double-points\",\"changed\":false}"));
    EXPECT_TRUE(has("{\"command\":\"redo\",\"done\":true,\"name\":\"Running mean\""));
}

}  // namespace
}  // namespace corv
