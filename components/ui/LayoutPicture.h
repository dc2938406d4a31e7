#pragma once

#include <QImage>
#include <QLayout>
#include <QRectF>
#include <QWidget>

#include <vector>

// A region of a printed page's picture (a layout page rendered at dotsPerInch) shown at its own
// size, with entries laid over it where the page prints their values. Positions are inches on
// the page, turned into pixels by the layout, never fixed pixel positions.
class TLayoutPicture : public QWidget {
    Q_OBJECT
public:
    // region: the part of the page shown, in inches from the page's top left corner.
    TLayoutPicture(const QImage& page, int dotsPerInch, const QRectF& region, QWidget* parent = nullptr);

    // Lays the entry over the page area (inches) of the picture; the entry becomes a child.
    void place(QWidget* entry, const QRectF& inches);
    // Pixels per inch as the picture is shown now.
    double scale() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage page_;
    int dotsPerInch_;
    QRectF region_;
};

// The layout that keeps the entries of a TLayoutPicture on their page areas.
class TLayoutPictureLayout : public QLayout {
public:
    explicit TLayoutPictureLayout(TLayoutPicture* picture, const QRectF& region);
    ~TLayoutPictureLayout() override;

    void addPlaced(QWidget* entry, const QRectF& inches);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(items_.size()); }
    // The picture's own size rules; the entries never make it larger.
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Placed {
        QLayoutItem* item;
        QRectF inches;
    };
    TLayoutPicture* picture_;
    QRectF region_;
    std::vector<Placed> items_;
};
