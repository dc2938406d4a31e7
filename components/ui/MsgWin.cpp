#include "components/ui/MsgWin.h"

#include "platform/ui/WindowSize.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

QPointer<TFrmMsgWin> FrmMsgWin;

namespace {
const QSize kClientSize(320, 83);
} // namespace

TFrmMsgWin::TFrmMsgWin(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma
    LblMsg = new QLabel(this);
    LblMsg->setObjectName(QStringLiteral("LblMsg"));
    QFont bold = LblMsg->font();
    bold.setBold(true);
    LblMsg->setFont(bold);
    LblMsg->setAlignment(Qt::AlignCenter);
    LblMsg->setWordWrap(true);
    LblMsg->setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LblMsg);
    FixAtClientSize(*this, kClientSize);
}

void ShowMsgWin(const QString& caption, const QString& text)
{
    CloseMsgWin();
    FrmMsgWin = new TFrmMsgWin;
    FrmMsgWin->setWindowTitle(caption);
    FrmMsgWin->LblMsg->setText(text);
    FixAtClientSize(*FrmMsgWin, kClientSize.expandedTo(QSize(0, FrmMsgWin->LblMsg->heightForWidth(kClientSize.width()))));
    FrmMsgWin->show();
    // The work that follows holds the thread, so the window must be painted now. Only the
    // window's own events are wanted here, never the user's clicks.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (FrmMsgWin)
        FrmMsgWin->repaint();
}

void CloseMsgWin()
{
    if (!FrmMsgWin)
        return;
    TFrmMsgWin* window = FrmMsgWin;
    FrmMsgWin = nullptr;
    window->close();
    delete window;
}
