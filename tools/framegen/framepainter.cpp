#include "framepainter.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

using G = ValveGeometry;

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor HousingGrey(172, 172, 172);
const QColor HousingHatch(118, 118, 118);
const QColor Steel(216, 220, 226);
const QColor SteelHatch(150, 156, 166);
const QColor Rubber(44, 44, 48);
const QColor MarkOrange(240, 128, 0);
const QColor LeakYellow(255, 224, 40);
const QColor LeaderGrey(80, 80, 80);
const QColor PanelGrey(242, 242, 242);
const QColor CaptionBack(38, 52, 78);

// Lines outside the housing.
// The lines run right of the housing; the gap between wall and line drop
// holds the Auslass labels and, above the line, the leak clouds.
constexpr int DropX = 299; // vertical part of lines 21 / 22
constexpr int LeakX = 272; // break on the leaking line
constexpr int PipeHalf = 5;
constexpr int Cylinder1Top = 206;
constexpr int Cylinder2Top = 334;

QString barText(double bar) { return QString::number(bar, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); }

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor(int(std::lround(a.red() + (b.red() - a.red()) * t)),
                  int(std::lround(a.green() + (b.green() - a.green()) * t)),
                  int(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
}

// Pressures are shaded in half-bar steps: enough to see the pressure
// change, few enough colours for one shared palette.
double shadeStep(double bar) { return std::clamp(std::round(bar * 2.0) / 2.0, 0.0, 8.0); }

int portY(int circuit) { return circuit == 1 ? G::Port21Y : G::Port22Y; }

} // namespace

FramePainter::FramePainter(const FontSet &fonts) : m_fonts(fonts) {}

QColor FramePainter::strong(Air air)
{
    switch (air) {
    case Air::Supply: return QColor(214, 38, 38);
    case Air::Circuit1: return QColor(36, 92, 214);
    case Air::Circuit2: return QColor(24, 158, 58);
    }
    return Black;
}

QColor FramePainter::fill(Air air, double bar)
{
    const double q = shadeStep(bar);
    if (q <= 0.0)
        return White;
    return mix(White, strong(air), 0.12 + 0.58 * q / 8.0);
}

QColor FramePainter::dots(Air air, double bar)
{
    const double q = shadeStep(bar);
    if (q <= 0.0)
        return White;
    return mix(White, strong(air).darker(150), 0.35 + 0.65 * q / 8.0);
}

QColor FramePainter::dark(Air air) { return strong(air).darker(170); }

void FramePainter::airRect(const Scene &s, const QRect &r, Air air, double bar) const
{
    if (r.isEmpty())
        return;
    s.p->fillRect(r, fill(air, bar));
    // Supply air carries a fine dot pattern so it reads without colour.
    if (air == Air::Supply && shadeStep(bar) > 0.0)
        s.p->fillRect(r, QBrush(dots(air, bar), Qt::Dense6Pattern));
}

void FramePainter::housingRect(QPainter &p, const QRect &r)
{
    if (r.isEmpty())
        return;
    p.fillRect(r, HousingGrey);
    p.fillRect(r, QBrush(HousingHatch, Qt::BDiagPattern));
}

void FramePainter::partRect(QPainter &p, const QRect &r)
{
    if (r.isEmpty())
        return;
    p.fillRect(r, Steel);
    p.fillRect(r, QBrush(SteelHatch, Qt::FDiagPattern));
    p.setPen(QPen(Black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void FramePainter::spring(QPainter &p, int x, int top, int bottom, int halfWidth, int turns)
{
    if (bottom - top < 2)
        return;
    QPolygonF zig;
    zig << QPointF(x, top);
    const int n = turns * 2;
    for (int i = 0; i < n; ++i) {
        const double y = top + (bottom - top) * (i + 0.5) / n;
        zig << QPointF(x + (i % 2 == 0 ? -halfWidth : halfWidth), y);
    }
    zig << QPointF(x, bottom);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Black, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(zig);
    p.restore();
}

QImage FramePainter::paint(const Film &film, int frame) const
{
    QImage image(Width, film.height, QImage::Format_RGB32);
    image.fill(White);
    const FrameRow &row = film.rows.at(frame - 1);
    const ValveGeometry g(row);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setBrushOrigin(0, 0);
    const Scene s{&p, &film, &row, &g, frame, (frame % 3 - 1) * 2};

    drawAir(s);
    drawLines(s);
    drawHousing(s);
    drawParts(s);
    drawPedal(s);
    drawLeak(s);
    drawArrows(s);
    drawMarks(s);
    drawLabels(s);
    drawPanel(s);
    drawCaption(s);
    p.end();
    return image;
}

void FramePainter::drawAir(const Scene &s) const
{
    const ValveGeometry &g = *s.g;
    const FrameRow &r = *s.row;
    const int x0 = G::Axis - G::BoreR;
    const int w = 2 * G::BoreR;
    // Circuit I delivery space under the upper piston, down into the seat.
    airRect(s, QRect(x0, g.pistonBottom(), w, G::Partition1Top - g.pistonBottom()), Air::Circuit1, r.p21);
    airRect(s, QRect(G::Axis - G::Seat1R, G::Partition1Top, 2 * G::Seat1R, G::Partition1Bottom - G::Partition1Top),
            Air::Circuit1, r.p21);
    // Supply I around valve body I.
    airRect(s, QRect(x0, G::Partition1Bottom, w, G::Partition2Top - G::Partition1Bottom), Air::Supply, r.p11);
    // The open inlet: delivery air reaches down to the lifted valve body.
    airRect(s, QRect(G::Axis - G::Seat1R, G::Partition1Bottom, 2 * G::Seat1R, g.body1Travel()), Air::Circuit1, r.p21);
    // Control chamber: circuit I pressure.
    airRect(s, QRect(x0, G::Partition2Bottom, w, g.relayTop() - G::Partition2Bottom), Air::Circuit1, r.p21);
    // Circuit II delivery space.
    airRect(s, QRect(x0, g.relayBottom(), w, G::Partition3Top - g.relayBottom()), Air::Circuit2, r.p22);
    airRect(s, QRect(G::Axis - G::Seat2R, G::Partition3Top, 2 * G::Seat2R, G::Partition3Bottom - G::Partition3Top),
            Air::Circuit2, r.p22);
    airRect(s, QRect(x0, G::Partition3Bottom, w, G::Partition4Top - G::Partition3Bottom), Air::Supply, r.p12);
    airRect(s, QRect(G::Axis - G::Seat2R, G::Partition3Bottom, 2 * G::Seat2R, g.body2Travel()), Air::Circuit2, r.p22);
    // Exhaust space above port 3 stays white (atmosphere).
}

void FramePainter::drawLines(const Scene &s) const
{
    const FrameRow &r = *s.row;
    QPainter &p = *s.p;
    auto pipe = [&](const QRect &rect, Air air, double bar) {
        airRect(s, rect, air, bar);
    };
    auto outlineH = [&](int x1, int x2, int y) {
        p.setPen(QPen(Black, 1));
        p.drawLine(x1, y - PipeHalf - 1, x2, y - PipeHalf - 1);
        p.drawLine(x1, y + PipeHalf, x2, y + PipeHalf);
    };
    // Supply lines from the reservoirs, entering at the left.
    for (const auto &[y, bar] : {std::pair{G::Port11Y, r.p11}, std::pair{G::Port12Y, r.p12}}) {
        pipe(QRect(0, y - PipeHalf, G::Left + G::Wall, 2 * PipeHalf), Air::Supply, bar);
        outlineH(0, G::Left, y);
    }
    // Delivery lines to the brake chambers at the right.
    for (int circuit : {1, 2}) {
        const int y = portY(circuit);
        const Air air = circuit == 1 ? Air::Circuit1 : Air::Circuit2;
        const double bar = circuit == 1 ? r.p21 : r.p22;
        const int top = circuit == 1 ? Cylinder1Top : Cylinder2Top;
        pipe(QRect(G::Right - G::Wall, y - PipeHalf, DropX + PipeHalf - (G::Right - G::Wall), 2 * PipeHalf), air, bar);
        pipe(QRect(DropX - PipeHalf, y - PipeHalf, 2 * PipeHalf, top - (y - PipeHalf)), air, bar);
        p.setPen(QPen(Black, 1));
        p.drawLine(G::Right, y - PipeHalf - 1, DropX + PipeHalf, y - PipeHalf - 1);
        p.drawLine(G::Right, y + PipeHalf, DropX - PipeHalf - 1, y + PipeHalf);
        p.drawLine(DropX + PipeHalf, y - PipeHalf - 1, DropX + PipeHalf, top);
        p.drawLine(DropX - PipeHalf - 1, y + PipeHalf, DropX - PipeHalf - 1, top);
        brakeChamber(s, DropX, top, air, bar);
    }
}

void FramePainter::brakeChamber(const Scene &s, int x, int top, Air air, double bar) const
{
    QPainter &p = *s.p;
    const int w = 24, h = 26;
    const QRect body(x - w / 2, top, w, h);
    // The diaphragm moves down with the pressure; the push rod comes out.
    const int travel = int(std::lround(std::clamp(bar, 0.0, 8.0) * 1.0));
    const int diaphragmY = top + 6 + travel;
    p.fillRect(body, White);
    airRect(s, QRect(body.left(), top, w, diaphragmY - top), air, bar);
    p.setPen(QPen(Black, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(body);
    p.setPen(QPen(Rubber, 3));
    p.drawLine(body.left() + 1, diaphragmY, body.right() - 1, diaphragmY);
    spring(p, x, diaphragmY + 2, top + h - 1, 5, 2);
    partRect(p, QRect(x - 2, top + h, 5, 6 + travel));
    // Both chambers: the captions speak of braked and of unbraked wheels.
    if (s.label(LabelBrakeChambers)) {
        p.setFont(m_fonts.regular(10));
        p.setPen(Black);
        p.drawText(QRect(body.right() + 1 - 86, top + h + 16, 86, 12), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Bremszylinder"));
    }
}

void FramePainter::drawHousing(const Scene &s) const
{
    QPainter &p = *s.p;
    const int a = G::Axis;
    const int bl = a - G::BoreR, br = a + G::BoreR;
    const int pinL1 = a - G::PinOffset - 3, pinL2 = a - G::PinOffset + 3;
    const int pinR1 = a + G::PinOffset - 3, pinR2 = a + G::PinOffset + 3;
    auto span = [&](int x1, int x2, int y1, int y2) { housingRect(p, QRect(x1, y1, x2 - x1, y2 - y1)); };

    // Outer walls, pierced by the ports.
    const int wallBottom = G::HousingBottom;
    auto wall = [&](int x, std::initializer_list<int> ports) {
        int y = G::CapTop;
        for (int py : ports) {
            span(x, x + G::Wall, y, py - PipeHalf);
            y = py + PipeHalf;
        }
        span(x, x + G::Wall, y, wallBottom);
    };
    wall(G::Left, {G::Port11Y, G::Port12Y});
    wall(br, {G::Port21Y, G::Port22Y});
    // Cap, partitions and bottom, each a row of solid spans around its bores.
    struct Slab { int y1, y2; QList<std::pair<int, int>> spans; };
    const QList<Slab> slabs{
        {G::CapTop, G::CapBottom, {{G::Left, a - 7}, {a + 7, G::Right}}},
        {G::Partition1Top, G::Partition1Bottom, {{bl, pinL1}, {pinL2, a - G::Seat1R}, {a + G::Seat1R, pinR1}, {pinR2, br}}},
        {G::Partition2Top, G::Partition2Bottom, {{bl, pinL1}, {pinL2, a - 5}, {a + 5, pinR1}, {pinR2, br}}},
        {G::Partition3Top, G::Partition3Bottom, {{bl, a - G::Seat2R}, {a + G::Seat2R, br}}},
        {G::Partition4Top, G::Partition4Bottom, {{bl, a - 11}, {a + 11, br}}},
        {G::HousingBottom, G::HousingBottom + 8, {{G::Left, a - 10}, {a + 10, G::Right}}},
    };
    for (const Slab &slab : slabs)
        for (const auto &[x1, x2] : slab.spans)
            span(x1, x2, slab.y1, slab.y2);
    span(a - 18, a - 10, G::HousingBottom + 8, G::HousingBottom + 13);
    span(a + 10, a + 18, G::HousingBottom + 8, G::HousingBottom + 13);

    // Seals where pins and tube pass the partitions.
    for (int y : {G::Partition1Top + 3, G::Partition2Top + 3}) {
        for (int x : {pinL1 - 2, pinL2, pinR1 - 2, pinR2})
            p.fillRect(QRect(x, y, 2, 4), Rubber);
    }
    p.fillRect(QRect(a - 7, G::Partition2Top + 3, 2, 4), Rubber);
    p.fillRect(QRect(a + 5, G::Partition2Top + 3, 2, 4), Rubber);

    // Bore from the circuit I space down to the control chamber, in the right wall.
    const Air c1 = Air::Circuit1;
    const int cx1 = br + 4, cx2 = br + 10;
    airRect(s, QRect(cx1, G::Port21Y, cx2 - cx1, G::Partition2Bottom + 10 - G::Port21Y), c1, s.row->p21);
    airRect(s, QRect(br, G::Partition2Bottom + 4, cx2 - br, 6), c1, s.row->p21);
    p.setPen(QPen(Black, 1));
    p.drawLine(cx1 - 1, G::Port21Y + PipeHalf, cx1 - 1, G::Partition2Bottom + 3);
    p.drawLine(cx2, G::Port21Y + PipeHalf, cx2, G::Partition2Bottom + 10);
    p.drawLine(br, G::Partition2Bottom + 10, cx2, G::Partition2Bottom + 10);

    // Outline of the housing: every edge that borders air.
    p.setPen(QPen(Black, 1));
    p.setBrush(Qt::NoBrush);
    for (qsizetype i = 0; i < slabs.size(); ++i) {
        const Slab &slab = slabs[i];
        for (const auto &[x1, x2] : slab.spans) {
            p.drawLine(x1, slab.y1, x2 - 1, slab.y1);
            p.drawLine(x1, slab.y2 - 1, x2 - 1, slab.y2 - 1);
            if (x1 != bl && x1 != G::Left)
                p.drawLine(x1, slab.y1, x1, slab.y2 - 1);
            if (x2 != br && x2 != G::Right)
                p.drawLine(x2 - 1, slab.y1, x2 - 1, slab.y2 - 1);
        }
        if (i + 1 == slabs.size())
            break;
        // Inner wall faces down to the next slab, open where a port or the
        // control bore passes.
        const int from = slab.y2, to = slabs[i + 1].y1 - 1;
        for (int x : {bl - 1, br}) {
            QList<std::pair<int, int>> gaps;
            for (int py : x == br ? QList<int>{G::Port21Y, G::Port22Y} : QList<int>{G::Port11Y, G::Port12Y})
                gaps.append({py - PipeHalf, py + PipeHalf - 1});
            if (x == br)
                gaps.append({G::Partition2Bottom + 4, G::Partition2Bottom + 9});
            std::sort(gaps.begin(), gaps.end());
            int y = from;
            for (const auto &[g1, g2] : gaps) {
                if (g2 < from || g1 > to)
                    continue;
                if (g1 > y)
                    p.drawLine(x, y, x, g1 - 1);
                y = g2 + 1;
            }
            if (y <= to)
                p.drawLine(x, y, x, to);
        }
    }
    p.drawLine(G::Left, G::CapTop, G::Right - 1, G::CapTop);
    p.drawLine(G::Left, G::HousingBottom + 7, a - 10, G::HousingBottom + 7);
    p.drawLine(a + 10, G::HousingBottom + 7, G::Right - 1, G::HousingBottom + 7);
    auto vline = [&](int x, std::initializer_list<int> ports) {
        int y = G::CapTop;
        for (int py : ports) {
            p.drawLine(x, y, x, py - PipeHalf - 1);
            y = py + PipeHalf;
        }
        p.drawLine(x, y, x, G::HousingBottom + 7);
    };
    vline(G::Left, {G::Port11Y, G::Port12Y});
    vline(G::Right - 1, {G::Port21Y, G::Port22Y});
}

void FramePainter::drawParts(const Scene &s) const
{
    QPainter &p = *s.p;
    const ValveGeometry &g = *s.g;
    const int a = G::Axis;

    // Valve body II: disc with a rubber face and a hollow tube to port 3.
    const int d2 = g.disc2Top();
    const int tube2Bottom = G::HousingBottom - 6 + g.body2Travel();
    partRect(p, QRect(a - 11, d2 + G::DiscHeight - 1, 22, tube2Bottom - d2 - G::DiscHeight + 1));
    partRect(p, QRect(a - G::Disc2R, d2, 2 * G::Disc2R, G::DiscHeight));
    p.fillRect(QRect(a - G::Disc2R + 1, d2, 2 * G::Disc2R - 2, 2), Rubber);
    p.fillRect(QRect(a - 7, d2, 14, tube2Bottom - d2), White);
    spring(p, a - 20, d2 + G::DiscHeight, G::Partition4Top, 5, 3);
    spring(p, a + 20, d2 + G::DiscHeight, G::Partition4Top, 5, 3);

    // Relay piston with its hollow stem; its lower end is exhaust seat II.
    const int rt = g.relayTop();
    const int lip2 = g.relayLipBottom();
    spring(p, a - 34, g.relayBottom(), G::Partition3Top, 6, 2);
    spring(p, a + 34, g.relayBottom(), G::Partition3Top, 6, 2);
    partRect(p, QRect(a - 11, g.relayBottom() - 1, 22, lip2 - g.relayBottom() + 1));
    partRect(p, QRect(a - G::BoreR + 1, rt, 2 * G::BoreR - 2, G::PistonHeight));
    p.fillRect(QRect(a - 7, g.relayBottom(), 14, lip2 - g.relayBottom()), White);
    // Seal ring of the relay piston.
    p.fillRect(QRect(a - G::BoreR + 1, rt + 4, 3, 4), Rubber);
    p.fillRect(QRect(a + G::BoreR - 4, rt + 4, 3, 4), Rubber);

    // Valve body I: disc with a rubber face; its tube runs through the
    // relay piston and vents circuit I to port 3.
    const int d1 = g.disc1Top();
    const int tube1Bottom = lip2 + 8 + g.body1Travel() - g.relayTravel();
    const int tubeEnd = std::max(tube1Bottom, g.relayBottom() + 6);
    spring(p, a - 16, d1 + G::DiscHeight, G::Partition2Top, 5, 3);
    spring(p, a + 16, d1 + G::DiscHeight, G::Partition2Top, 5, 3);
    partRect(p, QRect(a - 5, d1 + G::DiscHeight - 1, 10, tubeEnd - d1 - G::DiscHeight + 1));
    partRect(p, QRect(a - G::Disc1R, d1, 2 * G::Disc1R, G::DiscHeight));
    p.fillRect(QRect(a - G::Disc1R + 1, d1, 2 * G::Disc1R - 2, 2), Rubber);
    p.fillRect(QRect(a - 2, d1, 4, tubeEnd - d1 - 1), White);

    // Upper piston with its stem (exhaust seat I at the lower end) and the
    // two push pins that reach down to the relay piston after extra travel.
    const int pt = g.pistonTop();
    const int pb = g.pistonBottom();
    spring(p, a - 26, pb, G::Partition1Top, 6, 3);
    spring(p, a + 26, pb, G::Partition1Top, 6, 3);
    for (int x : {a - G::PinOffset, a + G::PinOffset})
        partRect(p, QRect(x - 3, pb - 1, 6, g.pinEnd() - pb + 1));
    partRect(p, QRect(a - 10, pb - 1, 20, g.lipBottom() - pb + 1));
    partRect(p, QRect(a - G::BoreR + 1, pt, 2 * G::BoreR - 2, G::PistonHeight));
    p.fillRect(QRect(a - G::BoreR + 1, pt + 4, 3, 4), Rubber);
    p.fillRect(QRect(a + G::BoreR - 4, pt + 4, 3, 4), Rubber);

    // Rubber spring between plunger plate and piston; it bulges when squeezed.
    const int plate = g.plateTop();
    const int rubberTop = plate + G::PlateHeight;
    const int bulge = g.rubberSqueeze() / 2;
    p.fillRect(QRect(a - 18 - bulge, rubberTop, 36 + 2 * bulge, pt - rubberTop), Rubber);
    // Plunger plate and rod.
    partRect(p, QRect(a - 6, g.plungerTop(), 12, plate - g.plungerTop() + 1));
    partRect(p, QRect(a - 22, plate, 44, G::PlateHeight));
}

void FramePainter::drawPedal(const Scene &s) const
{
    QPainter &p = *s.p;
    const ValveGeometry &g = *s.g;
    const QPointF pivot(30, 92);
    // The lever rests on the plunger: its lower edge touches the plunger top.
    const QPointF contact(G::Axis, g.plungerTop() - 4.5);
    const QPointF d = (contact - pivot) / std::hypot(contact.x() - pivot.x(), contact.y() - pivot.y());
    const QPointF end = pivot + d * 236.0;
    housingRect(p, QRect(16, G::CapTop, G::Left - 16, 10));
    p.setPen(QPen(Black, 1));
    p.drawRect(QRect(16, G::CapTop, G::Left - 16, 9));
    housingRect(p, QRect(24, 92, 12, 8));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Black, 10, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(pivot, end);
    p.setPen(QPen(Steel, 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(pivot, end);
    // Foot pad.
    const QPointF n(-d.y(), d.x());
    QPolygonF pad;
    pad << end - n * 6 - d * 26 << end - n * 6 << end - n * 13 << end - n * 13 - d * 26;
    p.setPen(QPen(Black, 1));
    p.setBrush(Rubber);
    p.drawPolygon(pad);
    p.setBrush(Steel);
    p.drawEllipse(pivot, 5, 5);
    p.setBrush(Black);
    p.drawEllipse(pivot, 1.5, 1.5);
    p.restore();
    if (s.label(LabelPedal)) {
        p.setFont(m_fonts.regular(10));
        p.setPen(Black);
        // Below the lever, or above it once the lever comes down to the cap.
        QPointF at = pivot + d * 200.0 + n * 24.0;
        if (at.y() + 6 > G::CapTop - 2)
            at = pivot + d * 200.0 - n * 22.0;
        p.drawText(QRectF(at.x() - 40, at.y() - 12, 80, 12), Qt::AlignCenter, QStringLiteral("Bremspedal"));
    }
}

void FramePainter::drawLeak(const Scene &s) const
{
    QPainter &p = *s.p;
    const int y = portY(s.film->leakCircuit);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // Jagged black-and-yellow break across the line.
    QPolygonF crack;
    crack << QPointF(LeakX - 3, y - 8) << QPointF(LeakX + 3, y - 4) << QPointF(LeakX - 2, y)
          << QPointF(LeakX + 4, y + 4) << QPointF(LeakX - 1, y + 8) << QPointF(LeakX + 6, y + 8)
          << QPointF(LeakX + 10, y + 4) << QPointF(LeakX + 4, y) << QPointF(LeakX + 9, y - 4)
          << QPointF(LeakX + 3, y - 8);
    p.setPen(QPen(Black, 1.5));
    p.setBrush(LeakYellow);
    p.drawPolygon(crack);
    if (s.row->leaking) {
        // Clouds of escaping air with short radial arrows, all above the
        // line: below it sit the brake chamber and the Auslass label, left
        // of it the port number.
        QPainterPath cloud;
        cloud.setFillRule(Qt::WindingFill); // one outline around the overlapping puffs
        const QPointF c(LeakX + 4, y);
        for (const auto &[dx, dy, r] : {std::tuple{-7.0, -13.0, 6.0}, std::tuple{3.0, -20.0, 7.0},
                                        std::tuple{12.0, -12.0, 6.0}, std::tuple{3.0, -12.0, 6.5}})
            cloud.addEllipse(c + QPointF(dx, dy), r, r);
        p.setPen(QPen(Black, 1.5));
        p.setBrush(LeakYellow);
        p.drawPath(cloud.simplified());
        const double shift = s.phase * 0.75;
        for (double angle : {-30.0, -65.0, -100.0}) {
            const double rad = qDegreesToRadians(angle);
            const QPointF u(std::cos(rad), std::sin(rad));
            const QPointF from = c + u * (30.0 + shift), to = c + u * (36.0 + shift);
            p.setPen(QPen(Black, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
            const QPointF n(-u.y(), u.x());
            QPolygonF head;
            head << to + u * 4 << to + n * 3 << to - n * 3;
            p.setBrush(Black);
            p.drawPolygon(head);
        }
    }
    p.restore();
}

void FramePainter::arrow(const Scene &s, QList<QPointF> points, const QColor &fillColor,
                         const QColor &outline) const
{
    if (points.size() < 2)
        return;
    // Shift the arrow a little along its path from frame to frame.
    auto unit = [](QPointF v) { return v / std::hypot(v.x(), v.y()); };
    const QPointF u0 = unit(points[1] - points[0]);
    const QPointF u1 = unit(points.last() - points[points.size() - 2]);
    points.first() += u0 * s.phase;
    points.last() += u1 * s.phase;
    const QPointF tip = points.last();
    const QPointF n(-u1.y(), u1.x());
    points.last() = tip - u1 * 7.0;
    QPainter &p = *s.p;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF(points));
    p.setPen(QPen(fillColor, 3.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF(points));
    QPolygonF head;
    head << tip << tip - u1 * 9.0 + n * 5.5 << tip - u1 * 9.0 - n * 5.5;
    p.setPen(QPen(outline, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(fillColor);
    p.drawPolygon(head);
    p.restore();
}

void FramePainter::drawArrows(const Scene &s) const
{
    const ValveGeometry &g = *s.g;
    const int a = G::Axis;
    const int br = a + G::BoreR;
    const QColor c1 = dark(Air::Circuit1), c2 = dark(Air::Circuit2), sup = dark(Air::Supply);
    const QColor orange = MarkOrange;
    using P = QPointF;

    auto inflow = [&](int portY, int seatBottom, int discTop, int outY, int lineEndX, const QColor &c) {
        arrow(s, {P(30, portY), P(G::Left + 8, portY)}, sup, Black);
        // Up through the open inlet on both sides, out to the delivery port.
        arrow(s, {P(a - 48, discTop + 14), P(a - 24, discTop + 5), P(a - 16, seatBottom - 14)}, c, Black);
        arrow(s, {P(a + 48, discTop + 14), P(a + 24, discTop + 5), P(a + 16, seatBottom - 14)}, c, Black);
        arrow(s, {P(a + 18, outY - 2), P(lineEndX, outY)}, c, Black);
    };
    if (s.flow(Flow11To21))
        inflow(G::Port11Y, G::Partition1Bottom, g.disc1Top(), G::Port21Y, G::Right + 14, c1);
    if (s.flow(Flow12To22))
        inflow(G::Port12Y, G::Partition3Bottom, g.disc2Top(), G::Port22Y, G::Right + 14, c2);
    if (s.flow(FlowToLeak)) {
        const int y = portY(s.film->leakCircuit);
        arrow(s, {P(G::Right + 4, y), P(LeakX - 5, y)}, s.film->leakCircuit == 1 ? c1 : c2, Black);
    }
    if (s.flow(Flow21ToControl)) {
        arrow(s, {P(br + 7, G::Port21Y + 10), P(br + 7, G::Partition2Bottom + 7), P(br - 16, G::Partition2Bottom + 7)},
              c1, Black);
        arrow(s, {P(a - 20, G::Partition2Bottom + 8), P(a - 20, g.relayTop() - 2)}, c1, Black);
    }
    // Exhaust arrows stop above the caption strip, tip included.
    if (s.flow(Vent21)) {
        const QColor blue = strong(Air::Circuit1);
        arrow(s, {P(br + 7, G::Partition2Bottom + 4), P(br + 7, G::Port21Y + 12)}, White, blue);
        arrow(s, {P(a + 40, G::Partition1Top - 10), P(a + 14, g.lipBottom() + 3)}, White, blue);
        arrow(s, {P(a, g.disc1Top() + 12), P(a, G::HousingBottom + 15)}, White, blue);
    }
    if (s.flow(Vent22)) {
        const QColor green = strong(Air::Circuit2);
        arrow(s, {P(DropX - 12, G::Port22Y), P(G::Right + 2, G::Port22Y)}, White, green);
        arrow(s, {P(a + 44, G::Partition3Top - 6), P(a + 14, g.relayLipBottom() + 3)}, White, green);
        arrow(s, {P(a, g.disc2Top() + 10), P(a, G::HousingBottom + 15)}, White, green);
    }
    if (s.flow(Refill)) {
        const int y = s.film->leakCircuit == 1 ? G::Port11Y : G::Port12Y;
        arrow(s, {P(30, y), P(G::Left - 6, y)}, sup, Black);
        s.p->setFont(m_fonts.bold(10));
        s.p->setPen(dark(Air::Supply));
        // Below the line: above it sits the Einlass label of the circuit.
        s.p->drawText(QRect(2, y + 8, 92, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("vom Kompressor"));
    }
    if (s.flow(PlungerDown))
        arrow(s, {P(a + 17, g.plungerTop() + 1), P(a + 17, G::CapTop - 2)}, orange, Black);
    // Left of the tube: the right half of the control chamber holds the gap mark.
    if (s.flow(RelayDown))
        arrow(s, {P(a - 22, G::Partition2Bottom + 4), P(a - 22, g.relayTop() - 1)}, c1, Black);
    if (s.flow(RelayUp))
        arrow(s, {P(a - 22, g.relayTop() - 2), P(a - 22, G::Partition2Bottom + 6)}, orange, Black);
    if (s.flow(PistonUp)) {
        for (int x : {a - 49, a + 49})
            arrow(s, {P(x, G::Partition1Top - 3), P(x, g.pistonBottom() + 1)}, c1, Black);
    }
}

void FramePainter::drawMarks(const Scene &s) const
{
    QPainter &p = *s.p;
    const ValveGeometry &g = *s.g;
    const int a = G::Axis;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(MarkOrange, 2.5));
    p.setBrush(Qt::NoBrush);
    auto ring = [&](double cy, double rx, double ry) { p.drawEllipse(QPointF(a, cy), rx, ry); };
    if (s.mark(MarkOutlet1))
        ring((g.lipBottom() + g.disc1Top()) / 2.0, 22, 9);
    if (s.mark(MarkInlet1))
        ring((G::Partition1Bottom + g.disc1Top()) / 2.0, 40, 9);
    if (s.mark(MarkOutlet2))
        ring((g.relayLipBottom() + g.disc2Top()) / 2.0, 22, 9);
    if (s.mark(MarkInlet2))
        ring((G::Partition3Bottom + g.disc2Top()) / 2.0, 40, 9);
    if (s.mark(MarkContact)) {
        for (int x : {a - G::PinOffset, a + G::PinOffset})
            p.drawEllipse(QPointF(x, g.relayTop()), 10, 7);
    }
    if (s.mark(MarkRubber))
        p.drawRoundedRect(QRectF(a - 30, g.plateTop() - 4, 60, g.pistonTop() - g.plateTop() + 8), 6, 6);
    p.restore();
    if (s.mark(MarkControlZero)) {
        const QRect box(a - 46, G::Partition2Bottom + 5, 38, 16);
        p.fillRect(box, White);
        p.setPen(QPen(MarkOrange, 2));
        p.drawRect(box);
        p.setFont(m_fonts.bold(11));
        p.setPen(Black);
        p.drawText(box, Qt::AlignCenter, QStringLiteral("0 bar"));
    }
}

void FramePainter::leader(const Scene &s, const QString &text, QPoint textPos, bool rightAligned,
                          QPointF target) const
{
    QPainter &p = *s.p;
    p.setFont(m_fonts.regular(10));
    const int w = p.fontMetrics().horizontalAdvance(text);
    const QRect box = rightAligned ? QRect(textPos.x() - w, textPos.y() - 6, w, 12)
                                   : QRect(textPos.x(), textPos.y() - 6, w, 12);
    // On the pixel centre: a level leader stays one crisp pixel row.
    const QPointF start(rightAligned ? box.right() + 3 : box.left() - 3, textPos.y() + 0.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(LeaderGrey, 1));
    p.drawLine(start, target);
    p.setBrush(LeaderGrey);
    p.drawEllipse(target, 1.8, 1.8);
    p.restore();
    p.fillRect(box.adjusted(-1, 0, 1, 0), White);
    p.setPen(Black);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void FramePainter::portBox(const Scene &s, const QString &text, QPoint centre) const
{
    QPainter &p = *s.p;
    const QRect box(centre.x() - 10, centre.y() - 8, 21, 16);
    p.fillRect(box, White);
    p.setPen(QPen(Black, 1));
    p.drawRect(box);
    p.setFont(m_fonts.bold(12));
    p.drawText(box, Qt::AlignCenter, text);
}

void FramePainter::drawLabels(const Scene &s) const
{
    const ValveGeometry &g = *s.g;
    const int a = G::Axis;
    const int lx = 90; // right edge of the left-hand labels
    const int rx = G::Right + 3; // left edge of the right-hand labels

    // Valve labels and port numbers are always there. Each valve label sits
    // level with its seat, so the leader stays short: Einlass at the left
    // (the inlet seat is fixed, the leader is level), Auslass at the right,
    // just below the delivery line (the exhaust seat moves with its piston).
    leader(s, QStringLiteral("Einlass I"), QPoint(lx, G::Partition1Bottom), true,
           QPointF(a - G::Seat1R - 1, G::Partition1Bottom + 0.5));
    leader(s, QStringLiteral("Einlass II"), QPoint(lx, G::Partition3Bottom), true,
           QPointF(a - G::Seat2R - 1, G::Partition3Bottom + 0.5));
    leader(s, QStringLiteral("Auslass I"), QPoint(rx, G::Port21Y + 17), false, QPointF(a + 10, g.lipBottom() + 1));
    leader(s, QStringLiteral("Auslass II"), QPoint(rx, G::Port22Y + 15), false, QPointF(a + 10, g.relayLipBottom() + 1));

    portBox(s, QStringLiteral("11"), QPoint(14, G::Port11Y));
    portBox(s, QStringLiteral("12"), QPoint(14, G::Port12Y));
    // Close to the wall, clear of the leak clouds further along the line.
    portBox(s, QStringLiteral("21"), QPoint(G::Right + 10, G::Port21Y - 15));
    portBox(s, QStringLiteral("22"), QPoint(G::Right + 10, G::Port22Y - 15));
    portBox(s, QStringLiteral("3"), QPoint(a - 32, G::HousingBottom + 12));

    // The contact gap between the push pins and the relay piston.
    const int gap = g.relayTop() - g.pinEnd();
    if (gap >= 6) {
        QPainter &p = *s.p;
        const double x = a + G::PinOffset + 8.5;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(Black, 1));
        p.setBrush(Black);
        p.drawLine(QPointF(x, g.pinEnd() + 1), QPointF(x, g.relayTop() - 1));
        p.drawLine(QPointF(x - 4, g.pinEnd() + 0.5), QPointF(a + G::PinOffset + 3, g.pinEnd() + 0.5));
        for (const auto &[tip, dir] : {std::pair{double(g.pinEnd()), 1.0}, std::pair{double(g.relayTop()), -1.0}})
            p.drawPolygon(QPolygonF{QPointF(x, tip), QPointF(x - 2.5, tip + 5 * dir), QPointF(x + 2.5, tip + 5 * dir)});
        p.restore();
        p.setFont(m_fonts.regular(9));
        p.drawText(QRect(a + 6, (g.pinEnd() + g.relayTop()) / 2 - 6, 28, 12), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Spalt"));
    }

    if (s.label(LabelPlunger))
        leader(s, QStringLiteral("Stößel"), QPoint(lx, 118), true, QPointF(a - 6, G::CapTop + 5));
    if (s.label(LabelRubber))
        leader(s, QStringLiteral("Gummifeder"), QPoint(lx, 134), true,
               QPointF(a - 18 - g.rubberSqueeze() / 2, (g.plateTop() + G::PlateHeight + g.pistonTop()) / 2.0));
    if (s.label(LabelUpperPiston))
        leader(s, QStringLiteral("Oberer Kolben"), QPoint(lx, 152), true, QPointF(a - 46, g.pistonTop() + 6));
    if (s.label(LabelReturnSpring))
        leader(s, QStringLiteral("Rückstellfeder"), QPoint(lx, 178), true,
               QPointF(a - 26, (g.pistonBottom() + G::Partition1Top) / 2.0));
    if (s.label(LabelValveBody1))
        leader(s, QStringLiteral("Ventilkörper I"), QPoint(lx, 221), true, QPointF(a - G::Disc1R + 3, g.disc1Top() + 6));
    if (s.label(LabelControl))
        leader(s, QStringLiteral("Steuerraum"), QPoint(lx, 268), true,
               QPointF(a - G::BoreR + 6, (G::Partition2Bottom + g.relayTop()) / 2.0));
    if (s.label(LabelRelayPiston))
        leader(s, QStringLiteral("Relaiskolben"), QPoint(lx, 296), true, QPointF(a - 46, g.relayTop() + 6));
    if (s.label(LabelValveBody2))
        leader(s, QStringLiteral("Ventilkörper II"), QPoint(lx, 368), true, QPointF(a - G::Disc2R + 3, g.disc2Top() + 6));
    if (s.label(LabelExhaust)) {
        QPainter &p = *s.p;
        p.setFont(m_fonts.regular(10));
        p.setPen(Black);
        p.drawText(QRect(a + 22, G::HousingBottom + 7, 80, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Entlüftung"));
    }
}

void FramePainter::drawGauge(const Scene &s, QPoint centre, const QString &title, double bar, Air air) const
{
    QPainter &p = *s.p;
    const double r = 36;
    p.setFont(m_fonts.bold(11));
    p.setPen(Black);
    p.drawText(QRect(centre.x() - 50, centre.y() - int(r) - 17, 100, 14), Qt::AlignCenter, title);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Black, 2));
    p.setBrush(White);
    p.drawEllipse(QPointF(centre), r, r);
    auto at = [&](double value, double radius) {
        const double angle = qDegreesToRadians(225.0 - 27.0 * value);
        return QPointF(centre) + QPointF(std::cos(angle), -std::sin(angle)) * radius;
    };
    // Scale 0-10 bar: a tick per bar, numbers on the even ones.
    for (int v = 0; v <= 10; ++v) {
        p.setPen(QPen(Black, v % 2 == 0 ? 1.6 : 1.0));
        p.drawLine(at(v, r - 2), at(v, v % 2 == 0 ? r - 8 : r - 6));
    }
    p.setPen(QPen(Black, 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre), at(bar, r - 9));
    p.setPen(QPen(strong(air), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre), at(bar, r - 10));
    // The numbers go over the needle, each on a white halo: a needle on
    // 0 bar (the rest position) would hide the "0" otherwise.
    QPainterPath numbers;
    const QFont numberFont = m_fonts.regular(9);
    const QFontMetricsF fm(numberFont);
    for (int v = 0; v <= 10; v += 2) {
        const QString text = QString::number(v);
        const QPointF c = at(v, r - 15);
        numbers.addText(c.x() - fm.horizontalAdvance(text) / 2.0, c.y() + (fm.ascent() - fm.descent()) / 2.0,
                        numberFont, text);
    }
    p.setPen(QPen(White, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(numbers);
    p.setPen(Qt::NoPen);
    p.setBrush(Black);
    p.drawPath(numbers);
    p.setPen(QPen(Black, 1));
    p.setBrush(Black);
    p.drawEllipse(QPointF(centre), 3.5, 3.5);
    p.restore();
    p.setFont(m_fonts.bold(12));
    p.setPen(dark(air));
    p.drawText(QRect(centre.x() - 45, centre.y() + int(r) + 2, 90, 14), Qt::AlignCenter,
               barText(bar) + QStringLiteral(" bar"));
}

void FramePainter::drawPanel(const Scene &s) const
{
    QPainter &p = *s.p;
    const FrameRow &r = *s.row;
    const ValveGeometry &g = *s.g;
    const int x0 = PanelLeft, x1 = Width - 4;
    const int bottom = s.film->height - CaptionHeight;
    p.fillRect(QRect(x0 - 2, 0, Width - x0 + 2, bottom), PanelGrey);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(x0 - 3, 0, x0 - 3, bottom - 1);

    drawGauge(s, QPoint(x0 + 46, 58), QStringLiteral("Kreis I (21)"), r.p21, Air::Circuit1);
    drawGauge(s, QPoint(x0 + 142, 58), QStringLiteral("Kreis II (22)"), r.p22, Air::Circuit2);

    // Supply bars with the mark below which the warning lamp lights.
    constexpr double WarnBar = 5.2;
    const int barX = x0 + 58, barW = 84;
    int y = 126;
    for (const auto &[name, bar] : {std::pair{QStringLiteral("Vorrat 11"), r.p11}, std::pair{QStringLiteral("Vorrat 12"), r.p12}}) {
        p.setFont(m_fonts.regular(11));
        p.setPen(Black);
        p.drawText(QRect(x0 + 2, y - 1, 56, 14), Qt::AlignLeft | Qt::AlignVCenter, name);
        const QRect frame(barX, y, barW, 12);
        p.fillRect(frame, White);
        const int filled = int(std::lround(barW * std::clamp(bar, 0.0, 10.0) / 10.0));
        airRect(s, QRect(barX, y, filled, 12), Air::Supply, bar);
        p.setPen(QPen(Black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame.adjusted(0, 0, -1, -1));
        const int wx = barX + int(std::lround(barW * WarnBar / 10.0));
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(LeakYellow);
        p.drawPolygon(QPolygonF{QPointF(wx, y + 11), QPointF(wx - 4.5, y + 19), QPointF(wx + 4.5, y + 19)});
        p.restore();
        p.setPen(QPen(Black, 2));
        p.drawLine(wx, y - 2, wx, y + 12);
        p.setFont(m_fonts.bold(11));
        p.setPen(Black);
        p.drawText(QRect(barX + barW + 2, y - 1, x1 - barX - barW - 2, 14), Qt::AlignRight | Qt::AlignVCenter,
                   barText(bar) + QStringLiteral(" bar"));
        y += 24;
    }

    // Warning lamps, low enough that the mark around a lamp clears the
    // warning triangles of the supply bars.
    y = 187;
    p.setFont(m_fonts.regular(11));
    p.setPen(Black);
    p.drawText(QRect(x0 + 2, y - 7, 60, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Warnung"));
    for (int circuit : {1, 2}) {
        const bool on = circuit == 1 ? r.lamp1 : r.lamp2;
        const QPointF c(x0 + 62 + (circuit - 1) * 66, y);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        if (on) {
            p.setPen(QPen(QColor(230, 30, 20), 2, Qt::SolidLine, Qt::RoundCap));
            for (int k = 0; k < 8; ++k) {
                const double angle = qDegreesToRadians(22.5 + 45.0 * k);
                const QPointF u(std::cos(angle), std::sin(angle));
                p.drawLine(c + u * 9.5, c + u * 12.0);
            }
        }
        p.setPen(QPen(Black, 1.2));
        p.setBrush(on ? QColor(240, 30, 20) : QColor(110, 110, 110));
        p.drawEllipse(c, 7, 7);
        p.restore();
        p.setFont(on ? m_fonts.bold(11) : m_fonts.regular(11));
        p.setPen(Black);
        p.drawText(QRect(int(c.x()) + 15, y - 7, 50, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   circuit == 1 ? QStringLiteral("Kreis I") : QStringLiteral("Kreis II"));
        if (s.mark(MarkLamp) && circuit == s.film->leakCircuit) {
            p.save();
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(QPen(MarkOrange, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(c.x() - 14, y - 15, 72, 30), 8, 8);
            p.restore();
        }
    }

    // Pedal travel with the travel a sound valve needs for 3 bar.
    constexpr int NormalPercent = 30;
    y = 212;
    p.setFont(m_fonts.regular(11));
    p.setPen(Black);
    p.drawText(QRect(x0 + 2, y, 80, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pedalweg"));
    p.setFont(m_fonts.bold(11));
    p.drawText(QRect(x1 - 60, y, 60, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(r.pedal));
    const int px = x0 + 4, pw = x1 - x0 - 8, py = y + 17;
    p.fillRect(QRect(px, py, pw, 10), White);
    p.fillRect(QRect(px, py, int(std::lround(pw * r.pedal / 100.0)), 10), QColor(90, 90, 96));
    p.setPen(QPen(Black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(px, py, pw - 1, 9));
    const int nx = px + pw * NormalPercent / 100;
    p.setPen(QPen(Black, 2));
    p.drawLine(nx, py - 3, nx, py + 13);
    p.setFont(m_fonts.regular(10));
    p.setPen(Black);
    p.drawText(QRect(nx - 30, py + 12, 60, 12), Qt::AlignCenter, QStringLiteral("normal"));
    if (s.mark(MarkPedalBar)) {
        const int cx = px + int(std::lround(pw * r.pedal / 100.0));
        p.setPen(QPen(MarkOrange, 2.5));
        p.drawRect(QRect(px - 3, py - 4, pw + 5, 17));
        p.setFont(m_fonts.bold(10));
        p.setPen(MarkOrange.darker(130));
        p.drawText(QRect(nx + 2, py + 12, cx - nx, 12), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("+%1 %").arg(r.pedal - NormalPercent));
    }

    // Valve states.
    y = 262;
    const QRect box(x0 + 2, y, x1 - x0 - 2, 70);
    p.fillRect(box, White);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    struct State { const char *name; bool open; };
    const State states[] = {{"Einlass I", g.inlet1Open()}, {"Auslass I", g.outlet1Open()},
                            {"Einlass II", g.inlet2Open()}, {"Auslass II", g.outlet2Open()}};
    int sy = y + 3;
    for (const State &st : states) {
        p.setFont(m_fonts.regular(11));
        p.setPen(Black);
        p.drawText(QRect(x0 + 8, sy, 80, 16), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(st.name));
        p.setFont(st.open ? m_fonts.bold(11) : m_fonts.regular(11));
        p.drawText(QRect(x0 + 92, sy, 90, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(st.open ? "● offen" : "○ zu"));
        sy += 16;
    }

    // Legend.
    y = 338;
    struct Key { const char *text; int kind; };
    const Key keys[] = {{"Vorrat (11, 12)", 0}, {"Kreis I (21)", 1}, {"Kreis II (22)", 2},
                        {"entlüftet", 3}, {"Leck", 4}};
    p.setFont(m_fonts.regular(10));
    int i = 0;
    for (const Key &k : keys) {
        const int kx = x0 + 4 + (i % 2) * 96;
        const int ky = y + (i / 2) * 16;
        const QRect sw(kx, ky + 2, 16, 10);
        switch (k.kind) {
        case 0: airRect(s, sw, Air::Supply, 8.0); break;
        case 1: airRect(s, sw, Air::Circuit1, 8.0); break;
        case 2: airRect(s, sw, Air::Circuit2, 8.0); break;
        case 3: p.fillRect(sw, White); break;
        default: p.fillRect(sw, LeakYellow); break;
        }
        p.setPen(QPen(Black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(sw.adjusted(0, 0, -1, -1));
        p.drawText(QRect(kx + 20, ky, 76, 14), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(k.text));
        ++i;
    }
}

void FramePainter::drawCaption(const Scene &s) const
{
    QPainter &p = *s.p;
    const int top = s.film->height - CaptionHeight;
    const QRect strip(0, top, Width, CaptionHeight);
    p.fillRect(strip, CaptionBack);
    const QString counter = QStringLiteral("Bild %1/%2").arg(s.frame).arg(s.film->frameCount());
    p.setFont(m_fonts.regular(12));
    p.setPen(White);
    const int counterW = p.fontMetrics().horizontalAdvance(counter);
    p.drawText(QRect(Width - counterW - 8, top, counterW, CaptionHeight), Qt::AlignVCenter | Qt::AlignRight, counter);
    // The caption gets the biggest size that fits beside the counter.
    const int room = Width - counterW - 24;
    int size = 14;
    QFont font = m_fonts.bold(size);
    while (size > 10 && QFontMetrics(font).horizontalAdvance(s.row->caption) > room)
        font = m_fonts.bold(--size);
    p.setFont(font);
    p.drawText(QRect(8, top, room, CaptionHeight), Qt::AlignVCenter | Qt::AlignLeft, s.row->caption);
}
