#include "forms/ui/IRSBox12Codes.h"

#include "forms/W2CodeLists.h"

TFrmIRSBox12Codes::TFrmIRSBox12Codes(QWidget* parent)
    : TCodeListDialog(QStringLiteral("IRS Box 12 Codes "), QStringLiteral("IRSCodesListBox"), Box12CodeItems(), parent)
{
    setObjectName(QStringLiteral("FrmIRSBox12Codes"));
}
