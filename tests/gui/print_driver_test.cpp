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

struct PdfPages {
    int count = 0;
    double width = 0, height = 0; // first page, points
};
PdfPages Pages(const QString &pdf) {
    const QString info = Poppler("pdfinfo", {pdf});
    PdfPages pages;
    const auto count = QRegularExpression("Pages: +(\\d+)").match(info);
    const auto size =
        QRegularExpression("Page size: +([\\d.]+) x ([\\d.]+)").match(info);
    EXPECT_TRUE(count.hasMatch() && size.hasMatch()) << info.toStdString();
    pages.count = count.captured(1).toInt();
    pages.width = size.captured(1).toDouble();
    pages.height = size.captured(2).toDouble();
    return pages;
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
    // Runs PrintMap, answering its dialog with `button`; notes the
    // orientation the dialog was shown with.
    bool Print(const QString &button) {
        OnNextModal([this, button](QWidget *dialog) {
            dialogOrientation_ = printer_.pageLayout().orientation();
            EXPECT_TRUE(ClickButton(dialog, button));
        });
        return PrintMap(printer_, job_, nullptr);
    }

    QTemporaryDir dir_;
    QPrinter printer_{QPrinter::HighResolution};
    SessionSettings settings_{1340, "Dallas TX", 32.78f, 96.8f, 0.2f, 1000};
    OutlinePen pen_;
    RecordedMessages layers_, printerErrors_;
    PrintJob job_{settings_, pen_, layers_, printerErrors_,
                  dir_.path().toStdString()};
    QPageLayout::Orientation dialogOrientation_ = QPageLayout::Portrait;
};

TEST_F(PrintDriverTest, PrintsOneLandscapePageWithTextAsTextThenPortrait) {
    ASSERT_TRUE(Print("Print"));
    EXPECT_EQ(dialogOrientation_, QPageLayout::Landscape);
    EXPECT_EQ(printer_.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_TRUE(printerErrors_.shown.empty() && layers_.shown.empty());

    const PdfPages pages = Pages(Path("page.pdf"));
    EXPECT_EQ(pages.count, 1);
    EXPECT_GT(pages.width, pages.height);
    const QString text = Poppler("pdftotext", {Path("page.pdf"), "-"});
    EXPECT_TRUE(text.contains("Channel: 1340 kHz") &&
                text.contains("Tavik - https://oskel-software.example/"))
        << text.toStdString();
}

TEST_F(PrintDriverTest, CancelPrintsNothingSaysSoAndLeavesPortrait) {
    EXPECT_FALSE(Print("Cancel"));
    EXPECT_EQ(dialogOrientation_, QPageLayout::Landscape);
    EXPECT_EQ(printer_.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printerErrors_.shown, Texts({"Printing was cancelled."}));
    EXPECT_FALSE(QFile::exists(Path("page.pdf")));
}

TEST_F(PrintDriverTest, CopiesAreRepeatedPagesAndAFailedStartIsDescribed) {
    QString error;
    ASSERT_TRUE(SendPage(printer_, RecordPage(job_), 2, error));
    EXPECT_EQ(Pages(Path("page.pdf")).count, 2);

    printer_.setOutputFileName(Path("missing/page.pdf"));
    EXPECT_FALSE(SendPage(printer_, RecordPage(job_), 1, error));
    EXPECT_EQ(error, "Printing could not start on the file \"" +
                         Path("missing/page.pdf") + "\".");
}

TEST(PageTwips, OneToOneWhenThePageHoldsThePrintoutElseShrunk) {
    const struct {
        QSizeF pixels, dpi, twips;
    } rows[] = {
        // Letter, landscape, 10-point margins, at 1200 dpi.
        {{12866.67, 9866.67}, {1200, 1200}, {15440, 11840}},
        // A5 landscape at 600 dpi: the footer line sets the size.
        {{4961, 3496}, {600, 600}, {11292 * 4961.0 / 3496, 11292}},
        // Portrait paper: the width sets it.
        {{4000, 6000}, {600, 600}, {15000, 22500}},
        {{100, 100}, {0, 0}, {15000, 11292}},
    };
    for (const auto &row : rows) {
        const QSizeF twips = PageTwips(row.pixels, row.dpi);
        EXPECT_NEAR(twips.width(), row.twips.width(), 0.1)
            << row.pixels.width();
        EXPECT_NEAR(twips.height(), row.twips.height(), 0.1)
            << row.pixels.width();
    }
}

} // namespace
} // namespace tavik
