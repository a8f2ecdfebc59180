#pragma once

#include "frametables.h"

#include "fontset.h"
#include "storyboard.h"
#include "valvegeometry.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

// Draws one frame of a film from its storyboard row. There is no code for
// a particular frame: everything that changes comes from the row.
class FramePainter
{
public:
    static constexpr int Width = FrameTables::PictureWidth;
    static constexpr int PanelLeft = 316; // right panel
    static constexpr int CaptionHeight = 28;

    explicit FramePainter(const FontSet &fonts);

    // The plain picture of frame n (1-based) as a 32-bit image.
    QImage paint(const Film &film, int frame) const;

private:
    enum class Air { Supply, Circuit1, Circuit2 };

    struct Scene {
        QPainter *p;
        const Film *film;
        const FrameRow *row;
        const ValveGeometry *g;
        int frame;
        int phase; // -2, 0, 2: shifts flow arrows from frame to frame
        bool label(unsigned which) const { return (row->labels & which) != 0; }
        bool flow(unsigned which) const { return (row->flows & which) != 0; }
        bool mark(unsigned which) const { return (row->marks & which) != 0; }
    };

    static QColor strong(Air air);
    static QColor fill(Air air, double bar);
    static QColor dark(Air air);
    static QColor dots(Air air, double bar);

    void airRect(const Scene &s, const QRect &r, Air air, double bar) const;
    static void housingRect(QPainter &p, const QRect &r);
    static void partRect(QPainter &p, const QRect &r);
    static void spring(QPainter &p, int x, int top, int bottom, int halfWidth, int turns);

    void drawAir(const Scene &s) const;
    void drawHousing(const Scene &s) const;
    void drawLines(const Scene &s) const;
    void drawParts(const Scene &s) const;
    void drawPedal(const Scene &s) const;
    void drawLeak(const Scene &s) const;
    void drawArrows(const Scene &s) const;
    void drawLabels(const Scene &s) const;
    void drawMarks(const Scene &s) const;
    void drawPanel(const Scene &s) const;
    void drawGauge(const Scene &s, QPoint centre, const QString &title, double bar, Air air) const;
    void drawCaption(const Scene &s) const;

    void arrow(const Scene &s, QList<QPointF> points, const QColor &fillColor,
               const QColor &outline) const;
    void leader(const Scene &s, const QString &text, QPoint textPos, bool rightAligned,
                QPointF target) const;
    void portBox(const Scene &s, const QString &text, QPoint centre) const;
    void brakeChamber(const Scene &s, int x, int top, Air air, double bar) const;

    const FontSet &m_fonts;
};
