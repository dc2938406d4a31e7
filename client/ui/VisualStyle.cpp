#include "client/ui/VisualStyle.h"

#include "client/StylePack.h"
#include "client/ui/ControlStyle.h"

#include <QApplication>

void UseFusionStyle()
{
    QApplication::setStyle(new ControlStyle);
}

void ApplyStyleSheet(const QString& sheet)
{
    qApp->setStyleSheet(sheet);
}

void ApplyVisualStyle(const QString& name)
{
    ApplyStyleSheet(LoadStyleSheet(StylesFolder(), name));
}
