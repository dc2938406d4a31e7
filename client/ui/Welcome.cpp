#include "client/ui/Welcome.h"

#include "client/ui/ProgramIcon.h"
#include "platform/ui/WindowSize.h"

#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* navyLabel(QWidget* parent, const QString& name, const QString& text, int pixelHeight)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelHeight);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: #000080; background: transparent;"));
    return label;
}

} // namespace

TFrmWelcome::TFrmWelcome(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FrmWelcome"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("TFrmWelcome { background-color: #f0f0f0; }"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setStyleSheet(QStringLiteral("QFrame#Panel1 { background-color: #f0f0f0; border: 2px outset #c0c0c0; }"));

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ImgProductIcon"));
    icon->setPixmap(ProgramIconPixmap(48));
    icon->setFixedSize(48, 48);

    LblProductName = navyLabel(panel, QStringLiteral("LblProductName"), QStringLiteral("Ledgora (64-bit)"), 19);
    LblVersion = navyLabel(panel, QStringLiteral("LblVersion"), QStringLiteral("Version 2026.00"), 13);
    LblCopyright = navyLabel(panel, QStringLiteral("LblCopyright"), QStringLiteral("Copyright \u00a9 2026 Velmora"), 13);
    LblComments = navyLabel(panel, QStringLiteral("LblComments"), QStringLiteral("Velmora"), 13);

    auto* lines = new QVBoxLayout;
    for (QLabel* line : {LblProductName, LblVersion, LblCopyright, LblComments})
        lines->addWidget(line);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(14, 14, 8, 14);
    panelLayout->addWidget(icon, 0, Qt::AlignTop);
    panelLayout->addLayout(lines, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    FixAtClientSize(*this, QSize(340, 151));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrmWelcome::showEvent(QShowEvent* event)
{
    LblVersion->setText(QStringLiteral("Version 2026.00"));
    LblCopyright->setText(QStringLiteral("Copyright \u00a9 2026 Velmora"));
    QWidget::showEvent(event);
}

void TFrmWelcome::ShowFor(int milliseconds)
{
    show();
    repaint();
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    close();
}
