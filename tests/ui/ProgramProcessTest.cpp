// The real program, started on the offscreen platform and stopped as a desktop stops programs:
// whatever ends it, the settings are written once, and a failed write ends it with status 1.
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace {

struct TExit {
    int Status = -1;
    QString Error;
};

class ProgramProcessTest : public testing::Test {
protected:
    QString UserFile() const { return Dir.filePath(u"Orvelmont/Zemtrix/Zemtrix.ini"_qs); }

    void WriteUserFile(const QByteArray& AText) const {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(UserFile()).absolutePath()));
        QFile file(UserFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(AText);
    }
    QByteArray ReadUserFile() const {
        QFile file(UserFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the program with the per-user switch and the per-user folder AConfigHome, waits until
    // it catches ASignal, sends it, and waits for the end.
    TExit RunUntil(int ASignal, const QString& AConfigHome) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        environment.insert(u"XDG_CONFIG_HOME"_qs, AConfigHome);
        environment.remove(u"DISPLAY"_qs);
        environment.remove(u"WAYLAND_DISPLAY"_qs);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZEMTRIX_PATH), {u"-APPDATAFOLDER"_qs});
        EXPECT_TRUE(program.waitForStarted(10000));
        EXPECT_TRUE(WaitUntilCaught(program.processId(), ASignal));
        ::kill(pid_t(program.processId()), ASignal);
        EXPECT_TRUE(program.waitForFinished(30000));
        const bool isNormalExit = program.exitStatus() == QProcess::NormalExit;
        return {isNormalExit ? program.exitCode() : -1,
                QString::fromUtf8(program.readAllStandardError())};
    }

    // The program installs its handlers first thing; until then a signal would kill it outright.
    static bool WaitUntilCaught(qint64 APid, int ASignal) {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            QFile status(QStringLiteral("/proc/%1/status").arg(APid));
            if (status.open(QIODevice::ReadOnly)) {
                for (const QByteArray& line : status.readAll().split('\n')) {
                    if (!line.startsWith("SigCgt:")) continue;
                    bool isNumber = false;
                    const qulonglong caught = line.mid(7).trimmed().toULongLong(&isNumber, 16);
                    if (isNumber && (caught >> (ASignal - 1) & 1)) return true;
                }
            }
            QThread::msleep(10);
        }
        return false;
    }

    QTemporaryDir Dir;
};

TEST_F(ProgramProcessTest, EachQuitSignalWritesEveryKey) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        WriteUserFile("; kept as it is\n[Display]\nTopMost=1\n[VariableButton]\nValue3=2.5\n");
        const TExit exit = RunUntil(signal, Dir.path());
        EXPECT_EQ(exit.Status, 0) << signal << exit.Error.toStdString();
        const QByteArray written = ReadUserFile();
        for (const char* key : {"; kept as it is",
                                "[Program]",
                                "Left=",
                                "Top=",
                                "[Panel]",
                                "Number=0",
                                "Scientific=1",
                                "Numeric=1",
                                "WindowScaleNumber=0",
                                "[AnimateStyle]",
                                "TopMost=1",
                                "Transparency=0",
                                "AlwaysDisplayHistoryPanel=0",
                                "GroupingSeparator=0",
                                "RoundDecimal=-1",
                                "RoundSelector=0",
                                "Title1=",
                                "Expression1=00",
                                "Width14=57",
                                "Title6=V6",
                                "Value3=2.5",
                                "Value6=0"})
            EXPECT_TRUE(written.contains(key)) << signal << ": " << key;
    }
}

TEST_F(ProgramProcessTest, FailedWriteIsReportedAndEndsWithStatusOne) {
    QFile blocker(Dir.filePath(u"not-a-folder"_qs));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const TExit exit = RunUntil(SIGTERM, blocker.fileName());
    EXPECT_EQ(exit.Status, 1);
    EXPECT_TRUE(
        exit.Error.contains(u"/not-a-folder/Orvelmont/Zemtrix/Zemtrix.ini に書き込めません"_qs))
        << exit.Error.toStdString();
}

} // namespace
