#pragma once

#include "platform/Exceptions.h"

// A report that cannot be produced or read: a damaged snapshot, a missing layout, a printer that
// does not start. The message says which file or name and why.
class EReportException : public ECustomException {
public:
    using ECustomException::ECustomException;
};
