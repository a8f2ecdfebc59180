#include "contactsheet.h"

#include <QPainter>

namespace {

constexpr int Columns = 6;
constexpr int ThumbWidth = 168; // a third of a frame
constexpr int Gap = 8;
constexpr int NumberHeight = 16;
constexpr int TitleHeight = 26;

} // namespace

QImage ContactSheet::make(const QList<QImage> &frames, const QList<QRgb> &table, const QString &title,
                          const FontSet &fonts)
{
    if (frames.isEmpty())
        return {};
    const QSize frameSize = frames.first().size();
    const int thumbHeight = frameSize.height() * ThumbWidth / frameSize.width();
    const int rows = (int(frames.size()) + Columns - 1) / Columns;
    const int cellW = ThumbWidth + Gap, cellH = thumbHeight + NumberHeight + Gap;
    QImage sheet(Gap + Columns * cellW, TitleHeight + rows * cellH + Gap, QImage::Format_RGB32);
    sheet.fill(QColor(228, 228, 228));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(fonts.bold(15));
    p.setPen(Qt::black);
    p.drawText(QRect(Gap, 0, sheet.width() - 2 * Gap, TitleHeight), Qt::AlignVCenter | Qt::AlignLeft, title);
    p.setFont(fonts.bold(12));
    for (int i = 0; i < frames.size(); ++i) {
        const int x = Gap + (i % Columns) * cellW;
        const int y = TitleHeight + (i / Columns) * cellH;
        p.drawText(QRect(x, y, ThumbWidth, NumberHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   QStringLiteral("%1").arg(i + 1));
        const QImage thumb = frames[i].convertToFormat(QImage::Format_RGB32)
                                 .scaled(ThumbWidth, thumbHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        p.drawImage(x, y + NumberHeight, thumb);
        p.setPen(QColor(90, 90, 90));
        p.drawRect(x - 1, y + NumberHeight - 1, ThumbWidth + 1, thumbHeight + 1);
        p.setPen(Qt::black);
    }
    p.end();
    // The film's own table keeps the sheet small as an 8-bit PNG.
    QList<QRgb> colours = table;
    colours[colours.size() - 1] = qRgb(228, 228, 228);
    return sheet.convertToFormat(QImage::Format_Indexed8, colours, Qt::ThresholdDither | Qt::AvoidDither);
}
