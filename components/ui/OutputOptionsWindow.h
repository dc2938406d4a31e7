#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QRadioButton;
class QSpinBox;

// "Output Options": where a report goes (preview, printer or file), on which printer, how many
// copies, collated, two-sided. Before a report runs it offers what the report system's setups
// allow; from the preview it asks only about the printer and the pages to print.
class TFrmOutputOptions : public QDialog {
    Q_OBJECT
public:
    enum class Mode { BeforeReport, FromPreview };

    // title and setups are the report system's; pageCount is the number of pages the preview
    // shows (FromPreview only).
    TFrmOutputOptions(const QString& title, int setups, Mode mode, const OutputChoice& choice, int pageCount = 0,
                      QWidget* parent = nullptr);

    // The choice as the user left the controls.
    OutputChoice Choice() const;

    QRadioButton* DestPreview = nullptr;
    QRadioButton* DestPrinter = nullptr;
    QRadioButton* DestFile = nullptr;
    QLineEdit* FileName = nullptr;
    QToolButton* BtnBrowse = nullptr;
    QComboBox* PrinterName = nullptr;
    QSpinBox* Copies = nullptr;
    QCheckBox* Collate = nullptr;
    QComboBox* Duplex = nullptr;
    QRadioButton* AllPages = nullptr;
    QRadioButton* PageRange = nullptr;
    QSpinBox* FromPage = nullptr;
    QSpinBox* ToPage = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

private:
    void enableControls();
    void browse();
    void btnOkClick();

    Mode mode_;
    OutputChoice initial_;
};

// Makes every report system show the dialog before it runs.
void InstallOutputOptionsDialog();
