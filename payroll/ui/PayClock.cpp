#include "payroll/ui/PayClock.h"

#include "components/ui/EnterAsTab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* NumberEntry(QWidget* parent, const char* name, int maximum)
{
    auto* entry = new QLineEdit(parent);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setValidator(new QIntValidator(0, maximum, entry));
    entry->setMaxLength(2);
    entry->setAlignment(Qt::AlignRight);
    entry->setMaximumWidth(entry->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    return entry;
}

} // namespace

TFrmClock::TFrmClock(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmClock"));
    setWindowTitle(QStringLiteral("Hours and Minutes Payroll Clock"));

    auto* column = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("Enter the hours and minutes to be paid"), this);
    prompt->setAlignment(Qt::AlignCenter);
    column->addWidget(prompt);

    auto* grid = new QGridLayout;
    EdtHours = NumberEntry(this, "EdtHours", 99);
    EdtMinutes = NumberEntry(this, "EdtMinutes", 59);
    auto* hoursLabel = new QLabel(QStringLiteral("Hours"), this);
    auto* minutesLabel = new QLabel(QStringLiteral("Minutes"), this);
    hoursLabel->setBuddy(EdtHours);
    minutesLabel->setBuddy(EdtMinutes);
    grid->addWidget(hoursLabel, 0, 1, Qt::AlignCenter);
    grid->addWidget(minutesLabel, 0, 3, Qt::AlignCenter);
    grid->addWidget(EdtHours, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral(":"), this), 1, 2, Qt::AlignCenter);
    grid->addWidget(EdtMinutes, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    column->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    for (QPushButton* button : {BtnOk, BtnCancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(EdtHours, EdtMinutes);
    setTabOrder(EdtMinutes, BtnOk);
    setTabOrder(BtnOk, BtnCancel);
    enterAsTab_ = new TEnterAsTab(this);
    enterAsTab_->setParentForm(this);
}

double TFrmClock::Hours() const
{
    return EdtHours->text().toInt() + EdtMinutes->text().toInt() / 60.0;
}

void TFrmClock::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    EdtHours->setText(QStringLiteral("0"));
    EdtMinutes->setText(QStringLiteral("0"));
    EdtHours->setFocus();
    EdtHours->selectAll();
}
