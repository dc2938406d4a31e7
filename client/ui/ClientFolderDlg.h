#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The window Backup and Restore share: the open client's file name and folder, and the folder to
// copy to or from, typed or picked with Browse.
class TClientFolderDlg : public QDialog {
    Q_OBJECT
public:
    QGroupBox* GrpCurrent = nullptr;
    QLabel* LblExplanation = nullptr;
    QLabel* LblFileName = nullptr;
    QLabel* LblLocation = nullptr;
    QGroupBox* GrpFolder = nullptr;
    QLineEdit* Path = nullptr;
    QPushButton* BtnBrowse = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    // Offers the system folder picker, starting at the folder typed, and takes the folder chosen.
    void BtnBrowseClick();
    // Closes with the folder typed; a blank one is refused with the dialog's own message.
    void BtnOkClick();

protected:
    TClientFolderDlg(const QString& caption, const QString& explanation, const QString& folderGroup,
                     const QString& browseCaption, const QString& noFolderMessage, QWidget* parent);

private:
    QString browseCaption_;
    QString noFolderMessage_;
};
