#include "platform/ui/WindowSize.h"

#include <QGroupBox>
#include <QLayout>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

#include <algorithm>

namespace {

// Style sheets leave a group box's title out of its size hint: the box is given the width its
// title needs, with the title's indent on both sides.
void keepTitlesWhole(QWidget& window)
{
    for (QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (box->title().isEmpty())
            continue;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.lineWidth = 1;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        const int text = box->fontMetrics().horizontalAdvance(QString(box->title()).remove(QChar('&')));
        box->setMinimumWidth(std::max(box->minimumWidth(), 2 * std::max(label.left(), 0) + text + 2));
    }
}

QSize roomFor(QWidget& window, const QSize& clientSize)
{
    keepTitlesWhole(window);
    if (QLayout* layout = window.layout())
        layout->activate();
    return clientSize.expandedTo(window.sizeHint()).expandedTo(window.minimumSizeHint());
}

// The controls take their places at once, not only when the window is first shown.
void layOut(QWidget& window)
{
    if (QLayout* layout = window.layout())
        layout->setGeometry(window.contentsRect());
}

} // namespace

void StartAtClientSize(QWidget& window, const QSize& clientSize)
{
    window.resize(roomFor(window, clientSize));
    layOut(window);
}

void FixAtClientSize(QWidget& window, const QSize& clientSize)
{
    window.setFixedSize(roomFor(window, clientSize));
    layOut(window);
}
