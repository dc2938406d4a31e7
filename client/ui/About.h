#pragma once

#include <QDialog>

class ExtrudedLabel;
class QLabel;
class QPushButton;

// The About box: the program's name, version and build, the maker's copyright and web site, and
// the machine's memory.
class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    QLabel* ImgProgramIcon = nullptr;
    ExtrudedLabel* LblProductName = nullptr;
    QLabel* LblVersion = nullptr;
    QLabel* LblBuild = nullptr;
    QLabel* LblCopyright = nullptr;
    QLabel* LblComments = nullptr;
    QLabel* LblLicensedUse = nullptr;
    QLabel* LblWebSite = nullptr;
    QLabel* PhysMem = nullptr;
    QLabel* FreeRes = nullptr;
    QPushButton* BtnOk = nullptr;

    // Opens the maker's web site and closes the box.
    void LblWebSiteClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
};
