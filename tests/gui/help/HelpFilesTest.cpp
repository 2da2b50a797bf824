// The shipped help folder: every file the program opens is there and reads cleanly.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextDocument>

#include "TestSupport.h"
#include "help/RtfReader.h"

namespace corv {
namespace {

const char* const kRtfFiles[] = {
    "mainBeak.rtf",        "mainDial.rtf",     "mniFile.rtf",    "mniView.rtf",
    "mnixZoom.rtf",        "mniExport.rtf",    "mniyZoom.rtf",   "mniBaseline.rtf",
    "mniAnaBeak.rtf",      "mniFilter.rtf",    "mniSmooth.rtf",  "mniProcess.rtf",
    "mniCalc.rtf",         "mniBiChannel.rtf", "mniHelp.rtf",    "frmBeakPrms.rtf",
    "dlgExportText.rtf",   "dlgExportBin.rtf", "cve05.rtf",      "dlgElimPeak.rtf",
    "mniStatistic.rtf",    "dlgBiChannel.rtf", "dlgAddRamp.rtf", "dlgHisto.rtf",
    "frmPlotChnlChnl.rtf", "dlgPolynom.rtf",   "ErrPoly.rtf"};

QByteArray ReadHelpFile(const char* name) {
    QFile file(QString::fromStdString((test::SourceDir() / "help" / name).string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HelpFiles, EveryHelpFileIsPresentAndReadsCleanly) {
    for (const char* name : kRtfFiles) {
        const QByteArray data = ReadHelpFile(name);
        ASSERT_FALSE(data.isEmpty()) << name;
        QTextDocument doc;
        QString error;
        EXPECT_TRUE(ReadRtf(data, doc, &error)) << name << ": " << error.toStdString();
        const QString text = doc.toPlainText();
        EXPECT_GT(text.size(), 200) << name;
        // Neither control words nor braces may leak into the text.
        EXPECT_FALSE(text.contains(QRegularExpression("\\\\[a-z]"))) << name;
        EXPECT_FALSE(text.contains(u'{') || text.contains(u'}')) << name;
    }

    // The picture and the plain-text help.
    QImage picture;
    ASSERT_TRUE(picture.loadFromData(ReadHelpFile("poly.bmp"), "BMP"));
    EXPECT_GT(picture.width(), 100);
    EXPECT_GT(picture.height(), 20);

    const QByteArray text = ReadHelpFile("ESIdiff.txt");
    EXPECT_TRUE(text.contains("sampling interval"));
    EXPECT_EQ(text.count("\n"), text.count("\r\n"));  // CR LF line ends throughout
}

}  // namespace
}  // namespace corv
