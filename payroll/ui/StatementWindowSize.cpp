#include "payroll/ui/StatementWindowSize.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

void FitWindowToStatement(QWidget& window, QScrollArea& box, int height)
{
    window.ensurePolished();
    const QMargins margins = window.layout() ? window.layout()->contentsMargins() : QMargins();
    const int statement = box.widget()->sizeHint().width() + 2 * box.frameWidth()
        + box.verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    const int width = std::max(statement, window.sizeHint().width());
    const QRect available = window.screen()->availableGeometry();
    window.resize(std::min(width, available.width()), std::min(height, available.height()));
}
