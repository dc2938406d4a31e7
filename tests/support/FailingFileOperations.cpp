#include "FailingFileOperations.h"

#include <algorithm>

FailingFileOperations::FailingFileOperations(std::initializer_list<FileOperation> operations, int failAt, int error)
    : operations_(operations)
    , failAt_(failAt)
    , error_(error)
{
    previous_ = SetFileOperationFault([this](FileOperation operation, const QString& path) {
        if (std::find(operations_.begin(), operations_.end(), operation) == operations_.end())
            return 0;
        if (++calls_ != failAt_)
            return 0;
        failedPath_ = path;
        return error_;
    });
}

FailingFileOperations::~FailingFileOperations()
{
    SetFileOperationFault(std::move(previous_));
}
