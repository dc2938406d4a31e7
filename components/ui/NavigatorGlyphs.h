#pragma once

#include "components/NavigatorRules.h"

#include <QPixmap>

// The 15 by 15 picture of a navigator button.
QPixmap NavigatorGlyph(TNavigationButtons button);
