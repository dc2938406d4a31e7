#pragma once

// The plain routines every unit uses, the validators, the state tables and the amount in words.
#include "components/AmountToWords.h"
#include "components/DateRoutines.h"
#include "components/FileRoutines.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
