#include "forms/ui/TTOBox14bCodes.h"

#include "forms/W2CodeLists.h"

TFrmTTOBox14bCodes::TFrmTTOBox14bCodes(QWidget* parent)
    : TCodeListDialog(QStringLiteral("Treasury Tipped Occupation Box 14b Codes "), QStringLiteral("TTOCodesListBox"),
                      TippedOccupationCodeItems(), parent)
{
    setObjectName(QStringLiteral("FrmTTOBox14bCodes"));
}
