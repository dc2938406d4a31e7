#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class Registry;
class TEnterAsTab;
class TFilterEdit;

// "Printer Setup": the one printer choice of every printout, kept in the registry.
class TFrmPrinterSetup : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 45;

    TFrmPrinterSetup(Registry& registry, const QString& registryRoot, QWidget* parent = nullptr);

    QComboBox* PrinterName = nullptr;
    QComboBox* PaperName = nullptr;
    QComboBox* BinName = nullptr;
    QCheckBox* Collate = nullptr;
    TFilterEdit* Copies = nullptr;
    QRadioButton* Portrait = nullptr;
    QRadioButton* Landscape = nullptr;
    QRadioButton* Simplex = nullptr;
    QRadioButton* Horizontal = nullptr;
    QRadioButton* Vertical = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnHelp = nullptr;

signals:
    // The help button: the opener shows the topic.
    void helpRequested(int context);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void formShow();
    void getPrinterOptions(bool newData);
    void getData();
    void putData();
    void btnOkClick();

    Registry& registry_;
    QString registryRoot_;
    TEnterAsTab* enterAsTab_ = nullptr;
    bool shown_ = false;
};

// File > Print Setup: the dialog, or where no printer is installed, a note saying so and that
// printouts can still be previewed and exported to PDF. `prepare` receives the dialog before it is
// shown, so the caller can connect what this layer does not know (its help, for one).
void ShowPrinterSetup(Registry& registry, const QString& registryRoot,
                      const std::function<void(TFrmPrinterSetup&)>& prepare = {});
