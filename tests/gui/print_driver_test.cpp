// The printer driver's page sent to Qt's PDF output and read back with
// poppler's tools (the print dialog is driven through the map window).

#include "print/qt/print_driver.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace tavik {
namespace {

// Runs a poppler tool; its standard output.
QString Poppler(const QString &tool, const QStringList &args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "failed: " + tool + " " + process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Each copy is a page of its own, with no empty page before them, and its
// texts are text; a file that cannot be written is described.
TEST(PrintDriverTest, SendPagePrintsACopyAPageOrSaysWhyNot) {
    QTemporaryDir dir;
    std::ofstream(dir.filePath("1340.DAT").toStdString())
        << "KAAA,USA,TX,DALLAS,L,U,32.78,96.8,50,0,1\r\n0,1,0,0,0,0\r\n";
    SessionSettings settings{1340, "Dallas TX", 32.78f, 96.8f, 0.2f, 1000, {}};
    OutlinePen pen;
    RecordedMessages layers, printerErrors;
    const std::vector<DrawOp> page = RecordPage(
        {settings, pen, layers, printerErrors, dir.path().toStdString()});
    QPrinter printer(QPrinter::HighResolution);
    QString error;
    const QString pdf = dir.filePath("page.pdf");
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(SendPage(printer, page, 2, error));
    const QString text = Poppler("pdftotext", {pdf, "-"});
    EXPECT_EQ(text.count("Channel: 1340 kHz"), 2) << text.toStdString();
    EXPECT_TRUE(Poppler("pdfinfo", {pdf})
                    .contains(QRegularExpression("\\nPages: +2\\n")));
    printer.setOutputFileName(dir.filePath("missing/page.pdf"));
    EXPECT_FALSE(SendPage(printer, page, 1, error));
    EXPECT_EQ(error, "Printing could not start on the file \"" +
                         dir.filePath("missing/page.pdf") + "\".");
}

// The printable area of landscape Letter at 1200 dpi holds the printout at
// 1440 twips to the inch; a smaller one is grown until it holds it.
TEST(PageTwips, OneToOneWhenThePageHoldsThePrintoutElseShrunk) {
    const struct {
        QSizeF pixels, dpi;
        QSize twips;
    } rows[] = {
        {{12866.67, 9866.67}, {1200, 1200}, {15440, 11840}}, // Letter
        {{4961, 3496}, {600, 600}, {16024, 11292}}, // A5: the footer decides
        {{4000, 6000}, {600, 600}, {15000, 22500}}, // portrait: the width
        {{100, 100}, {0, 0}, {15000, 11292}}};
    for (const auto &row : rows)
        EXPECT_EQ(PageTwips(row.pixels, row.dpi).toSize(), row.twips)
            << row.pixels.width();
}

} // namespace
} // namespace tavik
