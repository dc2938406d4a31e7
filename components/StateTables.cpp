#include "components/StateTables.h"

#include "components/TextRoutines.h"

#include <QStringList>

const std::array<const char*, StateCount> StateCodes = {
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "GU", "HI", "IA",
    "ID", "IL", "IN", "KS", "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT",
    "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY", "OH", "OK", "OR", "PA", "PR", "RI",
    "SC", "SD", "TN", "TX", "UT", "VA", "VI", "VT", "WA", "WI", "WV", "WY",
};

const std::array<const char*, StateCount> StateNames = {
    "Alaska", "Alabama", "Arkansas", "Arizona", "California", "Colorado", "Connecticut",
    "District of Columbia", "Delaware", "Florida", "Georgia", "Guam", "Hawaii", "Iowa", "Idaho",
    "Illinois", "Indiana", "Kansas", "Kentucky", "Louisiana", "Massachusetts", "Maryland", "Maine",
    "Michigan", "Minnesota", "Missouri", "Mississippi", "Montana", "North Carolina", "North Dakota",
    "Nebraska", "New Hampshire", "New Jersey", "New Mexico", "Nevada", "New York", "Ohio",
    "Oklahoma", "Oregon", "Pennsylvania", "Puerto Rico", "Rhode Island", "South Carolina",
    "South Dakota", "Tennessee", "Texas", "Utah", "Virginia", "Virgin Islands", "Vermont",
    "Washington", "Wisconsin", "West Virginia", "Wyoming",
};

quint8 StateCodeIndex(const QString& code)
{
    static const QStringList codes = [] {
        QStringList list;
        for (const char* c : StateCodes)
            list << QLatin1String(c);
        return list;
    }();
    const int position = TextIndexInList(code, codes);
    return static_cast<quint8>(position == 0 ? StateCount : position - 1);
}

QString StateNameOf(const QString& code)
{
    const quint8 index = StateCodeIndex(code);
    return index < StateCount ? QString::fromLatin1(StateNames[index]) : QString();
}
