// The built tavik-render run on a small data set in a temporary working
// directory: its trace, its images and its exit status.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <string>
#include <vector>

namespace {

class RenderTest : public ::testing::Test {
  protected:
    RenderTest() {
        // The session's value lines: 1340 kHz, home Oak Ridge, scale 1000.
        Write("Tavik.cfg",
              {"* Tavik last-session file", "1340", "Oak Ridge TN", "36.02",
               "84.32", ".2", "1000", "0", "0", "0", "0", "0", "0"});
        // WATO stands on home: its cross is centred on (6000, 4500).
        Write("1340.DAT",
              {"WATO,USA,TN,OAK RIDGE,L,U,36.02,84.32,1,0,1", "0,1,0,0,0,0"});
        Write("STATES.dat",
              {"-100 -100", "36 275", "37 275", "37 276", "-2000"});
        Write("REGION2.dat", {"-100 -100", "30 275", "31 275", "-2000"});
    }
    QString Path(const QString &name) const { return dir_.filePath(name); }
    void Write(const QString &name, const std::vector<std::string> &lines) {
        std::ofstream out(Path(name).toStdString(), std::ios::binary);
        for (const std::string &line : lines)
            out << line << "\r\n";
    }
    // Runs the renderer: its exit status (-1: crashed or hung), its standard
    // error and its trace, each line of which begins and ends with '\n'.
    int Render(const QStringList &args) {
        QProcess process;
        process.setWorkingDirectory(dir_.path());
        QFile::remove(Path("trace.txt"));
        process.start(TAVIK_BIN_DIR "/tavik-render", args);
        const bool ended = process.waitForFinished(60000);
        err_ = QString::fromUtf8(process.readAllStandardError());
        QFile trace(Path("trace.txt"));
        trace_ = trace.open(QIODevice::ReadOnly) ? "\n" + trace.readAll() : "";
        return ended && process.exitStatus() == QProcess::NormalExit
                   ? process.exitCode()
                   : -1;
    }

    QTemporaryDir dir_;
    QString err_, trace_;
};

TEST_F(RenderTest, TraceHoldsTheSessionsMapAndAFailingLayerDoesNotStopIt) {
    ASSERT_EQ(Render({"--trace", "trace.txt", "-o", "m.png"}), 0)
        << err_.toStdString();
    EXPECT_TRUE(err_.isEmpty()) << err_.toStdString();
    EXPECT_EQ(QImage(Path("m.png")).size(), QSize(1200, 900));
    // Cls, home mark, the station on home with its call sign, the legend.
    QString at = "\nCls\n";
    for (const char *line :
         {"Circle 6000 4500 50 0x0000FF", "PrintText WATO",
          "Line 5970 4500 6030 4500 0x0000FF",
          "PSet 500 7660 0xFFFFFF\nPrintText Channel: 1340 kHz"}) {
        const int next = trace_.indexOf("\n" + QString(line) + "\n");
        EXPECT_GT(next, trace_.indexOf(at)) << line;
        at = "\n" + QString(line) + "\n";
    }
    EXPECT_TRUE(trace_.startsWith("\nCls\n") && !trace_.contains("\nMessage"));

    // A FIFO or a device in place of a data file counts as missing (opening
    // it must not wait for ever): the FIFO channel file draws no station.
    QFile::remove(Path("STATES.dat"));
    ASSERT_TRUE(QFile::link("/dev/zero", Path("STATES.dat")));
    QFile::remove(Path("1340.DAT"));
    ASSERT_EQ(::mkfifo(Path("1340.DAT").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(Render({"--trace", "trace.txt", "-o", "m.png"}), 0);
    const QString problem =
        "We had a problem plotting the USA data from STATES.dat";
    const QString noChannel = "We had a problem plotting 1340.DAT";
    EXPECT_EQ(err_, "tavik-render: " + problem + "\ntavik-render: " +
                        noChannel + "\n");
    const int message = trace_.indexOf("\nMessage " + problem + "\n");
    ASSERT_NE(message, -1);
    // No home mark after the failure; region and legend still drawn.
    EXPECT_FALSE(trace_.contains("\nCircle 6000 4500 50 0x0000FF\n"));
    EXPECT_GT(trace_.indexOf("\nMessage " + noChannel + "\n"), message);
    EXPECT_FALSE(trace_.contains("\nPrintText WATO\n"));
}

TEST_F(RenderTest, ImagesHaveTheRequestedSizeAndOpen) {
    ASSERT_EQ(Render({"--size", "300x600", "-o", "map.png"}), 0);
    EXPECT_EQ(QImage(Path("map.png")).size(), QSize(300, 600));
    // A control character in a text stays well-formed XML in the SVG.
    ASSERT_EQ(Render({"--size", "800x600", "--city", "a\x01<b&", "-o",
                      "map.svg"}),
              0);
    QFile file(Path("map.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString texts;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError())
        if (xml.isCharacters())
            texts += xml.text();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains(u"Home:  a\uFFFD<b&")) << texts.toStdString();
    QSvgRenderer svg(Path("map.svg"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 800, 600));
    ASSERT_EQ(Render({"-o", "map.pdf"}), 0);
    QFile pdf(Path("map.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_GT(pdf.size(), 1000);
}

// The start-up window: the traced gradient and patterns in its 12000 x 9000
// units whatever the size; labels and logo only in the image.
TEST_F(RenderTest, StartupTracesGradientThenPatternsAndPaintsTheLabels) {
    ASSERT_EQ(Render({"--startup", "--size", "600x450", "--trace",
                      "trace.txt", "-o", "s.png"}),
              0)
        << err_.toStdString();
    EXPECT_EQ(trace_.count('\n'), 1 + 9000 + 361);
    EXPECT_TRUE(trace_.startsWith("\nLine 0 1 12000 1 0x010101\n"));
    // WATO on home: radius 1000 * 0.2 * 2.06 from the map's centre.
    EXPECT_TRUE(trace_.contains("\nLine 0 9000 12000 9000 0xFF0101\n"
                                "Line 6000 4088 6000 4088 0x666611\n"));
    EXPECT_FALSE(trace_.contains("PrintText") || trace_.contains("Cls"));

    const QImage image(Path("s.png"));
    ASSERT_EQ(image.size(), QSize(600, 450));
    EXPECT_EQ(image.pixelColor(300, 445).blue(), 255); // full blue below
    int cyan = 0; // text pixels of lblVersion at 2600..4600 x 5500..5860
    for (int x = 130; x < 230; ++x)
        for (int y = 275; y < 293; ++y)
            cyan += image.pixelColor(x, y) == QColor(128, 255, 255);
    EXPECT_GT(cyan, 20);
}

// The viewer's grid, then both outline files in blue as the window draws
// them on opening: no Cls, the files found without regard to case.
TEST_F(RenderTest, ViewerDrawsTheGridAndBothOutlineFiles) {
    ASSERT_EQ(Render({"--viewer", "--trace", "trace.txt", "-o", "v.png"}), 0)
        << err_.toStdString();
    EXPECT_TRUE(trace_.startsWith(
        "\nSetDrawWidth 1\nLine -1100 0 -1100 9000 0xDDDDDD\n"));
    EXPECT_TRUE(trace_.endsWith(
        "\nLine 0 1500 12000 1500 0x888888\nSetDrawWidth 2\n"
        "Line 7700 5500 7700 5500 0xFF0000\nLineTo 7700 5300 0xFF0000\n"
        "SetDrawWidth 1\nLine 7700 4300 7700 4300 0xFF0000\n"
        "LineTo 7700 4100 0xFF0000\nLineTo 7860 4100 0xFF0000\n"))
        << trace_.right(400).toStdString();
    EXPECT_EQ(QImage(Path("v.png")).size(), QSize(1200, 900));
}

// The printed page: home at (7000, 5500) in twips, the footer, no Cls; as
// PDF one landscape page whose texts are text.
TEST_F(RenderTest, PageIsTheLandscapePrintoutInTwips) {
    ASSERT_EQ(Render({"--page", "--trace", "trace.txt", "-o", "page.png"}), 0)
        << err_.toStdString();
    EXPECT_EQ(QImage(Path("page.png")).size(), QSize(1512, 1152));
    EXPECT_TRUE(trace_.startsWith("\nSetFontSize 8\nSetDrawWidth 8\n"));
    QString at = "\n";
    for (const char *line :
         {"Circle 7000 5500 50 0x0000FF", "SetDrawWidth 5",
          "FilledBox 6985 5496 7015 5504 0xFFFFFF", "PrintText WATO",
          "Line 6984 5500 7016 5500 0x0000FF",
          "PSet 500 11100 0xFFFFFF\nPrintText Tavik - "
          "https://oskel-software.example/\nSetDrawWidth 1\n"}) {
        const int next = trace_.indexOf("\n" + QString(line));
        EXPECT_GT(next, trace_.indexOf(at)) << line;
        at = "\n" + QString(line);
    }
    EXPECT_FALSE(trace_.contains("\nCls\n"));

    ASSERT_EQ(Render({"--page", "-o", "page.pdf"}), 0);
    QProcess info, text;
    info.start("pdfinfo", {Path("page.pdf")});
    text.start("pdftotext", {Path("page.pdf"), "-"});
    ASSERT_TRUE(info.waitForFinished() && text.waitForFinished());
    const QString pages = info.readAllStandardOutput();
    EXPECT_TRUE(pages.contains(QRegularExpression("Pages: +1\n")) &&
                pages.contains("Page size:       1134 x 864 pts"))
        << pages.toStdString();
    EXPECT_TRUE(text.readAllStandardOutput().contains("Home city: Oak Ridge TN"));
}

// The station data window's display for a call sign of the session's
// channel, in any letter case: a click's picture on its 9000 x 9000 units.
TEST_F(RenderTest, StationPatternIsTheGetDataDisplayOfTheNamedStation) {
    ASSERT_EQ(Render({"--station-pattern", "wato", "--trace", "trace.txt",
                      "-o", "s.png"}),
              0)
        << err_.toStdString();
    EXPECT_EQ(QImage(Path("s.png")).size(), QSize(900, 900));
    EXPECT_TRUE(trace_.startsWith("\nFilledBox 4000 4500 8000 8500 0xFFFFFF\n"
                                  "Cls\nLine 6000 6200 6000 4320 0xDDDDDD\n"));
    EXPECT_TRUE(trace_.contains("\nCircle 6000 6495 50 0x0000FF\n"
                                "Line 6000 4515 6000 4515 0x0000AA\n"));
    EXPECT_TRUE(trace_.endsWith("\nPrintText Nighttime\n"));

    EXPECT_EQ(Render({"--station-pattern", "WXYZ", "--trace", "trace.txt",
                      "-o", "s.png"}),
              0);
    EXPECT_EQ(err_, "tavik-render: No station WXYZ in the list of 1340 kHz\n");
    EXPECT_EQ(Render({"--station-pattern", "WATO", "--channel", "1350",
                      "-o", "s.png"}),
              0);
    EXPECT_EQ(err_, "tavik-render: There is no data for 1350\n");
}

TEST_F(RenderTest, BadArgumentsGiveOneUsageLineAndStatus2) {
    for (const QStringList &args : {QStringList{},
                                    {"--channel", "abc", "-o", "map.png"},
                                    {"--trace", "map.png", "-o", "map.png"},
                                    {"-o", "map.gif"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(Render(args), 2);
        EXPECT_EQ(err_.count('\n'), 1) << err_.toStdString();
        EXPECT_TRUE(err_.startsWith("tavik-render: ") &&
                    err_.contains("usage: tavik-render"));
        EXPECT_FALSE(QFile::exists(Path("map.png")));
    }
    EXPECT_EQ(Render({"-o", "no/such/folder/map.png"}), 1);
    EXPECT_TRUE(err_.contains("no/such/folder/map.png"));
}

} // namespace

// Reading back SVG and PNG output needs the platform's fonts and image
// plugins, so the tests run inside one application object.
int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
