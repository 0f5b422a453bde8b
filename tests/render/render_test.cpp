// The built tavik-render run on a small data set in a temporary working
// directory: its trace, its images and its exit status.

#include <QDir>
#include <QFile>
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

const QString kRenderer = QStringLiteral(TAVIK_BIN_DIR "/tavik-render");

void WriteLines(const QString &path, const std::vector<std::string> &lines) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (const std::string &line : lines)
        out << line << "\r\n";
}

struct RunResult {
    int status = -1;
    QString err;
};

class RenderTest : public ::testing::Test {
  protected:
    RenderTest() {
        WriteLines(Path("Tavik.cfg"),
                   {"* Tavik last-session file", "* today", "",
                    "Channel displayed: 1340", "Home: Oak Ridge TN",
                    "Home latitude: 36.02", "Home longitude: 84.32",
                    "Relative size of pattern: .2", "Scale factor: 1000",
                    "Show NEW callsigns: 0", "Show short callsigns: 0",
                    "Show XENVA2 callsigns: 0", "Show long callsigns: 0",
                    "Show deleted facilities: 0", "Distance km or miles: 0"});
        // WATO stands on home: its cross is centred on (6000, 4500).
        WriteLines(Path("1340.DAT"),
                   {"WATO,USA,TN,OAK RIDGE,L,U,36.02,84.32,1,0,1",
                    "0,1,0,0,0,0",
                    "WLONGCALL,USA,TN,KNOXVILLE,L,U,35.96,83.92,1,0,1",
                    "0,1,0,0,0,0"});
        WriteLines(Path("STATES.dat"),
                   {"-100 -100", "36 275", "37 275", "37 276", "-2000"});
        WriteLines(Path("REGION2.dat"),
                   {"-100 -100", "30 275", "31 275", "-2000"});
    }

    QString Path(const QString &name) const { return dir_.filePath(name); }

    RunResult Render(const QStringList &args) {
        QProcess process;
        process.setWorkingDirectory(dir_.path());
        // Qt warns on standard error without a runtime directory; the
        // renderer's own messages are what these tests read there.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        process.setProcessEnvironment(env);
        process.start(kRenderer, args);
        RunResult run;
        if (!process.waitForFinished(60000)) {
            process.kill();
            return run;
        }
        run.status = process.exitStatus() == QProcess::NormalExit
                         ? process.exitCode()
                         : -1;
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    std::vector<std::string> Trace(const QString &name = "trace.txt") {
        std::vector<std::string> lines;
        std::ifstream in(Path(name).toStdString(), std::ios::binary);
        std::string line;
        while (std::getline(in, line))
            lines.push_back(line);
        return lines;
    }

    QTemporaryDir dir_;
    QTemporaryDir runtime_;
};

int IndexOf(const std::vector<std::string> &lines, const std::string &line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

// `first` directly followed by `second` somewhere in the trace.
bool Pair(const std::vector<std::string> &lines, const std::string &first,
          const std::string &second) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == first && lines[i + 1] == second)
            return true;
    return false;
}

TEST_F(RenderTest, TraceHoldsTheSessionsMapOperationByOperation) {
    const RunResult run = Render({"--trace", "trace.txt", "-o", "map.png"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    const auto trace = Trace();
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
    const RunResult run = Render({"--trace", "trace.txt", "-o", "map.png"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err.trimmed(),
              "tavik-render: We had a problem plotting the USA data from "
              "STATES.dat");
    EXPECT_TRUE(QFile::exists(Path("map.png")));

    const auto trace = Trace();
    const int message = IndexOf(
        trace,
        "Message We had a problem plotting the USA data from STATES.dat");
    ASSERT_NE(message, -1);
    // No home mark after the failure; region, plot and legend still drawn.
    EXPECT_EQ(IndexOf(trace, "Circle 6000 4500 50 0x0000FF"), -1);
    EXPECT_GT(IndexOf(trace, "PrintText WATO"), message);
    EXPECT_GT(IndexOf(trace, "PrintText Channel: 1340 kHz"), message);
}

TEST_F(RenderTest, AllStationsDrawsTheOverviewWithTheShownClasses) {
    for (int c = 530; c <= 1700; c += 10)
        if (c != 1340)
            WriteLines(Path(QString::number(c) + ".DAT"), {});
    const RunResult run = Render({"--all-stations", "--show", "long", "--trace",
                                  "trace.txt", "-o", "all.png"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const auto trace = Trace();
    EXPECT_TRUE(
        Pair(trace, "SetDrawWidth 3", "Line 5984 4500 6016 4500 0x0000FF"));
    // WATO and, shown by --show long, WLONGCALL; no channel plot.
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "PrintText  1340"), 2);
    EXPECT_EQ(IndexOf(trace, "PrintText Channel: 1340 kHz"), -1);
}

TEST_F(RenderTest, PngHasTheRequestedSizeAndShowsTheMap) {
    struct Row {
        QStringList sizeArgs;
        QSize size;
    };
    for (const Row &row : {Row{{}, QSize(1200, 900)},
                           Row{{"--size", "640x480"}, QSize(640, 480)},
                           Row{{"--size", "300x600"}, QSize(300, 600)}}) {
        SCOPED_TRACE(row.size.width());
        QFile::remove(Path("map.png"));
        ASSERT_EQ(Render(row.sizeArgs + QStringList{"-o", "map.png"}).status,
                  0);
        const QImage image(Path("map.png"));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), row.size);
        // The map space fills the width (4:3 or taller): home lies at half
        // the width and at 4500/12000 of it down. Its red cross is there.
        const double unitsToPx = row.size.width() / 12000.0;
        const QPoint home(qRound(6000 * unitsToPx), qRound(4500 * unitsToPx));
        bool red = false;
        for (int d = -2; d <= 2 && !red; ++d) {
            const QColor c = image.pixelColor(home + QPoint(d, 0));
            red = c.red() > 200 && c.green() < 100 && c.blue() < 100;
        }
        EXPECT_TRUE(red);
        EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    }
}

TEST_F(RenderTest, SvgAndPdfAreWrittenAndOpen) {
    ASSERT_EQ(Render({"--size", "800x600", "-o", "map.svg"}).status, 0);
    QSvgRenderer svg(Path("map.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBoxF(), QRectF(0, 0, 800, 600));

    ASSERT_EQ(Render({"-o", "map.pdf"}).status, 0);
    QFile pdf(Path("map.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_GT(pdf.size(), 1000);
}

TEST_F(RenderTest, BadArgumentsGiveOneUsageLineAndStatus2) {
    const std::vector<QStringList> rows = {
        {},
        {"--channel", "abc", "-o", "map.png"},
        {"--frobnicate", "-o", "map.png"},
        {"-o", "map.gif"},
    };
    for (const QStringList &args : rows) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const RunResult run = Render(args);
        EXPECT_EQ(run.status, 2);
        const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
        EXPECT_TRUE(lines[0].contains("usage: tavik-render"));
        EXPECT_FALSE(QFile::exists(Path("map.png")));
    }
}

TEST_F(RenderTest, UnwritableOutputGivesStatus1) {
    const RunResult run = Render({"-o", "no/such/folder/map.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("no/such/folder/map.png"));
}

} // namespace
