#pragma once

#include <QString>

struct CompanyRecord;

// The suite as printed after the street: `word` ("STE", "Ste", "SUITE ") and the suite as typed,
// or the suite alone when it already starts with such a word ("Ste 5", "Suite 5", "Room 12",
// "#5"), so a suite typed "Ste 5" never reads "STE Ste 5". Empty for a blank suite.
QString SuiteText(const QString& suite, const QString& word);

// The street line: the street and, when a suite is entered, a blank and SuiteText. Each caller
// passes the street and suite in the case it prints them.
QString StreetWithSuite(const QString& street, const QString& suite, const QString& word);

// The company's street line as typed: its address with its suite.
QString CompanyStreetLine(const CompanyRecord& company, const QString& word);
