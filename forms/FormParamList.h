#pragma once

#include <QString>

#include <utility>
#include <vector>

// The parameters a print handler gives one layout of the report project, in the order it sets
// them: name, then value.
using FormParamList = std::vector<std::pair<QString, QString>>;
