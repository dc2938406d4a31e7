#pragma once

#include <QDialog>
#include <QStringList>

class QHeaderView;
class QPushButton;
class QWidget;
class TTabbedListBox;

// The employee picker behind the List button of the employee screens. The caller gives it the
// display names of the employee index, in the index's order; after the modal show, Selected is
// the chosen entry's position in that order, or -1 when none was chosen.
class TFrmRecList : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRecList(QWidget* parent = nullptr);

    // Lists the names, one for each employee of the client, and sizes the window to their number.
    void AssignEntries(const QStringList& names);

    int Selected = -1;

    // Cancel, Esc and the window's close all leave no selection.
    void reject() override;

    QHeaderView* EmployeeListHeader = nullptr;
    TTabbedListBox* EmployeeListBox = nullptr;
    QWidget* PanelContainer = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BtnOkClick();
    void EmployeeListBoxDblClick();
};

// Shows the employee picker over the names and returns the position chosen, or -1.
int PickEmployee(const QStringList& names);
