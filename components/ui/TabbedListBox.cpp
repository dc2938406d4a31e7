#include "components/ui/TabbedListBox.h"

#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>

// Draws each line with its tabs on the box's stops, and gives every line the box's horizontal
// extent as its width, so the box scrolls over that width and no further.
class TabbedItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setStops(const std::vector<int>& stops) { stops_ = stops; }
    void setExtent(int extent) { extent_ = extent; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        const bool selected = item.state & QStyle::State_Selected;
        const QPalette::ColorGroup group = item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(textRect, text, textOption(item.fontMetrics));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(extent_, QStyledItemDelegate::sizeHint(option, index).height());
    }

private:
    QTextOption textOption(const QFontMetrics& metrics) const
    {
        QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
        option.setWrapMode(QTextOption::NoWrap);
        // Stops count in quarters of the font's average character width.
        const qreal quarter = metrics.averageCharWidth() / 4.0;
        if (stops_.empty()) {
            option.setTabStopDistance(32 * quarter);
        } else {
            QList<qreal> positions;
            for (int stop : stops_)
                positions.append(stop * quarter);
            option.setTabArray(positions);
        }
        return option;
    }

    std::vector<int> stops_;
    int extent_ = 0;
};

TTabbedListBox::TTabbedListBox(QWidget* parent)
    : QListWidget(parent)
    , delegate_(new TabbedItemDelegate(this))
    , tabStops_([this] { UpdateTabStops(); })
{
    setItemDelegate(delegate_);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    UpdateTabStops();
}

void TTabbedListBox::SetHorzExtent(quint16 extent)
{
    if (extent == horzExtent_)
        return;
    horzExtent_ = extent;
    delegate_->setExtent(extent);
    doItemsLayout();
}

void TTabbedListBox::SetHorzScrollBar(bool show)
{
    if (show == horzScrollBar_)
        return;
    horzScrollBar_ = show;
    setHorizontalScrollBarPolicy(show ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TTabbedListBox::SetTabStops(const TIntegerList& stops)
{
    tabStops_.Assign(stops);
    UpdateTabStops();
}

void TTabbedListBox::UpdateTabStops()
{
    appliedStops_ = tabStops_.ListBoxTabStops();
    delegate_->setStops(appliedStops_);
    viewport()->update();
}
