#pragma once

// The plain routines every unit uses.
#include "components/DateRoutines.h"
#include "components/FileRoutines.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
