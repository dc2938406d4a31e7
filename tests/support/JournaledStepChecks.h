#pragma once

#include "TestSupport.h"

#include "platform/FileOperations.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

// Checks that a step changing several files stands whole or not at all: under a failing file
// operation, and under a stop of the program before any one of its file operations.

// Thrown from the file layer's seam to stop a step the way a kill would: nothing after it runs,
// and no clean-up does either, since no code of the program catches it.
struct SimulatedStop {};

// Stops the stopAt-th file operation (from 1) of any kind; with 0 nothing stops, and calls()
// tells how many there were, so that a test can stop before each in turn.
class StoppingFileOperations {
public:
    explicit StoppingFileOperations(int stopAt);
    ~StoppingFileOperations();
    StoppingFileOperations(const StoppingFileOperations&) = delete;
    StoppingFileOperations& operator=(const StoppingFileOperations&) = delete;
    int calls() const { return calls_; }

private:
    int stopAt_;
    int calls_ = 0;
    FileOperationFault previous_;
};

// Each file's bytes, or nothing for a file that is not there.
using FileStates = std::map<QString, std::optional<QByteArray>>;
FileStates ReadFileStates(const QStringList& paths);

// A step of the program and how to look at its result.
struct JournaledStep {
    QStringList files;             // every file the step may change
    QStringList folders;           // where no hidden file or journal may be left
    QString journal;               // the step's journal
    std::function<void()> reset;   // puts what the program holds in memory back as before the step
    std::function<void()> act;     // the step, from what memory holds; a failure raises an Exception
    // The next opening: loads what the files say into memory (finishing or undoing an interrupted
    // step) and checks that the totals count each client once.
    std::function<void()> reopen;
};

// Fails each file operation of the step in turn: the step either fails and leaves every file
// byte-identical, after which a retry succeeds; or it stands whole. Either way the next opening
// then finds the step done once.
void ExpectFaultsChangeNothing(const JournaledStep& step, ScriptedMessages& messages);

// Stops the program before each file operation of the step in turn: the next opening finds the
// files all as before or all as after the step, says so once when it had to finish or undo it,
// and leaves no hidden file or journal behind; a step undone is then taken again and counts once.
void ExpectStopsFinishOrUndo(const JournaledStep& step, ScriptedMessages& messages);
