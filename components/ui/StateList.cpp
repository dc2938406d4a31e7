#include "components/ui/StateList.h"

#include "components/StateTables.h"
#include "platform/ui/WindowSize.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QSize kClientSize(177, 225);
} // namespace

TFrmStateList::TFrmStateList(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("State Code List Box"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));

    StateListBox = new QListWidget(this);
    StateListBox->setObjectName(QStringLiteral("StateListBox"));
    StateListBox->setFixedSize(75, 134);
    for (const char* code : StateCodes)
        StateListBox->addItem(QLatin1String(code));

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));

    CurStatePanel = new QLabel(this);
    CurStatePanel->setObjectName(QStringLiteral("CurStatePanel"));
    CurStatePanel->setMinimumHeight(18);
    CurStatePanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    CurStatePanel->setAlignment(Qt::AlignCenter);
    CurStatePanel->setAutoFillBackground(true);
    QPalette white = CurStatePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    CurStatePanel->setPalette(white);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();
    auto* body = new QGridLayout;
    body->setContentsMargins(8, 8, 8, 8);
    body->addWidget(Label1, 0, 0, 1, 2);
    body->addWidget(Label2, 1, 0, 1, 2);
    body->addWidget(StateListBox, 2, 0);
    body->addLayout(buttons, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(CurStatePanel);
    FixAtClientSize(*this, kClientSize);

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
    FixAtClientSize(*this, kClientSize);
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
