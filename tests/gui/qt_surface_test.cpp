#include "map/qt/qt_surface.h"
#include "map/recording_surface.h"

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
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
             Color background = kWhite) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    Draw(*std::make_unique<QtSurface>(image, QSizeF(12000, 9000), background),
         "Cls;" + script); // and End
    return image;
}
// Pixel row 300 from column 100 to 700 (15 * n + 7.5 is pixel n's middle).
const std::string kMidLine = ";Line 1507.5 4507.5 10507.5 4507.5";

// The pixels of `image` not in `paper`: their number, the box around them
// and the colour at its centre, as "601 in 601x1+100+300 #ff0000".
QString Ink(const QImage &image, QColor paper = Qt::white) {
    int marked = 0;
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != paper) {
                ++marked;
                box |= QRect(x, y, 1, 1);
            }
    return QString::asprintf("%d in %dx%d+%d+%d ", marked, box.width(),
                             box.height(), box.x(), box.y()) +
           image.pixelColor(box.center()).name();
}

// The map space is scaled uniformly from the top left, and Cls paints the
// whole device in the background colour. A line lands in its BGR colour and
// width (the wide pen's caps add a column at each end), whatever was drawn
// far outside, which is clipped away; a point marks one pixel, white on
// white none.
TEST(QtSurface, LinesAndPointsLandInTheirColourWhateverWasDrawnFarOutside) {
    EXPECT_EQ(Ink(Drawn("FilledBox 0 0 6000 9000", 1300, 900, 0xFFF0E0),
                  QColor(224, 240, 255)),
              "540000 in 600x900+0+0 #ff0000");
    const QString line = "601 in 601x1+100+300 ";
    std::vector<std::pair<std::string, QString>> rows = {
        {kMidLine + " 0xCC8888", line + "#8888cc"},
        {"SetDrawWidth 3" + kMidLine, "1809 in 603x3+99+299 #ff0000"},
        {"PSet 3007.5 2257.5", "1 in 1x1+200+150 #ff0000"},
        {"PSet 3007.5 2257.5 0xFFFFFF", "0 in 0x0+0+0 #ffffff"}};
    for (const char *far : {
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
        rows.emplace_back(far + kMidLine, line + "#ff0000");
    for (const auto &[script, ink] : rows)
        EXPECT_EQ(Ink(Drawn(script)), ink) << script;
}

// Text starts at the current point in the fore colour. The current point
// moves on every surface alike, a null image keeping the state only, so that
// a trace and a picture agree on where text goes.
TEST(QtSurface, TextStartsAtTheCurrentPointWhichMovesAsOnTheRecordingSurface) {
    QImage image(1200, 900, QImage::Format_ARGB32_Premultiplied), none;
    QtSurface q(image), n(none);
    RecordingSurface r;
    EXPECT_FALSE(n.IsActive());
    // 10 units a pixel: 10 points = 200 units = 20 pixels of em.
    for (const char *script :
         {"PSet 100 100;Cls",
          "Line 1 2 3 4;Circle 1 2 3;FilledBox 1 2 3 4;PrintText x",
          "Cls;SetForeColor 0x119911;PSet 5000 4000 0xFFFFFF;PrintText "
          "Daytime;SetFontSize 8;PrintText;PrintText"}) {
        for (DrawingSurface *s : std::vector<DrawingSurface *>{&q, &n, &r})
            Draw(*s, script);
        for (QtSurface *s : {&q, &n})
            EXPECT_EQ(QPointF(s->CurrentX(), s->CurrentY()),
                      QPointF(r.state.currentX, r.state.currentY))
                << script;
    }
    EXPECT_FLOAT_EQ(r.state.currentY, 4000 + 240 + 192 + 192);
    q.End();
    QRect inked;
    bool darkest = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == Qt::white)
                continue;
            inked |= QRect(x, y, 1, 1);
            darkest |= image.pixelColor(x, y) == QColor(17, 153, 17);
        }
    EXPECT_TRUE(darkest) << "some pixel fully in the foreground colour";
    // Ink starts within the side bearing and the leading of (500, 400).
    EXPECT_TRUE(QRect(500, 400, 4, 7).contains(inked.topLeft()) &&
                inked.bottom() <= 424 && inked.width() > 40 &&
                inked.width() < 120);
}

// The drawing calls of `script` on a 1200 x 900 SVG: each polyline as its
// number of points, every other shape as 0.
std::vector<int> Calls(const std::string &script) {
    QBuffer out;
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(QSize(1200, 900));
    Draw(*std::make_unique<QtSurface>(svg), script); // ended: flushed
    const QRegularExpression shape("<polyline [^>]*points=\"([^\"]*)\"|"
                                   "<(circle|ellipse|rect|path|image)\\b");
    std::vector<int> calls;
    for (const auto &match : shape.globalMatch(QString(out.data())))
        calls.push_back(match.captured(1).count(' '));
    return calls;
}

TEST(QtSurface, ConnectedSegmentsAreBatchedIntoPolylinesOf128Points) {
    const std::string start = "Line 1000 4500 1000 4500;";
    const std::pair<std::vector<int>, std::string> rows[] = {
        {{128, 128, 46}, start + "Zigzag 300 4500"},
        {{4}, "Line 100 100 200 100;Line 200 100 200 200;Line 200 200 100 200"},
        {{10, 11}, start + "Zigzag 10 4500;Zigzag 10 6000 0"},
        {{10, 11}, start + "Zigzag 10 4500;SetDrawWidth 2;Zigzag 10 6000"},
        {{10, 0, 11},
         start + "Zigzag 10 4500;Circle 6000 4500 50;Zigzag 10 4500"},
        {{0}, "Zigzag 10 4500;Cls"},
        {{}, "Line 500 500 500 500 0xFFFFFF"},
        // Cut at the device's edge; a point on a straight run is left out.
        {{2, 2},
         "Line 6000 4500 6000 4500;LineTo 7000 4500;LineTo 1e9 4500;"
         "LineTo 1e9 5000;LineTo 7000 5000;LineTo 6000 5000"}};
    for (const auto &[calls, script] : rows)
        EXPECT_EQ(Calls(script), calls) << script;
}

} // namespace
} // namespace tavik
