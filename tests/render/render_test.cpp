// The built tavik-render run on a small data set in a temporary working
// directory: its trace, its images and its exit status.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class RenderTest : public ::testing::Test {
  protected:
    RenderTest() {
        Write("Tavik.cfg",
              {"* Tavik last-session file", "* today", "",
               "Channel displayed: 1340", "Home: Oak Ridge TN",
               "Home latitude: 36.02", "Home longitude: 84.32",
               "Relative size of pattern: .2", "Scale factor: 1000",
               "Show NEW callsigns: 0", "Show short callsigns: 0",
               "Show XENVA2 callsigns: 0", "Show long callsigns: 0",
               "Show deleted facilities: 0", "Distance km or miles: 0"});
        // WATO stands on home: its cross is centred on (6000, 4500).
        Write("1340.DAT",
              {"WATO,USA,TN,OAK RIDGE,L,U,36.02,84.32,1,0,1", "0,1,0,0,0,0",
               "WLONGCALL,USA,TN,KNOXVILLE,L,U,35.96,83.92,1,0,1",
               "0,1,0,0,0,0"});
        Write("STATES.dat",
              {"-100 -100", "36 275", "37 275", "37 276", "-2000"});
        Write("REGION2.dat", {"-100 -100", "30 275", "31 275", "-2000"});
    }
    QString Path(const QString &name) const { return dir_.filePath(name); }
    void Write(const QString &name, const Lines &lines) {
        std::ofstream out(Path(name).toStdString(), std::ios::binary);
        for (const std::string &line : lines)
            out << line << "\r\n";
    }
    // Runs the renderer; its exit status (-1: crashed or hung) and stderr.
    std::pair<int, QString> Render(const QStringList &args) {
        QProcess process;
        process.setWorkingDirectory(dir_.path());
        // Without a runtime directory Qt warns on standard error.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        process.setProcessEnvironment(env);
        process.start(TAVIK_BIN_DIR "/tavik-render", args);
        if (!process.waitForFinished(60000)) {
            process.kill();
            return {-1, "timed out"};
        }
        return {process.exitStatus() == QProcess::NormalExit
                    ? process.exitCode()
                    : -1,
                QString::fromUtf8(process.readAllStandardError())};
    }
    Lines Trace() {
        Lines lines;
        std::ifstream in(Path("trace.txt").toStdString(), std::ios::binary);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    QTemporaryDir dir_, runtime_;
};

int IndexOf(const Lines &lines, const std::string &line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}
// `first` directly followed by `second` somewhere in the trace.
bool Pair(const Lines &lines, const std::string &first,
          const std::string &second) {
    const Lines pair = {first, second};
    return std::search(lines.begin(), lines.end(), pair.begin(), pair.end()) !=
           lines.end();
}

TEST_F(RenderTest, TraceHoldsTheSessionsMapOperationByOperation) {
    const auto [status, err] = Render({"--trace", "trace.txt", "-o", "m.png"});
    ASSERT_EQ(status, 0) << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    const Lines trace = Trace();
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.front(), "Cls");
    // Home mark, then the station on home: number, call sign, red cross.
    EXPECT_NE(IndexOf(trace, "Circle 6000 4500 50 0x0000FF"), -1);
    EXPECT_TRUE(Pair(trace, "PSet 5940 4290 0xFFFFFF", "PrintText  1340"));
    EXPECT_TRUE(Pair(trace, "PSet 5985 4470 0xFFFFFF", "PrintText WATO"));
    EXPECT_TRUE(Pair(trace, "Line 5970 4500 6030 4500 0x0000FF",
                     "Line 6000 4470 6000 4530 0x0000FF"));
    EXPECT_TRUE(
        Pair(trace, "PSet 500 7660 0xFFFFFF", "PrintText Channel: 1340 kHz"));
    EXPECT_EQ(IndexOf(trace, "PrintText WLONGCALL"), -1) << "long calls hidden";
    for (const std::string &line : trace)
        EXPECT_NE(line.rfind("Message", 0), 0u) << line;
}

TEST_F(RenderTest, FailingLayerIsReportedAndTheRenderGoesOn) {
    QFile::remove(Path("STATES.dat"));
    const auto [status, err] = Render({"--trace", "trace.txt", "-o", "m.png"});
    EXPECT_EQ(status, 0);
    const std::string problem =
        "We had a problem plotting the USA data from STATES.dat";
    EXPECT_EQ(err.trimmed().toStdString(), "tavik-render: " + problem);
    EXPECT_TRUE(QFile::exists(Path("m.png")));
    const Lines trace = Trace();
    const int message = IndexOf(trace, "Message " + problem);
    ASSERT_NE(message, -1);
    // No home mark after the failure; region, plot and legend still drawn.
    EXPECT_EQ(IndexOf(trace, "Circle 6000 4500 50 0x0000FF"), -1);
    EXPECT_GT(IndexOf(trace, "PrintText WATO"), message);
    EXPECT_GT(IndexOf(trace, "PrintText Channel: 1340 kHz"), message);
}

TEST_F(RenderTest, AllStationsDrawsTheOverviewWithTheShownClasses) {
    for (int c = 530; c <= 1700; c += 10)
        if (c != 1340)
            Write(QString::number(c) + ".DAT", {});
    ASSERT_EQ(Render({"--all-stations", "--show", "long", "--trace",
                      "trace.txt", "-o", "all.png"})
                  .first,
              0);
    const Lines trace = Trace();
    EXPECT_TRUE(
        Pair(trace, "SetDrawWidth 3", "Line 5984 4500 6016 4500 0x0000FF"));
    // WATO and, shown by --show long, WLONGCALL; no channel plot.
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "PrintText  1340"), 2);
    EXPECT_EQ(IndexOf(trace, "PrintText Channel: 1340 kHz"), -1);
}

TEST_F(RenderTest, PngHasTheRequestedSizeAndShowsTheMap) {
    for (const auto &[args, size] :
         {std::pair{QStringList{}, QSize(1200, 900)},
          {{"--size", "640x480"}, QSize(640, 480)},
          {{"--size", "300x600"}, QSize(300, 600)}}) {
        SCOPED_TRACE(size.width());
        QFile::remove(Path("map.png"));
        ASSERT_EQ(Render(args + QStringList{"-o", "map.png"}).first, 0);
        const QImage image(Path("map.png"));
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
        // The map space fills the width: home's red cross lies at half of
        // it across and 4500/12000 of it down.
        const double px = size.width() / 12000.0;
        bool red = false;
        for (int d = -2; d <= 2 && !red; ++d) {
            const QColor c =
                image.pixelColor(qRound(6000 * px) + d, qRound(4500 * px));
            red = c.red() > 200 && c.green() < 100 && c.blue() < 100;
        }
        EXPECT_TRUE(red);
    }
}

TEST_F(RenderTest, SvgAndPdfAreWrittenAndOpen) {
    ASSERT_EQ(Render({"--size", "800x600", "-o", "map.svg"}).first, 0);
    QSvgRenderer svg(Path("map.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 800, 600));
    ASSERT_EQ(Render({"-o", "map.pdf"}).first, 0);
    QFile pdf(Path("map.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_GT(pdf.size(), 1000);
}

TEST_F(RenderTest, BadArgumentsGiveOneUsageLineAndStatus2) {
    for (const QStringList &args : {QStringList{},
                                    {"--channel", "abc", "-o", "map.png"},
                                    {"--frobnicate", "-o", "map.png"},
                                    {"-o", "map.gif"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const auto [status, err] = Render(args);
        EXPECT_EQ(status, 2);
        const QStringList lines = err.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << err.toStdString();
        EXPECT_TRUE(lines[0].contains("usage: tavik-render"));
        EXPECT_FALSE(QFile::exists(Path("map.png")));
    }
    const auto [status, err] = Render({"-o", "no/such/folder/map.png"});
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(err.contains("no/such/folder/map.png"));
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
