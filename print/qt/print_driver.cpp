#include "print/qt/print_driver.h"

#include "map/kept_picture.h"
#include "map/qt/qt_surface.h"
#include "print/page.h"

#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace tavik {

namespace {

// Sets the printer back to portrait however the printout ends.
class PortraitAfterwards {
  public:
    explicit PortraitAfterwards(QPrinter &printer) : printer_(printer) {}
    ~PortraitAfterwards() {
        printer_.setPageOrientation(QPageLayout::Portrait);
    }
    PortraitAfterwards(const PortraitAfterwards &) = delete;
    PortraitAfterwards &operator=(const PortraitAfterwards &) = delete;

  private:
    QPrinter &printer_;
};

// How the messages name where the page was going.
QString Destination(const QPrinter &printer) {
    if (!printer.outputFileName().isEmpty())
        return QStringLiteral("the file \"%1\"").arg(printer.outputFileName());
    if (!printer.printerName().isEmpty())
        return QStringLiteral("the printer \"%1\"").arg(printer.printerName());
    return QStringLiteral("the printer");
}

} // namespace

QSizeF PageTwips(QSizeF pixels, QSizeF dpi) {
    if (dpi.width() <= 0 || dpi.height() <= 0)
        return QSizeF(kPrintedWidth, kPrintedHeight);
    const QSizeF twips(pixels.width() * 1440 / dpi.width(),
                       pixels.height() * 1440 / dpi.height());
    if (twips.width() <= 0 || twips.height() <= 0)
        return QSizeF(kPrintedWidth, kPrintedHeight);
    const double grow = std::max(
        {1.0, kPrintedWidth / twips.width(), kPrintedHeight / twips.height()});
    return twips * grow;
}

std::vector<DrawOp> RecordPage(const PrintJob &job) {
    RecordingSurface page;
    MapContext context{job.settings, page, job.layerMessages, job.pen,
                       job.dataDir};
    DrawPrintedPage(context);
    return std::move(page.ops);
}

bool SendPage(QPrinter &printer, const std::vector<DrawOp> &ops, int copies,
              QString &error) {
    // The surface starts the job on the page the printer holds; nothing
    // before it asks for a new page, so no empty page comes first.
    const QSizeF twips =
        PageTwips(QSizeF(printer.width(), printer.height()),
                  QSizeF(printer.logicalDpiX(), printer.logicalDpiY()));
    {
        QtSurface surface(printer, twips);
        if (!surface.IsActive()) {
            error = QStringLiteral("Printing could not start on %1.")
                        .arg(Destination(printer));
            return false;
        }
        surface.UsePrinterDots(kTwipsPerPrinterDot);
        for (int copy = 0; copy < copies; ++copy) {
            if (copy > 0) {
                surface.Flush();
                printer.newPage();
            }
            ApplyState(SurfaceState{}, surface);
            for (const DrawOp &op : ops)
                Replay(op, surface);
        }
        surface.End(); // ends the job
    }
    if (printer.printerState() == QPrinter::Error) {
        error = QStringLiteral("The page could not be sent to %1.")
                    .arg(Destination(printer));
        return false;
    }
    return true;
}

bool PrintMap(QPrinter &printer, const PrintJob &job, QWidget *parent) {
    PortraitAfterwards portrait(printer);
    if (!printer.isValid()) {
        job.printerErrors.ShowMessage("No printer is available.");
        return false;
    }
    printer.setPageOrientation(QPageLayout::Landscape);

    QPrintDialog dialog(&printer, parent);
    // One page: there is no range or selection to choose.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) {
        job.printerErrors.ShowMessage("Printing was cancelled.");
        return false;
    }

    const std::vector<DrawOp> ops = RecordPage(job);
    // A printer that makes the copies itself gets the page once.
    const int copies =
        printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    QString error;
    if (!SendPage(printer, ops, copies, error)) {
        job.printerErrors.ShowMessage(error.toStdString());
        return false;
    }
    return true;
}

} // namespace tavik
