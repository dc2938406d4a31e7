#pragma once

#include "components/FilterEditRules.h"

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The window that asks for a client file's password.
class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget* parent = nullptr);

    // Letter case forced on what the user types.
    void SetPasswordCase(TEditCharCase passwordCase);

    QLabel* Label1 = nullptr;
    QLineEdit* Password = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
};

// Asks for a password: the caption (the application's title when empty), the prompt line (the
// window's own when empty), and the case forced on typing. Returns the text confirmed with OK,
// or nothing when the window was closed any other way (Cancel, Esc, the window's close).
std::optional<QString> AskPassword(const QString& caption, const QString& prompt, TEditCharCase passwordCase = ecNormal);
