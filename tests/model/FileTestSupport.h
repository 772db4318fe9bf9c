#pragma once

// Files for the settings tests. Folder permissions do not bind root, under whom tests often run;
// a forked child that drops to an unprivileged user sees them as any user would.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// The whole file, or the empty text when it cannot be read.
inline QByteArray ReadBytes(const QString& FileName) {
    QFile File(FileName);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

// Creates the folders as needed.
inline void WriteBytes(const QString& FileName, const QByteArray& Bytes) {
    QDir().mkpath(QFileInfo(FileName).absolutePath());
    QFile File(FileName);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    ASSERT_EQ(File.write(Bytes), Bytes.size());
}

inline bool SetMode(const QString& FileName, int Mode) {
    return chmod(QFile::encodeName(FileName).constData(), mode_t(Mode)) == 0;
}

// Runs Check in a forked child as the same user. True when Check returned true there; an
// exception or a crash counts as false.
inline bool InChild(const std::function<bool()>& Check) {
    const pid_t Child = fork();
    if (Child < 0) return false;
    if (Child == 0) {
        bool IsPassed = false;
        try {
            IsPassed = Check();
        } catch (...) {
        }
        _exit(IsPassed ? 0 : 1);
    }
    int Status = 0;
    while (waitpid(Child, &Status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(Status) && WEXITSTATUS(Status) == 0;
}

// As InChild, as user and group 65534 when this process is root.
inline bool InUnprivilegedChild(const std::function<bool()>& Check) {
    return InChild([&] {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            return false;
        return Check();
    });
}

// Every write past Bytes fails, as on a full disk (call in a child: the limit is not undone).
inline void LimitFileSize(rlim_t Bytes) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit Limit{};
    getrlimit(RLIMIT_FSIZE, &Limit);
    Limit.rlim_cur = Bytes;
    setrlimit(RLIMIT_FSIZE, &Limit);
}

// The permission bits, e.g. 0644; -1 when the file cannot be examined.
inline int ModeOf(const QString& FileName) {
    struct stat Status {};
    if (stat(QFile::encodeName(FileName).constData(), &Status) != 0) return -1;
    return static_cast<int>(Status.st_mode & 07777);
}
