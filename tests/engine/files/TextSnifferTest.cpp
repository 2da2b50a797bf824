#include "files/TextSniffer.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace corv {
namespace {

using Names = std::vector<std::string>;

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return {lines.begin(), lines.end()};
}

TEST(TextSniffer, SeparatorsDecimalCommasAndHeaderLines) {
    TextLayout t =
        SniffLines(Lines({"Time\tDepth\tTemp", "0\t1.5\t20.1", "5\t\t20.2", "10\t2\t20"}));
    EXPECT_EQ(t.separator, '\t');
    EXPECT_FALSE(t.decimalComma);
    EXPECT_EQ(t.headerLines, 1);
    EXPECT_EQ(t.columnCount, 3);
    EXPECT_EQ(t.columnNames, (Names{"Time", "Depth", "Temp"}));

    // Decimal commas in a ";" file: the commas do not separate. Quoted names lose quotes.
    t = SniffLines(Lines({"\"date\";\"time\";\"depth; m\"", "05/01/2002;11:31:50;12,5",
                          "05/01/2002;11:31:55;-3,25", "05/01/2002;11:32:00;"}));
    EXPECT_EQ(t.separator, ';');
    EXPECT_TRUE(t.decimalComma);
    EXPECT_EQ(t.headerLines, 1);
    EXPECT_EQ(t.columnNames, (Names{"date", "time", "depth; m"}));

    t = SniffLines(Lines({"a,b", "1.5,2", "3,4"}));
    EXPECT_EQ(t.separator, ',');
    EXPECT_FALSE(t.decimalComma);
    EXPECT_EQ(t.headerLines, 1);

    // Two columns of decimal commas between blanks: as many numbers as with a comma.
    t = SniffLines(Lines({"1,5  2,5", "3,5   4", "", "7 8,25"}));
    EXPECT_EQ(t.separator, ' ');
    EXPECT_TRUE(t.decimalComma);
    EXPECT_EQ(t.headerLines, 0);
    EXPECT_EQ(t.columnCount, 2);
    EXPECT_TRUE(t.columnNames.empty());

    t = SniffLines(Lines({"1,5\t2,5", "3\t4,5"}));
    EXPECT_EQ(t.separator, '\t');
    EXPECT_TRUE(t.decimalComma);

    // A single column, and a file without numbers.
    t = SniffLines(Lines({"depth", "1", "2.5"}));
    EXPECT_EQ(t.columnCount, 1);
    EXPECT_EQ(t.headerLines, 1);
    t = SniffLines(Lines({"just", "words"}));
    EXPECT_EQ(t.headerLines, 0);
}

TEST(TextSniffer, LongFreeTextPreambleBeforeTheColumnNames) {
    std::vector<std::string> lines = {"TDR export, fur seal 12", "Serial: 1234",
                                      "Firmware 2.1, 5 s interval", "Deployed 04/01/2002 10:00",
                                      "Notes: depth in m; light in lux; temperature in C"};
    for (int i = 0; i < 30; ++i) lines.push_back("Calibration step " + std::to_string(i) + " ok");
    lines.push_back("date;time;depth;light;temperature;speed");
    lines.push_back("05/01/2002;11:31:50;12,5;140;12,25;1,5");
    lines.push_back("05/01/2002;11:31:55;;;;");
    lines.push_back("05/01/2002;11:32:00;14;139;12,25;");
    const TextLayout t = SniffLines(lines);
    EXPECT_EQ(t.separator, ';');
    EXPECT_TRUE(t.decimalComma);
    EXPECT_EQ(t.headerLines, 36);
    EXPECT_EQ(t.columnCount, 6);
    EXPECT_EQ(t.columnNames, (Names{"date", "time", "depth", "light", "temperature", "speed"}));
}

TEST(TextSniffer, FieldsAndColumnCheckOfAFile) {
    EXPECT_EQ(SplitFields("a; b ;;", ';'), (Names{"a", "b", "", ""}));
    EXPECT_EQ(SplitFields("  1   2\t 3 ", ' '), (Names{"1", "2", "3"}));
    EXPECT_EQ(SplitFields("1\t\t3\t", '\t'), (Names{"1", "", "3", ""}));

    test::TempDir dir;
    const auto file = dir / "log.csv";
    test::WriteFile(file, "date;depth;light\r\n1;2;3\r\n1;;3\r\n\r\n1;x;3\r\n1\r\n1;5;\r\n");
    const auto lines = ReadFirstLines(file, 3);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (Names{"date;depth;light", "1;2;3", "1;;3"}));
    auto check = CheckColumn(file, 1, 2, ';', 10000);
    ASSERT_TRUE(check);
    EXPECT_EQ(check->linesRead, 6);
    EXPECT_EQ(check->noNumber, 2);
    EXPECT_EQ(check->firstLine, 3);
    EXPECT_EQ(check->tooFew, 1);
    check = CheckColumn(file, 1, 3, ';', 2);  // the last field is empty, but after the limit
    EXPECT_EQ(check->noNumber, 0);
    EXPECT_EQ(check->linesRead, 2);
    EXPECT_FALSE(ReadFirstLines(dir / "none.txt", 5));
}

}  // namespace
}  // namespace corv
