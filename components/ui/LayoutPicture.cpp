#include "components/ui/LayoutPicture.h"

#include <QPainter>
#include <QWidgetItem>

#include <cmath>

TLayoutPicture::TLayoutPicture(const QImage& page, int dotsPerInch, const QRectF& region, QWidget* parent)
    : QWidget(parent), page_(page), dotsPerInch_(dotsPerInch), region_(region)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    new TLayoutPictureLayout(this, region);
}

void TLayoutPicture::place(QWidget* entry, const QRectF& inches)
{
    entry->setParent(this);
    static_cast<TLayoutPictureLayout*>(layout())->addPlaced(entry, inches);
}

double TLayoutPicture::scale() const
{
    return region_.width() > 0 ? width() / region_.width() : dotsPerInch_;
}

QSize TLayoutPicture::sizeHint() const
{
    return QSize(static_cast<int>(std::ceil(region_.width() * dotsPerInch_)),
                 static_cast<int>(std::ceil(region_.height() * dotsPerInch_)));
}

QSize TLayoutPicture::minimumSizeHint() const
{
    return sizeHint();
}

void TLayoutPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (page_.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF source(region_.left() * dotsPerInch_, region_.top() * dotsPerInch_, region_.width() * dotsPerInch_,
                        region_.height() * dotsPerInch_);
    painter.drawImage(QRectF(rect()), page_, source);
}

TLayoutPictureLayout::TLayoutPictureLayout(TLayoutPicture* picture, const QRectF& region)
    : QLayout(picture), picture_(picture), region_(region)
{
    setContentsMargins(0, 0, 0, 0);
}

TLayoutPictureLayout::~TLayoutPictureLayout()
{
    for (const Placed& placed : items_)
        delete placed.item;
}

void TLayoutPictureLayout::addPlaced(QWidget* entry, const QRectF& inches)
{
    addChildWidget(entry);
    items_.push_back(Placed{new QWidgetItem(entry), inches});
    invalidate();
}

void TLayoutPictureLayout::addItem(QLayoutItem* item)
{
    items_.push_back(Placed{item, QRectF()});
}

QLayoutItem* TLayoutPictureLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* TLayoutPictureLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = items_[static_cast<std::size_t>(index)].item;
    items_.erase(items_.begin() + index);
    return item;
}

QSize TLayoutPictureLayout::sizeHint() const
{
    return picture_->sizeHint();
}

QSize TLayoutPictureLayout::minimumSize() const
{
    return picture_->minimumSizeHint();
}

void TLayoutPictureLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const double perInch = region_.width() > 0 ? rect.width() / region_.width() : 1.0;
    for (const Placed& placed : items_) {
        const QRectF area((placed.inches.left() - region_.left()) * perInch, (placed.inches.top() - region_.top()) * perInch,
                          placed.inches.width() * perInch, placed.inches.height() * perInch);
        placed.item->setGeometry(area.toRect().translated(rect.topLeft()));
    }
}
