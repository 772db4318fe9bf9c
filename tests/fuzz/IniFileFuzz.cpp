// Parses arbitrary bytes as a settings file, reads every key through the settings rules, writes
// them back in memory and checks that a second read gives the same settings and a second write
// the same bytes; and that merging an unchanged read into the file changes no setting.
#include "model/AppData.h"
#include "model/IniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Writing turns line breaks into blanks; every other character of a text comes back as read.
QString AsWritten(const QString& Text) {
    QString Single = Text;
    return Single.replace(u'\r', u' ').replace(u'\n', u' ');
}

bool SameScalars(const TAppData& A, const TAppData& B) {
    return A.Left == B.Left && A.Top == B.Top && A.PanelNumber == B.PanelNumber &&
           A.IsScientificKey == B.IsScientificKey && A.IsNumericKey == B.IsNumericKey &&
           A.AnimateScientificPanelStyle == B.AnimateScientificPanelStyle &&
           A.AnimateNumericPanelStyle == B.AnimateNumericPanelStyle &&
           A.WindowScaleNumber == B.WindowScaleNumber && A.IsTopMost == B.IsTopMost &&
           A.IsTransparency == B.IsTransparency &&
           A.IsAlwaysDisplayHistoryPanel == B.IsAlwaysDisplayHistoryPanel &&
           A.IsDigitGroupingSeparator == B.IsDigitGroupingSeparator &&
           A.RoundDecimal == B.RoundDecimal && A.RoundSelector == B.RoundSelector &&
           A.IsKeepHistory == B.IsKeepHistory && A.IsKeepHistoryUsed() == B.IsKeepHistoryUsed();
}

// Texts as Stored makes them: AsWritten when they were written, as they are when kept.
bool SameSets(const TAppData& Read, const TAppData& Reread,
              QString (*Stored)(const QString&) = AsWritten) {
    const TOptionButtonData& A = Read.OptionButtonData();
    const TOptionButtonData& B = Reread.OptionButtonData();
    for (int N = 1; N <= TOptionButtonData::Count; ++N)
        if (Stored(A.GetTitle(N)) != B.GetTitle(N) ||
            Stored(A.GetExpression(N)) != B.GetExpression(N) || A.GetWidth(N) != B.GetWidth(N))
            return false;
    const TVariableButtonData& C = Read.VariableButtonData();
    const TVariableButtonData& D = Reread.VariableButtonData();
    for (int N = 1; N <= TVariableButtonData::Count; ++N)
        if (Stored(C.GetTitle(N)) != D.GetTitle(N) || Stored(C.GetValue(N)) != D.GetValue(N))
            return false;
    return true;
}

QString Kept(const QString& Text) { return Text; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const QByteArray Input(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
    TIniFile Ini = TIniFile::FromBytes(Input);
    TAppData First;
    First.ReadFrom(Ini);
    First.WriteTo(Ini);
    const QByteArray Written = Ini.ToBytes();

    TIniFile Reparsed = TIniFile::FromBytes(Written);
    TAppData Second;
    Second.ReadFrom(Reparsed);
    if (!SameScalars(First, Second) || !SameSets(First, Second)) std::abort();
    Second.WriteTo(Reparsed);
    if (Reparsed.ToBytes() != Written) std::abort();

    // A run that changed nothing merges into the file only the keys it lacks: every setting
    // reads back as it was, present ones from their own unchanged lines.
    TIniFile Original = TIniFile::FromBytes(Input);
    TAppData Unchanged;
    Unchanged.ReadFrom(Original);
    Unchanged.MergeInto(Original);
    TAppData Merged;
    Merged.ReadFrom(TIniFile::FromBytes(Original.ToBytes()));
    if (!SameScalars(First, Merged) || !SameSets(First, Merged, Kept)) std::abort();
    return 0;
}
