#include "client/ui/ClientFolderDlg.h"

#include "components/FileRoutines.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TClientFolderDlg::TClientFolderDlg(const QString& caption, const QString& explanation, const QString& folderGroup,
                                   const QString& browseCaption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , browseCaption_(browseCaption)
{
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8)); // stands in for Tahoma
    setFixedSize(420, 262);

    GrpCurrent = new QGroupBox(QStringLiteral(" Current Client: "), this);
    GrpCurrent->setObjectName(QStringLiteral("GrpCurrent"));
    GrpCurrent->setGeometry(8, 6, 404, 140);
    LblExplanation = new QLabel(explanation, GrpCurrent);
    LblExplanation->setObjectName(QStringLiteral("LblExplanation"));
    LblExplanation->setWordWrap(true);
    LblExplanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblExplanation->setGeometry(10, 20, 384, 64);

    auto* fileCaption = new QLabel(QStringLiteral("File name:"), GrpCurrent);
    fileCaption->setGeometry(10, 90, 64, 16);
    LblFileName = new QLabel(GrpCurrent);
    LblFileName->setObjectName(QStringLiteral("LblFileName"));
    LblFileName->setTextFormat(Qt::PlainText);
    LblFileName->setGeometry(78, 90, 316, 16);
    auto* locationCaption = new QLabel(QStringLiteral("Location:"), GrpCurrent);
    locationCaption->setGeometry(10, 112, 64, 16);
    LblLocation = new QLabel(GrpCurrent);
    LblLocation->setObjectName(QStringLiteral("LblLocation"));
    LblLocation->setTextFormat(Qt::PlainText);
    LblLocation->setGeometry(78, 112, 316, 16);

    GrpFolder = new QGroupBox(folderGroup, this);
    GrpFolder->setObjectName(QStringLiteral("GrpFolder"));
    GrpFolder->setGeometry(8, 152, 404, 64);
    Path = new QLineEdit(GrpFolder);
    Path->setObjectName(QStringLiteral("Path"));
    Path->setGeometry(10, 26, 300, 21);
    BtnBrowse = new QPushButton(QStringLiteral("&Browse"), GrpFolder);
    BtnBrowse->setObjectName(QStringLiteral("BtnBrowse"));
    BtnBrowse->setFlat(true);
    BtnBrowse->setAutoDefault(false);
    BtnBrowse->setGeometry(318, 24, 76, 25);

    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setGeometry(256, 228, 75, 25);
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnCancel->setGeometry(337, 228, 75, 25);

    connect(BtnBrowse, &QPushButton::clicked, this, &TClientFolderDlg::BtnBrowseClick);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TClientFolderDlg::BtnBrowseClick()
{
    QString folder = Path->text();
    if (SelectFolder(browseCaption_, folder))
        Path->setText(folder);
}
