// SPDX-License-Identifier: MIT
#include "bookfile.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::book {
namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int get() const { return m_fd; }

private:
    int m_fd;
};

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString refusal(const QString &path, const QString &what, const QString &todo)
{
    return QStringLiteral("The client book %1 %2. It was left as it is; %3.").arg(path, what, todo);
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("a named pipe");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    return QStringLiteral("not a regular file");
}

unsigned bigEndian(const unsigned char *bytes, int count)
{
    unsigned value = 0;
    for (int i = 0; i < count; ++i)
        value = value << 8 | bytes[i];
    return value;
}

// A database whose pages do not all fit in the file has lost its end. The
// page count in the header is only trusted when the header says it is
// current, and not while a write-ahead log may still hold pages that a
// checkpoint has not yet copied in.
QString checkHeader(const QString &path, int fd, qint64 size)
{
    std::array<unsigned char, 100> header{};
    if (size < static_cast<qint64>(header.size()) || ::pread(fd, header.data(), header.size(), 0) != static_cast<ssize_t>(header.size())) {
        if (size >= 16 && ::pread(fd, header.data(), 16, 0) == 16 && std::memcmp(header.data(), "SQLite format 3", 16) == 0)
            return refusal(path, QStringLiteral("is damaged: it is cut off within its first 100 bytes"),
                           QStringLiteral("restore it from a backup"));
        return refusal(path, QStringLiteral("is not a client book (it is not a database: perhaps a text file)"),
                       QStringLiteral("choose the book's own file, or a name that does not exist yet for a new book"));
    }
    if (std::memcmp(header.data(), "SQLite format 3", 16) != 0)
        return refusal(path, QStringLiteral("is not a client book (it is not a database: perhaps a text file)"),
                       QStringLiteral("choose the book's own file, or a name that does not exist yet for a new book"));
    unsigned pageSize = bigEndian(header.data() + 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const unsigned changeCounter = bigEndian(header.data() + 24, 4);
    const unsigned pageCount = bigEndian(header.data() + 28, 4);
    const unsigned validFor = bigEndian(header.data() + 92, 4);
    const bool validSize = pageSize >= 512 && pageSize <= 65536 && (pageSize & (pageSize - 1)) == 0;
    if (!validSize)
        return refusal(path, QStringLiteral("is damaged: its header is not that of a sound database"),
                       QStringLiteral("restore it from a backup"));
    struct stat wal {};
    const bool walHoldsPages = ::stat(native(path + QStringLiteral("-wal")).constData(), &wal) == 0 && wal.st_size > 0;
    if (walHoldsPages)
        return {};
    if (size % pageSize != 0 || (validFor == changeCounter && size < static_cast<qint64>(pageCount) * pageSize))
        return refusal(path,
                       QStringLiteral("is damaged: it is shorter than the database it holds (%1 bytes of %2); "
                                      "perhaps a copy was cut off")
                           .arg(size)
                           .arg(static_cast<qint64>(pageCount) * pageSize),
                       QStringLiteral("restore it from a backup"));
    return {};
}

// The folder of a new book: made when asked, else it must exist already.
QString prepareFolder(const QString &path, bool makeFolder)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo(folder).isDir())
        return {};
    if (!makeFolder)
        return QStringLiteral("The folder %1 for the client book does not exist. Create it first, or choose another "
                              "place for the book.")
            .arg(folder);
    // The parents as the system makes folders; the book's own only for the user.
    const QString parent = QFileInfo(folder).absolutePath();
    if (!QDir().mkpath(parent) || (::mkdir(native(folder).constData(), 0700) != 0 && errno != EEXIST))
        return QStringLiteral("The folder %1 for the client book could not be made: %2.").arg(folder, systemError(errno));
    return {};
}

// A new, empty book file that only the user may read, made before the
// database opens it, so that it is never readable by others for a moment.
BookFile makeFile(const QString &path, bool makeFolder)
{
    if (QString error = prepareFolder(path, makeFolder); !error.isEmpty())
        return {path, false, error};
    const int fd = ::open(native(path).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return {path, false,
                QStringLiteral("The client book %1 could not be made: %2. Choose a folder you may write to.")
                    .arg(path, systemError(errno))};
    ::close(fd);
    return {path, true, {}};
}

} // namespace

BookFile prepareBookFile(const QString &address, bool makeFolder)
{
    const QString path = QFileInfo(address).absoluteFilePath();
    struct stat link {};
    if (::lstat(native(path).constData(), &link) != 0) {
        if (errno != ENOENT)
            return {path, false, QStringLiteral("The client book %1 cannot be reached: %2.").arg(path, systemError(errno))};
        // Another process may make it at the same moment: then it is looked at as it is.
        BookFile made = makeFile(path, makeFolder);
        if (made.error.isEmpty() || ::lstat(native(path).constData(), &link) != 0)
            return made;
    }
    QString file = path;
    if (S_ISLNK(link.st_mode)) {
        // A link is followed only to a regular file: a book is never made
        // through a link, nor is anything but a file opened as one.
        const QString target = QFileInfo(path).symLinkTarget();
        struct stat to {};
        if (::stat(native(path).constData(), &to) != 0)
            return {path, false,
                    refusal(path, QStringLiteral("is a link to %1, which does not exist").arg(target),
                            QStringLiteral("a new book is never made through a link: give the place itself"))};
        if (!S_ISREG(to.st_mode))
            return {path, false,
                    refusal(path, QStringLiteral("is a link to %1, which is %2").arg(target, kindOf(to.st_mode)),
                            QStringLiteral("a link is followed only to a book's own file"))};
        file = QFileInfo(path).canonicalFilePath();
    } else if (!S_ISREG(link.st_mode)) {
        return {path, false,
                refusal(path, QStringLiteral("is %1, not a book's file").arg(kindOf(link.st_mode)),
                        QStringLiteral("choose the book's own file, or a name that does not exist yet for a new book"))};
    }

    // Non-blocking, so that a file swapped for a pipe since it was looked at
    // cannot hang the open; what was opened is looked at again.
    const Descriptor fd(::open(native(file).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0)
        return {path, false,
                QStringLiteral("The client book %1 cannot be read: %2. Check that it is yours and readable.")
                    .arg(path, systemError(errno))};
    if (!S_ISREG(opened.st_mode))
        return {path, false,
                refusal(path, QStringLiteral("is %1, not a book's file").arg(kindOf(opened.st_mode)),
                        QStringLiteral("choose the book's own file"))};
    if (QString error = checkHeader(path, fd.get(), opened.st_size); !error.isEmpty() && opened.st_size > 0)
        return {path, false, error};

    // A book is written to as it is used, beside it too (its log): a file or
    // folder that cannot be written to is refused rather than opened for
    // reading only, which would fail at the first change.
    const Descriptor writable(::open(native(file).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (writable.get() < 0 || ::access(native(QFileInfo(file).absolutePath()).constData(), W_OK) != 0) {
        const int code = errno;
        return {path, false,
                refusal(path,
                        QStringLiteral("cannot be written to (%1: a read-only medium, or not yours)").arg(systemError(code)),
                        QStringLiteral("copy it, with the files beside it whose names start with its own, to a folder "
                                       "you may write to, and open the copy"))};
    }
    return {file, opened.st_size == 0, {}};
}

} // namespace velmora::book
