#pragma once

#include "client/PayRecords.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <exception>
#include <memory>

// Puts the tax-form screens into the main window's launcher table.
void InstallFormLaunchers();

// Opens the Form 1095-C screen, or says that the client has no employee records.
void Open1095CScreen();

// How a form screen is opened from a menu or another screen: built on the open client, shown
// modally and released. A screen that cannot be built (its layout or page picture missing or
// damaged) says why and opens nothing.
template <class Screen>
void OpenFormScreen()
{
    if (!FileIsOpen)
        return;
    std::unique_ptr<Screen> screen;
    try {
        screen = std::make_unique<Screen>();
    } catch (const std::exception& error) {
        LedgoraApplication::ShowException(error);
        return;
    }
    ShowModal(*screen);
}
