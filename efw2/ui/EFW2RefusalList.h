#pragma once

#include "efw2/EFW2WageChecks.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Every refusal of a wage report, one a line, to read, copy and close.
class TFrmEFW2Refusals : public QDialog {
    Q_OBJECT
public:
    TFrmEFW2Refusals(const QStringList& refusals, QWidget* parent = nullptr);

    QPlainTextEdit* Refusals = nullptr;
    QPushButton* BtnClose = nullptr;
};

// Says what the SSA would refuse and that nothing was written; with more than one refusal it
// offers the whole list.
void ShowEFW2Refusals(const EEFW2RefusedException& refused, const QString& caption);
