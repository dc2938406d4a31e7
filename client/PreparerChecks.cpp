#include "client/PreparerChecks.h"

#include "components/TextRoutines.h"
#include "components/Validators.h"

std::vector<PreparerProblem> PreparerProblems(const PreparerRecord& p)
{
    std::vector<PreparerProblem> problems;
    const auto check = [&problems](bool failing, PreparerField field, const char* message) {
        if (failing)
            problems.push_back({field, QString::fromLatin1(message)});
    };
    using enum PreparerField;
    check(IsBlank(p.PrepName), PrepName, "Preparer's name is missing.");
    check(IsBlank(p.FirmName), FirmName, "Firm's name is missing.");
    check(IsBlank(p.Address), Address, "Address is missing.");
    check(IsBlank(p.City), City, "City name is missing.");
    check(IsBlank(p.State), State, "State name is missing.");
    check(!IsValidZip(p.ZipCode), ZipCode, "Zip code is missing or invalid.");
    check(!IsValidPhone(p.Phone), PhoneNum, "Telephone number is invalid.");
    check(!IsValidPTIN(p.PTIN), PTIN, "PTIN is invalid");
    return problems;
}
