#include "platform/FileFingerprint.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <zlib.h>

FileFingerprint EmptyFingerprint()
{
    return {0, static_cast<quint32>(crc32_z(0, nullptr, 0))};
}

void AddToFingerprint(FileFingerprint& fingerprint, const char* bytes, qint64 size)
{
    fingerprint.crc32 = static_cast<quint32>(
        crc32_z(fingerprint.crc32, reinterpret_cast<const Bytef*>(bytes), static_cast<z_size_t>(size)));
    fingerprint.size += size;
}

FileFingerprint FingerprintOf(const QByteArray& bytes)
{
    FileFingerprint fingerprint = EmptyFingerprint();
    AddToFingerprint(fingerprint, bytes.constData(), bytes.size());
    return fingerprint;
}

int ReadFingerprint(const QString& path, FileFingerprint& fingerprint)
{
    int fd = -1;
    do
        fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    struct stat info {};
    int error = ::fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
    FileFingerprint read = EmptyFingerprint();
    std::vector<char> buffer(65536);
    while (!error) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got == 0)
            break;
        if (got > 0)
            AddToFingerprint(read, buffer.data(), got);
        else if (errno != EINTR)
            error = errno;
    }
    ::close(fd);
    if (!error)
        fingerprint = read;
    return error;
}
