#include "efw2/ui/EFW2RefusalList.h"

#include "platform/AppMessageBox.h"
#include "platform/ui/ShowModal.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmEFW2Refusals::TFrmEFW2Refusals(const QStringList& refusals, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmEFW2Refusals"));
    setWindowTitle(QStringLiteral("What the SSA would refuse"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Nothing was written. Correct these entries and process the client again:"),
                                 this));
    Refusals = new QPlainTextEdit(this);
    Refusals->setObjectName(QStringLiteral("Refusals"));
    Refusals->setReadOnly(true);
    Refusals->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Refusals->setPlainText(refusals.join(QLatin1Char('\n')));
    column->addWidget(Refusals, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    BtnClose = buttons->button(QDialogButtonBox::Close);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(640, 360);
}

void ShowEFW2Refusals(const EEFW2RefusedException& refused, const QString& caption)
{
    const QStringList& refusals = refused.refusals();
    if (refusals.size() == 1) {
        AppMessageBox(QStringLiteral("The SSA would refuse this wage report; nothing was written.~~%1").arg(refusals.front()),
                      caption, MbOk | MbIconStop);
        return;
    }
    if (AppMessageBox(QStringLiteral("The SSA would refuse this wage report for %1 reasons; nothing was written. The "
                                     "first:~~%2~~Show the whole list?")
                          .arg(refusals.size())
                          .arg(refusals.front()),
                      caption, MbYesNo | MbIconStop)
        != IdYes)
        return;
    TFrmEFW2Refusals window(refusals);
    ShowModal(window);
}
