#pragma once

#include <QDialog>
#include <functional>

class QPushButton;
class TEnterAsTab;
class TFilterEdit;

// Sets, changes or removes the open client's password. The first field shows the password in
// force; the second must repeat it.
class TFrmPassword : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPassword(QWidget* parent = nullptr);

    TFilterEdit* PW1 = nullptr;
    TFilterEdit* PW2 = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnHelp = nullptr;
    TEnterAsTab* EnterAsTab = nullptr;

    // Shows the window's help topic; set by whoever opens the window.
    std::function<void(int helpContext)> OnHelp;
    static constexpr int kHelpContext = 44;

    void BtnOkClick();
    void BtnHelpClick();

protected:
    void showEvent(QShowEvent* event) override;
};
