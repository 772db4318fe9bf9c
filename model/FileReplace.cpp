#include "model/FileReplace.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

TRewriteStepHook StepHook = nullptr;

void BeforeStep(TRewriteStep Step) {
    if (StepHook != nullptr) StepHook(Step);
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

qsizetype TotalSize(const std::vector<QByteArrayView>& Pieces) {
    qsizetype Size = 0;
    for (const QByteArrayView Piece : Pieces) Size += Piece.size();
    return Size;
}

// All pieces from offset 0 with one system call; another follows only for what a short write
// left over. A settings file has a few hundred pieces at most, far below IOV_MAX.
bool WriteAll(int Fd, std::vector<QByteArrayView> Pieces, bool IsHooked) {
    off_t Offset = 0;
    Pieces.erase(std::remove_if(Pieces.begin(), Pieces.end(),
                                [](QByteArrayView Piece) { return Piece.isEmpty(); }),
                 Pieces.end());
    std::size_t First = 0;
    while (First < Pieces.size()) {
        std::vector<iovec> Vectors;
        for (std::size_t i = First; i < Pieces.size() && Vectors.size() < IOV_MAX; ++i)
            Vectors.push_back({const_cast<char*>(Pieces[i].data()), std::size_t(Pieces[i].size())});
        if (IsHooked) BeforeStep(TRewriteStep::Write);
        const ssize_t Written = ::pwritev(Fd, Vectors.data(), int(Vectors.size()), Offset);
        if (Written < 0 && errno == EINTR) continue;
        if (Written <= 0) return false;
        Offset += Written;
        for (qsizetype Left = Written; Left > 0;) {
            const qsizetype Taken = std::min(Left, Pieces[First].size());
            Pieces[First] = Pieces[First].sliced(Taken);
            Left -= Taken;
            if (Pieces[First].isEmpty()) ++First;
        }
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

bool CutTo(int Fd, off_t Size) {
    while (::ftruncate(Fd, Size) != 0)
        if (errno != EINTR) return false;
    return true;
}

// The file a symbolic link names is replaced, not the link; a missing target is created.
QByteArray ResolvedPath(const QString& FileName) {
    QString Path = FileName;
    for (int Depth = 0; Depth < 40 && QFileInfo(Path).isSymLink(); ++Depth)
        Path = QFileInfo(Path).symLinkTarget();
    return QFile::encodeName(Path);
}

// Created with mode 0666 less the umask, like any new file; an existing file's owner and mode
// are given to it afterwards.
int CreateTemporaryBeside(const QByteArray& Target, QByteArray& TemporaryName) {
    const qsizetype Slash = Target.lastIndexOf('/');
    const QByteArray Folder = Slash < 0 ? QByteArray(".") : Target.first(Slash);
    const QByteArray Base = Target.sliced(Slash + 1);
    for (int Attempt = 0; Attempt < 100; ++Attempt) {
        TemporaryName = Folder + "/." + Base + "." +
                        QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int Fd = ::open(TemporaryName.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (Fd >= 0 || errno != EEXIST) return Fd;
    }
    return -1;
}

// Root saving a user's file leaves it the user's. The owner goes first, since changing it may
// clear bits the mode then sets; a process that may not give the file away keeps it as its own.
bool TakeOwnerAndMode(int Fd, const struct stat& Old) {
    if ((Old.st_uid != ::geteuid() || Old.st_gid != ::getegid()) &&
        ::fchown(Fd, Old.st_uid, Old.st_gid) != 0 && errno != EPERM)
        return false;
    return ::fchmod(Fd, Old.st_mode & 07777) == 0;
}

// Without it a power loss right after the rename could lose the new name.
void SyncFolderOf(const QByteArray& Target) {
    const qsizetype Slash = Target.lastIndexOf('/');
    const QByteArray Folder = Slash <= 0 ? QByteArray(Slash == 0 ? "/" : ".") : Target.first(Slash);
    TDescriptor Handle(::open(Folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (Handle.Fd() >= 0) ::fsync(Handle.Fd());
}

// A file the process may not write is not replaced either, though its folder would allow it.
// Opening it, without changing it, asks the file system about the effective user.
bool CanOpenForWriting(const QByteArray& Target) {
    TDescriptor Probe(::open(Target.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    return Probe.Fd() >= 0;
}

enum class TOutcome { Replaced, Failed, NoTemporaryFile };

TOutcome ReplaceThroughTemporaryFile(const QByteArray& Target,
                                     const std::optional<struct stat>& Old,
                                     const std::vector<QByteArrayView>& Pieces) {
    QByteArray TemporaryName;
    TDescriptor File(CreateTemporaryBeside(Target, TemporaryName));
    if (File.Fd() < 0) return TOutcome::NoTemporaryFile;
    const bool IsWritten = (!Old || TakeOwnerAndMode(File.Fd(), *Old)) &&
                           WriteAll(File.Fd(), Pieces, false) && ::fsync(File.Fd()) == 0 &&
                           File.Close() &&
                           ::rename(TemporaryName.constData(), Target.constData()) == 0;
    if (!IsWritten) {
        ::unlink(TemporaryName.constData());
        return TOutcome::Failed;
    }
    SyncFolderOf(Target);
    return TOutcome::Replaced;
}

// Blocks past the end are allocated without changing the file's size: a process killed before
// the write leaves the old file as it was, not followed by zeros. Where the file system cannot
// reserve space, writing goes ahead, and a failed write puts the old text back.
bool Reserve(int Fd, off_t Size) {
    int Result = 0;
    do {
        Result = ::fallocate(Fd, FALLOC_FL_KEEP_SIZE, 0, Size);
    } while (Result != 0 && errno == EINTR);
    return Result == 0 || errno == EOPNOTSUPP || errno == ENOSYS;
}

// After a failed rewrite; false when even the old text could not be put back.
bool PutBack(int Fd, const QByteArray& Old) {
    return WriteAll(Fd, {Old}, false) && CutTo(Fd, Old.size()) && ::fsync(Fd) == 0;
}

// Disk space is reserved before the first byte is overwritten, so a full disk fails while the
// file is still unchanged. A new text shorter than the old one is padded with
// line ends to the old length before the file is cut: a process killed between the write and
// the cut leaves the new text followed by blank lines, which read as the new file, never the
// end of the old text. What stays exposed is a power loss before the sync: the disk may then
// hold any mix of old and new blocks.
bool RewriteInPlace(const QByteArray& Target, const std::vector<QByteArrayView>& Pieces) {
    TDescriptor File(::open(Target.constData(), O_RDWR | O_CLOEXEC));
    struct stat Status {};
    if (File.Fd() < 0 || ::fstat(File.Fd(), &Status) != 0 || !S_ISREG(Status.st_mode)) return false;
    QByteArray Old;
    if (!ReadWhole(File.Fd(), Status.st_size, Old)) return false;
    const off_t NewSize = TotalSize(Pieces);
    const QByteArray Padding(std::max<qsizetype>(0, Old.size() - NewSize), '\n');
    std::vector<QByteArrayView> Padded = Pieces;
    Padded.push_back(Padding);
    if (NewSize > Old.size() && !Reserve(File.Fd(), NewSize)) return false;
    if (WriteAll(File.Fd(), Padded, true)) {
        BeforeStep(TRewriteStep::Truncate);
        if (CutTo(File.Fd(), NewSize)) {
            BeforeStep(TRewriteStep::Sync);
            if (::fsync(File.Fd()) == 0) return File.Close();
        }
    }
    if (!PutBack(File.Fd(), Old))
        std::fprintf(stderr, "Zemtrix: %s\n",
                     qPrintable(QCoreApplication::translate(
                                    "FileReplace", "%1 could not be put back after a failed write")
                                    .arg(QFile::decodeName(Target))));
    return false;
}

} // namespace

void SetRewriteStepHook(TRewriteStepHook Hook) { StepHook = Hook; }

// The in-place rewrite is chosen by the failure itself: a permission check would ask about the
// real user, while the file system judges the effective one.
bool ReplaceFileContents(const QString& FileName, const std::vector<QByteArrayView>& Pieces) {
    const QByteArray Target = ResolvedPath(FileName);
    struct stat Status {};
    std::optional<struct stat> Old;
    if (::stat(Target.constData(), &Status) == 0) {
        if (!S_ISREG(Status.st_mode) || !CanOpenForWriting(Target)) return false;
        Old = Status;
    }
    switch (ReplaceThroughTemporaryFile(Target, Old, Pieces)) {
    case TOutcome::Replaced: return true;
    case TOutcome::Failed: return false;
    case TOutcome::NoTemporaryFile: return Old && RewriteInPlace(Target, Pieces);
    }
    return false;
}
