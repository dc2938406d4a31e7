#pragma once

#include <QString>
#include <optional>

enum class GroupTermLifeField { DateOfBirth, GTLIFaceAmt };

struct GroupTermLifeProblem {
    GroupTermLifeField Field;
    QString Message;
};

// The date of birth must be valid and the coverage above $50,000 while the group-term life cost
// is computed automatically; nothing is required otherwise.
std::optional<GroupTermLifeProblem> CheckGroupTermLife(bool autoCalc, const QString& dateOfBirth, double faceAmount);
