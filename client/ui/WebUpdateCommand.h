#pragma once

class TFrmMain;

// The Web Update command: asks the update server for a newer version and offers to download and
// install it. Also run by the Pay Period command when its periodic check is due.
//
// It ends its caller too, by a silent abort (EAbort), when the user declines to go on without a
// connection, and after it has handed the installer to the desktop and closed the main window.
// A server that cannot be reached raises EDownloadException. The installer starts only after the
// user has agreed that the program shuts down; the program never runs it itself. When the desktop
// cannot open the installer, the user is told and the program keeps running.
void MnuWebUpdateClick(TFrmMain& main);
