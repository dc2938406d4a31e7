#pragma once

#include <QLabel>

// A label of one line that keeps its text whole in the room it is given: a text wider than the
// label is shown in a smaller font, down to half the label's own size. Names and addresses on a
// form's picture have the room of their box, not of their text.
class TFittedLabel : public QLabel {
    Q_OBJECT
public:
    explicit TFittedLabel(QWidget* parent = nullptr);

    void ShowText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();

    int basePixelSize_ = 0;   // the size the label was given, before any shrinking
    bool fitting_ = false;
};
