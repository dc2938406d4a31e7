#pragma once

#include "components/FileSharing.h"

#include <QObject>
#include <QString>

#include <cstring>
#include <functional>
#include <type_traits>
#include <vector>

enum TFileOpenMode : quint8 { omOpenRead, omOpenWrite, omOpenReadWrite };
enum TFileShareMode : quint8 { smShareCompat, smShareExclusive, smShareDenyWrite, smShareDenyRead, smShareDenyNone };

class TRecordSet;
// Every event of a record set receives the record set that fired it.
using TRecordSetEvent = std::function<void(TRecordSet& sender)>;

class TRecordSetComponent : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
};

// One file of fixed-size records, kept open, with one record of it, the current record, in a
// buffer of its own. Records are RecSize bytes back to back with no header; record n, counted
// from 1, starts at byte (n - 1) * RecSize; a partial last record does not count. The engine
// knows nothing of what a record holds.
//
// Before events may stop their operation: the handler calls Cancel on its sender, and the
// operation ends there without a message. An exception from any handler ends the operation at
// that point and reaches the caller. Every read, write and truncate is checked; a failure raises
// ERecordSetException naming the file and the system's reason.
//
// Every operation but OpenRecSet and Cancel does nothing while the file is closed.
class TRecordSet : public TRecordSetComponent {
    Q_OBJECT
public:
    explicit TRecordSet(QObject* owner = nullptr);
    // Closes a file still open, without firing events.
    ~TRecordSet() override;

    // A size below 32, or the current one, is ignored; any other replaces the buffer with a
    // zeroed one of the new size.
    int RecSize() const { return recSize_; }
    void SetRecSize(int size);
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }
    TFileOpenMode FileOpenMode() const { return fileOpenMode_; }
    void SetFileOpenMode(TFileOpenMode mode) { fileOpenMode_ = mode; }
    TFileShareMode FileShareMode() const { return fileShareMode_; }
    void SetFileShareMode(TFileShareMode mode) { fileShareMode_ = mode; }
    // NewRec refuses once the last record number has reached it.
    int MaxRec() const { return maxRec_; }
    void SetMaxRec(int maxRec) { maxRec_ = maxRec; }
    bool AutoCreate() const { return autoCreate_; }
    void SetAutoCreate(bool autoCreate) { autoCreate_ = autoCreate; }
    bool ShowOpenMode() const { return showOpenMode_; }
    void SetShowOpenMode(bool show) { showOpenMode_ = show; }

    // Message texts and captions. A blank caption takes the application's title when first
    // needed, and keeps it; AppTitle is the caption of the browse-only notice.
    const QString& OpenErrText() const { return openErrText_; }
    void SetOpenErrText(const QString& text) { openErrText_ = text; }
    const QString& OpenErrCaption() const { return openErrCaption_; }
    void SetOpenErrCaption(const QString& text) { openErrCaption_ = text; }
    const QString& NewErrText() const { return newErrText_; }
    void SetNewErrText(const QString& text) { newErrText_ = text; }
    const QString& NewErrCaption() const { return newErrCaption_; }
    void SetNewErrCaption(const QString& text) { newErrCaption_ = text; }
    const QString& DelErrText() const { return delErrText_; }
    void SetDelErrText(const QString& text) { delErrText_ = text; }
    const QString& DelErrCaption() const { return delErrCaption_; }
    void SetDelErrCaption(const QString& text) { delErrCaption_ = text; }
    const QString& DelMsgText() const { return delMsgText_; }
    void SetDelMsgText(const QString& text) { delMsgText_ = text; }
    const QString& DelMsgCaption() const { return delMsgCaption_; }
    void SetDelMsgCaption(const QString& text) { delMsgCaption_ = text; }
    const QString& AppTitle() const { return appTitle_; }
    void SetAppTitle(const QString& text) { appTitle_ = text; }

    // The current record: GetRec fills it, PostRec writes it.
    char* RecordBuffer() { return buffer_.data(); }
    const char* RecordBuffer() const { return buffer_.data(); }
    // Copies between the buffer and a record whose bytes are the file's; a record of another
    // size than RecSize raises ERecordSetException.
    template <class Record>
    void CopyBufferTo(Record& record) const;
    template <class Record>
    void CopyBufferFrom(const Record& record);

    int CurrentRecord() const { return curRec_; }
    // Moves to record n when the file is open and 1 <= n <= LastRecord; reads nothing.
    void SetCurrentRecord(int n);
    int FirstRecord() const { return 1; }
    int PriorRecord() const { return priorRec_; }
    int LastRecord() const { return lastRec_; }
    // The file size in whole records; 0 while the file is closed.
    int RecordCount() const;
    bool Active() const { return file_.isOpen(); }
    bool Bof() const { return curRec_ == FirstRecord(); }
    bool Eof() const { return curRec_ == lastRec_; }
    // The last open found the file in another opener's hands and opened it for reading only.
    // Nothing can be written then: PostRec, NewRec and DeleteRec raise ERecordSetException.
    bool BrowseOnly() const { return browseOnly_; }

    virtual void OpenRecSet();
    virtual void CloseRecSet();
    // Remembers the current record and moves before the first, so that NextRec reads record 1.
    virtual void RootRec();
    virtual void PostRec();
    // Appends a zeroed record and makes it current.
    virtual void NewRec();
    virtual void GetRec();
    virtual void FirstRec();
    virtual void LastRec();
    // Past the last record NextRec wraps to the first, and PriorRec before the first to the last.
    virtual void NextRec();
    virtual void PriorRec();
    // Remembers the current record number, one level deep; PopRec reads that record again.
    virtual void PushRec();
    virtual void PopRec();
    virtual void NewRecData();
    // Deletes the current record after the user confirms; later records move down by one.
    virtual void DeleteRec();

    // Changes whenever the records of the file may have changed through this record set, and when
    // it is opened or closed; numbers are drawn from one sequence for every record set of the
    // program, so no two states of any record sets share one. Readers that keep a copy of a record
    // compare it to tell whether their copy is still the file's.
    quint64 ContentVersion() const { return contentVersion_; }

    // Called by a Before handler on its sender to stop the operation under way.
    void Cancel() { cancel_ = true; }

    TRecordSetEvent OnCreateFile;
    TRecordSetEvent OnAfterClose;
    TRecordSetEvent OnAfterDelete;
    TRecordSetEvent OnAfterNewRec;
    TRecordSetEvent OnAfterOpen;
    TRecordSetEvent OnAfterPost;
    TRecordSetEvent OnAfterRead;
    TRecordSetEvent OnBeforeClose;
    TRecordSetEvent OnBeforeDelete;
    TRecordSetEvent OnBeforeNewRec;
    TRecordSetEvent OnBeforeOpen;
    TRecordSetEvent OnBeforePost;

private:
    bool cancelledBy(const TRecordSetEvent& event);
    void fire(const TRecordSetEvent& event);
    // The open error text, followed by the file and the system's reason when there is one.
    void showOpenError(int error = 0);
    QString unreadableFileProblem() const;
    void createFile();
    void refuseInBrowseMode() const;
    void requireCurrentRecord(const char* action) const;
    qint64 fileSize() const;
    void readRecord(int n);
    void writeRecord(int n);
    void checkRecordSize(std::size_t size) const;
    void contentChanged();

    int recSize_ = 0;
    std::vector<char> buffer_;
    QString fileName_;
    TFileOpenMode fileOpenMode_ = omOpenReadWrite;
    TFileShareMode fileShareMode_ = smShareDenyNone;
    SharedFile file_;
    int priorRec_ = 0;
    int lastRec_ = 0;
    int curRec_ = 0;
    int maxRec_ = 10000;
    bool autoCreate_ = true;
    bool cancel_ = false;
    bool showOpenMode_ = true;
    bool browseOnly_ = false;
    quint64 contentVersion_ = 0;
    QString openErrText_;
    QString openErrCaption_;
    QString newErrText_;
    QString newErrCaption_;
    QString delErrText_;
    QString delErrCaption_;
    QString delMsgText_;
    QString delMsgCaption_;
    QString appTitle_;
};

template <class Record>
void TRecordSet::CopyBufferTo(Record& record) const
{
    static_assert(std::is_trivially_copyable_v<Record>);
    checkRecordSize(sizeof(Record));
    std::memcpy(&record, buffer_.data(), sizeof(Record));
}

template <class Record>
void TRecordSet::CopyBufferFrom(const Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    checkRecordSize(sizeof(Record));
    std::memcpy(buffer_.data(), &record, sizeof(Record));
}
