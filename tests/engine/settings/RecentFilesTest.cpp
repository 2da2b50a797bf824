#include "settings/RecentFiles.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace corv {
namespace {

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostEight) {
    std::vector<std::string> list;
    for (int k = 0; k < 10; ++k) AddRecentFile(list, "s" + std::to_string(k) + ".cfg");
    ASSERT_EQ(list.size(), kRecentFileCount);
    EXPECT_EQ(list.front(), "s9.cfg");
    EXPECT_EQ(list.back(), "s2.cfg");
    AddRecentFile(list, "s5.cfg");
    EXPECT_EQ(list.front(), "s5.cfg");
    EXPECT_EQ(std::count(list.begin(), list.end(), "s5.cfg"), 1);

    test::TempDir dir;
    ASSERT_TRUE(WriteRecentFiles(dir / "r.txt", list));
    EXPECT_EQ(ReadRecentFiles(dir / "r.txt"), list);
    test::WriteFile(dir / "cr.txt", "a.cfg\rb.cfg\r\n\r\na.cfg\nc.cfg");
    EXPECT_EQ(ReadRecentFiles(dir / "cr.txt"),
              (std::vector<std::string>{"a.cfg", "b.cfg", "c.cfg"}));
    EXPECT_TRUE(ReadRecentFiles(dir / "missing.txt").empty());
    // A fresh user settings folder is made on the first write.
    ASSERT_TRUE(WriteRecentFiles(dir / "new" / "corvandell" / "r.txt", list));
    EXPECT_EQ(ReadRecentFiles(dir / "new" / "corvandell" / "r.txt"), list);
}

}  // namespace
}  // namespace corv
