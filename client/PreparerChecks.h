#pragma once

#include "client/PreparerRecord.h"

#include <QString>
#include <vector>

// The eight preparer fields the forms need, in the order the preparer screen checks them.
enum class PreparerField { PrepName, FirmName, Address, City, State, ZipCode, PhoneNum, PTIN };

struct PreparerProblem {
    PreparerField field;
    QString message;
};

// Every missing or invalid field of the preparer; the first one refuses the OK with its message.
// The firm's EIN is neither required nor checked.
std::vector<PreparerProblem> PreparerProblems(const PreparerRecord& preparer);
