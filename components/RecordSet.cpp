#include "components/RecordSet.h"

#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/FileOperations.h"
#include "platform/FileReading.h"
#include "platform/HourglassCursor.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Why a file that could be read could not be opened for writing: another opener holds it, or the
// file or its medium is read-only, which no waiting for another program mends.
QString whyBrowseOnly(const QString& fileName, int refused)
{
    if (refused == EBUSY)
        return fileName + QStringLiteral(" is already in use!");
    if (refused == EACCES || refused == EPERM || refused == EROFS)
        return QStringLiteral("%1 is read-only (%2).").arg(fileName, systemText(refused));
    return QStringLiteral("%1 cannot be written (%2).").arg(fileName, systemText(refused));
}

void takeTitleWhenBlank(QString& caption)
{
    if (caption.trimmed().isEmpty())
        caption = QCoreApplication::applicationName();
}

// A regular file, or anything else but a folder, stands at path.
bool fileExists(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISDIR(info.st_mode);
}

SharedFile::Access accessOf(TFileOpenMode mode)
{
    switch (mode) {
    case omOpenRead:
        return SharedFile::Access::Read;
    case omOpenWrite:
        return SharedFile::Access::Write;
    case omOpenReadWrite:
        break;
    }
    return SharedFile::Access::ReadWrite;
}

SharedFile::Sharing sharingOf(TFileShareMode mode)
{
    switch (mode) {
    case smShareCompat:
    case smShareExclusive:
        return {true, true};
    case smShareDenyWrite:
        return {false, true};
    case smShareDenyRead:
        return {true, false};
    case smShareDenyNone:
        break;
    }
    return {false, false};
}

} // namespace

TRecordSet::TRecordSet(QObject* owner)
    : TRecordSetComponent(owner)
    , openErrText_(QStringLiteral("Unable to open database file"))
    , newErrText_(QStringLiteral("Unable to create new record.~You have reached the maximum number of records that~"
                                 "can be created with this version of the program."))
    , delErrText_(QStringLiteral("Unable to delete current record~you cannot delete the first record when~"
                                 "its the only record in the database."))
    , delMsgText_(QStringLiteral("Confirm request~Delete current record from database?"))
{
    SetRecSize(32);
}

TRecordSet::~TRecordSet() = default;

void TRecordSet::SetRecSize(int size)
{
    if (size < 32 || size == recSize_)
        return;
    recSize_ = size;
    buffer_.assign(static_cast<std::size_t>(size), 0);
}

void TRecordSet::SetCurrentRecord(int n)
{
    if (Active() && n >= 1 && n <= lastRec_)
        curRec_ = n;
}

int TRecordSet::RecordCount() const
{
    if (!Active())
        return 0;
    return static_cast<int>(std::min<qint64>(fileSize() / recSize_, INT_MAX));
}

bool TRecordSet::cancelledBy(const TRecordSetEvent& event)
{
    fire(event);
    if (!cancel_)
        return false;
    cancel_ = false;
    return true;
}

void TRecordSet::fire(const TRecordSetEvent& event)
{
    if (event)
        event(*this);
}

void TRecordSet::showOpenError(int error)
{
    QString text = openErrText_;
    if (error != 0)
        text += QStringLiteral("~%1: %2").arg(fileName_, systemText(error));
    AppMessageBox(text, openErrCaption_, MbIconStop);
}

// Something other than a file, or a file of more records than its format allows, is refused
// before it is opened: a pipe would hold the program, a damaged file would be worked on.
QString TRecordSet::unreadableFileProblem() const
{
    if (QString problem = IrregularFileProblem(fileName_); !problem.isEmpty())
        return problem;
    const qint64 records = QFileInfo(fileName_).size() / recSize_;
    if (records > maxRec_)
        return DamagedFileText(fileName_,
                               QStringLiteral("it holds %1 records, more than the %2 its format allows.").arg(records).arg(maxRec_));
    return {};
}

void TRecordSet::OpenRecSet()
{
    if (Active())
        return;
    takeTitleWhenBlank(openErrCaption_);
    takeTitleWhenBlank(appTitle_);
    if (cancelledBy(OnBeforeOpen))
        return;
    if (IsBlank(fileName_)) {
        showOpenError();
        return;
    }
    browseOnly_ = false;
    contentChanged();
    if (const QString problem = unreadableFileProblem(); !problem.isEmpty()) {
        AppMessageBox(openErrText_ + QStringLiteral("~") + problem, openErrCaption_, MbIconStop);
        return;
    }
    if (fileExists(fileName_)) {
        if (file_.open(fileName_, accessOf(fileOpenMode_), sharingOf(fileShareMode_), false)) {
            curRec_ = FirstRecord();
            lastRec_ = RecordCount();
        } else if (const int refused = file_.error(); fileShareMode_ == smShareDenyWrite
                   && file_.open(fileName_, SharedFile::Access::Read, sharingOf(smShareDenyNone), false)) {
            curRec_ = FirstRecord();
            lastRec_ = RecordCount();
            browseOnly_ = true;
            if (showOpenMode_)
                AppMessageBox(whyBrowseOnly(fileName_, refused)
                                  + QStringLiteral("~~The file has been opened in browse only mode. You will not be able "
                                                   "to record any changes."),
                              appTitle_, MbIconInformation);
        } else {
            showOpenError(file_.error());
            return;
        }
    } else {
        if (!autoCreate_) {
            showOpenError(ENOENT);
            return;
        }
        if (!file_.open(fileName_, SharedFile::Access::ReadWrite, sharingOf(smShareExclusive), true)) {
            showOpenError(file_.error());
            return;
        }
        createFile();
    }
    fire(OnAfterOpen);
}

// The new file holds one zeroed record. It stays open through its creating handle, shared with
// nobody, until it is closed.
void TRecordSet::createFile()
{
    curRec_ = lastRec_ = 1;
    NewRecData();
    try {
        writeRecord(1);
    } catch (...) {
        // A file that could not take its first record holds nothing worth keeping.
        file_.close();
        ::unlink(QFile::encodeName(fileName_).constData());
        throw;
    }
    fire(OnCreateFile);
}

void TRecordSet::CloseRecSet()
{
    if (!Active())
        return;
    if (cancelledBy(OnBeforeClose))
        return;
    const bool closed = file_.close();
    const int error = file_.error();
    contentChanged();
    fire(OnAfterClose);
    if (!closed)
        throw ERecordSetException(QStringLiteral("Unable to close %1: %2").arg(fileName_, systemText(error)));
}

void TRecordSet::RootRec()
{
    if (!Active())
        return;
    PushRec();
    curRec_ = 0;
}

void TRecordSet::PostRec()
{
    if (!Active())
        return;
    refuseInBrowseMode();
    requireCurrentRecord("write");
    if (cancelledBy(OnBeforePost))
        return;
    writeRecord(curRec_);
    fire(OnAfterPost);
}

void TRecordSet::NewRec()
{
    if (!Active())
        return;
    refuseInBrowseMode();
    if (lastRec_ >= maxRec_) {
        takeTitleWhenBlank(newErrCaption_);
        AppMessageBox(newErrText_, newErrCaption_, MbIconStop);
        return;
    }
    if (cancelledBy(OnBeforeNewRec))
        return;
    NewRecData();
    const qint64 sizeBefore = fileSize();
    try {
        writeRecord(lastRec_ + 1);
    } catch (const ERecordSetException& e) {
        // A partly written record must not stay behind to be counted or read later.
        struct stat info {};
        const bool grown = ::fstat(file_.handle(), &info) != 0 || info.st_size != sizeBefore;
        if (grown && ::ftruncate(file_.handle(), sizeBefore) != 0)
            throw ERecordSetException(e.message() + QStringLiteral(" (and cannot be cut back: %1)").arg(systemText(errno)));
        throw;
    }
    curRec_ = ++lastRec_;
    GetRec();
    fire(OnAfterNewRec);
}

void TRecordSet::GetRec()
{
    if (!Active())
        return;
    requireCurrentRecord("read");
    readRecord(curRec_);
    fire(OnAfterRead);
}

void TRecordSet::FirstRec()
{
    if (!Active())
        return;
    curRec_ = FirstRecord();
    GetRec();
}

void TRecordSet::LastRec()
{
    if (!Active())
        return;
    curRec_ = lastRec_;
    GetRec();
}

void TRecordSet::NextRec()
{
    if (!Active())
        return;
    curRec_ = curRec_ + 1 > lastRec_ ? FirstRecord() : curRec_ + 1;
    GetRec();
}

void TRecordSet::PriorRec()
{
    if (!Active())
        return;
    curRec_ = curRec_ - 1 < FirstRecord() ? lastRec_ : curRec_ - 1;
    GetRec();
}

void TRecordSet::PushRec()
{
    if (!Active())
        return;
    priorRec_ = curRec_;
}

void TRecordSet::PopRec()
{
    if (!Active())
        return;
    curRec_ = priorRec_;
    GetRec();
}

void TRecordSet::NewRecData()
{
    if (!Active())
        return;
    std::fill(buffer_.begin(), buffer_.end(), 0);
}

void TRecordSet::DeleteRec()
{
    if (!Active())
        return;
    refuseInBrowseMode();
    if (RecordCount() <= 1) {
        takeTitleWhenBlank(delErrCaption_);
        AppMessageBox(delErrText_, delErrCaption_, MbIconStop);
        return;
    }
    requireCurrentRecord("delete");
    takeTitleWhenBlank(delMsgCaption_);
    if (AppMessageBox(delMsgText_, delMsgCaption_, MbOkCancel | MbIconQuestion | MbDefButton2) != IdOk)
        return;
    if (cancelledBy(OnBeforeDelete))
        return;
    {
        const HourglassCursor hourglass;
        const int deleted = curRec_;
        const int last = lastRec_;
        for (int i = deleted; i < last; ++i) {
            curRec_ = i + 1;
            GetRec();
            writeRecord(i);
        }
        // The file is cut on the handle that holds it, so no other opener can slip in between.
        contentChanged();
        if (::ftruncate(file_.handle(), static_cast<off_t>(last - 1) * recSize_) != 0)
            throw ERecordSetException(QStringLiteral("Unable to shorten %1 after deleting record %2: %3")
                                          .arg(fileName_, QString::number(deleted), systemText(errno)));
        lastRec_ = RecordCount();
        curRec_ = deleted <= lastRec_ ? deleted : FirstRecord();
        GetRec();
    }
    fire(OnAfterDelete);
}

void TRecordSet::refuseInBrowseMode() const
{
    if (browseOnly_)
        throw ERecordSetException(QStringLiteral("Function is not executable in browse mode."));
}

void TRecordSet::requireCurrentRecord(const char* action) const
{
    if (curRec_ < FirstRecord() || curRec_ > lastRec_)
        throw ERecordSetException(QStringLiteral("Unable to %1 record %2 of %3: the file holds %4 records.")
                                      .arg(QLatin1String(action), QString::number(curRec_), fileName_,
                                           QString::number(lastRec_)));
}

qint64 TRecordSet::fileSize() const
{
    struct stat info {};
    if (::fstat(file_.handle(), &info) != 0)
        throw ERecordSetException(QStringLiteral("Unable to read the size of %1: %2").arg(fileName_, systemText(errno)));
    return info.st_size;
}

void TRecordSet::readRecord(int n)
{
    const off_t start = static_cast<off_t>(n - 1) * recSize_;
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t got = ::pread(file_.handle(), buffer_.data() + done, buffer_.size() - done, start + done);
        if (got > 0) {
            done += static_cast<std::size_t>(got);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // Half a record is no record: the buffer must not pass off old bytes as this one.
        const QString reason = got < 0 ? systemText(errno) : QStringLiteral("the file ends inside the record");
        std::fill(buffer_.begin(), buffer_.end(), 0);
        throw ERecordSetException(QStringLiteral("Unable to read record %1 of %2: %3").arg(QString::number(n), fileName_, reason));
    }
}

void TRecordSet::contentChanged()
{
    static std::atomic<quint64> lastVersion {0};
    contentVersion_ = ++lastVersion;
}

void TRecordSet::writeRecord(int n)
{
    contentChanged();
    const qint64 start = static_cast<qint64>(n - 1) * recSize_;
    if (const int error = WriteAll(file_.handle(), fileName_, buffer_.data(), static_cast<qint64>(buffer_.size()), start))
        throw ERecordSetException(
            QStringLiteral("Unable to write record %1 of %2: %3").arg(QString::number(n), fileName_, systemText(error)));
}

void TRecordSet::checkRecordSize(std::size_t size) const
{
    if (size != buffer_.size())
        throw ERecordSetException(QStringLiteral("A record of %1 bytes does not fit the %2 bytes of %3.")
                                      .arg(QString::number(size), QString::number(buffer_.size()), fileName_));
}
