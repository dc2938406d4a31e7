#pragma once

#include <QDialog>
#include <QStringList>

class QHeaderView;
class QPushButton;
class QWidget;
class TTabbedListBox;

// A pick list of codes for a box of Form W-2: each line a code and its description under the
// headings "Code" and "Code Description". After the modal show, Selected is the position of the
// line picked, or -1 for none. A heading line (one without a tab) cannot be picked: OK or a double
// click on it beeps and leaves the list open.
class TCodeListDialog : public QDialog {
    Q_OBJECT
public:
    TCodeListDialog(const QString& caption, const QString& listName, const QStringList& items, QWidget* parent = nullptr);

    int Selected = -1;

    // Cancel, Esc and the window's close all leave no selection.
    void reject() override;

    QHeaderView* CodesHeader = nullptr;
    TTabbedListBox* CodesListBox = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BtnOkClick();
    void CodesListBoxDblClick();
};

// Shows the list modally and returns the code picked, or an empty text when none was.
QString PickCode(TCodeListDialog& list);
