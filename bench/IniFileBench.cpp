// Reading and rewriting a large (damaged or hostile) settings file, as the program does at
// start-up and at exit: the time of one read + write, and the peak growth of resident memory
// during it per byte of file ("rss_per_byte"). And the same for a small file, in memory (what
// the settings fuzz target does for each input) and through the file system.
#include "model/AppData.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>

namespace {

constexpr qsizetype FileSize = qsizetype{16} << 20;

// "VmRSS" or "VmHWM" (the peak since the last reset) of this process, in bytes.
long long StatusBytes(const char* Field) {
    std::ifstream Status("/proc/self/status");
    std::string Name;
    long long Kilobytes = 0;
    while (Status >> Name) {
        if (Name == std::string(Field) + ":" && Status >> Kilobytes) return Kilobytes * 1024;
        Status.ignore(1 << 10, '\n');
    }
    return 0;
}

// Makes VmHWM start again from the current resident size.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Lines that nobody reads ("x"), one key repeated ("k=1"), distinct keys of 8 and of 27 bytes
// with their line ending, blank lines, all inside the first section the program reads; and the
// header of the section with the most keys, repeated.
QByteArray Line(const std::string& Shape, int Index) {
    if (Shape == "other") return "x\n";
    if (Shape == "samekey") return "k=1\n";
    if (Shape == "blank") return "\n";
    if (Shape == "section") return "[OptionButton]\n";
    char Text[32];
    if (Shape == "8")
        std::snprintf(Text, sizeof Text, "%06x=\n", Index);
    else
        std::snprintf(Text, sizeof Text, "Key%07d=value %9d\n", Index % 10000000, Index);
    return Text;
}

QByteArray FileOfShape(const std::string& Shape) {
    QByteArray Bytes("[Program]\n");
    Bytes.reserve(FileSize + 64);
    for (int Index = 0; Bytes.size() < FileSize; ++Index) Bytes += Line(Shape, Index);
    return Bytes;
}

void WriteFile(const QString& FileName, const QByteArray& Bytes) {
    QFile File(FileName);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate) || File.write(Bytes) != Bytes.size())
        std::abort();
}

void BM_ReadAndWriteLargeFile(benchmark::State& State, const std::string& Shape) {
    // Large blocks always come from the system and go back to it when freed; otherwise freed
    // memory stays resident and is reused, and the growth measured would be too small.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QTemporaryDir Dir;
    const QString FileName = Dir.filePath("Zemtrix.ini");
    const qsizetype Size = FileOfShape(Shape).size();
    long long MaxGrowth = 0;
    for (auto _ : State) {
        State.PauseTiming();
        WriteFile(FileName, FileOfShape(Shape));
        ResetPeak();
        const long long Before = StatusBytes("VmRSS");
        State.ResumeTiming();

        TAppData Data;
        Data.SetProgramFolder(Dir.path());
        Data.Read();
        Data.Write();

        State.PauseTiming();
        MaxGrowth = std::max(MaxGrowth, StatusBytes("VmHWM") - Before);
        State.ResumeTiming();
    }
    State.counters["file_mb"] = double(Size) / (1 << 20);
    State.counters["rss_per_byte"] = double(MaxGrowth) / double(Size);
}

const QByteArray TwoLineFile("[Program]\nLeft=10\n");

// Parse, read every setting, write every setting, serialise: a small file should cost
// microseconds.
void ReadAndWriteInMemory(benchmark::State& State, const QByteArray& Bytes) {
    for (auto _ : State) {
        TIniFile Ini = TIniFile::FromBytes(Bytes);
        TAppData Data;
        Data.ReadFrom(Ini);
        Data.WriteTo(Ini);
        benchmark::DoNotOptimize(Ini.ToBytes());
    }
}

void BM_ReadAndWriteSmallFileInMemory(benchmark::State& State) {
    ReadAndWriteInMemory(State, TwoLineFile);
}

// A file the program wrote itself, read and written back unchanged.
void BM_RewriteUnchangedFullFileInMemory(benchmark::State& State) {
    TIniFile Written;
    TAppData().WriteTo(Written);
    ReadAndWriteInMemory(State, Written.ToBytes());
}

void BM_ReadAndWriteSmallFile(benchmark::State& State) {
    QTemporaryDir Dir;
    WriteFile(Dir.filePath("Zemtrix.ini"), TwoLineFile);
    for (auto _ : State) {
        TAppData Data;
        Data.SetProgramFolder(Dir.path());
        Data.Read();
        Data.Write();
    }
}

} // namespace

BENCHMARK(BM_ReadAndWriteSmallFileInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RewriteUnchangedFullFileInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadAndWriteSmallFile)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadAndWriteLargeFile, Lines27, std::string("27"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadAndWriteLargeFile, ShortOtherLines, std::string("other"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadAndWriteLargeFile, RepeatedKeyLines, std::string("samekey"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadAndWriteLargeFile, ShortKeyLines, std::string("8"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadAndWriteLargeFile, BlankLines, std::string("blank"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ReadAndWriteLargeFile, RepeatedSectionLines, std::string("section"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
