#include "ExitPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vorkast {

QIcon exitPicture()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // Door frame and the opened door leaf.
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1e), 3));
    p.setBrush(QColor(0xf3, 0xe6, 0xd0));
    p.drawRect(QRectF(8, 6, 30, 52));
    QPainterPath leaf;
    leaf.moveTo(8, 6);
    leaf.lineTo(26, 12);
    leaf.lineTo(26, 62);
    leaf.lineTo(8, 58);
    leaf.closeSubpath();
    p.setBrush(QColor(0xb0, 0x6a, 0x2c));
    p.drawPath(leaf);
    p.setBrush(QColor(0xf5, 0xd0, 0x4a));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(22, 36), 2.5, 2.5);

    // Arrow pointing out of the door.
    p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(34, 32), QPointF(56, 32));
    p.drawLine(QPointF(48, 23), QPointF(57, 32));
    p.drawLine(QPointF(48, 41), QPointF(57, 32));
    p.end();
    return QIcon(pixmap);
}

} // namespace vorkast
