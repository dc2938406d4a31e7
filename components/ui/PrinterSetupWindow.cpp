#include "components/ui/PrinterSetupWindow.h"

#include "components/NumberRoutines.h"
#include "components/PrinterCatalog.h"
#include "components/PrinterSetup.h"
#include "components/ui/EnterAsTab.h"
#include "components/ui/FilterEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/report/PrinterRenderer.h"
#include "platform/ui/ShowModal.h"
#include "platform/ui/WindowSize.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

void selectText(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

QString selectedText(const QComboBox* list)
{
    return list->currentIndex() < 0 ? QString() : list->currentText();
}

// Focus on the control, then the message through the application's standard error handler.
[[noreturn]] void refuse(QWidget* control, const QString& message)
{
    control->setFocus(Qt::OtherFocusReason);
    throw EFieldException(message);
}

} // namespace

TFrmPrinterSetup::TFrmPrinterSetup(Registry& registry, const QString& registryRoot, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , registry_(registry)
    , registryRoot_(registryRoot)
{
    setWindowTitle(QStringLiteral("Printer Setup"));

    PrinterName = new QComboBox(this);
    PaperName = new QComboBox(this);
    BinName = new QComboBox(this);
    // The lists are filled from the system when the dialog shows; the dialog widens to their names.
    for (QComboBox* list : {PrinterName, PaperName, BinName})
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Collate = new QCheckBox(QStringLiteral("Collate"), this);
    Copies = new TFilterEdit(this);
    Copies->setValidChars(QStringLiteral("[0..9]"));
    Copies->setMaxLength(2);
    Copies->setTextAlignment(taRightJustify);
    Copies->setFixedWidth(40);

    auto* orientationGroup = new QGroupBox(QStringLiteral("Orientation"), this);
    Portrait = new QRadioButton(QStringLiteral("Portrait"), orientationGroup);
    Landscape = new QRadioButton(QStringLiteral("Landscape"), orientationGroup);
    auto* orientationLayout = new QVBoxLayout(orientationGroup);
    orientationLayout->addWidget(Portrait);
    orientationLayout->addWidget(Landscape);

    auto* duplexGroup = new QGroupBox(QStringLiteral("Two-sided Printing"), this);
    Simplex = new QRadioButton(QStringLiteral("None"), duplexGroup);
    Horizontal = new QRadioButton(QStringLiteral("Book"), duplexGroup);
    Vertical = new QRadioButton(QStringLiteral("Tablet"), duplexGroup);
    auto* duplexLayout = new QVBoxLayout(duplexGroup);
    duplexLayout->addWidget(Simplex);
    duplexLayout->addWidget(Horizontal);
    duplexLayout->addWidget(Vertical);

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnHelp = new QPushButton(QStringLiteral("Help"), this);
    BtnHelp->setToolTip(QStringLiteral("Form Help"));
    for (QPushButton* button : {BtnOk, BtnCancel, BtnHelp})
        button->setAutoDefault(false);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("Printer name"), this), 0, 0, 1, 2);
    form->addWidget(PrinterName, 1, 0, 1, 2);
    form->addWidget(new QLabel(QStringLiteral("Paper size"), this), 2, 0, 1, 2);
    form->addWidget(PaperName, 3, 0, 1, 2);
    form->addWidget(new QLabel(QStringLiteral("Paper source"), this), 4, 0, 1, 2);
    form->addWidget(BinName, 5, 0, 1, 2);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(new QLabel(QStringLiteral("Copies"), this));
    copiesRow->addWidget(Copies);
    copiesRow->addStretch();
    copiesRow->addWidget(Collate);
    form->addLayout(copiesRow, 6, 0, 1, 2);
    form->addWidget(orientationGroup, 7, 0);
    form->addWidget(duplexGroup, 7, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addWidget(BtnHelp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);
    FixAtClientSize(*this, QSize(273, 305));

    enterAsTab_ = new TEnterAsTab(this);
    enterAsTab_->setParentForm(this);

    // Another printer has other papers and sources: the user chooses them again.
    connect(PrinterName, &QComboBox::activated, this, [this] { getPrinterOptions(true); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this, [this] { emit helpRequested(HelpContext); });
}

void TFrmPrinterSetup::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        formShow();
    }
}

void TFrmPrinterSetup::formShow()
{
    PrinterSetup::ClearRecord();
    PrinterName->clear();
    PrinterName->addItems(SystemPrinters().PrinterNames());
    PrinterSetup::LoadFromRegistry(registry_, registryRoot_);
    selectText(PrinterName, PrinterSetupRec.Name);
    getPrinterOptions(true);
    getData();
    FixAtClientSize(*this, QSize(273, 305));
}

void TFrmPrinterSetup::getPrinterOptions(bool newData)
{
    PaperName->clear();
    BinName->clear();
    if (PrinterName->currentIndex() < 0)
        return;
    const QString printer = PrinterName->currentText();
    PaperName->addItems(SystemPrinters().PaperNames(printer));
    BinName->addItems(SystemPrinters().BinNames(printer));
    if (newData) {
        PaperName->setCurrentIndex(-1);
        BinName->setCurrentIndex(-1);
    }
}

void TFrmPrinterSetup::getData()
{
    selectText(PrinterName, PrinterSetupRec.Name);
    selectText(PaperName, PrinterSetupRec.Paper);
    selectText(BinName, PrinterSetupRec.Bin);
    (PrinterSetupRec.Orientation == 1 ? Landscape : Portrait)->setChecked(true);
    switch (PrinterSetupRec.Duplex) {
    case 1: Vertical->setChecked(true); break;
    case 2: Horizontal->setChecked(true); break;
    default: Simplex->setChecked(true); break;
    }
    Collate->setChecked(PrinterSetupRec.Collate != 0);
    Copies->setText(QString::number(PrinterSetupRec.Copies == 0 ? 1 : PrinterSetupRec.Copies));
}

void TFrmPrinterSetup::putData()
{
    PrinterSetupRec.Name = selectedText(PrinterName);
    PrinterSetupRec.Paper = selectedText(PaperName);
    PrinterSetupRec.Bin = selectedText(BinName);
    PrinterSetupRec.Orientation = Landscape->isChecked() ? 1 : 0;
    PrinterSetupRec.Collate = Collate->isChecked() ? 1 : 0;
    PrinterSetupRec.Duplex = Horizontal->isChecked() ? 2 : Vertical->isChecked() ? 1 : 0;
    PrinterSetupRec.Copies = TextToInt(Copies->text());
}

void TFrmPrinterSetup::btnOkClick()
{
    if (PrinterName->currentIndex() < 0)
        refuse(PrinterName, QStringLiteral("Printer has not been selected"));
    if (PaperName->currentIndex() < 0)
        refuse(PaperName, QStringLiteral("Paper size has not been selected"));
    if (BinName->currentIndex() < 0)
        refuse(BinName, QStringLiteral("Paper source has not been selected"));
    if (TextToInt(Copies->text()) == 0)
        refuse(Copies, QStringLiteral("Copies must not be 0"));
    putData();
    PrinterSetup::SaveToRegistry(registry_, registryRoot_);
    accept();
}

void ShowPrinterSetup(Registry& registry, const QString& registryRoot,
                      const std::function<void(TFrmPrinterSetup&)>& prepare)
{
    if (SystemPrinters().PrinterNames().isEmpty()) {
        AppMessageBox(QLatin1String(kNoPrinterMessage), QStringLiteral("Printer Setup"), MbOk | MbIconInformation);
        return;
    }
    TFrmPrinterSetup window(registry, registryRoot);
    if (prepare)
        prepare(window);
    ShowModal(window);
}
