#pragma once

#include "forms/ui/CodeListDialog.h"

// The IRS codes of Form W-2 box 12, picked by a double click on a box 12 code of the W-2 screen.
class TFrmIRSBox12Codes : public TCodeListDialog {
    Q_OBJECT
public:
    explicit TFrmIRSBox12Codes(QWidget* parent = nullptr);
};
