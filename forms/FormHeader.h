#pragma once

#include <QString>

struct CompanyRecord;

// The company block at the top of a tax form's screen: the EIN boxes, name, trade name and
// address. A foreign address leaves the state and ZIP boxes empty and fills the three foreign
// boxes; a domestic one does the reverse.
struct FormHeader {
    QString EINDigits;   // the EIN's digits, dash removed
    QString Name;
    QString TradeName;
    QString Address;
    QString SuiteNum;
    QString City;
    QString State;
    QString ZipCode;
    QString ForeignCountry;
    QString ForeignProvCo;
    QString ForeignZipCode;

    static constexpr int kEINBoxes = 9;
    // The character of EIN box k (1..9); empty past the digits there are.
    QString EINBox(int k) const;
};

FormHeader CompanyFormHeader(const CompanyRecord& company);
