#include "map/qt/qt_surface.h"
#include "map/recording_surface.h"

#include <QImage>
#include <QPaintEngine>
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
void Draw(DrawingSurface &s, const std::string &script) {
    std::istringstream ops(script);
    for (std::string op; std::getline(ops, op, ';');) {
        std::istringstream in(op);
        std::string name, text;
        float v[5] = {};
        std::size_t n = 0;
        if (in >> name && name == "PrintText")
            std::getline(in >> std::ws, text);
        for (std::string word; n < 5 && in >> word;)
            v[n++] = std::strtof(word.c_str(), nullptr);
        const auto c = [&](std::size_t i) {
            return i < n ? Color(v[i]) : kRed;
        };
        const std::map<std::string, std::function<void()>> run = {
            {"", [] {}},
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
            {"Flush", [&] { dynamic_cast<QtSurface &>(s).Flush(); }},
            {"Zigzag", [&] {
                 for (int i = 0; i < int(v[0]); ++i)
                     s.LineTo(1000 + 100.0f * (i % 100),
                              v[1] + (i % 2) * 50 + (i / 100) * 100, c(2));
             }}};
        run.at(name)();
    }
}

// `script` after a Cls on a fresh image; one pixel is 15 units at 800 x 600.
QImage Drawn(const std::string &script, int w = 800, int h = 600) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    Draw(*std::make_unique<QtSurface>(image), "Cls;" + script); // and End
    return image;
}
// Pixel row 300 from column 100 to 700 (15 * n + 7.5 is pixel n's middle).
const std::string kMidLine = ";Line 1507.5 4507.5 10507.5 4507.5";

bool IsWhite(QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; }
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
    Draw(s, "PSet 100 100;Cls");
    EXPECT_EQ(QPointF(s.CurrentX(), s.CurrentY()), QPointF(0, 0));
    Draw(s, "FilledBox 0 0 6000 9000");
    s.End();
    for (QPoint p : {QPoint(0, 0), QPoint(599, 899)})
        EXPECT_EQ(image.pixelColor(p), kRedPx);
    for (QPoint p : {QPoint(600, 0), QPoint(1250, 450), QPoint(1299, 899)})
        EXPECT_EQ(image.pixelColor(p), QColor(224, 240, 255));
}

// Marked: the line alone, 601 pixels a row; the wide pen's round caps add
// a column at each end.
TEST(QtSurface, LineLandsInItsBgrColourAndWidthWhateverWasDrawnFarOutside) {
    std::vector<std::tuple<std::string, QColor, int, int>> rows = {
        {kMidLine + " 0x0000FF", kRedPx, 1, 601},
        {kMidLine + " 0xFF0000", QColor(0, 0, 255), 1, 601},
        {kMidLine + " 0xCC8888", QColor(136, 136, 204), 1, 601},
        {"SetDrawWidth 3" + kMidLine, kRedPx, 3, 3 * 603}};
    // Drawing far outside is clipped away and leaves the line intact.
    for (const char *far : {
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
         })
        rows.emplace_back(far + kMidLine, kRedPx, 1, 601);
    for (const auto &[script, colour, width, marked] : rows) {
        SCOPED_TRACE(script);
        const QImage image = Drawn(script);
        EXPECT_EQ(Marked(image), marked);
        int column = 0; // marked pixels of column 400
        for (int y = 0; y < image.height(); ++y)
            column += !IsWhite(image.pixel(400, y));
        EXPECT_EQ(column, width);
        for (int y = 300 - width / 2; y <= 300 + width / 2; ++y)
            for (int x : {101, 400, 699})
                EXPECT_EQ(image.pixelColor(x, y), colour) << x << "," << y;
    }
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
}

// A null image keeps the state only; the current point moves on every
// surface alike, so that a trace and a picture agree on where text goes.
TEST(QtSurface, CurrentPointAgreesWithTheRecordingSurface) {
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied), none;
    QtSurface q(image), n(none);
    RecordingSurface r;
    EXPECT_FALSE(n.IsActive());
    for (const char *script :
         {"Cls;Line 1 2 3 4;Circle 1 2 3;FilledBox 1 2 3 4;PrintText x",
          "PSet 500 6700 0xFFFFFF;PrintText Unlimited;SetFontSize 8;"
          "PrintText 1340;PrintText"}) {
        for (DrawingSurface *s : std::vector<DrawingSurface *>{&q, &n, &r})
            Draw(*s, script);
        for (QtSurface *s : {&q, &n})
            EXPECT_EQ(QPointF(s->CurrentX(), s->CurrentY()),
                      QPointF(r.state.currentX, r.state.currentY))
                << script;
    }
    EXPECT_FLOAT_EQ(r.state.currentY, 6700 + 240 + 192 + 192);
}

// Records each polyline as its number of points and every other drawing
// call as 0; Qt turns the calls not overridden into paths or polygons.
struct CountingEngine : QPaintEngine {
    CountingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    Type type() const override { return User; }
    void drawPolygon(const QPointF *, int n, PolygonDrawMode m) override {
        calls.push_back(m == PolylineMode ? n : 0);
    }
    void drawLines(const QLineF *, int) override { calls.push_back(0); }
    void drawPath(const QPainterPath &) override { calls.push_back(0); }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {
        calls.push_back(0);
    }
    std::vector<int> calls;
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
    const std::pair<std::vector<int>, std::string> rows[] = {
        {{100}, start + "Zigzag 100 4500"},
        {{128, 128, 46}, start + "Zigzag 300 4500"},
        {{4}, "Line 100 100 200 100;Line 200 100 200 200;Line 200 200 100 200"},
        {{2, 2}, "Line 100 100 200 100;Line 300 100 400 100"},
        {{10, 11}, start + "Zigzag 10 4500;Zigzag 10 6000 0"},
        {{10, 11}, start + "Zigzag 10 4500;SetDrawWidth 2;Zigzag 10 6000"},
        {{10, 0, 11},
         start + "Zigzag 10 4500;Circle 6000 4500 50;Zigzag 10 4500"},
        {{5, 6}, start + "Zigzag 5 4500;Flush;Flush;Zigzag 5 4500"},
        {{0}, "Zigzag 10 4500;Cls"},
        {{}, "Line 500 500 500 500 0xFFFFFF"},
        // Cut at the device's edge; a point on a straight run is left out.
        {{2, 2},
         "Line 6000 4500 6000 4500;LineTo 7000 4500;LineTo 1e9 4500;"
         "LineTo 1e9 5000;LineTo 7000 5000;LineTo 6000 5000"}};
    for (const auto &[calls, script] : rows) {
        CountingDevice device;
        Draw(*std::make_unique<QtSurface>(device), script); // ended: flushed
        EXPECT_EQ(device.engine.calls, calls) << script;
    }
}

} // namespace
} // namespace tavik
