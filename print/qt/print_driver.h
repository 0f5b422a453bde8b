#pragma once
// The map window's "Print": one landscape page of the current channel on the
// printer the user settles in the platform's print dialog.

#include "core/messages.h"
#include "map/map_layers.h"
#include "map/recording_surface.h"
#include "session/session_settings.h"

#include <QSizeF>
#include <QString>

#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace tavik {

// What the printout draws from and reports to.
struct PrintJob {
    SessionSettings &settings;
    OutlinePen &pen; // the map window's, shared with its outlines
    MessageSink
        &layerMessages; // "We had a problem sending ...", titled "Tavik"
    MessageSink &printerErrors; // the driver's failures, "Printer Error"
    std::string dataDir;        // data files; the working directory when empty
};

// PrintMap: sets `printer` to landscape, shows the print dialog (parented to
// `parent`) in which the user chooses printer, paper, copies or a PDF file,
// then draws the page and ends the job. Cancelling the dialog, a printer that
// cannot be used or one that fails report through `printerErrors` and print
// nothing more. Whatever happens, `printer` is in portrait afterwards.
// Returns true when the page went to the printer.
bool PrintMap(QPrinter &printer, const PrintJob &job, QWidget *parent);

// The page's drawing operations, recorded once so that every copy gets the
// same page; a layer's failure is shown through `job.layerMessages` as it
// happens.
std::vector<DrawOp> RecordPage(const PrintJob &job);

// Puts recorded page operations on `printer`, which must be set up: `copies`
// pages, no empty page before them. False with a description in `error`
// when the printer cannot start the job or reports a failure.
bool SendPage(QPrinter &printer, const std::vector<DrawOp> &ops, int copies,
              QString &error);

// Twips of the printable area of a page of `pixels` at `dpi`, grown
// uniformly, when it is smaller, until it holds the page window and the
// footer: on Letter or A4 paper the page is drawn 1440 twips to the inch.
QSizeF PageTwips(QSizeF pixels, QSizeF dpi);

} // namespace tavik
