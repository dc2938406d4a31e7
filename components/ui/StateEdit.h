#pragma once

#include <QComboBox>

// The choice of a state code. The list always holds the 54 codes in the program's order, so the
// selected position is the state's position in StateCodes (-1: none). Nothing can be typed: a
// letter steps through the codes beginning with it, Backspace and Delete clear the choice when
// allowed.
class TStateEdit : public QComboBox {
    Q_OBJECT
public:
    explicit TStateEdit(QWidget* parent = nullptr);

    // Backspace and Delete clear the choice (on after construction).
    bool okToDel() const { return okToDel_; }
    void setOkToDel(bool on) { okToDel_ = on; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fillCodes();

    bool okToDel_ = true;
};
