#include "client/ui/ProgramIcon.h"

#include <QFont>
#include <QPainter>

QPixmap ProgramIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 48.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1b, 0x2f, 0x5e));
    painter.drawRoundedRect(QRectF(2 * unit, 2 * unit, 44 * unit, 44 * unit), 7 * unit, 7 * unit);
    painter.setPen(QPen(QColor(0x6f, 0x8c, 0xc4), 1.5 * unit));
    for (int line = 0; line < 4; ++line)
        painter.drawLine(QPointF(24 * unit, (14 + 7 * line) * unit), QPointF(40 * unit, (14 + 7 * line) * unit));
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(30 * unit));
    painter.setFont(font);
    painter.setPen(QColor(0xe8, 0xb9, 0x3a));
    painter.drawText(QRectF(5 * unit, 6 * unit, 22 * unit, 36 * unit), Qt::AlignCenter, QStringLiteral("L"));
    return pixmap;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(ProgramIconPixmap(size));
    return icon;
}
