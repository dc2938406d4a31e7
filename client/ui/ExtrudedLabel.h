#pragma once

#include <QColor>
#include <QWidget>

// A one-line label drawn raised off the window: the text in its face colour over a solid grey
// extrusion that runs `depth` pixels down and to the right.
class ExtrudedLabel : public QWidget {
    Q_OBJECT
public:
    explicit ExtrudedLabel(const QString& text = QString(), QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    void setDepth(int depth);
    void setColors(const QColor& face, const QColor& shadow);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int depth_ = 4;
    QColor face_ = Qt::black;
    QColor shadow_ = Qt::gray;
};
