#pragma once

#include <QString>

// The visual styles: Qt style sheets over the Fusion style, read from the packed style files
// beside the program.

// Makes Fusion, with indicators every sheet can show (ControlStyle), the application's style,
// under every sheet.
void UseFusionStyle();

// Applies a sheet's text to the whole application.
void ApplyStyleSheet(const QString& sheet);

// Loads and applies the named style. A missing or damaged style file raises EInOutError and
// leaves the look as it was.
void ApplyVisualStyle(const QString& name);
