#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QString>

// The choice of a state code. The list always holds the 54 codes in the program's order, so the
// selected position is the state's position in StateCodes (-1: none). Nothing can be typed: the
// letters typed within a second choose the code beginning with them (FindStateByTyping), a
// letter that begins no code with them starts a new search; Backspace and Delete clear the choice
// when allowed. Box and list are wide enough for every code.
class TStateEdit : public QComboBox {
    Q_OBJECT
public:
    explicit TStateEdit(QWidget* parent = nullptr);

    // Backspace and Delete clear the choice (on after construction).
    bool okToDel() const { return okToDel_; }
    void setOkToDel(bool on) { okToDel_ = on; }

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fillCodes();
    void chooseByTyping(QChar letter);

    bool okToDel_ = true;
    QString typed_;          // the letters of the search under way
    QElapsedTimer lastKey_;  // since the last of them
};
