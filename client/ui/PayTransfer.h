#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;
class QToolButton;
class Registry;

// Converts last year's clients into this year's: the user names last year's folder, Ok lists its
// clients, the user picks some and Transfer converts them. The window then offers only Exit.
// Cancel, Esc and the close box leave it at any time except while a transfer runs.
class TFrmTransfer : public QDialog {
    Q_OBJECT
public:
    explicit TFrmTransfer(QWidget* parent = nullptr);
    ~TFrmTransfer() override;

    static constexpr int kHelpContext = 39;

    QLineEdit* Path = nullptr;
    QPushButton* BtnBrowse = nullptr;
    QToolButton* BtnHelp = nullptr;
    QListWidget* FileListBox = nullptr;
    QCheckBox* ChkNoOverwrite = nullptr;
    QLabel* LblAlreadyTransferred = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnSelectAll = nullptr;
    QPushButton* BtnDeselectAll = nullptr;
    QPushButton* BtnTransfer = nullptr;
    QPushButton* BtnCancel = nullptr;
    QStatusBar* StatusBar = nullptr;

    void BtnBrowseClick();
    void BtnOkClick();
    void FileListBoxClick();
    void BtnSelectAllClick();
    void BtnDeselectAllClick();
    void ChkNoOverwriteClick();
    void BtnTransferClick();

    void done(int result) override;

private:
    void FormShow();
    void FormClose();
    void listFolder();
    void transferSelection();
    void refreshSelection();
    void setStatus(const QString& text);

    std::unique_ptr<Registry> priorRegistry_;
    bool transferring_ = false;
    bool askingOverwrite_ = false;
};
