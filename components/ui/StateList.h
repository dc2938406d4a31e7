#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The state picker: the 54 state codes in their fixed order. After the modal show, Selection is
// the chosen state's position in StateCodes, or -1 when none was chosen.
class TFrmStateList : public QDialog {
    Q_OBJECT
public:
    explicit TFrmStateList(QWidget* parent = nullptr);

    // The two prompt lines above the list; set before the window is shown.
    void AssignLabels(const QString& sText1, const QString& sText2);

    int Selection = -1;

    // Cancel, Esc and the window's close all leave no selection.
    void reject() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* StateListBox = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QLabel* CurStatePanel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BtnOkClick();
    void BtnCancelClick();
    void StateListBoxClick();
    void StateListBoxDblClick();
};
