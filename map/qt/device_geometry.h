#pragma once
// Geometry in device pixels for the Qt surface: what it does to a run of
// segments before Qt sees them.

#include <QPointF>
#include <QRectF>

#include <cstddef>
#include <vector>

namespace tavik {

// Douglas-Peucker on run[first..last]: marks in `keep` the points that lie
// further than `tolerance` from the segment between the kept ones.
void MarkKept(const std::vector<QPointF> &run, std::size_t first,
              std::size_t last, double tolerance, std::vector<char> &keep);

bool IsFinite(QPointF p);

// Liang-Barsky: cuts the segment p0-p1 to the rectangle; false when nothing
// of it lies inside. Works in double, so a coordinate of 1e38 units is still
// cut exactly enough for its inside part to land on the right pixels.
bool ClipSegment(const QRectF &r, QPointF &p0, QPointF &p1);

} // namespace tavik
