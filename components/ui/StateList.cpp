#include "components/ui/StateList.h"

#include "components/StateTables.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TFrmStateList::TFrmStateList(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("State Code List Box"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma
    setFixedSize(177, 225);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 161, 16);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, 24, 161, 16);

    StateListBox = new QListWidget(this);
    StateListBox->setObjectName(QStringLiteral("StateListBox"));
    StateListBox->setGeometry(8, 46, 75, 134);
    for (const char* code : StateCodes)
        StateListBox->addItem(QLatin1String(code));

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setGeometry(94, 46, 75, 25);
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(94, 78, 75, 25);

    CurStatePanel = new QLabel(this);
    CurStatePanel->setObjectName(QStringLiteral("CurStatePanel"));
    CurStatePanel->setGeometry(0, 225 - 18, 177, 18);
    CurStatePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CurStatePanel->setAlignment(Qt::AlignCenter);
    CurStatePanel->setAutoFillBackground(true);
    QPalette white = CurStatePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    CurStatePanel->setPalette(white);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmStateList::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmStateList::BtnCancelClick);
    // A click or an arrow key that moves to an entry shows its name.
    connect(StateListBox, &QListWidget::currentRowChanged, this, &TFrmStateList::StateListBoxClick);
    connect(StateListBox, &QListWidget::itemDoubleClicked, this, &TFrmStateList::StateListBoxDblClick);
}

void TFrmStateList::AssignLabels(const QString& sText1, const QString& sText2)
{
    Label1->setText(sText1);
    Label2->setText(sText2);
}

void TFrmStateList::showEvent(QShowEvent* event)
{
    Selection = -1;
    QDialog::showEvent(event);
}

void TFrmStateList::reject()
{
    Selection = -1;
    QDialog::reject();
}

void TFrmStateList::BtnOkClick()
{
    Selection = StateListBox->selectedItems().isEmpty() ? -1 : StateListBox->currentRow();
    accept();
}

void TFrmStateList::BtnCancelClick()
{
    reject();
}

void TFrmStateList::StateListBoxClick()
{
    const QListWidgetItem* item = StateListBox->currentItem();
    CurStatePanel->setText(item ? StateNameOf(item->text()) : QString());
}

void TFrmStateList::StateListBoxDblClick()
{
    if (!StateListBox->selectedItems().isEmpty())
        BtnOkClick();
}
