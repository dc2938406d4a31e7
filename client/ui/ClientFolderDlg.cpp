#include "client/ui/ClientFolderDlg.h"

#include "components/FileRoutines.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/ui/WindowSize.h"

#include <QGridLayout>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TClientFolderDlg::TClientFolderDlg(const QString& caption, const QString& explanation, const QString& folderGroup,
                                   const QString& browseCaption, const QString& noFolderMessage, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , browseCaption_(browseCaption)
    , noFolderMessage_(noFolderMessage)
{
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma

    GrpCurrent = new QGroupBox(QStringLiteral(" Current Client: "), this);
    GrpCurrent->setObjectName(QStringLiteral("GrpCurrent"));
    LblExplanation = new QLabel(explanation, GrpCurrent);
    LblExplanation->setObjectName(QStringLiteral("LblExplanation"));
    LblExplanation->setWordWrap(true);
    LblExplanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* fileCaption = new QLabel(QStringLiteral("File name:"), GrpCurrent);
    LblFileName = new QLabel(GrpCurrent);
    LblFileName->setObjectName(QStringLiteral("LblFileName"));
    LblFileName->setTextFormat(Qt::PlainText);
    auto* locationCaption = new QLabel(QStringLiteral("Location:"), GrpCurrent);
    LblLocation = new QLabel(GrpCurrent);
    LblLocation->setObjectName(QStringLiteral("LblLocation"));
    LblLocation->setTextFormat(Qt::PlainText);
    // A long folder name wraps at its separators rather than widening the window.
    LblLocation->setWordWrap(true);
    auto* currentLayout = new QGridLayout(GrpCurrent);
    currentLayout->addWidget(LblExplanation, 0, 0, 1, 2);
    currentLayout->addWidget(fileCaption, 1, 0);
    currentLayout->addWidget(LblFileName, 1, 1);
    currentLayout->addWidget(locationCaption, 2, 0, Qt::AlignTop);
    currentLayout->addWidget(LblLocation, 2, 1);
    currentLayout->setColumnStretch(1, 1);

    GrpFolder = new QGroupBox(folderGroup, this);
    GrpFolder->setObjectName(QStringLiteral("GrpFolder"));
    Path = new QLineEdit(GrpFolder);
    Path->setObjectName(QStringLiteral("Path"));
    BtnBrowse = new QPushButton(QStringLiteral("&Browse"), GrpFolder);
    BtnBrowse->setObjectName(QStringLiteral("BtnBrowse"));
    BtnBrowse->setFlat(true);
    BtnBrowse->setAutoDefault(false);
    auto* folderLayout = new QHBoxLayout(GrpFolder);
    folderLayout->addWidget(Path, 1);
    folderLayout->addWidget(BtnBrowse);

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
    layout->addWidget(GrpCurrent);
    layout->addWidget(GrpFolder);
    layout->addStretch();
    layout->addLayout(buttons);
    StartAtClientSize(*this, QSize(420, 262));

    connect(BtnBrowse, &QPushButton::clicked, this, &TClientFolderDlg::BtnBrowseClick);
    connect(BtnOk, &QPushButton::clicked, this, &TClientFolderDlg::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TClientFolderDlg::BtnOkClick()
{
    if (IsBlank(Path->text())) {
        AppMessageBox(noFolderMessage_, windowTitle(), MbOk | MbIconWarning);
        Path->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

void TClientFolderDlg::BtnBrowseClick()
{
    QString folder = Path->text();
    if (SelectFolder(browseCaption_, folder))
        Path->setText(folder);
}
