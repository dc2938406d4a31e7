#include "components/StateChoice.h"

#include "components/StateTables.h"

int StepStateByLetter(int current, QChar letter)
{
    if (letter >= QChar('a') && letter <= QChar('z'))
        letter = QChar(letter.unicode() - 32);
    const auto startsWith = [letter](int index) { return QChar(StateCodes[index][0]) == letter; };
    const bool onLetter = current >= 0 && current < StateCount && startsWith(current);
    const int from = onLetter ? current + 1 : 0;
    for (int step = 0; step < StateCount; ++step) {
        const int index = (from + step) % StateCount;
        if (startsWith(index))
            return index;
    }
    return current;
}

int FindStateByTyping(int current, const QString& typed)
{
    if (typed.isEmpty())
        return -1;
    const QString search = typed.toUpper();
    if (search.count(search.front()) == search.size()) {
        const int stepped = StepStateByLetter(current, search.front());
        return stepped >= 0 && QChar(StateCodes[stepped][0]) == search.front() ? stepped : -1;
    }
    for (int index = 0; index < StateCount; ++index)
        if (QLatin1String(StateCodes[index]).startsWith(search))
            return index;
    return -1;
}
