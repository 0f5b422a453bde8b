#include "map/qt_surface.h"
#include "map/recording_surface.h"

#include <QBuffer>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QSvgGenerator>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace tavik {
namespace {

// On an 800 x 600 image one pixel is 15 units and one pen pixel one pixel:
// a unit coordinate of 15 * n + 7.5 is the middle of pixel n.
constexpr float Mid(int pixel) { return 15.0f * pixel + 7.5f; }

QImage Image(int w = 800, int h = 600, QColor fill = Qt::black) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

bool IsWhite(QRgb p) {
    return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255;
}

// Number of pixels that are not white in the rectangle.
int Marked(const QImage &image, QRect area) {
    int marked = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            marked += !IsWhite(image.pixel(x, y));
    return marked;
}

TEST(QtSurface, MapSpaceIsScaledUniformlyFromTheTopLeft) {
    // 1300 x 900 leaves a strip right of the 12000 x 9000 space, which Cls
    // paints in the background too.
    QImage image = Image(1300, 900);
    QtSurface s(image, QSizeF(12000, 9000), 0xFFF0E0);
    EXPECT_DOUBLE_EQ(s.Scale(), 0.1);
    EXPECT_EQ(s.ToLogical(QPointF(600, 450)), QPointF(6000, 4500));
    s.PSet(100, 100, kRed);
    s.Cls();
    EXPECT_EQ(QPointF(s.CurrentX(), s.CurrentY()), QPointF(0, 0));
    s.FilledBox(0, 0, 6000, 9000, kRed);
    s.End();
    const QColor background(224, 240, 255), red(255, 0, 0);
    EXPECT_EQ(image.pixelColor(0, 0), red);
    EXPECT_EQ(image.pixelColor(599, 899), red);
    EXPECT_EQ(image.pixelColor(600, 0), background);
    EXPECT_EQ(image.pixelColor(1250, 450), background);
    EXPECT_EQ(image.pixelColor(1299, 899), background);
}

struct ColourRow {
    const char *name;
    Color colour;
    QColor expected;
};
void PrintTo(const ColourRow &row, std::ostream *os) { *os << row.name; }

class LineColour : public ::testing::TestWithParam<ColourRow> {};

TEST_P(LineColour, HorizontalLineLandsOnItsRow) {
    QImage image = Image();
    QtSurface s(image);
    s.Cls();
    s.Line(Mid(100), Mid(300), Mid(700), Mid(300), GetParam().colour);
    s.End();
    EXPECT_EQ(image.pixelColor(400, 300), GetParam().expected);
    EXPECT_EQ(image.pixelColor(101, 300), GetParam().expected);
    EXPECT_EQ(image.pixelColor(699, 300), GetParam().expected);
    EXPECT_EQ(Marked(image, QRect(0, 0, 800, 300)), 0) << "above the line";
    EXPECT_EQ(Marked(image, QRect(0, 301, 800, 299)), 0) << "below the line";
    EXPECT_EQ(Marked(image, QRect(0, 300, 100, 1)), 0) << "left of the start";
    EXPECT_EQ(Marked(image, QRect(701, 300, 99, 1)), 0) << "right of the end";
}

INSTANTIATE_TEST_SUITE_P(
    BGR, LineColour,
    ::testing::Values(ColourRow{"Red", 0x0000FF, QColor(255, 0, 0)},
                      ColourRow{"Green", 0x00FF00, QColor(0, 255, 0)},
                      ColourRow{"Blue", 0xFF0000, QColor(0, 0, 255)},
                      ColourRow{"RegionOutline", 0xCC8888,
                                QColor(136, 136, 204)},
                      ColourRow{"Black", kBlack, QColor(0, 0, 0)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QtSurface, DrawWidthIsInPenPixels) {
    QImage image = Image();
    QtSurface s(image);
    s.Cls();
    s.SetDrawWidth(3);
    s.Line(Mid(100), Mid(300), Mid(700), Mid(300), kRed);
    s.End();
    for (int y : {299, 300, 301})
        EXPECT_EQ(image.pixelColor(400, y), QColor(255, 0, 0)) << y;
    EXPECT_TRUE(IsWhite(image.pixel(400, 297)));
    EXPECT_TRUE(IsWhite(image.pixel(400, 303)));
}

TEST(QtSurface, HighDpiImageIsDrawnAtFullResolution) {
    QImage image = Image(1600, 1200);
    image.setDevicePixelRatio(2);
    QtSurface s(image);
    EXPECT_DOUBLE_EQ(s.Scale(), 800.0 / 12000);
    s.Cls();
    s.Line(Mid(100), Mid(300), Mid(700), Mid(300), kRed);
    s.End();
    // Pixel row 300 of the 800 x 600 picture is rows 600 and 601 here.
    EXPECT_EQ(image.pixelColor(800, 600), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(800, 601), QColor(255, 0, 0));
    EXPECT_TRUE(IsWhite(image.pixel(800, 598)));
    EXPECT_TRUE(IsWhite(image.pixel(800, 603)));
}

// ---- Coordinates far outside the picture ----------------------------------

constexpr float kHuge = std::numeric_limits<float>::max();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct FarRow {
    const char *name;
    std::function<void(QtSurface &)> draw;
};
void PrintTo(const FarRow &row, std::ostream *os) { *os << row.name; }

class FarOut : public ::testing::TestWithParam<FarRow> {};

// Whatever lies outside is clipped away: the picture stays white and later
// drawing still lands where it should.
TEST_P(FarOut, DrawsNothingAndLeavesTheSurfaceWorking) {
    QImage image = Image();
    QtSurface s(image);
    s.Cls();
    GetParam().draw(s);
    s.Line(Mid(100), Mid(300), Mid(700), Mid(300), kRed);
    s.End();
    EXPECT_EQ(Marked(image, image.rect()), 601);
    EXPECT_EQ(image.pixelColor(400, 300), QColor(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Clip, FarOut,
    ::testing::Values(
        FarRow{"LineBeyond30000",
               [](auto &s) { s.Line(-30000, -30000, 30000, -30000, kRed); }},
        FarRow{"LineToRunOutside",
               [](auto &s) {
                   s.Line(35000, 0, 35000, 0, kWhite);
                   for (float y = -30000; y <= 30000; y += 1000)
                       s.LineTo(30000 + (y > 0 ? 1e9f : 0), y, kRed);
               }},
        FarRow{"LineOfLargestFloats",
               [](auto &s) { s.Line(-kHuge, kHuge, kHuge, kHuge, kRed); }},
        FarRow{"LineToInfinityAndNaN",
               [](auto &s) {
                   s.LineTo(kInf, 100, kRed);
                   s.LineTo(kNaN, 100, kRed);
                   s.LineTo(200, kNaN, kRed);
               }},
        FarRow{"BoxOutsideOrNaN",
               [](auto &s) {
                   s.FilledBox(-1e30f, -1e30f, -30000, 9000, kRed);
                   s.FilledBox(kNaN, 0, 100, kInf, kRed);
               }},
        FarRow{"CircleOutside",
               [](auto &s) { s.Circle(-30000, 4500, 20000, kRed); }},
        FarRow{"RingAroundTheWholePicture",
               [](auto &s) { s.Circle(6000, 4500, 667500, kRed); }},
        FarRow{"HugeAndInfiniteRings",
               [](auto &s) {
                   s.Circle(6000, 4500, 1e30f, kRed);
                   s.Circle(6000, 4500, kInf, kRed);
               }},
        FarRow{"PSetOutside", [](auto &s) { s.PSet(-30000, 30000, kRed); }},
        FarRow{"TextFarAway",
               [](auto &s) {
                   s.SetForeColor(kRed);
                   s.PSet(30000, 30000, kWhite);
                   s.PrintText("WABC");
                   s.PSet(-1e30f, 100, kWhite);
                   s.PrintText("WABC");
               }},
        FarRow{"TextOfAbsurdSize",
               [](auto &s) {
                   s.SetForeColor(kRed);
                   s.SetFontSize(1e30f);
                   s.PrintText("big");
                   s.SetFontSize(-8);
                   s.PrintText("negative");
               }},
        FarRow{"AbsurdPenWidth",
               [](auto &s) {
                   s.SetDrawWidth(1 << 30);
                   s.Line(-1e6f, -1e6f, 1e6f, -1e6f, kRed);
                   s.SetDrawWidth(1);
               }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QtSurface, ClippedLinesKeepTheirCourse) {
    QImage image = Image();
    QtSurface s(image);
    s.Cls();
    // Through the middle of pixel (400, 300) from a million units away.
    s.Line(Mid(400) - 1e6f, Mid(300) - 1e6f, Mid(400) + 1e6f, Mid(300) + 1e6f,
           kRed);
    // Across the whole width from beyond +-30000.
    s.Line(-30000, Mid(100), 1e9f, Mid(100), kRed);
    s.End();
    // A one-pixel diagonal through pixel centres inks each of them about
    // half; a pixel of error would leave them white.
    for (QPoint p : {QPoint(400, 300), QPoint(150, 50), QPoint(550, 450)})
        EXPECT_LT(qGreen(image.pixel(p)), 140) << p.x() << "," << p.y();
    EXPECT_TRUE(IsWhite(image.pixel(403, 300)));
    EXPECT_TRUE(IsWhite(image.pixel(400, 303)));
    EXPECT_EQ(image.pixelColor(0, 100), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(799, 100), QColor(255, 0, 0));
}

TEST(QtSurface, HugeCircleCrossingThePictureIsDrawn) {
    QImage image = Image();
    QtSurface s(image);
    s.Cls();
    // A circle of 20 million units whose top touches pixel (400, 300).
    s.Circle(Mid(400), Mid(300) + 2e7f, 2e7f, kRed);
    s.End();
    EXPECT_LT(qGreen(image.pixel(400, 300)), 100);
    EXPECT_TRUE(IsWhite(image.pixel(400, 295)));
    EXPECT_TRUE(IsWhite(image.pixel(400, 305)));
}

// ---- Points and text --------------------------------------------------------

TEST(QtSurface, PSetInWhiteOnWhiteLeavesNoMark) {
    QImage image = Image();
    QtSurface s(image);
    s.Cls();
    s.PSet(Mid(200), Mid(200), kWhite);
    s.End();
    EXPECT_EQ(Marked(image, image.rect()), 0);
    EXPECT_FLOAT_EQ(s.CurrentX(), Mid(200));
    EXPECT_FLOAT_EQ(s.CurrentY(), Mid(200));
}

TEST(QtSurface, PSetMarksOnePixel) {
    QImage image = Image();
    QtSurface s(image);
    s.Cls();
    s.PSet(Mid(200), Mid(150), kRed);
    s.End();
    EXPECT_EQ(Marked(image, image.rect()), 1);
    EXPECT_EQ(image.pixelColor(200, 150), QColor(255, 0, 0));
}

TEST(QtSurface, TextStartsAtTheCurrentPointInTheForeColour) {
    QImage image = Image(1200, 900); // 10 units a pixel
    QtSurface s(image);
    s.Cls();
    s.SetForeColor(0x119911);
    s.PSet(5000, 4000, kWhite);
    s.PrintText("Daytime");
    s.End();

    QRect inked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (IsWhite(p))
                continue;
            inked |= QRect(x, y, 1, 1);
            // Antialiased edges mix the colour with white, never another hue:
            // green stays the strongest component, red and blue stay level.
            ASSERT_GE(qGreen(p), qRed(p)) << x << "," << y;
            ASSERT_LE(std::abs(qRed(p) - qBlue(p)), 2) << x << "," << y;
        }
    ASSERT_FALSE(inked.isEmpty());
    // 10 points = 200 units = 20 pixels of em; the ink starts within the
    // side bearing and the internal leading of the current point.
    EXPECT_GE(inked.left(), 500);
    EXPECT_LE(inked.left(), 503);
    EXPECT_GE(inked.top(), 400);
    EXPECT_LE(inked.top(), 406);
    EXPECT_LE(inked.bottom(), 400 + 24);
    EXPECT_GT(inked.width(), 40) << "seven letters";
    EXPECT_LT(inked.width(), 120);
    bool darkest = false;
    for (int x = inked.left(); x <= inked.right() && !darkest; ++x)
        for (int y = inked.top(); y <= inked.bottom() && !darkest; ++y)
            darkest = image.pixelColor(x, y) == QColor(17, 153, 17);
    EXPECT_TRUE(darkest) << "some pixel is fully in the foreground colour";
}

TEST(QtSurface, TextLeavesTheBackgroundUntouched) {
    QImage image = Image(1200, 900);
    QtSurface s(image);
    s.Cls();
    s.FilledBox(4000, 3000, 8000, 5000, 0xE0FFE0);
    s.PSet(5000, 4000, 0xE0FFE0);
    s.PrintText("I");
    s.End();
    // Left of the letter and below it the box colour stays.
    EXPECT_EQ(image.pixelColor(499, 410), QColor(224, 255, 224));
    EXPECT_EQ(image.pixelColor(520, 410), QColor(224, 255, 224));
    EXPECT_EQ(image.pixelColor(502, 430), QColor(224, 255, 224));
}

// The Qt surface moves its current point as the recording surface does, so
// a trace and a picture agree on where text goes.
TEST(QtSurface, CurrentPointAgreesWithTheRecordingSurface) {
    QImage image = Image();
    QtSurface q(image);
    RecordingSurface r;
    for (DrawingSurface *s : {static_cast<DrawingSurface *>(&q),
                              static_cast<DrawingSurface *>(&r)}) {
        s->PSet(500, 6700, kWhite);
        s->PrintText("Unlimited");
        s->SetFontSize(8);
        s->PrintNumber(1340);
        s->PrintText("");
    }
    EXPECT_FLOAT_EQ(q.CurrentX(), r.currentX);
    EXPECT_FLOAT_EQ(q.CurrentY(), r.currentY);
    EXPECT_FLOAT_EQ(q.CurrentY(), 6700 + 240 + 192 + 192);
}

// ---- Batching, seen through a paint engine that counts calls ---------------

struct Calls {
    std::vector<int> polylines; // points of each polyline
    int other = 0;              // anything else that draws
};

class CountingEngine : public QPaintEngine {
  public:
    explicit CountingEngine(Calls &calls)
        : QPaintEngine(QPaintEngine::AllFeatures), calls_(calls) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawPolygon(const QPointF *, int n, PolygonDrawMode mode) override {
        if (mode == PolylineMode)
            calls_.polylines.push_back(n);
        else
            ++calls_.other;
    }
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {
        ++calls_.other;
    }
    void drawLines(const QLineF *, int) override { ++calls_.other; }
    void drawLines(const QLine *, int) override { ++calls_.other; }
    void drawRects(const QRectF *, int) override { ++calls_.other; }
    void drawRects(const QRect *, int) override { ++calls_.other; }
    void drawEllipse(const QRectF &) override { ++calls_.other; }
    void drawPath(const QPainterPath &) override { ++calls_.other; }
    void drawPoints(const QPointF *, int) override { ++calls_.other; }
    void drawTextItem(const QPointF &, const QTextItem &) override {
        ++calls_.other;
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {
        ++calls_.other;
    }

  private:
    Calls &calls_;
};

class CountingDevice : public QPaintDevice {
  public:
    CountingDevice() : engine_(calls) {}
    ~CountingDevice() override = default;
    QPaintEngine *paintEngine() const override { return &engine_; }
    Calls calls;

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return 1200;
        case PdmHeight:
            return 900;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default: // resolutions and millimetres: 96 dpi is near enough
            return 96;
        }
    }

  private:
    mutable CountingEngine engine_;
};

struct BatchRow {
    const char *name;
    std::function<void(QtSurface &)> draw;
    std::vector<int> polylines;
    int other;
};
void PrintTo(const BatchRow &row, std::ostream *os) { *os << row.name; }

class Batching : public ::testing::TestWithParam<BatchRow> {};

TEST_P(Batching, PolylinesDrawn) {
    CountingDevice device;
    {
        QtSurface s(device);
        GetParam().draw(s);
    }
    EXPECT_EQ(device.calls.polylines, GetParam().polylines);
    EXPECT_EQ(device.calls.other, GetParam().other);
}

// A zigzag of `points` LineTo starting at (1000, y), kept inside the picture:
// every 100 points it goes back to the left, 100 units lower.
void Run(QtSurface &s, int points, Color c, float y = 4500) {
    for (int i = 0; i < points; ++i)
        s.LineTo(1000 + 100.0f * (i % 100), y + (i % 2) * 50 + (i / 100) * 100,
                 c);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Batching,
    ::testing::Values(BatchRow{"HundredLineToAreOnePolyline",
                               [](auto &s) {
                                   s.Line(1000, 4500, 1000, 4500, kRed);
                                   Run(s, 100, kRed);
                               },
                               {100},
                               0},
                      BatchRow{"LongRunIsDrawnInPiecesOf128Points",
                               [](auto &s) {
                                   s.Line(1000, 4500, 1000, 4500, kRed);
                                   Run(s, 300, kRed);
                               },
                               {128, 128, 46},
                               0},
                      BatchRow{"ChainedLinesJoinTheRun",
                               [](auto &s) {
                                   s.Line(100, 100, 200, 100, kRed);
                                   s.Line(200, 100, 200, 200, kRed);
                                   s.Line(200, 200, 100, 200, kRed);
                               },
                               {4},
                               0},
                      BatchRow{"DisjointLinesAreSeparate",
                               [](auto &s) {
                                   s.Line(100, 100, 200, 100, kRed);
                                   s.Line(300, 100, 400, 100, kRed);
                               },
                               {2, 2},
                               0},
                      BatchRow{"ColourChangeSplits",
                               [](auto &s) {
                                   s.Line(1000, 4500, 1000, 4500, kRed);
                                   Run(s, 10, kRed);
                                   Run(s, 10, kBlack, 6000);
                               },
                               {10, 11},
                               0},
                      BatchRow{"WidthChangeSplits",
                               [](auto &s) {
                                   s.Line(1000, 4500, 1000, 4500, kRed);
                                   Run(s, 10, kRed);
                                   s.SetDrawWidth(2);
                                   Run(s, 10, kRed, 6000);
                               },
                               {10, 11},
                               0},
                      BatchRow{"OtherDrawingFlushesFirst",
                               [](auto &s) {
                                   s.Line(1000, 4500, 1000, 4500, kRed);
                                   Run(s, 10, kRed);
                                   s.Circle(6000, 4500, 50, kRed);
                                   Run(s, 10, kRed);
                               },
                               {10, 11},
                               1},
                      BatchRow{"ExplicitFlush",
                               [](auto &s) {
                                   s.Line(1000, 4500, 1000, 4500, kRed);
                                   Run(s, 5, kRed);
                                   s.Flush();
                                   s.Flush();
                                   Run(s, 5, kRed);
                               },
                               {5, 6},
                               0},
                      BatchRow{"ClsDropsThePendingRun",
                               [](auto &s) {
                                   Run(s, 10, kRed);
                                   s.Cls();
                               },
                               {},
                               1},
                      BatchRow{
                          "MoveOnlyLineDrawsNothing",
                          [](auto &s) { s.Line(500, 500, 500, 500, kWhite); },
                          {},
                          0},
                      BatchRow{"RunLeavingThePictureIsCut",
                               [](auto &s) {
                                   s.Line(6000, 4500, 6000, 4500, kRed);
                                   s.LineTo(7000, 4500, kRed);
                                   s.LineTo(1e9f, 4500, kRed);
                                   s.LineTo(1e9f, 5000, kRed);
                                   s.LineTo(7000, 5000, kRed);
                                   s.LineTo(6000, 5000, kRed);
                               },
                               {3, 3},
                               0}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Other devices
// ------------------------------------------------------------

TEST(QtSurface, WritesSvg) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(1200, 900));
    svg.setViewBox(QRect(0, 0, 1200, 900));
    {
        QtSurface s(svg);
        ASSERT_TRUE(s.IsActive());
        s.Line(1000, 1000, 2000, 1000, kRed);
        s.LineTo(2000, 2000, kRed);
        s.End();
        EXPECT_FALSE(s.IsActive());
        s.LineTo(0, 0, kRed); // ignored after the end
    }
    const QByteArray out = buffer.data();
    EXPECT_TRUE(out.contains("</svg>"));
    EXPECT_TRUE(out.contains("polyline"));
    EXPECT_TRUE(out.contains("#ff0000"));
    EXPECT_TRUE(out.contains("100,100 200,100 200,200")) << out.constData();
}

TEST(QtSurface, NullImageKeepsStateOnly) {
    QImage image;
    QtSurface s(image);
    EXPECT_FALSE(s.IsActive());
    s.Cls();
    s.Line(1, 2, 3, 4, kRed);
    s.Circle(1, 2, 3, kRed);
    s.FilledBox(1, 2, 3, 4, kRed);
    s.PrintText("x");
    s.Flush();
    EXPECT_FLOAT_EQ(s.CurrentX(), 0);
    EXPECT_FLOAT_EQ(s.CurrentY(), 4 + 240);
}

} // namespace
} // namespace tavik
