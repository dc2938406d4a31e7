#pragma once

#include <QWidget>

class QLabel;

// The splash window shown for a moment at start-up: the product's icon, name, version and
// copyright on a borderless panel in the middle of the screen.
class TFrmWelcome : public QWidget {
    Q_OBJECT
public:
    explicit TFrmWelcome(QWidget* parent = nullptr);

    QLabel* LblProductName;
    QLabel* LblVersion;
    QLabel* LblCopyright;
    QLabel* LblComments;

    // Shows the window, paints it at once, keeps it up for the given time and closes it. Input
    // meant for the program waits until it has gone.
    void ShowFor(int milliseconds);

protected:
    void showEvent(QShowEvent* event) override;
};
