// The RTF reader: formatting runs, characters, skipped groups, and damaged input.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <random>

#include "help/RtfReader.h"

namespace corv {
namespace {

// The character format of the first run holding `text`.
QTextCharFormat FormatOf(const QTextDocument& doc, const QString& text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text)) return it.fragment().charFormat();
    ADD_FAILURE() << text.toStdString();
    return {};
}

QString Read(const QByteArray& rtf, bool* ok = nullptr) {
    QTextDocument doc;
    const bool result = ReadRtf(rtf, doc);
    if (ok != nullptr) *ok = result;
    return doc.toPlainText();
}

const QByteArray kSample =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Courier New;}}\r\n"
    "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
    "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Secret title}{\\author Nobody}}\r\n"
    "{\\*\\generator Some writer 1.0;}\r\n"
    "{\\header Header text\\par}{\\footer Footer text\\par}\r\n"
    "\\pard\\qc\\b\\fs32 Title\\b0\\fs24\\par\r\n"
    "\\pard Plain {\\i italic} \\ul under\\ul0  {\\cf1 red} \\fs40 big\\plain  after\\par\r\n"
    "\\qr Right\\tab tabbed\\line next\\par\r\n"
    "{\\pict\\wmetafile8\\picw100\\pich100 0123456789abcdef{\\bin4 }}{}}}x\\par\r\n"
    "Ends\\par}";

TEST(RtfReader, FormattingRunsAndParagraphs) {
    QTextDocument doc;
    QString error;
    ASSERT_TRUE(ReadRtf(kSample, doc, &error)) << error.toStdString();
    const auto format = [&](const char* text) { return FormatOf(doc, text); };

    EXPECT_EQ(format("Title").fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(format("Title").fontPointSize(), 16.0);
    EXPECT_EQ(doc.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(format("Plain").fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(format("Plain").fontPointSize(), 12.0);
    EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_TRUE(format("italic").fontItalic());
    EXPECT_TRUE(format("under").fontUnderline());
    EXPECT_FALSE(format("under").fontItalic());  // the italic group has ended
    EXPECT_EQ(format("red").foreground().color(), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(format("big").fontPointSize(), 20.0);
    EXPECT_FALSE(format("big").hasProperty(QTextFormat::ForegroundBrush));
    // \plain drops every character property.
    EXPECT_FALSE(format("after").hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(format("after").fontWeight(), QFont::Normal);

    EXPECT_EQ(doc.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(doc.findBlockByNumber(2).text(), QString("Right\ttabbed") + QChar(0x2028) + "next");
    EXPECT_EQ(doc.findBlockByNumber(0).text(), "Title");
}

TEST(RtfReader, TablesPicturesAndIgnorableGroupsAreNotShown) {
    const QString text = Read(kSample);
    for (const char* hidden : {"Arial", "Courier", "Normal", "Secret", "Nobody", "writer",
                               "Header text", "Footer text", "0123", "abcdef", "255", ";"}) {
        EXPECT_FALSE(text.contains(hidden)) << hidden;
    }
    EXPECT_TRUE(text.endsWith("x\nEnds\n")) << text.toStdString();

    // Binary data may hold braces and backslashes; they must not upset the groups.
    EXPECT_EQ(Read("{\\rtf1 a{\\pict\\bin6 }}{\\\\ }b}"), "ab");
    EXPECT_EQ(Read("{\\rtf1 a{\\*\\unknowndest lots {of} text}b}"), "ab");
    EXPECT_EQ(Read("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}}"), "shown");
}

TEST(RtfReader, Characters) {
    EXPECT_EQ(Read("{\\rtf1\\ansi caf\\'e9}"), QString::fromUtf8("café"));
    EXPECT_EQ(Read("{\\rtf1\\ansi caf\\u233?}"), QString::fromUtf8("café"));
    EXPECT_EQ(Read("{\\rtf1\\ansi\\uc2 \\u8364\\'80\\'80 x}"), QString::fromUtf8("€ x"));
    EXPECT_EQ(Read("{\\rtf1\\uc0 \\u233 e}"), QString::fromUtf8("ée"));
    EXPECT_EQ(Read("{\\rtf1 {\\uc3 \\u233 abcd}e}"), QString::fromUtf8("éde"));
    EXPECT_EQ(Read("{\\rtf1 \\u-4064?}"), QString(QChar(0xF020)));            // negative: 16-bit
    EXPECT_EQ(Read("{\\rtf1 \\u-10179?\\u-8704?}"), QString::fromUtf8("😀"));  // surrogates
    EXPECT_EQ(Read("{\\rtf1 \\u-10179?x}"), QString(QChar(QChar::ReplacementCharacter)) + "x");
    EXPECT_EQ(Read("{\\rtf1 \\'80\\'93\\'94\\'a3}"), QString::fromUtf8("€“”£"));
    EXPECT_EQ(Read("{\\rtf1 a\\\\b\\{c\\}d}"), "a\\b{c}d");
    EXPECT_EQ(Read("{\\rtf1 one\r\ntwo\\par three}"), "onetwo\nthree");
    EXPECT_EQ(Read("{\\rtf1 \\bullet\\~\\emdash\\endash}"), QString::fromUtf8("• —–"));
    EXPECT_EQ(Read("{\\rtf1 a\\cell b\\cell\\row c}"), "a\tb\t\nc");
}

TEST(RtfReader, DamagedInputReturns) {
    bool ok = true;
    EXPECT_EQ(Read("{\\rtf1 cut off", &ok), "cut off");
    EXPECT_FALSE(ok);
    EXPECT_EQ(Read("{\\rtf1 a}}}b{", &ok), "a");  // the document ends with its group
    EXPECT_TRUE(ok);
    EXPECT_EQ(Read("plain text, not rtf", &ok), "");
    EXPECT_FALSE(ok);
    EXPECT_EQ(Read("", &ok), "");
    EXPECT_FALSE(ok);

    QString error;
    QTextDocument doc;
    EXPECT_FALSE(ReadRtf(QByteArray("{\\rtf1 ") + QByteArray(200000, '{') + "deep", doc, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(doc.toPlainText(), "deep");

    const QByteArray nasty[] = {
        "{\\rtf1 \\",
        "{\\rtf1 \\'",
        "{\\rtf1 \\'4",
        "{\\rtf1 \\'zz}",
        "{\\rtf1 \\u",
        "{\\rtf1 \\u99999999999999999999999?}",
        "{\\rtf1 \\fs99999999999999999999 big\\fs-5 small}",
        "{\\rtf1 \\cf2147483647 a\\cf-2147483648 b}",
        "{\\rtf1 \\uc2147483647\\u65 abc{}d}",
        "{\\rtf1 \\bin99999999999",
        "{\\rtf1 {\\pict\\bin-5 x}}",
        "{\\rtf1 {\\colortbl;\\red999\\green-1\\blue;;;} \\cf3 x}",
        "{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz123 x}",
        "{\\rtf1 \\- \\_ \\: \\| \\* x}",
        QByteArray("{\\rtf1 a\0b\x01\x7f\xff}", 14),
        "{\\rtf1 }}}}}}}}}}}",
        "{\\rtf1 {{{{{{{{{{{{{",
        "{\\rtf1 {\\*}}",
        "{\\rtf1 \\par\\par\\pard\\qc}",
    };
    for (const QByteArray& input : nasty) ReadRtf(input, doc);
    EXPECT_EQ(Read("{\\rtf1 \\fs99999999999999999999 big}"), "big");
}

TEST(RtfReader, RandomMutationsOfAValidFileReturn) {
    std::mt19937 random(20240611u);
    QTextDocument doc;
    for (int i = 0; i < 3000; ++i) {
        QByteArray data = kSample;
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits && !data.isEmpty(); ++e) {
            const auto at = static_cast<qsizetype>(random() % static_cast<unsigned>(data.size()));
            const char byte = static_cast<char>(random() % 256);
            switch (random() % 4) {
                case 0:
                    data[at] = byte;
                    break;
                case 1:
                    data.insert(at, byte);
                    break;
                case 2:
                    data.remove(at, 1 + static_cast<qsizetype>(random() % 16));
                    break;
                default:
                    data.truncate(at);
                    break;
            }
        }
        ReadRtf(data, doc);
    }
}

}  // namespace
}  // namespace corv
