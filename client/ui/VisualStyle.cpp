#include "client/ui/VisualStyle.h"

#include "client/StylePack.h"
#include "client/ui/ControlStyle.h"

#include <QApplication>

void UseFusionStyle()
{
    auto* style = new ControlStyle;
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
}

void ApplyStyleSheet(const QString& sheet)
{
    qApp->setStyleSheet(sheet);
}

void ApplyVisualStyle(const QString& name)
{
    ApplyStyleSheet(LoadStyleSheet(StylesFolder(), name));
}
