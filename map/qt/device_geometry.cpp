#include "map/qt/device_geometry.h"

#include <algorithm>
#include <cmath>

namespace tavik {

void MarkKept(const std::vector<QPointF> &run, std::size_t first,
              std::size_t last, double tolerance, std::vector<char> &keep) {
    while (last > first + 1) {
        const QPointF a = run[first];
        const double dx = run[last].x() - a.x(), dy = run[last].y() - a.y();
        const double length2 = dx * dx + dy * dy;
        double farthest = -1;
        std::size_t at = first;
        for (std::size_t i = first + 1; i < last; ++i) {
            double ex = run[i].x() - a.x(), ey = run[i].y() - a.y();
            const double t =
                length2 > 0
                    ? std::clamp((ex * dx + ey * dy) / length2, 0.0, 1.0)
                    : 0.0;
            ex -= t * dx;
            ey -= t * dy;
            const double d2 = ex * ex + ey * ey;
            if (d2 > farthest) {
                farthest = d2;
                at = i;
            }
        }
        if (farthest <= tolerance * tolerance)
            return;
        keep[at] = 1;
        MarkKept(run, first, at, tolerance, keep);
        first = at;
    }
}

bool IsFinite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

bool ClipSegment(const QRectF &r, QPointF &p0, QPointF &p1) {
    const double x0 = p0.x(), y0 = p0.y();
    const double dx = p1.x() - x0, dy = p1.y() - y0;
    double t0 = 0, t1 = 1;
    // Keeps the part of the segment where p * t <= q.
    auto edge = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!edge(-dx, x0 - r.left()) || !edge(dx, r.right() - x0) ||
        !edge(-dy, y0 - r.top()) || !edge(dy, r.bottom() - y0))
        return false;
    if (t1 < 1)
        p1 = QPointF(x0 + t1 * dx, y0 + t1 * dy);
    if (t0 > 0)
        p0 = QPointF(x0 + t0 * dx, y0 + t0 * dy);
    return true;
}

} // namespace tavik
