#include "components/ui/OutputOptionsWindow.h"

#include "components/ExportFolder.h"
#include "components/PrinterCatalog.h"
#include "platform/Exceptions.h"
#include "platform/FileDialogs.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kDefaultPrinter = QStringLiteral("(default printer)");

} // namespace

TFrmOutputOptions::TFrmOutputOptions(const QString& title, int setups, Mode mode, const OutputChoice& choice,
                                     int pageCount, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , mode_(mode)
    , initial_(choice)
{
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);

    auto* destination = new QGroupBox(QStringLiteral("Report Destination"), this);
    DestPrinter = new QRadioButton(QStringLiteral("Printer"), destination);
    DestPreview = new QRadioButton(QStringLiteral("Preview"), destination);
    DestFile = new QRadioButton(QStringLiteral("File"), destination);
    FileName = new QLineEdit(destination);
    BtnBrowse = new QToolButton(destination);
    BtnBrowse->setText(QStringLiteral("..."));
    BtnBrowse->setMinimumWidth(30);
    auto* destinationLayout = new QVBoxLayout(destination);
    destinationLayout->addWidget(DestPrinter);
    destinationLayout->addWidget(DestPreview);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(DestFile);
    fileRow->addWidget(FileName, 1);
    fileRow->addWidget(BtnBrowse);
    destinationLayout->addLayout(fileRow);
    DestPrinter->setEnabled(setups & ssAllowDestPrinter);
    DestPreview->setEnabled(setups & ssAllowDestPreview);
    DestFile->setEnabled(setups & ssAllowDestFile);
    switch (choice.destination) {
    case ReportDestination::Printer: DestPrinter->setChecked(true); break;
    case ReportDestination::Preview: DestPreview->setChecked(true); break;
    case ReportDestination::File: DestFile->setChecked(true); break;
    }
    FileName->setText(choice.fileName);
    destination->setVisible(mode == Mode::BeforeReport);
    layout->addWidget(destination);

    auto* printer = new QGroupBox(QStringLiteral("Printer"), this);
    PrinterName = new QComboBox(printer);
    PrinterName->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    PrinterName->addItem(kDefaultPrinter);
    PrinterName->addItems(SystemPrinters().PrinterNames());
    const int chosen = choice.printerName.isEmpty() ? 0 : PrinterName->findText(choice.printerName);
    if (chosen < 0)
        PrinterName->addItem(choice.printerName);
    PrinterName->setCurrentIndex(chosen < 0 ? PrinterName->count() - 1 : chosen);
    PrinterName->setEnabled(setups & ssAllowPrinterSetup);
    Copies = new QSpinBox(printer);
    Copies->setRange(1, 999);
    Copies->setValue(std::max(1, choice.copies));
    Copies->setEnabled(setups & ssAllowCopies);
    Collate = new QCheckBox(QStringLiteral("Collate"), printer);
    Collate->setChecked(choice.collate);
    Collate->setEnabled(setups & ssAllowCollate);
    Duplex = new QComboBox(printer);
    Duplex->addItems({QStringLiteral("None"), QStringLiteral("Tablet"), QStringLiteral("Book")});
    Duplex->setCurrentIndex(choice.duplex <= 2 ? choice.duplex : 0);
    Duplex->setEnabled(setups & ssAllowDuplex);
    auto* printerLayout = new QFormLayout(printer);
    printerLayout->addRow(QStringLiteral("Name"), PrinterName);
    printerLayout->addRow(QStringLiteral("Copies"), Copies);
    printerLayout->addRow(QString(), Collate);
    printerLayout->addRow(QStringLiteral("Two-sided"), Duplex);
    layout->addWidget(printer);

    auto* pages = new QGroupBox(QStringLiteral("Page Range"), this);
    AllPages = new QRadioButton(QStringLiteral("All"), pages);
    PageRange = new QRadioButton(QStringLiteral("Pages"), pages);
    FromPage = new QSpinBox(pages);
    ToPage = new QSpinBox(pages);
    const int last = std::max(1, pageCount);
    FromPage->setRange(1, last);
    ToPage->setRange(1, last);
    FromPage->setValue(std::clamp(choice.fromPage, 1, last));
    ToPage->setValue(choice.toPage <= 0 ? last : std::clamp(choice.toPage, 1, last));
    (choice.fromPage <= 1 && (choice.toPage <= 0 || choice.toPage >= last) ? AllPages : PageRange)->setChecked(true);
    auto* pagesLayout = new QHBoxLayout(pages);
    pagesLayout->addWidget(AllPages);
    pagesLayout->addWidget(PageRange);
    pagesLayout->addWidget(FromPage);
    pagesLayout->addWidget(new QLabel(QStringLiteral("to"), pages));
    pagesLayout->addWidget(ToPage);
    pages->setVisible(mode == Mode::FromPreview);
    layout->addWidget(pages);

    BtnOk = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    BtnOk->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    layout->addLayout(buttons);

    for (QRadioButton* radio : {DestPrinter, DestPreview, DestFile, AllPages, PageRange})
        connect(radio, &QRadioButton::toggled, this, [this] { enableControls(); });
    connect(BtnBrowse, &QToolButton::clicked, this, [this] { browse(); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    enableControls();
}

void TFrmOutputOptions::enableControls()
{
    FileName->setEnabled(DestFile->isChecked());
    BtnBrowse->setEnabled(DestFile->isChecked());
    FromPage->setEnabled(PageRange->isChecked());
    ToPage->setEnabled(PageRange->isChecked());
}

void TFrmOutputOptions::browse()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.caption = QStringLiteral("Save Report As");
    request.startPath = ExportPath(FileName->text().trimmed());
    request.filter = QStringLiteral("Snapshot Document (*.ndr);;Adobe Portable Document (*.pdf);;Web Document (*.html *.htm)");
    request.defaultSuffix = QStringLiteral("ndr");
    if (const std::optional<QString> chosen = RunFileDialog(request)) {
        RememberExportFolder(*chosen);
        FileName->setText(*chosen);
    }
}

OutputChoice TFrmOutputOptions::Choice() const
{
    OutputChoice choice = initial_;
    if (mode_ == Mode::BeforeReport) {
        choice.destination = DestPrinter->isChecked() ? ReportDestination::Printer
                             : DestFile->isChecked()  ? ReportDestination::File
                                                      : ReportDestination::Preview;
        choice.fileName = FileName->text().trimmed();
    } else {
        choice.fromPage = AllPages->isChecked() ? 1 : FromPage->value();
        choice.toPage = AllPages->isChecked() ? 0 : ToPage->value();
    }
    choice.printerName = PrinterName->currentIndex() == 0 ? QString() : PrinterName->currentText();
    choice.copies = Copies->value();
    choice.collate = Collate->isChecked();
    choice.duplex = static_cast<uint8_t>(std::max(0, Duplex->currentIndex()));
    return choice;
}

void TFrmOutputOptions::btnOkClick()
{
    if (mode_ == Mode::BeforeReport) {
        if (!DestPrinter->isChecked() && !DestPreview->isChecked() && !DestFile->isChecked()) {
            DestPreview->setFocus(Qt::OtherFocusReason);
            throw EFieldException(QStringLiteral("Choose where the report goes."));
        }
        if (DestFile->isChecked() && FileName->text().trimmed().isEmpty()) {
            FileName->setFocus(Qt::OtherFocusReason);
            throw EFieldException(QStringLiteral("Enter the name of the file the report goes to."));
        }
        if (DestFile->isChecked() && QFileInfo(FileName->text().trimmed()).isDir()) {
            FileName->setFocus(Qt::OtherFocusReason);
            throw EFieldException(QStringLiteral("%1 is a folder; enter a file name.").arg(FileName->text().trimmed()));
        }
    } else if (PageRange->isChecked() && FromPage->value() > ToPage->value()) {
        FromPage->setFocus(Qt::OtherFocusReason);
        throw EFieldException(QStringLiteral("The first page to print comes after the last."));
    }
    accept();
}

void InstallOutputOptionsDialog()
{
    ReportSystem::SetOutputOptionsHandler([](const ReportSystem& system, OutputChoice& choice) {
        TFrmOutputOptions dialog(system.TitleSetup, system.SystemSetups, TFrmOutputOptions::Mode::BeforeReport, choice, 0,
                                 QApplication::activeWindow());
        if (ShowModal(dialog) != QDialog::Accepted)
            return false;
        choice = dialog.Choice();
        return true;
    });
}
