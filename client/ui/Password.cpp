#include "client/ui/Password.h"

#include "client/ClientPassword.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"
#include "platform/ui/WindowSize.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

TFilterEdit* PasswordField(const char* name, QWidget* parent)
{
    auto* field = new TFilterEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(kMaxPasswordLength);
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    field->setValidChars(QStringLiteral("[A..Z,a..z,0..9,!,@,#,$]"));
    return field;
}

} // namespace

TFrmPassword::TFrmPassword(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrmPassword"));
    setWindowTitle(QStringLiteral("Set/Change Password"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    auto* label1 = new QLabel(QStringLiteral("Enter Password"), this);
    PW1 = PasswordField("PW1", this);
    label1->setBuddy(PW1);
    auto* label2 = new QLabel(QStringLiteral("Confirm Password"), this);
    PW2 = PasswordField("PW2", this);
    label2->setBuddy(PW2);

    auto* rules = new QGroupBox(QStringLiteral("Password Rules"), this);
    rules->setObjectName(QStringLiteral("GrpRules"));
    const char* const lines[] = {
        "1. The following characters are allowed: a to z, A to Z, 0 to 9, !, @, #, $.",
        "2. The password must be between 5 and 15 characters.",
        "3. The Enter Password and Confirm Password fields must match.",
        "4. Use a combination of upper and lower case characters and numbers.",
    };
    auto* rulesLayout = new QVBoxLayout(rules);
    for (const char* line : lines)
        rulesLayout->addWidget(new QLabel(QString::fromLatin1(line), rules));

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnHelp = new QPushButton(QStringLiteral("&Help"), this);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    for (QPushButton* button : {BtnOk, BtnCancel, BtnHelp})
        button->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(label1, 0, 0);
    fields->addWidget(PW1, 0, 1);
    fields->addWidget(label2, 1, 0);
    fields->addWidget(PW2, 1, 1);
    fields->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addWidget(BtnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(rules);
    layout->addStretch();
    layout->addLayout(buttons);
    FixAtClientSize(*this, QSize(400, 232));

    EnterAsTab = new TEnterAsTab(this);
    EnterAsTab->setParentForm(this);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmPassword::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this, &TFrmPassword::BtnHelpClick);
}

void TFrmPassword::showEvent(QShowEvent* event)
{
    PW1->setText(CurrentClientPassword());
    PW2->clear();
    PW1->setFocus();
    QDialog::showEvent(event);
}

void TFrmPassword::BtnOkClick()
{
    if (SaveClientPassword(PW1->text(), PW2->text()))
        accept();
}

void TFrmPassword::BtnHelpClick()
{
    if (OnHelp)
        OnHelp(kHelpContext);
}
