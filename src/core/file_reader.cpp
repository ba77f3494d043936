#include "core/file_reader.h"

#include "core/errors.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace filereader {

namespace {

QString sizeText(qint64 bytes)
{
    return bytes >= MiB ? QStringLiteral("%1 MB").arg(bytes / MiB)
                        : QStringLiteral("%1 KB").arg(bytes / KiB);
}

#ifdef Q_OS_UNIX
// Closes the descriptor on every way out.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};
#endif

} // namespace

bool isRegularFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool isLastingFile(const QString& path)
{
    if (!isRegularFile(path))
        return false;
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    for (const QString& system : {QStringLiteral("/dev"), QStringLiteral("/proc")}) {
        if (folder == system || folder.startsWith(system + QLatin1Char('/')))
            return false;
    }
    return true;
}

QByteArray readAll(const QString& path, qint64 maxBytes)
{
#ifdef Q_OS_UNIX
    // Non-blocking, so that opening a FIFO with no writer returns at once; the
    // type is then checked on what was opened, not on the name.
    const Descriptor file{
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    using FileStatus = struct stat;
    FileStatus info{};
    if (path.isEmpty() || file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
        throw CorvaltoError::cannotOpen(path);
    if (info.st_size > maxBytes)
        throw CorvaltoError(tooLargeMessage(path, maxBytes));
    // One byte more than the limit tells a file that grew since.
    QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                throw CorvaltoError(tooLargeMessage(path, maxBytes));
            bytes.resize(qMin<qint64>(maxBytes + 1, 2 * filled + 4096));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw CorvaltoError::cannotOpen(path);
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes)
        throw CorvaltoError(tooLargeMessage(path, maxBytes));
    bytes.truncate(filled);
    return bytes;
#else
    QFile file(path);
    if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly))
        throw CorvaltoError::cannotOpen(path);
    if (file.size() > maxBytes)
        throw CorvaltoError(tooLargeMessage(path, maxBytes));
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        throw CorvaltoError(tooLargeMessage(path, maxBytes));
    return bytes;
#endif
}

qsizetype countLines(const QByteArray& bytes)
{
    qsizetype lines = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char b = bytes[i];
        if (b == '\n' || (b == '\r' && (i + 1 == n || bytes[i + 1] != '\n')))
            ++lines;
    }
    if (n > 0 && bytes[n - 1] != '\n' && bytes[n - 1] != '\r')
        ++lines;
    return lines;
}

QString tooLargeMessage(const QString& path, qint64 maxBytes)
{
    return QStringLiteral("Il file %1 è troppo grande: Corvalto legge file di questo tipo fino "
                          "a %2. Il file non è stato aperto.")
        .arg(shortened(path, 260), sizeText(maxBytes));
}

QString tooManyLinesMessage(const QString& path, qsizetype maxLines)
{
    return QStringLiteral("Il file %1 ha troppe righe: Corvalto legge file di questo tipo fino "
                          "a %2 righe. Il file non è stato aperto.")
        .arg(shortened(path, 260))
        .arg(maxLines);
}

QString shortened(const QString& text, qsizetype maxChars)
{
    if (text.size() <= maxChars)
        return text;
    return text.left(maxChars) + QStringLiteral("...");
}

} // namespace filereader
