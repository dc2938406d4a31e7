#include "forms/ui/CodeListDialog.h"

#include "components/ui/TabbedListBox.h"
#include "forms/W2CodeLists.h"
#include "platform/ui/ShowModal.h"
#include "platform/ui/WindowSize.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int ClientWidth = 620;
constexpr int ClientHeight = 360;
constexpr int HeaderHeight = 20;
// The description column starts at least this many average character widths in.
constexpr int MinDescriptionStop = 6;
} // namespace

TCodeListDialog::TCodeListDialog(const QString& caption, const QString& listName, const QStringList& items, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    auto* headerModel = new QStandardItemModel(0, 2, this);
    headerModel->setHorizontalHeaderLabels({QStringLiteral("Code     "), QStringLiteral("Code Description")});
    CodesHeader = new QHeaderView(Qt::Horizontal, this);
    CodesHeader->setObjectName(QStringLiteral("CodesHeader"));
    CodesHeader->setModel(headerModel);
    CodesHeader->setFixedHeight(HeaderHeight);
    CodesHeader->setStretchLastSection(true);
    CodesHeader->setSectionsClickable(false);
    CodesHeader->setFocusPolicy(Qt::NoFocus);

    CodesListBox = new TTabbedListBox(this);
    CodesListBox->setObjectName(listName);
    CodesListBox->addItems(items);

    // The descriptions start at a tab stop under their heading, past the heading of the codes;
    // long descriptions scroll sideways.
    const QFontMetrics metrics(CodesListBox->font());
    const QFontMetrics headerMetrics(CodesHeader->font());
    const int codeRoom = std::max(metrics.averageCharWidth() * MinDescriptionStop,
                                  headerMetrics.horizontalAdvance(QStringLiteral("Code")) + 12);
    const int stop = (codeRoom + metrics.averageCharWidth() - 1) / metrics.averageCharWidth();
    TIntegerList stops;
    stops.Add(stop);
    CodesListBox->SetTabStops(stops);
    CodesHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    CodesHeader->resizeSection(0, stop * metrics.averageCharWidth() + CodesListBox->frameWidth());
    int widest = 0;
    for (const QString& item : items)
        widest = std::max(widest, metrics.horizontalAdvance(QString(item).replace(QLatin1Char('\t'), QStringLiteral("        "))));
    CodesListBox->SetHorzExtent(static_cast<quint16>(std::min(widest + 16, 65535)));
    CodesListBox->SetHorzScrollBar(true);
    // The headings stand out from the codes under them.
    for (int row = 0; row < CodesListBox->count(); ++row) {
        QListWidgetItem* item = CodesListBox->item(row);
        if (IsCodeListHeading(item->text())) {
            QFont bold = font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelContainer"));
    BtnOk = new QPushButton(QStringLiteral("&Ok"), panel);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnOk->setToolTip(QStringLiteral("Paste the selected code"));
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), panel);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setToolTip(QStringLiteral("Cancel the selected code"));
    auto* buttons = new QHBoxLayout(panel);
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CodesHeader);
    layout->addWidget(CodesListBox, 1);
    layout->addWidget(panel);

    connect(BtnOk, &QPushButton::clicked, this, &TCodeListDialog::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TCodeListDialog::reject);
    connect(CodesListBox, &QListWidget::itemDoubleClicked, this, &TCodeListDialog::CodesListBoxDblClick);
    StartAtClientSize(*this, QSize(ClientWidth, ClientHeight));
}

void TCodeListDialog::showEvent(QShowEvent* event)
{
    Selected = -1;
    CodesListBox->setFocus();
    if (CodesListBox->count() > 0)
        CodesListBox->setCurrentRow(0);
    QDialog::showEvent(event);
}

void TCodeListDialog::reject()
{
    Selected = -1;
    QDialog::reject();
}

void TCodeListDialog::BtnOkClick()
{
    Selected = CodesListBox->currentRow();
    if (Selected >= 0 && IsCodeListHeading(CodesListBox->item(Selected)->text())) {
        QApplication::beep();
        return;
    }
    accept();
}

void TCodeListDialog::CodesListBoxDblClick()
{
    if (!CodesListBox->selectedItems().isEmpty())
        BtnOkClick();
}

QString PickCode(TCodeListDialog& list)
{
    ShowModal(list);
    if (list.Selected < 0 || list.Selected >= list.CodesListBox->count())
        return QString();
    return CodeOfItem(list.CodesListBox->item(list.Selected)->text());
}
