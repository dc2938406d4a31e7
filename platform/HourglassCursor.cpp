#include "platform/HourglassCursor.h"

#include <QCursor>
#include <QGuiApplication>

HourglassCursor::HourglassCursor()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        active_ = true;
    }
}

HourglassCursor::~HourglassCursor()
{
    if (active_)
        QGuiApplication::restoreOverrideCursor();
}
