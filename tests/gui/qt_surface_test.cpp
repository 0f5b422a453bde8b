#include "map/qt_surface.h"
#include "map/recording_surface.h"

#include <QBuffer>
#include <QImage>
#include <QPaintEngine>
#include <QSvgGenerator>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tavik {
namespace {

const QColor kRedPx(255, 0, 0);

// Performs `script` on `s`: operations split by ';', named as in the
// renderer's trace, numbers as strtof reads them, colour last or red.
// "Zigzag n y" is n LineTo from (1000, y), back left 100 lower every 100.
void Draw(QtSurface &s, const std::string &script) {
    std::istringstream ops(script);
    for (std::string op; std::getline(ops, op, ';');) {
        std::istringstream in(op);
        std::string name, text;
        std::vector<float> v;
        if (!(in >> name))
            continue;
        if (name == "PrintText")
            std::getline(in >> std::ws, text);
        for (std::string word; in >> word;)
            v.push_back(std::strtof(word.c_str(), nullptr));
        const std::size_t n = v.size();
        v.resize(5);
        const auto c = [&](std::size_t i) {
            return i < n ? Color(v[i]) : kRed;
        };
        const std::map<std::string, std::function<void()>> run = {
            {"Cls", [&] { s.Cls(); }},
            {"Line", [&] { s.Line(v[0], v[1], v[2], v[3], c(4)); }},
            {"LineTo", [&] { s.LineTo(v[0], v[1], c(2)); }},
            {"FilledBox", [&] { s.FilledBox(v[0], v[1], v[2], v[3], c(4)); }},
            {"Circle", [&] { s.Circle(v[0], v[1], v[2], c(3)); }},
            {"PSet", [&] { s.PSet(v[0], v[1], c(2)); }},
            {"PrintText", [&] { s.PrintText(text); }},
            {"SetForeColor", [&] { s.SetForeColor(c(0)); }},
            {"SetFontSize", [&] { s.SetFontSize(v[0]); }},
            {"SetDrawWidth", [&] { s.SetDrawWidth(int(v[0])); }},
            {"Flush", [&] { s.Flush(); }},
            {"Zigzag", [&] {
                 for (int i = 0; i < int(v[0]); ++i)
                     s.LineTo(1000 + 100.0f * (i % 100),
                              v[1] + (i % 2) * 50 + (i / 100) * 100, c(2));
             }}};
        run.at(name)();
    }
}

// `script` after a Cls on a fresh image; one pixel is 15 units at 800 x 600.
QImage Drawn(const std::string &script, int w = 800, int h = 600,
             qreal ratio = 1) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    image.setDevicePixelRatio(ratio);
    QtSurface s(image);
    Draw(s, "Cls;" + script);
    s.End();
    return image;
}
// Pixel row 300 from column 100 to 700 (15 * n + 7.5 is pixel n's middle).
const std::string kMidLine = ";Line 1507.5 4507.5 10507.5 4507.5";

bool IsWhite(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }
bool White(const QImage &image, QPoint a, QPoint b) {
    return IsWhite(image.pixel(a)) && IsWhite(image.pixel(b));
}
int Marked(const QImage &image) {
    int marked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            marked += !IsWhite(image.pixel(x, y));
    return marked;
}

TEST(QtSurface, MapSpaceIsScaledUniformlyFromTheTopLeftAndClsFillsAll) {
    QImage image(1300, 900, QImage::Format_ARGB32_Premultiplied);
    QtSurface s(image, QSizeF(12000, 9000), 0xFFF0E0);
    EXPECT_DOUBLE_EQ(s.Scale(), 0.1);
    EXPECT_EQ(s.ToLogical(QPointF(600, 450)), QPointF(6000, 4500));
    Draw(s, "PSet 100 100;Cls");
    EXPECT_EQ(QPointF(s.CurrentX(), s.CurrentY()), QPointF(0, 0));
    Draw(s, "FilledBox 0 0 6000 9000");
    s.End();
    for (QPoint p : {QPoint(0, 0), QPoint(599, 899)})
        EXPECT_EQ(image.pixelColor(p), kRedPx);
    for (QPoint p : {QPoint(600, 0), QPoint(1250, 450), QPoint(1299, 899)})
        EXPECT_EQ(image.pixelColor(p), QColor(224, 240, 255));
}

TEST(QtSurface, LineLandsOnItsRowInItsBgrColour) {
    for (auto [colour, expected] : {std::pair{"0x0000FF", kRedPx},
                                    {"0xFF0000", QColor(0, 0, 255)},
                                    {"0xCC8888", QColor(136, 136, 204)}}) {
        SCOPED_TRACE(colour);
        const QImage image = Drawn(kMidLine + " " + colour);
        for (int x : {101, 400, 699})
            EXPECT_EQ(image.pixelColor(x, 300), expected);
        EXPECT_EQ(Marked(image), 601) << "nothing else marked";
    }
}

TEST(QtSurface, DrawWidthIsInPenPixelsAndHighDpiUsesFullResolution) {
    const QImage wide = Drawn("SetDrawWidth 3" + kMidLine);
    for (int y : {299, 300, 301})
        EXPECT_EQ(wide.pixelColor(400, y), kRedPx) << y;
    EXPECT_TRUE(White(wide, {400, 297}, {400, 303}));
    // Pixel row 300 of the 800 x 600 picture is rows 600 and 601 at ratio 2.
    const QImage hiDpi = Drawn(kMidLine, 1600, 1200, 2);
    EXPECT_EQ(hiDpi.pixelColor(800, 600), kRedPx);
    EXPECT_EQ(hiDpi.pixelColor(800, 601), kRedPx);
    EXPECT_TRUE(White(hiDpi, {800, 598}, {800, 603}));
}

// Drawing far outside is clipped away; later drawing still lands right.
TEST(QtSurface, FarOutsideDrawsNothingAndLeavesTheSurfaceWorking) {
    for (const char *script : {
             "Line -30000 -30000 30000 -30000",
             "Line -3.4028234e38 3.4028234e38 3.4028234e38 3.4028234e38",
             "Line 35000 0 35000 0 0xFFFFFF;LineTo 30000 -30000;LineTo 30000 "
             "0;LineTo 1e9 1000;LineTo 1e9 30000",
             "LineTo inf 100;LineTo nan 100;LineTo 200 nan",
             "FilledBox -1e30 -1e30 -30000 9000;FilledBox nan 0 100 inf",
             "Circle -30000 4500 20000;Circle 6000 4500 667500",
             "Circle 6000 4500 1e30;Circle 6000 4500 inf",
             "PSet -30000 30000;SetForeColor 0x0000FF;PSet 30000 30000 "
             "0xFFFFFF;PrintText WABC;PSet -1e30 100 0xFFFFFF;PrintText WABC",
             "SetForeColor 0x0000FF;SetFontSize 1e30;PrintText big;SetFontSize "
             "-8;PrintText negative",
             "SetDrawWidth 1073741824;Line -1e6 -1e6 1e6 -1e6;SetDrawWidth 1",
         }) {
        SCOPED_TRACE(script);
        const QImage image = Drawn(script + kMidLine);
        EXPECT_EQ(Marked(image), 601);
        EXPECT_EQ(image.pixelColor(400, 300), kRedPx);
    }
}

TEST(QtSurface, ClippedLinesAndHugeCirclesKeepTheirCourse) {
    // Through pixel (400, 300) from a million units away, and across it all.
    const QImage image = Drawn("Line -993992.5 -995492.5 1006007.5 1004507.5;"
                               "Line -30000 1507.5 1e9 1507.5");
    // The diagonal inks its pixels about half; one pixel off leaves white.
    for (QPoint p : {QPoint(400, 300), QPoint(150, 50), QPoint(550, 450)})
        EXPECT_LT(qGreen(image.pixel(p)), 140) << p.x() << "," << p.y();
    EXPECT_TRUE(White(image, {403, 300}, {400, 303}));
    EXPECT_EQ(image.pixelColor(0, 100), kRedPx);
    EXPECT_EQ(image.pixelColor(799, 100), kRedPx);
    // Radius 2e7 with its top on pixel (400, 300).
    const QImage circle = Drawn("Circle 6007.5 20004507.5 2e7");
    EXPECT_LT(qGreen(circle.pixel(400, 300)), 100);
    EXPECT_TRUE(White(circle, {400, 295}, {400, 305}));
}

TEST(QtSurface, PSetMarksOnePixelExceptWhiteOnWhite) {
    EXPECT_EQ(Marked(Drawn("PSet 3007.5 2257.5 0xFFFFFF")), 0);
    const QImage red = Drawn("PSet 3007.5 2257.5");
    EXPECT_EQ(Marked(red), 1);
    EXPECT_EQ(red.pixelColor(200, 150), kRedPx);
}

TEST(QtSurface, TextStartsAtTheCurrentPointInTheForeColour) {
    // 10 units a pixel: 10 points = 200 units = 20 pixels of em.
    const QImage image =
        Drawn("SetForeColor 0x119911;PSet 5000 4000 0xFFFFFF;PrintText Daytime",
              1200, 900);
    QRect inked;
    bool darkest = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (IsWhite(p))
                continue;
            inked |= QRect(x, y, 1, 1);
            darkest |= image.pixelColor(x, y) == QColor(17, 153, 17);
            // Antialiasing mixes the colour with white, never another hue.
            ASSERT_GE(qGreen(p), qRed(p)) << x << "," << y;
            ASSERT_LE(std::abs(qRed(p) - qBlue(p)), 2) << x << "," << y;
        }
    EXPECT_TRUE(darkest) << "some pixel fully in the foreground colour";
    // Ink starts within the side bearing and the leading of (500, 400).
    EXPECT_TRUE(inked.left() >= 500 && inked.left() <= 503) << inked.left();
    EXPECT_TRUE(inked.top() >= 400 && inked.top() <= 406) << inked.top();
    EXPECT_LE(inked.bottom(), 424);
    EXPECT_TRUE(inked.width() > 40 && inked.width() < 120) << inked.width();

    const QImage onBox = Drawn("FilledBox 4000 3000 8000 5000 0xE0FFE0;"
                               "PSet 5000 4000 0xE0FFE0;PrintText I",
                               1200, 900);
    for (QPoint p : {QPoint(499, 410), QPoint(520, 410), QPoint(502, 430)})
        EXPECT_EQ(onBox.pixelColor(p), QColor(224, 255, 224)) << "no text box";
}

// A null image keeps the state only; the current point moves on every
// surface alike, so that a trace and a picture agree on where text goes.
TEST(QtSurface, CurrentPointAgreesWithTheRecordingSurface) {
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied), none;
    QtSurface q(image), n(none);
    RecordingSurface r;
    EXPECT_FALSE(n.IsActive());
    Draw(n,
         "Cls;Line 1 2 3 4;Circle 1 2 3;FilledBox 1 2 3 4;PrintText x;Flush");
    EXPECT_FLOAT_EQ(n.CurrentY(), 4 + 240);
    for (DrawingSurface *s : std::vector<DrawingSurface *>{&q, &n, &r}) {
        s->PSet(500, 6700, kWhite);
        s->PrintText("Unlimited");
        s->SetFontSize(8);
        s->PrintNumber(1340);
        s->PrintText("");
    }
    for (QtSurface *s : {&q, &n})
        EXPECT_EQ(QPointF(s->CurrentX(), s->CurrentY()),
                  QPointF(r.currentX, r.currentY));
    EXPECT_FLOAT_EQ(r.currentY, 6700 + 240 + 192 + 192);
}

// Counts the polylines (their points) and every other drawing call; Qt
// turns the calls not overridden into paths or polygons.
struct CountingEngine : QPaintEngine {
    CountingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return User; }
    void drawPolygon(const QPointF *, int n, PolygonDrawMode m) override {
        m == PolylineMode ? polylines.push_back(n) : void(++other);
    }
    void drawLines(const QLineF *, int) override { ++other; }
    void drawPath(const QPainterPath &) override { ++other; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {
        ++other;
    }
    std::vector<int> polylines;
    int other = 0;
};
struct CountingDevice : QPaintDevice { // 1200 x 900 at 96 dpi
    QPaintEngine *paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric m) const override {
        return m == PdmWidth                    ? 1200
               : m == PdmHeight                 ? 900
               : m == PdmDepth                  ? 32
               : m == PdmDevicePixelRatio       ? 1
               : m == PdmDevicePixelRatioScaled ? QPaintDevice::metric(m)
                                                : 96;
    }
    mutable CountingEngine engine;
};

TEST(QtSurface, ConnectedSegmentsAreBatchedIntoPolylinesOf128Points) {
    const std::string start = "Line 1000 4500 1000 4500;";
    const std::tuple<std::string, std::vector<int>, int> rows[] = {
        {start + "Zigzag 100 4500", {100}, 0},
        {start + "Zigzag 300 4500", {128, 128, 46}, 0},
        {"Line 100 100 200 100;Line 200 100 200 200;Line 200 200 100 200",
         {4},
         0},
        {"Line 100 100 200 100;Line 300 100 400 100", {2, 2}, 0},
        {start + "Zigzag 10 4500;Zigzag 10 6000 0", {10, 11}, 0},
        {start + "Zigzag 10 4500;SetDrawWidth 2;Zigzag 10 6000", {10, 11}, 0},
        {start + "Zigzag 10 4500;Circle 6000 4500 50;Zigzag 10 4500",
         {10, 11},
         1},
        {start + "Zigzag 5 4500;Flush;Flush;Zigzag 5 4500", {5, 6}, 0},
        {"Zigzag 10 4500;Cls", {}, 1},
        {"Line 500 500 500 500 0xFFFFFF", {}, 0},
        {"Line 6000 4500 6000 4500;LineTo 7000 4500;LineTo 1e9 4500;"
         "LineTo 1e9 5000;LineTo 7000 5000;LineTo 6000 5000",
         {3, 3},
         0}};
    for (const auto &[script, polylines, other] : rows) {
        SCOPED_TRACE(script);
        CountingDevice device;
        Draw(*std::make_unique<QtSurface>(device), script); // ended: flushed
        EXPECT_EQ(device.engine.polylines, polylines);
        EXPECT_EQ(device.engine.other, other);
    }
}

TEST(QtSurface, WritesSvgAndIgnoresDrawingAfterTheEnd) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(1200, 900));
    svg.setViewBox(QRect(0, 0, 1200, 900));
    QtSurface s(svg);
    ASSERT_TRUE(s.IsActive());
    Draw(s, "Line 1000 1000 2000 1000;LineTo 2000 2000");
    s.End();
    EXPECT_FALSE(s.IsActive());
    Draw(s, "LineTo 0 0");
    const QByteArray out = buffer.data();
    EXPECT_TRUE(out.contains("</svg>") && out.contains("#ff0000"));
    EXPECT_TRUE(out.contains("polyline") &&
                out.contains("100,100 200,100 200,200"))
        << out.constData();
}

} // namespace
} // namespace tavik
