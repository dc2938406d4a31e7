#include "client/ui/HelpWindow.h"

#include "client/ProgramStart.h"
#include "platform/AppMessageBox.h"

void ShowHelp(int)
{
    AppMessageBox(QStringLiteral("This command is not available yet."), QLatin1String(kApplicationTitle),
                  MbOk | MbIconInformation);
}
