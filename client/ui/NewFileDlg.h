#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QPushButton;
class TFilterEdit;

// Asks the name of the client file New creates in the data folder.
class TFrmNewFileDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNewFileDlg(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    TFilterEdit* NewFileName = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    // A blank name ends the dialog as cancelled, however it was closed.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Shows the dialog; the name typed without blanks around it, or nothing when it was cancelled.
std::optional<QString> AskNewFileName();
