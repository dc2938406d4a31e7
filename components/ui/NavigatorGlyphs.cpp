#include "components/ui/NavigatorGlyphs.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr int Side = 15;

void triangle(QPainter& p, int tipX, int baseX)
{
    p.drawPolygon(QPolygon({QPoint(tipX, 7), QPoint(baseX, 3), QPoint(baseX, 11)}));
}

} // namespace

QPixmap NavigatorGlyph(TNavigationButtons button)
{
    QPixmap glyph(Side, Side);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    switch (button) {
    case nbFirst:
        p.fillRect(3, 3, 2, 9, Qt::black);
        triangle(p, 6, 10);
        break;
    case nbNext:
        triangle(p, 10, 5);
        break;
    case nbPrior:
        triangle(p, 5, 10);
        break;
    case nbLast:
        triangle(p, 9, 5);
        p.fillRect(10, 3, 2, 9, Qt::black);
        break;
    case nbList:
        for (int y = 3; y <= 11; y += 4) {
            p.fillRect(2, y, 2, 2, Qt::black);
            p.fillRect(5, y, 8, 2, Qt::black);
        }
        break;
    case nbNew:
        p.fillRect(6, 2, 3, 11, Qt::darkGreen);
        p.fillRect(2, 6, 11, 3, Qt::darkGreen);
        break;
    case nbDelete:
        p.setPen(QPen(Qt::darkRed, 2.5));
        p.drawLine(3, 3, 11, 11);
        p.drawLine(11, 3, 3, 11);
        break;
    }
    return glyph;
}
