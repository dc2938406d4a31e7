#include "components/ui/MsgWin.h"

#include "platform/ui/WindowSize.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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

void TFrmMsgWin::OfferCancel(std::function<void()> cancel)
{
    cancel_ = std::move(cancel);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmMsgWin::reject);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 8);
    row->addStretch();
    row->addWidget(BtnCancel);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    setWindowFlag(Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
}

// With a Cancel, the window stays until the work it waits for has ended: Cancel only asks that
// work to stop.
void TFrmMsgWin::reject()
{
    if (cancel_)
        cancel_();
    else
        QDialog::reject();
}

void ShowMsgWin(const QString& caption, const QString& text, std::function<void()> cancel)
{
    CloseMsgWin();
    FrmMsgWin = new TFrmMsgWin;
    FrmMsgWin->setWindowTitle(caption);
    FrmMsgWin->LblMsg->setText(text);
    QSize size = kClientSize.expandedTo(QSize(0, FrmMsgWin->LblMsg->heightForWidth(kClientSize.width())));
    if (cancel) {
        FrmMsgWin->OfferCancel(std::move(cancel));
        size.rheight() += FrmMsgWin->BtnCancel->sizeHint().height() + 8;
    }
    FixAtClientSize(*FrmMsgWin, size);
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
