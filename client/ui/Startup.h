#pragma once

#include "client/ui/PayMain.h"

#include <QSize>
#include <memory>

class TFrmDataModule;

// What start-up creates and the run keeps: the data module and the main window, which goes first.
struct LedgoraSession {
    std::unique_ptr<TFrmDataModule> dataModule;
    std::unique_ptr<TFrmMain> mainWindow;
    ~LedgoraSession();
};

// The program's start-up on a screen of the given size: refuses a screen both narrower than 1280
// and lower than 800 pixels with a message (and returns nothing); otherwise sets the look, fills
// the launcher table and creates the data module and the main window, which is not yet shown.
std::unique_ptr<LedgoraSession> StartLedgora(const QSize& screen, const MainWindowOptions& options);
