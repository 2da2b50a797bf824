// The verbs of whole-channel operations, polynomial, section buffers and synchronisation,
// run on the demo recording.
#include <gtest/gtest.h>

#include <sstream>

#include "Cli.h"
#include "CliTestSupport.h"
#include "TestSupport.h"

namespace corv {
namespace {

using test::Has;

std::string RunDemo(const std::string& script) {
    return test::RunCliOk({"run", (test::SourceDir() / "demo" / "demo.cfg").string(), "-"}, script);
}

TEST(ProcessingIIVerbs, EveryVerbGivesItsResultLine) {
    const std::string out = RunDemo(
        "cursors 100000 101000\n"
        "synchronise  1  2 \n"
        "synchronise 1 1\n"
        "active 1\n"
        "polynom 5 0 1 0 0 0 0 0 0 0 0 apply\n"
        "polynom 1 0 x 0 0 0 0 0 0 0 0 apply\n"
        "polynom-reset\n"
        "integrate\n"
        "differentiate\n"
        "diff-compass\n"
        "undo\n"
        "bichannel add 1 2 1\n"
        "bichannel subtract 1 4 1\n"
        "bichannel mix 1 2 1\n"
        "section-store 3\n"
        "section-overwrite 3\n"
        "section-overwrite 4\n");
    EXPECT_TRUE(Has(out,
                    "\"text\":\"SI 1=  101.000 or SI 1=   99.010 or SI 2=   99.010 or "
                    "SI 2=  101.000\""))
        << out;
    EXPECT_TRUE(Has(out, "{\"command\":\"synchronise\",\"proposed\":true}"));
    EXPECT_TRUE(Has(out, "Channels must be different"));
    EXPECT_TRUE(Has(out, "{\"command\":\"synchronise\",\"proposed\":false}"));
    EXPECT_TRUE(Has(out, "{\"command\":\"polynom\",\"changed\":true}"));
    EXPECT_TRUE(Has(out, "'x' is not a valid floating point value"));
    EXPECT_TRUE(Has(out, "{\"command\":\"polynom-reset\",\"changed\":true}"));
    for (const char* verb : {"integrate", "differentiate", "diff-compass"})
        EXPECT_TRUE(Has(out, std::string("{\"command\":\"") + verb + "\",\"changed\":true}"))
            << verb;
    EXPECT_TRUE(Has(out, "{\"command\":\"undo\",\"done\":true,\"name\":\"Diff. compass\""));
    EXPECT_TRUE(Has(out, "{\"command\":\"bichannel\",\"changed\":true}"));
    EXPECT_TRUE(Has(out, "Invalid channel number"));
    EXPECT_TRUE(Has(out, "'mix' is not add, subtract or abs"));
    EXPECT_TRUE(Has(out, "{\"command\":\"section-store\",\"buffer\":3,\"start\":"));
    EXPECT_TRUE(Has(out, "\"end\":101000,\"channel\":1}"));
    EXPECT_TRUE(Has(out, "{\"command\":\"section-overwrite\",\"changed\":true}"));
    EXPECT_TRUE(Has(out, "Buffer 4 holds no section"));
}

}  // namespace
}  // namespace corv
