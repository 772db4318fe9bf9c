#pragma once

// A settings object whose program folder and per-user folder lie in a temporary directory.

#include "model/AppData.h"

#include "FileTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstddef>

// Keeps embedded NUL bytes.
template <std::size_t N> inline QByteArray Bytes(const char (&Literal)[N]) {
    return QByteArray(Literal, N - 1);
}

// A program folder and a per-user folder inside a temporary directory.
class AppDataFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        Data.SetProgramFolder(ProgramFolder());
        Data.SetUserConfigFolder(Dir.filePath("config"));
    }
    QString ProgramFolder() const { return Dir.filePath("program"); }
    QString ProgramFile() const { return Dir.filePath("program/Zemtrix.ini"); }
    QString UserFile() const { return Dir.filePath("config/Orvelmont/Zemtrix/Zemtrix.ini"); }

    TAppData ReadBack() const {
        TAppData Copy;
        Copy.SetProgramFolder(ProgramFolder());
        Copy.Read();
        return Copy;
    }

    QTemporaryDir Dir;
    TAppData Data;
};
