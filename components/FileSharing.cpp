#include "components/FileSharing.h"

#include "platform/FileOperations.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One marker byte per right: an opener holds a shared lock on each right it uses or denies, and
// looks for anyone else's lock on the markers that clash with its own.
enum Marker { HasRead, HasWrite, DeniesRead, DeniesWrite };
constexpr off_t MarkerBase = 0x7FFFFFFFFFFFFF00;

flock markerLock(Marker marker, short type)
{
    flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = MarkerBase + marker;
    lock.l_len = 1;
    return lock;
}

bool holdMarker(int fd, Marker marker)
{
    flock lock = markerLock(marker, F_RDLCK);
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

// Sets taken when another open file description holds the marker.
bool markerTakenByOthers(int fd, Marker marker, bool& taken)
{
    flock lock = markerLock(marker, F_WRLCK);
    if (::fcntl(fd, F_OFD_GETLK, &lock) != 0)
        return false;
    taken = lock.l_type != F_UNLCK;
    return true;
}

} // namespace

SharedFile::~SharedFile()
{
    close();
}

bool SharedFile::fail(int code)
{
    close();
    error_ = code;
    return false;
}

bool SharedFile::open(const QString& path, Access access, Sharing sharing, bool create)
{
    close();
    error_ = 0;
    const bool reads = access != Access::Write;
    const bool writes = access != Access::Read;
    int flags = O_CLOEXEC | (access == Access::Read ? O_RDONLY : access == Access::Write ? O_WRONLY : O_RDWR);
    if (create)
        flags |= O_CREAT | O_EXCL;
    const QByteArray name = QFile::encodeName(path);
    if (writes) {
        if (const int error = OpenForWriting(path, flags, 0666, fd_))
            return fail(error);
        // A file nobody may write is read-only also for a user the system would let write it.
        struct stat info {};
        if (!create && ::fstat(fd_, &info) != 0)
            return fail(errno);
        if (!create && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
            return fail(EACCES);
    } else {
        fd_ = ::open(name.constData(), flags, 0666);
        if (fd_ < 0)
            return fail(errno);
    }
    // Shared locks need a descriptor open for reading.
    lockFd_ = reads ? fd_ : ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (lockFd_ < 0)
        return fail(errno);

    const struct {
        bool wanted;
        Marker mine;
        Marker clashing;
    } rights[] = {
        {reads, HasRead, DeniesRead},
        {writes, HasWrite, DeniesWrite},
        {sharing.denyRead, DeniesRead, HasRead},
        {sharing.denyWrite, DeniesWrite, HasWrite},
    };
    for (const auto& right : rights)
        if (right.wanted && !holdMarker(lockFd_, right.mine))
            return fail(errno == EAGAIN || errno == EACCES ? EBUSY : errno);
    for (const auto& right : rights) {
        bool taken = false;
        if (right.wanted && !markerTakenByOthers(lockFd_, right.clashing, taken))
            return fail(errno);
        if (taken)
            return fail(EBUSY);
    }
    return true;
}

bool SharedFile::close()
{
    int code = 0;
    if (lockFd_ >= 0 && lockFd_ != fd_ && ::close(lockFd_) != 0)
        code = errno;
    if (fd_ >= 0 && ::close(fd_) != 0)
        code = errno;
    fd_ = -1;
    lockFd_ = -1;
    if (code == 0)
        return true;
    error_ = code;
    return false;
}
