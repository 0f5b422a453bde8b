// The built tavik-render run on a small data set in a temporary working
// directory: its trace, its images and its exit status.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace {

class RenderTest : public ::testing::Test {
  protected:
    RenderTest() {
        // The session: 1340 kHz, home Oak Ridge, scale 1000. WATO stands on
        // home: its cross is centred on (6000, 4500).
        Write("Tavik.cfg", "* Tavik last-session file\r\n1340\r\nOak Ridge "
                           "TN\r\n36.02\r\n84.32\r\n.2\r\n1000\r\n");
        Write("1340.DAT", "WATO,USA,TN,OAK RIDGE,L,U,36.02,84.32,1,0,1\r\n"
                          "0,1,0,0,0,0\r\n");
        Write("STATES.dat", "-100 -100\r\n36 275\r\n37 275\r\n37 276\r\n");
        Write("REGION2.dat", "-100 -100\r\n30 275\r\n31 275\r\n-2000\r\n");
    }
    QString Path(const QString &name) const { return dir_.filePath(name); }
    void Write(const QString &name, const char *text) {
        std::ofstream(Path(name).toStdString(), std::ios::binary) << text;
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

// Each mode draws its own picture from the session and the data files, at
// a tenth of its logical size: its trace begins as the picture does, and
// holds what only the data could give (the start-up pattern is WATO's,
// 1000 * 0.2 * 2.06 from the map's centre).
TEST_F(RenderTest, EachModeDrawsItsPictureFromTheSessionAndData) {
    const struct {
        const char *mode;
        int width, height;
        const char *begins, *holds;
    } rows[] = {
        {"", 1200, 900, "Cls\n",
         "PrintText WATO\nSetFontSize 10\nLine 5970 4500 6030 4500"},
        {"--viewer", 1200, 900,
         "SetDrawWidth 1\nLine -1100 0 -1100 9000 0xDDDDDD\n",
         "LineTo 7700 4100 0xFF0000\nLineTo 7860 4100 0xFF0000\n"},
        {"--page", 1512, 1152, "SetFontSize 8\nSetDrawWidth 8\n",
         "FilledBox 6985 5496 7015 5504 0xFFFFFF\nPSet 6992 5497 0xFFFFFF\n"
         "PrintText WATO\n"},
        {"--station-pattern wato", 900, 900,
         "FilledBox 4000 4500 8000 8500 0xFFFFFF\nCls\n",
         "Circle 6000 6495 50 0x0000FF\nLine 6000 4515 6000 4515 0x0000AA\n"},
        {"--startup", 1200, 900, "Line 0 1 12000 1 0x010101\n",
         "\nLine 0 9000 12000 9000 0xFF0101\n"
         "Line 6000 4088 6000 4088 0x666611\n"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.mode);
        const QString args = row.mode + QString(" --trace trace.txt -o m.png");
        EXPECT_EQ(Render(args.split(' ', Qt::SkipEmptyParts)), 0);
        EXPECT_TRUE(err_.isEmpty()) << err_.toStdString();
        EXPECT_EQ(QImage(Path("m.png")).size(), QSize(row.width, row.height));
        EXPECT_TRUE(trace_.startsWith(QString("\n") + row.begins));
        EXPECT_TRUE(trace_.contains(row.holds));
    }
}

// Each failure is told on standard error and kept in its place in the
// trace; the picture is drawn all the same.
TEST_F(RenderTest, FailuresAreToldOnStandardErrorAndTheRenderGoesOn) {
    // A FIFO or a device in place of a data file counts as missing (opening
    // it must not wait for ever).
    QFile::remove(Path("STATES.dat"));
    ASSERT_TRUE(QFile::link("/dev/zero", Path("STATES.dat")));
    QFile::remove(Path("1340.DAT"));
    ASSERT_EQ(::mkfifo(Path("1340.DAT").toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(Render({"--trace", "trace.txt", "-o", "m.png"}), 0);
    const QString problem =
        "We had a problem plotting the USA data from STATES.dat";
    const QString noChannel = "We had a problem plotting 1340.DAT";
    EXPECT_EQ(err_, "tavik-render: " + problem +
                        "\ntavik-render: " + noChannel + "\n");
    const int message = trace_.indexOf("\nMessage " + problem + "\n");
    ASSERT_NE(message, -1);
    EXPECT_GT(trace_.indexOf("\nMessage " + noChannel + "\n"), message);
    EXPECT_GT(trace_.indexOf(" 0xCC8888\n", message), message); // Region 2
}

// The start-up window's labels and logo are painted over its picture in
// the image only, scaled with it.
TEST_F(RenderTest, StartupImageHasItsLabels) {
    ASSERT_EQ(Render({"--startup", "--size", "600x450", "-o", "s.png"}), 0);
    const QImage image(Path("s.png"));
    ASSERT_EQ(image.size(), QSize(600, 450));
    int cyan = 0; // text pixels of lblVersion at 2600..4600 x 5500..5860
    for (int x = 130; x < 230; ++x)
        for (int y = 275; y < 293; ++y)
            cyan += image.pixelColor(x, y) == QColor(128, 255, 255);
    EXPECT_GT(cyan, 20);
}

// SVG at the requested size, well-formed with a control character in a
// text; PDF: one page of the image's size, 96 pixels to the inch.
TEST_F(RenderTest, SvgAndPdfHoldThePictureAtTheRequestedSize) {
    ASSERT_EQ(
        Render({"--size", "800x600", "--city", "a\x01<b&", "-o", "map.svg"}),
        0);
    EXPECT_EQ(QSvgRenderer(Path("map.svg")).viewBoxF(), QRectF(0, 0, 800, 600));
    ASSERT_EQ(Render({"--page", "-o", "page.pdf"}), 0);
    QProcess info;
    info.start("pdfinfo", {Path("page.pdf")});
    ASSERT_TRUE(info.waitForFinished());
    const QString pages = info.readAllStandardOutput();
    EXPECT_TRUE(pages.contains(QRegularExpression("Pages: +1\n")) &&
                pages.contains("Page size:       1134 x 864 pts"))
        << pages.toStdString();
}

TEST_F(RenderTest, BadArgumentsGiveOneUsageLineAndStatus2) {
    for (const QStringList &args :
         {QStringList{}, {"--trace", "map.png", "-o", "map.png"}}) {
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
