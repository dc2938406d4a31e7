#pragma once

#include "forms/ui/CodeListDialog.h"

// The Treasury tipped occupation codes of Form W-2 box 14b, picked by a double click on box 14b of
// the W-2 screen.
class TFrmTTOBox14bCodes : public TCodeListDialog {
    Q_OBJECT
public:
    explicit TFrmTTOBox14bCodes(QWidget* parent = nullptr);
};
