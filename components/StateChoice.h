#pragma once

#include <QChar>
#include <QString>

// The state a letter key chooses in a state box: the first code beginning with the letter, or,
// when the chosen code already begins with it, the next such code, after the last one the first
// again. Lower-case letters count as capitals. Positions count from 0 in StateCodes; -1 is no
// state. A letter that begins no code leaves the choice as it is.
int StepStateByLetter(int current, QChar letter);

// The state chosen by the letters typed in quick succession, as Qt's lists search them: one letter
// typed again and again steps through the codes beginning with it (StepStateByLetter); other
// letters choose the first code beginning with all of them, in either case. -1 when no code begins
// with them.
int FindStateByTyping(int current, const QString& typed);
