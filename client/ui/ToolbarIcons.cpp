#include "client/ui/ToolbarIcons.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace {

using enum MenuItem;

// Every drawing works on a 24 x 24 grid. Outlines are one unit wide on half-unit coordinates,
// which puts them on whole pixels at 1x and 2x.
constexpr qreal kGrid = 24.0;

const QColor kOutline(0x2d, 0x3a, 0x4b);
const QColor kPaper(0xfc, 0xfd, 0xff);
const QColor kPaperShade(0xd9, 0xe1, 0xec);
const QColor kRuling(0x8c, 0x99, 0xab);
const QColor kFolderBack(0xe0, 0x9e, 0x2a);
const QColor kFolderFront(0xf7, 0xc9, 0x5c);
const QColor kBlue(0x35, 0x76, 0xc9);
const QColor kDarkBlue(0x25, 0x55, 0x96);
const QColor kGreen(0x2f, 0x9e, 0x55);
const QColor kOrange(0xf0, 0x8a, 0x24);
const QColor kYellow(0xf6, 0xc3, 0x3b);
const QColor kRed(0xd5, 0x4a, 0x3c);
const QColor kSteel(0x8f, 0xa3, 0xba);
const QColor kChequeGreen(0xd8, 0xf0, 0xdc);

// The share of its own opacity a disabled icon keeps.
constexpr int kDisabledOpacityPercent = 35;

using Drawing = void (*)(QPainter&);

void outlined(QPainter& p, const QColor& fill)
{
    p.setPen(QPen(kOutline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
}

void filled(QPainter& p, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
}

void ruled(QPainter& p, const QColor& colour, qreal width = 1.0)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
}

QPolygonF polygon(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

// A page with its top right corner folded over.
void page(QPainter& p, qreal left, qreal top, qreal right, qreal bottom)
{
    const qreal fold = 4.0;
    outlined(p, kPaper);
    p.drawPolygon(polygon({{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}}));
    outlined(p, kPaperShade);
    p.drawPolygon(polygon({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}));
}

// A round badge in the lower right corner, the place where a set of icons says "new" or "done".
void badge(QPainter& p, const QColor& fill)
{
    outlined(p, fill);
    p.drawEllipse(QPointF(17.5, 17.5), 5.0, 5.0);
}

// A storage drive lying along the bottom, the target of backups and the source of restores.
void drive(QPainter& p)
{
    outlined(p, kSteel);
    p.drawRoundedRect(QRectF(2.5, 14.5, 19.0, 7.0), 1.5, 1.5);
    ruled(p, kOutline);
    p.drawLine(QPointF(5.0, 18.5), QPointF(12.0, 18.5));
    filled(p, kGreen);
    p.drawEllipse(QPointF(18.0, 18.0), 1.5, 1.5);
}

void drawOpen(QPainter& p)
{
    outlined(p, kFolderBack);
    p.drawPolygon(polygon({{2.5, 19.5}, {2.5, 4.5}, {8.5, 4.5}, {10.5, 6.5}, {18.5, 6.5}, {18.5, 19.5}}));
    outlined(p, kFolderFront);
    p.drawPolygon(polygon({{2.5, 19.5}, {6.5, 10.5}, {22.5, 10.5}, {18.5, 19.5}}));
}

void drawNew(QPainter& p)
{
    page(p, 4.5, 1.5, 17.5, 20.5);
    badge(p, kGreen);
    ruled(p, Qt::white, 2.0);
    p.drawLine(QPointF(17.5, 14.5), QPointF(17.5, 20.5));
    p.drawLine(QPointF(14.5, 17.5), QPointF(20.5, 17.5));
}

void drawSaveAs(QPainter& p)
{
    outlined(p, kBlue);
    p.drawPolygon(polygon({{2.5, 2.5}, {18.5, 2.5}, {21.5, 5.5}, {21.5, 21.5}, {2.5, 21.5}}));
    outlined(p, kPaperShade);
    p.drawRect(QRectF(6.5, 2.5, 10.0, 6.0));
    filled(p, kOutline);
    p.drawRect(QRectF(13.0, 3.5, 2.0, 4.0));
    outlined(p, kPaper);
    p.drawRect(QRectF(5.5, 12.5, 13.0, 9.0));
    ruled(p, kRuling);
    p.drawLine(QPointF(8.0, 15.5), QPointF(16.0, 15.5));
    p.drawLine(QPointF(8.0, 18.5), QPointF(16.0, 18.5));
}

void drawBackup(QPainter& p)
{
    drive(p);
    outlined(p, kGreen);
    p.drawPolygon(polygon({{9.5, 1.5}, {14.5, 1.5}, {14.5, 6.5}, {18.5, 6.5}, {12.0, 13.0}, {5.5, 6.5}, {9.5, 6.5}}));
}

void drawRestore(QPainter& p)
{
    drive(p);
    outlined(p, kBlue);
    p.drawPolygon(polygon({{9.5, 12.5}, {14.5, 12.5}, {14.5, 7.5}, {18.5, 7.5}, {12.0, 1.0}, {5.5, 7.5}, {9.5, 7.5}}));
}

void drawExpress(QPainter& p)
{
    outlined(p, kYellow);
    p.setPen(QPen(kOutline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.drawPolygon(polygon({{14.5, 1.5}, {4.5, 13.5}, {11.0, 13.5}, {8.5, 22.5}, {19.5, 9.5}, {13.0, 9.5}, {16.5, 1.5}}));
}

void drawPayPeriod(QPainter& p)
{
    outlined(p, kPaper);
    p.drawRect(QRectF(2.5, 4.5, 19.0, 17.0));
    outlined(p, kRed);
    p.drawRect(QRectF(2.5, 4.5, 19.0, 4.0));
    ruled(p, kOutline, 2.0);
    p.drawLine(QPointF(7.0, 2.0), QPointF(7.0, 6.5));
    p.drawLine(QPointF(17.0, 2.0), QPointF(17.0, 6.5));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            filled(p, row == 1 && column == 2 ? kBlue : kRuling);
            p.drawRect(QRectF(5.0 + 4.0 * column, 10.0 + 3.5 * row, 2.0, 2.0));
        }
}

void drawAutomatic(QPainter& p)
{
    const QPointF centre(12.0, 12.0);
    constexpr int kTeeth = 8;
    constexpr qreal kOuter = 10.5;
    constexpr qreal kInner = 7.5;
    QPolygonF gear;
    for (int tooth = 0; tooth < kTeeth; ++tooth) {
        const qreal step = 2.0 * M_PI / kTeeth;
        const qreal middle = tooth * step;
        for (const auto& [offset, radius] : {std::pair{-0.38, kInner}, std::pair{-0.2, kOuter},
                                             std::pair{0.2, kOuter}, std::pair{0.38, kInner}}) {
            const qreal angle = middle + offset * step * 1.2;
            gear << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        }
    }
    QPainterPath path;
    path.addPolygon(gear);
    path.closeSubpath();
    path.addEllipse(centre, 3.0, 3.0);
    p.setPen(QPen(kOutline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.setBrush(kSteel);
    p.drawPath(path);
    filled(p, kGreen);
    p.drawPolygon(polygon({{10.5, 9.0}, {15.0, 12.0}, {10.5, 15.0}}));
}

void drawManual(QPainter& p)
{
    page(p, 2.5, 1.5, 15.5, 21.5);
    ruled(p, kRuling);
    for (qreal y : {8.5, 11.5, 14.5})
        p.drawLine(QPointF(5.0, y), QPointF(11.0, y));
    p.save();
    p.translate(15.5, 13.5);
    p.rotate(-45.0);
    outlined(p, kYellow);
    p.drawRect(QRectF(-5.0, -2.0, 11.0, 4.0));
    outlined(p, kRed);
    p.drawRect(QRectF(6.0, -2.0, 3.0, 4.0));
    outlined(p, QColor(0xf2, 0xdc, 0xb8));
    p.drawPolygon(polygon({{-5.0, -2.0}, {-9.0, 0.0}, {-5.0, 2.0}}));
    p.restore();
}

void drawReports(QPainter& p)
{
    page(p, 3.5, 1.5, 20.5, 22.5);
    ruled(p, kRuling);
    p.drawLine(QPointF(6.0, 5.5), QPointF(14.0, 5.5));
    p.drawLine(QPointF(6.0, 8.5), QPointF(17.0, 8.5));
    filled(p, kBlue);
    p.drawRect(QRectF(6.0, 14.0, 3.0, 6.0));
    filled(p, kGreen);
    p.drawRect(QRectF(10.5, 11.0, 3.0, 9.0));
    filled(p, kOrange);
    p.drawRect(QRectF(15.0, 16.0, 3.0, 4.0));
}

void drawChecks(QPainter& p)
{
    outlined(p, kChequeGreen);
    p.drawRect(QRectF(1.5, 5.5, 21.0, 13.0));
    filled(p, kGreen);
    p.drawRect(QRectF(3.0, 7.0, 18.0, 2.0));
    outlined(p, kPaper);
    p.drawRect(QRectF(15.5, 10.5, 5.0, 3.0));
    ruled(p, kRuling);
    p.drawLine(QPointF(3.5, 12.5), QPointF(13.5, 12.5));
    ruled(p, kOutline);
    p.drawLine(QPointF(11.0, 16.5), QPointF(20.5, 16.5));
    p.drawLine(QPointF(3.5, 16.5), QPointF(8.0, 16.5));
}

void drawPost(QPainter& p)
{
    outlined(p, kBlue);
    p.drawRect(QRectF(3.5, 1.5, 15.0, 19.0));
    outlined(p, kDarkBlue);
    p.drawRect(QRectF(3.5, 1.5, 3.0, 19.0));
    outlined(p, kPaper);
    p.drawRect(QRectF(9.5, 5.5, 6.0, 3.0));
    badge(p, kGreen);
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(polygon({{14.8, 17.6}, {16.8, 19.6}, {20.3, 15.6}}));
}

void drawHelp(QPainter& p)
{
    outlined(p, kBlue);
    p.drawEllipse(QPointF(12.0, 12.0), 10.5, 10.5);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath hook;
    hook.moveTo(8.4, 9.2);
    hook.cubicTo(8.4, 4.6, 15.6, 4.6, 15.6, 9.0);
    hook.cubicTo(15.6, 11.6, 12.0, 11.8, 12.0, 14.2);
    p.drawPath(hook);
    filled(p, Qt::white);
    p.drawEllipse(QPointF(12.0, 17.8), 1.6, 1.6);
}

Drawing DrawingOf(MenuItem button)
{
    switch (button) {
    case BtnOpen: return drawOpen;
    case BtnNew: return drawNew;
    case BtnSaveAs: return drawSaveAs;
    case BtnBackup: return drawBackup;
    case BtnRestore: return drawRestore;
    case BtnExpress: return drawExpress;
    case BtnPayPeriod: return drawPayPeriod;
    case BtnAutomatic: return drawAutomatic;
    case BtnManual: return drawManual;
    case BtnReports: return drawReports;
    case BtnChecks: return drawChecks;
    case BtnPost: return drawPost;
    case BtnHelp: return drawHelp;
    default: return nullptr;
    }
}

// A command that is off shows its icon in faded grey, alike in every style.
void FadeToGrey(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]) * kDisabledOpacityPercent / 100;
            // Premultiplied: the grey is scaled down with the alpha.
            const int grey = qGray(qUnpremultiply(line[x])) * alpha / 255;
            line[x] = qRgba(grey, grey, grey, alpha);
        }
    }
}

class DrawnIconEngine final : public QIconEngine {
public:
    explicit DrawnIconEngine(Drawing drawing)
        : drawing_(drawing)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        if (!size.isEmpty()) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size.width() / kGrid, size.height() / kGrid);
            drawing_(painter);
        }
        if (mode == QIcon::Disabled)
            FadeToGrey(image);
        return QPixmap::fromImage(std::move(image));
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(drawing_); }
    QString key() const override { return QStringLiteral("LedgoraToolbarIcon"); }
    bool isNull() override { return false; }

private:
    Drawing drawing_;
};

} // namespace

QIcon ToolbarIcon(MenuItem button)
{
    const Drawing drawing = DrawingOf(button);
    return drawing ? QIcon(new DrawnIconEngine(drawing)) : QIcon();
}
