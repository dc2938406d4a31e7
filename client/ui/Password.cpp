#include "client/ui/Password.h"

#include "client/ClientPassword.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

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
    setFixedSize(400, 232);

    auto* label1 = new QLabel(QStringLiteral("Enter Password"), this);
    label1->setGeometry(12, 14, 110, 16);
    PW1 = PasswordField("PW1", this);
    PW1->setGeometry(128, 12, 150, 21);
    label1->setBuddy(PW1);
    auto* label2 = new QLabel(QStringLiteral("Confirm Pasword"), this);
    label2->setGeometry(12, 42, 110, 16);
    PW2 = PasswordField("PW2", this);
    PW2->setGeometry(128, 40, 150, 21);
    label2->setBuddy(PW2);

    auto* rules = new QGroupBox(QStringLiteral("Password Rules"), this);
    rules->setObjectName(QStringLiteral("GrpRules"));
    rules->setGeometry(12, 72, 376, 112);
    const char* const lines[] = {
        "1. The following characters are allowed: a to z, A to Z, 0 to  9,  !, @, #, $.",
        "2. The password must be between 5 and  15 characters.",
        "3. The Enter Password and Confirm Password fields must match.",
        "4. Use a combination of upper and lower case characters  and  numbers.",
    };
    int top = 20;
    for (const char* line : lines) {
        auto* rule = new QLabel(QString::fromLatin1(line), rules);
        rule->setGeometry(10, top, 360, 16);
        top += 22;
    }

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setGeometry(150, 196, 75, 25);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(231, 196, 75, 25);
    BtnHelp = new QPushButton(QStringLiteral("&Help"), this);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    BtnHelp->setGeometry(312, 196, 75, 25);
    for (QPushButton* button : {BtnOk, BtnCancel, BtnHelp})
        button->setAutoDefault(false);

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
