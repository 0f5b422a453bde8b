// The printer driver: the real print dialog answered as a user would, the
// page sent to Qt's PDF output and read back with poppler's tools.

#include "modal.h"
#include "print/qt/print_driver.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace tavik {
namespace {

using Texts = std::vector<std::string>;

// Runs a poppler tool on `pdf`; its standard output.
QString Poppler(const QString &tool, const QStringList &args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "failed: " + tool + " " + process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The number of pages of `pdf`, and whether its first page lies landscape.
std::pair<int, bool> Pages(const QString &pdf) {
    const QString info = Poppler("pdfinfo", {pdf});
    const auto match = QRegularExpression("Pages: +(\\d+)\\n(?:.*\\n)*"
                                          "Page size: +([\\d.]+) x ([\\d.]+)")
                           .match(info);
    EXPECT_TRUE(match.hasMatch()) << info.toStdString();
    return {match.captured(1).toInt(),
            match.captured(2).toDouble() > match.captured(3).toDouble()};
}

class PrintDriverTest : public ::testing::Test {
  protected:
    PrintDriverTest() {
        Write("STATES.dat", {"-100 -100", "33 263", "34 263", "-2000"});
        Write("REGION2.dat", {"-100 -100", "29 265", "30 265", "-2000"});
        Write("1340.DAT",
              {"KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1", "0,1,0,0,0,0"});
        printer_.setOutputFileName(Path("page.pdf"));
    }
    QString Path(const QString &name) const { return dir_.filePath(name); }
    void Write(const QString &name, const Texts &lines) {
        std::ofstream out(Path(name).toStdString(), std::ios::binary);
        for (const std::string &line : lines)
            out << line << "\r\n";
    }

    QTemporaryDir dir_;
    QPrinter printer_{QPrinter::HighResolution};
    SessionSettings settings_{1340, "Dallas TX", 32.78f, 96.8f, 0.2f, 1000, {}};
    OutlinePen pen_;
    RecordedMessages layers_, printerErrors_;
    PrintJob job_{settings_, pen_, layers_, printerErrors_,
                  dir_.path().toStdString()};
};

// The dialog shows the printer in landscape, which is set back to portrait
// afterwards. A cancel prints nothing and says so; a print sends one
// landscape page whose texts are text.
TEST_F(PrintDriverTest, DialogInLandscapeThenOnePageOrNothing) {
    for (const bool print : {false, true}) {
        SCOPED_TRACE(print);
        auto shown = QPageLayout::Portrait;
        OnNextModal([&](QWidget *dialog) {
            shown = printer_.pageLayout().orientation();
            EXPECT_TRUE(ClickButton(dialog, print ? "Print" : "Cancel"));
        });
        EXPECT_EQ(PrintMap(printer_, job_, nullptr), print);
        EXPECT_EQ(shown, QPageLayout::Landscape);
        EXPECT_EQ(printer_.pageLayout().orientation(), QPageLayout::Portrait);
        EXPECT_EQ(QFile::exists(Path("page.pdf")), print);
    }
    EXPECT_EQ(printerErrors_.shown, Texts({"Printing was cancelled."}));
    EXPECT_TRUE(layers_.shown.empty());
    EXPECT_EQ(Pages(Path("page.pdf")), std::make_pair(1, true));
    const QString text = Poppler("pdftotext", {Path("page.pdf"), "-"});
    EXPECT_TRUE(text.contains("Channel: 1340 kHz") &&
                text.contains("Tavik - https://oskel-software.example/"))
        << text.toStdString();
}

TEST_F(PrintDriverTest, CopiesAreRepeatedPagesAndAFailedStartIsDescribed) {
    QString error;
    ASSERT_TRUE(SendPage(printer_, RecordPage(job_), 2, error));
    EXPECT_EQ(Pages(Path("page.pdf")).first, 2);

    printer_.setOutputFileName(Path("missing/page.pdf"));
    EXPECT_FALSE(SendPage(printer_, RecordPage(job_), 1, error));
    EXPECT_EQ(error, "Printing could not start on the file \"" +
                         Path("missing/page.pdf") + "\".");
}

TEST(PageTwips, OneToOneWhenThePageHoldsThePrintoutElseShrunk) {
    const struct {
        QSizeF pixels, dpi;
        QSize twips;
    } rows[] = {
        // Letter, landscape, 10-point margins, at 1200 dpi.
        {{12866.67, 9866.67}, {1200, 1200}, {15440, 11840}},
        // A5 landscape at 600 dpi: the footer line sets the size.
        {{4961, 3496}, {600, 600}, {16024, 11292}},
        // Portrait paper: the width sets it.
        {{4000, 6000}, {600, 600}, {15000, 22500}},
        {{100, 100}, {0, 0}, {15000, 11292}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(PageTwips(row.pixels, row.dpi).toSize(), row.twips)
            << row.pixels.width();
}

} // namespace
} // namespace tavik
