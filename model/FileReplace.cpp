#include "model/FileReplace.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Unbuffered, because a failure while QSaveFile flushes its own buffer inside commit (a full
// disk) is lost and the cut-off file still replaces the old one.
bool WriteThroughTemporaryFile(QSaveFile& File, const std::vector<QByteArrayView>& Pieces) {
    for (const QByteArrayView Piece : Pieces)
        if (File.write(Piece.data(), Piece.size()) != Piece.size()) {
            File.cancelWriting();
            return false;
        }
    return File.commit();
}

// The one case where the temporary file cannot be made while the file itself may be writable.
bool FolderRefusesNewFiles(const QString& FileName) {
    const QFileInfo Target(QFileInfo(FileName).canonicalFilePath());
    return Target.isFile() && !QFileInfo(Target.absolutePath()).isWritable();
}

class TDescriptor {
public:
    explicit TDescriptor(int Fd) : FFd(Fd) {}
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    ~TDescriptor() {
        if (FFd >= 0) ::close(FFd);
    }
    int Fd() const { return FFd; }
    bool Close() {
        const int Fd = FFd;
        FFd = -1;
        return ::close(Fd) == 0;
    }

private:
    int FFd;
};

bool WriteAt(int Fd, QByteArrayView Bytes, off_t Offset) {
    while (!Bytes.isEmpty()) {
        const ssize_t Written = ::pwrite(Fd, Bytes.data(), std::size_t(Bytes.size()), Offset);
        if (Written < 0 && errno == EINTR) continue;
        if (Written <= 0) return false;
        Bytes = Bytes.sliced(Written);
        Offset += Written;
    }
    return true;
}

bool ReadWhole(int Fd, off_t Size, QByteArray& Bytes) {
    Bytes.resize(qsizetype(Size));
    qsizetype Done = 0;
    while (Done < Bytes.size()) {
        const ssize_t Read =
            ::pread(Fd, Bytes.data() + Done, std::size_t(Bytes.size() - Done), Done);
        if (Read < 0 && errno == EINTR) continue;
        if (Read < 0) return false;
        if (Read == 0) break;
        Done += Read;
    }
    Bytes.truncate(Done);
    return true;
}

bool WritePieces(int Fd, const std::vector<QByteArrayView>& Pieces) {
    off_t Offset = 0;
    for (const QByteArrayView Piece : Pieces) {
        if (!WriteAt(Fd, Piece, Offset)) return false;
        Offset += Piece.size();
    }
    return true;
}

// Disk space is reserved before the first byte is overwritten, so a full disk or a size limit
// fails while the file is still unchanged; should writing fail all the same, the old contents
// are put back.
bool RewriteInPlace(const QString& FileName, const std::vector<QByteArrayView>& Pieces) {
    TDescriptor File(::open(QFile::encodeName(FileName).constData(), O_RDWR | O_CLOEXEC));
    struct stat Status {};
    if (File.Fd() < 0 || ::fstat(File.Fd(), &Status) != 0 || !S_ISREG(Status.st_mode)) return false;
    QByteArray Old;
    if (!ReadWhole(File.Fd(), Status.st_size, Old)) return false;
    off_t NewSize = 0;
    for (const QByteArrayView Piece : Pieces) NewSize += Piece.size();
    if (NewSize > Old.size() && ::posix_fallocate(File.Fd(), 0, NewSize) != 0) {
        (void)::ftruncate(File.Fd(), Old.size());
        return false;
    }
    if (WritePieces(File.Fd(), Pieces) && ::ftruncate(File.Fd(), NewSize) == 0 &&
        ::fsync(File.Fd()) == 0)
        return File.Close();
    (void)WriteAt(File.Fd(), Old, 0);
    (void)::ftruncate(File.Fd(), Old.size());
    (void)::fsync(File.Fd());
    return false;
}

} // namespace

bool ReplaceFileContents(const QString& FileName, const std::vector<QByteArrayView>& Pieces) {
    QSaveFile File(FileName);
    if (File.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteThroughTemporaryFile(File, Pieces);
    return FolderRefusesNewFiles(FileName) && RewriteInPlace(FileName, Pieces);
}
