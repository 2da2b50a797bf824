#include "files/TextLineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"

namespace corv {
namespace {

std::vector<std::string> ReadAll(const std::filesystem::path& p, size_t chunk) {
    ReadOnlyFile f;
    EXPECT_TRUE(f.Open(p));
    TextLineReader reader(f, chunk);
    std::vector<std::string> lines;
    reader.ForEachLine([&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

// Chunks of every small size put line ends, CR LF pairs and long lines across the edges
// of the buffer.
TEST(TextLineReader, SplitsLinesAtEveryLineEndWhateverTheChunkSize) {
    test::TempDir dir;
    const auto p = dir / "lines.txt";
    const std::string longLine(3000, 'L');
    test::WriteFile(p, "a\r\nbb\rc\n\n\r\nd\r" + longLine +
                           "\r\nlast\x1a"
                           "after\r\n");
    const std::vector<std::string> expected = {
        "a", "bb", "c", "", "", "d", longLine.substr(0, 1024), "last"};
    for (size_t chunk : {1, 2, 3, 5, 7, 8, 13, 1023, 1024, 1025, 4096})
        EXPECT_EQ(ReadAll(p, chunk), expected) << "chunk " << chunk;
}

TEST(TextLineReader, EndsWithoutFinalLineEndAndRewinds) {
    test::TempDir dir;
    const auto p = dir / "z.txt";
    test::WriteFile(p, "1\n2");
    EXPECT_EQ(ReadAll(p, 1), (std::vector<std::string>{"1", "2"}));
    test::WriteFile(p, "");
    EXPECT_TRUE(ReadAll(p, 16).empty());

    // Stopping and going on, skipping, and starting again from the top.
    test::WriteFile(p, "h1\nh2\r\n1\r\n2\r");
    ReadOnlyFile f;
    ASSERT_TRUE(f.Open(p));
    TextLineReader reader(f, 3);
    std::vector<std::string> seen;
    auto takeOne = [&](std::string_view line) {
        seen.emplace_back(line);
        return false;
    };
    reader.Skip(2);
    reader.ForEachLine(takeOne);
    reader.ForEachLine(takeOne);
    reader.ForEachLine(takeOne);
    reader.Rewind();
    reader.ForEachLine(takeOne);
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "2", "h1"}));
}

}  // namespace
}  // namespace corv
