#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon, drawn at the size asked for: a navy ledger page with a gold "L".
QPixmap ProgramIconPixmap(int size);
QIcon ProgramIcon();
