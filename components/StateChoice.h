#pragma once

#include <QChar>

// The state a letter key chooses in a state box: the first code beginning with the letter, or,
// when the chosen code already begins with it, the next such code, after the last one the first
// again. Lower-case letters count as capitals. Positions count from 0 in StateCodes; -1 is no
// state. A letter that begins no code leaves the choice as it is.
int StepStateByLetter(int current, QChar letter);
