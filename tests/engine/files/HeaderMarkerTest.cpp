#include "files/HeaderMarker.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/RecordingUiPort.h"

namespace corv {
namespace {

TEST(HeaderMarker, LooksForTheMarkerInTheFirstLineOnly) {
    test::TempDir dir;
    RecordingUiPort ui;
    const auto p = dir / "f.bin";
    auto check = [&](const std::string& bytes) {
        test::WriteFile(p, bytes);
        const HeaderMarkerResult r = HasHeaderMarker(ui, p);
        EXPECT_TRUE(r.opened);
        return r.hasMarker;
    };
    EXPECT_TRUE(check("0720\t CV file info   \r\nrest"));
    EXPECT_TRUE(check("CV file info"));
    EXPECT_FALSE(check("first\rCV file info\r\n"));
    EXPECT_FALSE(check("CV file inf"));
    EXPECT_FALSE(check(""));
    // A first line longer than the read chunk, with the marker across the chunk edge.
    EXPECT_TRUE(check(std::string(65536 - 5, 'x') + "CV file info\n"));
    EXPECT_FALSE(check(std::string(200000, '\x01') + "\nCV file info"));
    EXPECT_TRUE(ui.Events().empty());

    const auto missing = dir / "missing.bin";
    EXPECT_FALSE(HasHeaderMarker(ui, missing).opened);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{"   Can't open : " + missing.string()});
}

}  // namespace
}  // namespace corv
