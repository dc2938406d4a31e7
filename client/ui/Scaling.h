#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

// "Window Scaling Utility": chooses the percentage (100 down to 85) by which the large data-entry
// windows shrink themselves when they are created.
class TFrmScaling : public QDialog {
    Q_OBJECT
public:
    explicit TFrmScaling(QWidget* parent = nullptr);

    QComboBox* CbxScalingPct;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BtnOkClick();
};
