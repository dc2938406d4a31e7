#include "JournaledStepChecks.h"

#include "FailingFileOperations.h"

#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr std::initializer_list<FileOperation> kEveryOperation = {FileOperation::Open,  FileOperation::Write,
                                                                   FileOperation::Sync,  FileOperation::Close,
                                                                   FileOperation::Rename, FileOperation::Remove};

void PutFileStates(const FileStates& states)
{
    for (const auto& [path, bytes] : states) {
        QFile::remove(path);
        if (bytes)
            WriteTestFile(path, *bytes);
    }
}

// Hidden files and journals: what an unfinished step would leave.
QStringList Leftovers(const JournaledStep& step)
{
    QStringList left;
    for (const QString& folder : step.folders)
        for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
            if (name.startsWith(QLatin1Char('.')) || name.contains(QStringLiteral(".Journal")))
                left << name;
    return left;
}

void Reopen(const JournaledStep& step, ScriptedMessages& messages)
{
    const bool interrupted = QFileInfo::exists(step.journal);
    if (interrupted)
        messages.expect(IdOk, QStringLiteral("did not finish"));
    step.reopen();
    EXPECT_TRUE(messages.allAnswered());
    EXPECT_EQ(Leftovers(step), QStringList());
}

} // namespace

StoppingFileOperations::StoppingFileOperations(int stopAt)
    : stopAt_(stopAt)
{
    previous_ = SetFileOperationFault([this](FileOperation, const QString&) -> int {
        if (++calls_ == stopAt_)
            throw SimulatedStop{};
        return 0;
    });
}

StoppingFileOperations::~StoppingFileOperations()
{
    SetFileOperationFault(std::move(previous_));
}

FileStates ReadFileStates(const QStringList& paths)
{
    FileStates states;
    for (const QString& path : paths)
        states[path] = QFileInfo::exists(path) ? std::optional<QByteArray>(ReadTestFile(path)) : std::nullopt;
    return states;
}

void ExpectFaultsChangeNothing(const JournaledStep& step, ScriptedMessages& messages)
{
    const FileStates before = ReadFileStates(step.files);
    int total = 0;
    step.reset();
    {
        FailingFileOperations counter(kEveryOperation, 0);
        step.act();
        total = counter.calls();
    }
    const FileStates after = ReadFileStates(step.files);
    ASSERT_NE(after, before);
    for (int failAt = 1; failAt <= total; ++failAt) {
        SCOPED_TRACE(testing::Message() << "failing operation " << failAt << " of " << total);
        PutFileStates(before);
        step.reset();
        bool failed = false;
        {
            FailingFileOperations failing(kEveryOperation, failAt);
            try {
                step.act();
            } catch (const Exception&) {
                failed = true;
            }
        }
        if (failed) {
            EXPECT_EQ(ReadFileStates(step.files), before);
            EXPECT_EQ(Leftovers(step), QStringList());
            EXPECT_FALSE(QFileInfo::exists(step.journal));
            step.act();
        }
        EXPECT_EQ(ReadFileStates(step.files), after);
        Reopen(step, messages);
        EXPECT_EQ(ReadFileStates(step.files), after);
    }
}

void ExpectStopsFinishOrUndo(const JournaledStep& step, ScriptedMessages& messages)
{
    const FileStates before = ReadFileStates(step.files);
    int total = 0;
    step.reset();
    {
        StoppingFileOperations counter(0);
        step.act();
        total = counter.calls();
    }
    const FileStates after = ReadFileStates(step.files);
    ASSERT_NE(after, before);
    int finished = 0;
    int undone = 0;
    for (int stopAt = 1; stopAt <= total; ++stopAt) {
        SCOPED_TRACE(testing::Message() << "stopped before operation " << stopAt << " of " << total);
        PutFileStates(before);
        step.reset();
        {
            StoppingFileOperations stopping(stopAt);
            EXPECT_THROW(step.act(), SimulatedStop);
        }
        Reopen(step, messages);
        const FileStates now = ReadFileStates(step.files);
        EXPECT_TRUE(now == before || now == after);
        if (now == after) {
            ++finished;
            continue;
        }
        ++undone;
        step.act();
        EXPECT_EQ(ReadFileStates(step.files), after);
        Reopen(step, messages);
    }
    // The stops fell both before the new files were proven and after.
    EXPECT_GT(finished, 0);
    EXPECT_GT(undone, 0);
}
