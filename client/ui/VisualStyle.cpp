#include "client/ui/VisualStyle.h"

#include "client/StylePack.h"

#include <QApplication>
#include <QStyleFactory>

void UseFusionStyle()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void ApplyStyleSheet(const QString& sheet)
{
    qApp->setStyleSheet(sheet);
}

void ApplyVisualStyle(const QString& name)
{
    ApplyStyleSheet(LoadStyleSheet(StylesFolder(), name));
}
