#include "components/ui/PasswordDlg.h"

#include "platform/ui/ShowModal.h"
#include "platform/ui/WindowSize.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Forces the letter case on every change, typed or pasted.
class CaseValidator : public QValidator {
public:
    CaseValidator(TEditCharCase passwordCase, QObject* parent)
        : QValidator(parent)
        , case_(passwordCase)
    {
    }

    State validate(QString& input, int&) const override
    {
        for (QChar& c : input)
            c = ForceCase(c, case_);
        return Acceptable;
    }

private:
    TEditCharCase case_;
};

} // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Password Dialog"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    Label1 = new QLabel(QStringLiteral("Enter password"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setEchoMode(QLineEdit::Password);
    Password->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    Label1->setBuddy(Password);

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
    layout->addWidget(Password);
    layout->addStretch();
    layout->addLayout(buttons);
    FixAtClientSize(*this, QSize(244, 84));

    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    Password->setFocus();
}

void TPasswordDlg::SetPasswordCase(TEditCharCase passwordCase)
{
    delete Password->validator();
    Password->setValidator(passwordCase == ecNormal ? nullptr : new CaseValidator(passwordCase, Password));
}

std::optional<QString> AskPassword(const QString& caption, const QString& prompt, TEditCharCase passwordCase)
{
    TPasswordDlg dialog;
    dialog.SetPasswordCase(passwordCase);
    if (!prompt.isEmpty()) {
        dialog.Label1->setText(prompt);
        FixAtClientSize(dialog, QSize(244, 84));
    }
    dialog.setWindowTitle(caption.isEmpty() ? QCoreApplication::applicationName() : caption);
    if (ShowModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Password->text();
}
