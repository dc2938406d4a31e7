#pragma once

#include <QDate>
#include <QString>

// What the user chose for one printout of Form 940, 941 or 944.
struct ReturnPrintChoices {
    bool filingCopy = true;          // "Filing Copy for IRS", else the file copy
    QString printDateText;           // the date typed in the copy dialog
    bool noPrintPrepInfo = false;    // leave the paid preparer off
    QDate today;
};
