#include "client/ui/NewFileDlg.h"

#include "client/ui/HelpWindow.h"
#include "components/TextRoutines.h"
#include "components/ui/FilterEdit.h"
#include "platform/ui/ShowModal.h"
#include "platform/ui/WindowSize.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmNewFileDlg::TFrmNewFileDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmNewFileDlg"));
    setWindowTitle(QStringLiteral("New Company/Employer Payroll File"));
    SetHelpContext(this, 3);
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    Label1 = new QLabel(QStringLiteral("Enter the name of the Company/Employer file to be created"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    NewFileName = new TFilterEdit(this);
    NewFileName->setObjectName(QStringLiteral("NewFileName"));
    NewFileName->setMaxLength(50);
    // Letters, digits, blank, comma and ! @ # $ % & ( ) - _ { }: nothing that leaves the data folder.
    NewFileName->setValidChars(QStringLiteral("[A..Z,a..z,0..9,!,@,#,$,%,&,(,),-,_,{,}, ,',']"));
    Label1->setBuddy(NewFileName);

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(NewFileName);
    layout->addStretch();
    layout->addLayout(buttons);
    FixAtClientSize(*this, QSize(345, 100));

    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmNewFileDlg::showEvent(QShowEvent* event)
{
    NewFileName->clear();
    NewFileName->setFocus();
    QDialog::showEvent(event);
}

void TFrmNewFileDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TFrmNewFileDlg::done(int result)
{
    QDialog::done(IsBlank(NewFileName->text()) ? QDialog::Rejected : result);
}

std::optional<QString> AskNewFileName()
{
    TFrmNewFileDlg dialog;
    if (ShowModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.NewFileName->text().trimmed();
}
