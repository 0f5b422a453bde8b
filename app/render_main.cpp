// tavik-render: draws the map of the working directory's session and data
// without a display and writes it as PNG, SVG or PDF, optionally with the
// trace of every drawing operation. See README.md, "tavik-render".

#include "app/render_options.h"
#include "map/qt/qt_surface.h"
#include "map/recording_surface.h"
#include "map/kept_picture.h"
#include "session/qt/startup_controls.h"
#include "session/session_settings.h"

#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using tavik::DrawOp;
using tavik::ImageFormat;
using tavik::RenderOptions;

// A layer's failure: recorded in its place among the operations (for the
// trace) and reported on standard error; the render goes on.
class StderrMessages : public tavik::MessageSink {
  public:
    explicit StderrMessages(tavik::RecordingSurface &drawing)
        : drawing_(drawing) {}
    void ShowMessage(const std::string &text) override {
        drawing_.ShowMessage(text);
        std::fprintf(stderr, "tavik-render: %s\n", text.c_str());
    }

  private:
    tavik::RecordingSurface &drawing_;
};

// What a window shows over its picture that is not drawing operations
// (controls, pictures), painted over the replayed picture by the mode of
// that window's flag; it is in the image but not in the trace.
using Overlay = void (*)(QPainter &painter, double pixelsPerUnit);

void PaintStartupOverlay(QPainter &painter, double pixelsPerUnit) {
    tavik::PaintStartupLabelsAndLogo(painter, pixelsPerUnit,
                                     tavik::LogoSlide::AtRest());
}

const struct {
    const char *flag;
    Overlay paint;
} kOverlays[] = {{"--startup", PaintStartupOverlay}};

Overlay OverlayOf(const tavik::RenderMode &mode) {
    for (const auto &overlay : kOverlays)
        if (std::strcmp(overlay.flag, mode.flag) == 0)
            return overlay.paint;
    return nullptr;
}

void ReplayAll(const std::vector<DrawOp> &ops, QPaintDevice &device,
               QSizeF logicalSize, double unitsPerPenDot,
               Overlay overlay) {
    tavik::QtSurface surface(device, logicalSize);
    if (unitsPerPenDot > 0)
        surface.UsePrinterDots(unitsPerPenDot);
    for (const DrawOp &op : ops)
        tavik::Replay(op, surface);
    if (overlay)
        surface.PaintOver(overlay);
    surface.End();
}

bool WriteImage(const std::vector<DrawOp> &ops, const RenderOptions &options) {
    QSaveFile file(QString::fromLocal8Bit(options.outputPath.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QSize size(options.width, options.height);
    const QSizeF logical(options.mode->logicalWidth,
                         options.mode->logicalHeight);
    const Overlay overlay = OverlayOf(*options.mode);
    const double dot = options.mode->unitsPerPenDot;
    switch (options.format) {
    case ImageFormat::Png: {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        ReplayAll(ops, image, logical, dot, overlay);
        if (!image.save(&file, "PNG"))
            return false;
        break;
    }
    case ImageFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Tavik map"));
        ReplayAll(ops, svg, logical, dot, overlay);
        break;
    }
    case ImageFormat::Pdf: {
        // One page of the image's size at 96 pixels to the inch.
        QPdfWriter pdf(&file);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(
            QSizeF(size.width() * 72.0 / 96, size.height() * 72.0 / 96),
            QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("Tavik map"));
        ReplayAll(ops, pdf, logical, dot, overlay);
        break;
    }
    }
    return file.commit();
}

bool WriteTrace(const std::vector<DrawOp> &ops, const std::string &path) {
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    std::string line;
    for (const DrawOp &op : ops) {
        line = tavik::TraceLine(op);
        line += '\n';
        if (file.write(line.data(), static_cast<qint64>(line.size())) < 0)
            return false;
    }
    return file.commit();
}

// Standard error carries the layers' messages for scripts to read; the
// platform's notes (a missing runtime directory, font fallbacks) would only
// be noise there. Critical and fatal messages still get through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext &,
                     const QString &text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "tavik-render: %s\n",
                     text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv) {
    // Options first: the platform may set the process locale, and the usage
    // message must not depend on a display.
    std::vector<std::string> args(argv + 1, argv + argc);
    RenderOptions options;
    std::string error;
    switch (tavik::ParseRenderOptions(args, options, error)) {
    case tavik::ParseOutcome::Help:
        std::printf("%s", tavik::RenderHelp().c_str());
        return 0;
    case tavik::ParseOutcome::Error:
        std::fprintf(stderr, "tavik-render: %s; %s\n", error.c_str(),
                     tavik::RenderUsage().c_str());
        return 2;
    case tavik::ParseOutcome::Render:
        break;
    }

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    tavik::SessionSettings settings;
    tavik::ReadSessionFile(settings);
    tavik::HoldToMapRanges(settings);
    tavik::ApplyRenderOptions(options, settings);

    tavik::RecordingSurface drawing;
    StderrMessages messages(drawing);
    tavik::OutlinePen pen;
    options.mode->draw(
        tavik::RenderJob{settings, drawing, messages, pen, std::string(),
                         options});

    int status = 0;
    if (!WriteImage(drawing.ops, options)) {
        std::fprintf(stderr, "tavik-render: could not write %s\n",
                     options.outputPath.c_str());
        status = 1;
    }
    if (!options.tracePath.empty() &&
        !WriteTrace(drawing.ops, options.tracePath)) {
        std::fprintf(stderr, "tavik-render: could not write %s\n",
                     options.tracePath.c_str());
        status = 1;
    }
    return status;
}
