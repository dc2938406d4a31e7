#include "platform/ui/WindowSize.h"

#include <QLayout>
#include <QWidget>

namespace {

QSize roomFor(QWidget& window, const QSize& clientSize)
{
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
