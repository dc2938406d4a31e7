#include "components/ui/RecList.h"

#include "components/PickLists.h"
#include "components/ui/TabbedListBox.h"
#include "platform/ui/ShowModal.h"
#include "platform/ui/WindowSize.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {
constexpr int ClientWidth = 273;
constexpr int HeaderHeight = 20;
} // namespace

TFrmRecList::TFrmRecList(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Employee List"));
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    auto* headerModel = new QStandardItemModel(0, 1, this);
    headerModel->setHorizontalHeaderLabels({QStringLiteral("Last Name,  First and Middle Name or Initial")});
    EmployeeListHeader = new QHeaderView(Qt::Horizontal, this);
    EmployeeListHeader->setObjectName(QStringLiteral("EmployeeListHeader"));
    EmployeeListHeader->setModel(headerModel);
    // The heading's own width, never narrower than the list's name column.
    EmployeeListHeader->setMinimumSectionSize(215);
    EmployeeListHeader->setSectionResizeMode(QHeaderView::ResizeToContents);
    EmployeeListHeader->setFixedHeight(HeaderHeight);
    EmployeeListHeader->setSectionsClickable(false);
    EmployeeListHeader->setFocusPolicy(Qt::NoFocus);

    EmployeeListBox = new TTabbedListBox(this);
    EmployeeListBox->setObjectName(QStringLiteral("EmployeeListBox"));

    PanelContainer = new QWidget(this);
    PanelContainer->setObjectName(QStringLiteral("PanelContainer"));
    BtnOk = new QPushButton(QStringLiteral("&Ok"), PanelContainer);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), PanelContainer);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    // Tab stays in the list; the buttons answer Enter, Esc and the mouse.
    BtnOk->setFocusPolicy(Qt::ClickFocus);
    BtnCancel->setFocusPolicy(Qt::ClickFocus);

    auto* buttons = new QHBoxLayout(PanelContainer);
    buttons->setSpacing(8);
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(EmployeeListHeader);
    layout->addWidget(EmployeeListBox);
    layout->addWidget(PanelContainer, 1);

    connect(BtnOk, &QPushButton::clicked, this, &TFrmRecList::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmRecList::reject);
    connect(EmployeeListBox, &QListWidget::itemDoubleClicked, this, &TFrmRecList::EmployeeListBoxDblClick);
    AssignEntries({});
}

void TFrmRecList::AssignEntries(const QStringList& names)
{
    EmployeeListBox->setUpdatesEnabled(false);
    EmployeeListBox->clear();
    EmployeeListBox->addItems(names);
    EmployeeListBox->setUpdatesEnabled(true);

    const EmployeeListHeights heights = EmployeeListHeightsFor(int(names.size()));
    EmployeeListBox->setFixedHeight(heights.list);
    FixAtClientSize(*this, QSize(ClientWidth, heights.window));
}

void TFrmRecList::showEvent(QShowEvent* event)
{
    Selected = -1;
    EmployeeListBox->setFocus();
    if (EmployeeListBox->count() > 0)
        EmployeeListBox->setCurrentRow(0);
    QDialog::showEvent(event);
}

void TFrmRecList::reject()
{
    Selected = -1;
    QDialog::reject();
}

void TFrmRecList::BtnOkClick()
{
    Selected = EmployeeListBox->selectedItems().isEmpty() ? -1 : EmployeeListBox->currentRow();
    accept();
}

void TFrmRecList::EmployeeListBoxDblClick()
{
    if (!EmployeeListBox->selectedItems().isEmpty())
        BtnOkClick();
}

int PickEmployee(const QStringList& names)
{
    TFrmRecList picker;
    picker.AssignEntries(names);
    ShowModal(picker);
    return picker.Selected;
}
