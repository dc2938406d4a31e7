#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Asks which earnings statement to print: the detailed standard one, two employees a page, or
// the condensed one, five a page. Leaves the choice in ReportKind when it closes.
class TFrmReportType : public QDialog {
    Q_OBJECT
public:
    static constexpr int StandardKind = 13;
    static constexpr int CondensedKind = 14;

    explicit TFrmReportType(QWidget* parent = nullptr);

    QGroupBox* GroupBox = nullptr;
    QRadioButton* RbStandard = nullptr;
    QLabel* Label1 = nullptr;
    QRadioButton* RbCondensed = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    void FormShow();
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
};
