#include "model/AppData.h"

#include "model/WindowLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <variant>

namespace {

// Literal names are used in place, never copied: every name is read and written for each file.
const QString OptionSection = QStringLiteral("OptionButton");
const QString VariableSection = QStringLiteral("VariableButton");
const QString DisplaySection = QStringLiteral("Display");
const QString KeepHistoryKey = QStringLiteral("KeepHistory");
constexpr qsizetype MaxTextLength = 2047;

using TScalarField =
    std::variant<std::int32_t TAppData::*, bool TAppData::*, TRoundSelector TAppData::*>;

bool AnyValue(std::int32_t) { return true; }
bool IsZeroToTwo(std::int32_t Value) { return Value >= 0 && Value <= 2; }
// Positions and zoom steps the window system can hold: a hand-edited value near the ends of 32
// bits would overflow the window's geometry.
bool IsWindowPosition(std::int32_t Value) { return WindowLayout::IsWindowPosition(Value); }
bool IsScaleStep(std::int32_t Value) { return WindowLayout::IsScaleStep(Value); }
bool IsRoundDecimal(std::int32_t Value) {
    return Value == -16 || Value == -2 || Value == -1 || (Value >= 0 && Value <= 5);
}

struct TScalarKey {
    QString Section;
    QString Key;
    TScalarField Field;
    std::int32_t Default;
    // A hand-edited value outside the meaningful range reads as the default, so the window
    // never indexes a table with it.
    bool (*IsMeaningful)(std::int32_t);
};

// In the order in which the file is read and written; "Panel" is left for "AnimateStyle" and
// visited again, so a new file ends "Panel" with "WindowScaleNumber".
// clang-format off
const TScalarKey ScalarKeys[] = {
    {QStringLiteral("Program"), QStringLiteral("Left"), &TAppData::Left, -1, IsWindowPosition},
    {QStringLiteral("Program"), QStringLiteral("Top"), &TAppData::Top, -1, IsWindowPosition},
    {QStringLiteral("Panel"), QStringLiteral("Number"), &TAppData::PanelNumber, 0, IsZeroToTwo},
    {QStringLiteral("Panel"), QStringLiteral("Scientific"), &TAppData::IsScientificKey, 1, AnyValue},
    {QStringLiteral("Panel"), QStringLiteral("Numeric"), &TAppData::IsNumericKey, 1, AnyValue},
    // Any other style means "no transition" until the user picks one: it is kept as stored.
    {QStringLiteral("AnimateStyle"), QStringLiteral("Numeric"), &TAppData::AnimateNumericPanelStyle, 1, AnyValue},
    {QStringLiteral("AnimateStyle"), QStringLiteral("Scientific"), &TAppData::AnimateScientificPanelStyle, 1, AnyValue},
    {QStringLiteral("Panel"), QStringLiteral("WindowScaleNumber"), &TAppData::WindowScaleNumber, 0, IsScaleStep},
    {QStringLiteral("Display"), QStringLiteral("TopMost"), &TAppData::IsTopMost, 0, AnyValue},
    {QStringLiteral("Display"), QStringLiteral("Transparency"), &TAppData::IsTransparency, 0, AnyValue},
    {QStringLiteral("Display"), QStringLiteral("AlwaysDisplayHistoryPanel"), &TAppData::IsAlwaysDisplayHistoryPanel, 0, AnyValue},
    {QStringLiteral("Display"), QStringLiteral("GroupingSeparator"), &TAppData::IsDigitGroupingSeparator, 0, AnyValue},
    {QStringLiteral("Display"), QStringLiteral("RoundDecimal"), &TAppData::RoundDecimal, -1, IsRoundDecimal},
    {QStringLiteral("Display"), QStringLiteral("RoundSelector"), &TAppData::RoundSelector, rs54, IsZeroToTwo},
};
// clang-format on
static_assert(std::size(ScalarKeys) == TAppData::ScalarKeyCount);

template <class... TVisitors> struct TOverloaded : TVisitors... { using TVisitors::operator()...; };
template <class... TVisitors> TOverloaded(TVisitors...) -> TOverloaded<TVisitors...>;

int DigitValue(char C, int Base) {
    int Digit = 99;
    if (C >= '0' && C <= '9') Digit = C - '0';
    if (C >= 'a' && C <= 'f') Digit = C - 'a' + 10;
    if (C >= 'A' && C <= 'F') Digit = C - 'A' + 10;
    return Digit < Base ? Digit : -1;
}

// Decimal with an optional sign; hexadecimal after "$", or after "0x"/"0X" when more follows.
// Anything else, including a value that does not fit 32 bits, is unreadable. Read from the UTF-8
// text: a byte of a multi-byte character is never an ASCII digit or sign.
std::optional<std::int32_t> ParseInteger(QByteArrayView Text) {
    int Base = 10;
    qsizetype Pos = 0;
    bool Negative = false;
    if (Text.size() > 2 && (Text.startsWith("0x") || Text.startsWith("0X"))) {
        Base = 16;
        Pos = 2;
    } else if (Text.startsWith('$')) {
        Base = 16;
        Pos = 1;
    } else if (Text.startsWith('+') || Text.startsWith('-')) {
        Negative = Text.front() == '-';
        Pos = 1;
    }
    if (Pos >= Text.size()) return std::nullopt;
    constexpr std::int64_t Limit = std::int64_t{1} << 31;
    std::int64_t Magnitude = 0;
    for (; Pos < Text.size(); ++Pos) {
        const int Digit = DigitValue(Text[Pos], Base);
        if (Digit < 0) return std::nullopt;
        Magnitude = Magnitude * Base + Digit;
        if (Magnitude > Limit) return std::nullopt;
    }
    const std::int64_t Value = Negative ? -Magnitude : Magnitude;
    if (Value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(Value);
}

std::int32_t ReadInteger(const TIniFile& Ini, const QString& Section, const QString& Key,
                         std::int32_t Default) {
    const std::optional<QByteArrayView> Text = Ini.ReadUtf8(Section, Key);
    return Text ? ParseInteger(*Text).value_or(Default) : Default;
}

// Counted in UTF-16 units; a surrogate pair is never split.
// Whether the UTF-8 text is the ASCII text Value.
bool IsSameAscii(QByteArrayView Utf8, const QString& Value) {
    if (Utf8.size() != Value.size()) return false;
    for (qsizetype i = 0; i < Utf8.size(); ++i)
        if (Value[i].unicode() >= 0x80 || Utf8[i] != char(Value[i].unicode())) return false;
    return true;
}

// Counted in UTF-16 units; a surrogate pair is never split. A stored value equal to the one
// the set holds shares its text instead of decoding a copy.
QString ReadText(const TIniFile& Ini, const QString& Section, const QString& Key,
                 const QString& Default) {
    const std::optional<QByteArrayView> Stored = Ini.ReadUtf8(Section, Key);
    if (!Stored) return Default;
    if (Default.size() <= MaxTextLength && IsSameAscii(*Stored, Default)) return Default;
    const QString Text = TIniFile::DecodeValue(*Stored);
    if (Text.size() <= MaxTextLength) return Text;
    const bool SplitsPair = Text.at(MaxTextLength - 1).isHighSurrogate();
    return Text.left(SplitsPair ? MaxTextLength - 1 : MaxTextLength);
}

// Whole pixels, halves to the even neighbour (57.5 -> 58, 56.5 -> 56).
std::int32_t RoundedWidth(float Width) {
    if (std::isnan(Width)) return static_cast<std::int32_t>(TOptionButtonData::DesignWidth);
    const double Clamped =
        std::clamp(static_cast<double>(Width), double{std::numeric_limits<std::int32_t>::min()},
                   double{std::numeric_limits<std::int32_t>::max()});
    return WindowLayout::RoundHalfEven(Clamped);
}

std::int32_t ReadScalar(const TIniFile& Ini, const TScalarKey& Key) {
    std::int32_t Value = ReadInteger(Ini, Key.Section, Key.Key, Key.Default);
    // The rounding mode is a one-byte field: only the lowest 8 bits count.
    if (std::holds_alternative<TRoundSelector TAppData::*>(Key.Field)) Value &= 0xFF;
    return Key.IsMeaningful(Value) ? Value : Key.Default;
}

void StoreScalar(TAppData& Data, const TScalarField& Field, std::int32_t Value) {
    std::visit(TOverloaded{
                   [&](std::int32_t TAppData::*Member) { Data.*Member = Value; },
                   [&](bool TAppData::*Member) { Data.*Member = Value != 0; },
                   [&](TRoundSelector TAppData::*Member) {
                       Data.*Member = static_cast<TRoundSelector>(Value);
                   },
               },
               Field);
}

std::int32_t ScalarValue(const TAppData& Data, const TScalarField& Field) {
    return std::visit([&](auto Member) { return static_cast<std::int32_t>(Data.*Member); }, Field);
}

// Decimal digits on the stack: the file only reads the text while the key is written.
class TNumberText {
public:
    explicit TNumberText(std::int32_t Value) {
        std::int64_t Magnitude = Value < 0 ? -std::int64_t{Value} : Value;
        qsizetype Pos = Size;
        do {
            FDigits[--Pos] = char16_t(u'0' + Magnitude % 10);
            Magnitude /= 10;
        } while (Magnitude > 0);
        if (Value < 0) FDigits[--Pos] = u'-';
        FStart = Pos;
    }
    QString Text() const {
        return QString::fromRawData(reinterpret_cast<const QChar*>(FDigits + FStart),
                                    Size - FStart);
    }

private:
    static constexpr qsizetype Size = 12;
    char16_t FDigits[Size] = {};
    qsizetype FStart = Size;
};

enum TSlotWord { swTitle, swExpression, swWidth, swValue, swWordCount };

// Built once; every read and write of a file shares them.
const QString& SlotKey(TSlotWord Word, std::int32_t Number) {
    constexpr int Slots = std::max(TOptionButtonData::Count, TVariableButtonData::Count);
    static const auto Keys = [] {
        const char* const Words[swWordCount] = {"Title", "Expression", "Width", "Value"};
        std::array<std::array<QString, Slots>, swWordCount> Names;
        for (int W = 0; W < swWordCount; ++W)
            for (int N = 1; N <= Slots; ++N)
                Names[W][N - 1] = QString::fromLatin1(Words[W]) + QString::number(N);
        return Names;
    }();
    return Keys.at(Word).at(std::size_t(Number - 1));
}

// A missing file needs a folder that allows creating it, or the nearest existing one to allow
// creating the missing folders.
bool AllowsNewFile(const QString& FileName) {
    const QFileInfo File(FileName);
    if (File.exists() || File.isSymLink()) return false;
    QFileInfo Folder(File.absolutePath());
    while (!Folder.exists() && !Folder.isRoot()) Folder = QFileInfo(Folder.absolutePath());
    return Folder.isDir() && Folder.isWritable() && Folder.isExecutable();
}

bool IsSameFolder(const QString& A, const QString& B) {
    if (A.isEmpty() || B.isEmpty()) return false;
    if (QDir::cleanPath(A) == QDir::cleanPath(B)) return true;
    const QString CanonicalA = QFileInfo(A).canonicalFilePath();
    return !CanonicalA.isEmpty() && CanonicalA == QFileInfo(B).canonicalFilePath();
}

// Stores every key, or when merging only the keys that changed since read and those the file
// lacks: every file written holds every setting.
struct TKeyWriter {
    TIniFile& Ini;
    bool IsMerging;

    void Store(const QString& Section, const QString& Key, const QString& Text,
               bool IsChanged) const {
        if (!IsMerging || IsChanged || !Ini.ReadUtf8(Section, Key))
            Ini.WriteString(Section, Key, Text);
    }
};

// Each setting is compared as it is stored, so a width that rounds to the same pixels is
// unchanged. Was is the set as read; nullptr when nothing was read.
void WriteOptionButtons(const TKeyWriter& Writer, const TOptionButtonData& Options,
                        const TOptionButtonData* Was) {
    for (std::int32_t N = 1; N <= TOptionButtonData::Count; ++N) {
        Writer.Store(OptionSection, SlotKey(swTitle, N), Options.GetTitle(N),
                     Was != nullptr && Was->GetTitle(N) != Options.GetTitle(N));
        Writer.Store(OptionSection, SlotKey(swExpression, N), Options.GetExpression(N),
                     Was != nullptr && Was->GetExpression(N) != Options.GetExpression(N));
        const std::int32_t Width = RoundedWidth(Options.GetWidth(N));
        Writer.Store(OptionSection, SlotKey(swWidth, N), TNumberText(Width).Text(),
                     Was != nullptr && RoundedWidth(Was->GetWidth(N)) != Width);
    }
}

void WriteVariables(const TKeyWriter& Writer, const TVariableButtonData& Variables,
                    const TVariableButtonData* Was) {
    for (std::int32_t N = 1; N <= TVariableButtonData::Count; ++N) {
        Writer.Store(VariableSection, SlotKey(swTitle, N), Variables.GetTitle(N),
                     Was != nullptr && Was->GetTitle(N) != Variables.GetTitle(N));
        Writer.Store(VariableSection, SlotKey(swValue, N), Variables.GetValue(N),
                     Was != nullptr && Was->GetValue(N) != Variables.GetValue(N));
    }
}

} // namespace

bool IsAppDataFolderArgument(const QString& Argument) {
    if (Argument.isEmpty() || (Argument.front() != u'-' && Argument.front() != u'/')) return false;
    // "--appdatafolder" is how a long option is spelled on this platform; "//" and "-/" are not.
    const qsizetype PrefixLength = Argument.startsWith(u"--") ? 2 : 1;
    QString Name = Argument.mid(PrefixLength, 13);
    for (QChar& C : Name)
        if (C >= u'a' && C <= u'z') C = QChar(C.unicode() - (u'a' - u'A'));
    return Name == u"APPDATAFOLDER";
}

bool HasAppDataFolderSwitch(const QStringList& Arguments) {
    return std::any_of(Arguments.begin(), Arguments.end(), IsAppDataFolderArgument);
}

QString TAppData::UserSettingsFolder() const {
    if (!FUserConfigFolder.isEmpty()) return FUserConfigFolder;
    const QString Located = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!Located.isEmpty()) return Located;
    const QString Fallback = QDir::homePath() + QStringLiteral("/.config");
    std::fprintf(stderr, "Zemtrix: %s\n",
                 qPrintable(QCoreApplication::translate(
                                "AppData", "no per-user configuration folder is known; using %1")
                                .arg(Fallback)));
    return Fallback;
}

QString TAppData::SettingsFileName() const {
    if (FSettingsFileName.isEmpty()) FSettingsFileName = ResolveSettingsFileName();
    return FSettingsFileName;
}

// The package is made from the same build as a local install, under its own prefix.
static QString BuiltInstalledBinFolder(const QString& ProgramFolder) {
    const QString Packaged = QString::fromUtf8(ZEMTRIX_PACKAGE_BINDIR);
    if (IsSameFolder(ProgramFolder, Packaged)) return Packaged;
    return QString::fromUtf8(ZEMTRIX_INSTALL_BINDIR);
}

TSettingsPlace ChooseSettingsPlace(bool HasAppDataFolderSwitch, const TProgramFolderState& State) {
    if (HasAppDataFolderSwitch) return TSettingsPlace::PerUser;
    if (State.HasSettingsFile) return TSettingsPlace::BesideProgram;
    if (IsSameFolder(State.Folder, State.InstalledBinFolder)) return TSettingsPlace::PerUser;
    return State.AllowsNewFile ? TSettingsPlace::BesideProgram : TSettingsPlace::PerUser;
}

QString TAppData::ResolveSettingsFileName() const {
    TProgramFolderState State;
    State.Folder =
        FProgramFolder.isEmpty() ? QCoreApplication::applicationDirPath() : FProgramFolder;
    State.InstalledBinFolder = FInstalledBinFolder.value_or(BuiltInstalledBinFolder(State.Folder));
    const QString BesideProgram = QDir::cleanPath(State.Folder + QStringLiteral("/Zemtrix.ini"));
    if (!FIsAppDataFolder) {
        State.HasSettingsFile = QFileInfo(BesideProgram).isFile();
        State.AllowsNewFile = AllowsNewFile(BesideProgram);
    }
    if (ChooseSettingsPlace(FIsAppDataFolder, State) == TSettingsPlace::BesideProgram)
        return BesideProgram;
    return QDir::cleanPath(UserSettingsFolder() + QStringLiteral("/Orvelmont/Zemtrix/Zemtrix.ini"));
}

void TAppData::Read() { ReadFrom(TIniFile::Load(SettingsFileName()).value_or(TIniFile())); }

void TAppData::Write() const {
    const QString FileName = SettingsFileName();
    std::optional<TIniFile> Ini = TIniFile::Load(FileName);
    // Replacing a file that exists but cannot be read would lose the lines it holds.
    if (!Ini) throw EIniFileWriteError(QFileInfo(FileName).absoluteFilePath());
    MergeInto(*Ini);
    Ini->Save(FileName);
}

void TAppData::ReadFrom(const TIniFile& Ini) {
    for (const TScalarKey& Key : ScalarKeys) StoreScalar(*this, Key.Field, ReadScalar(Ini, Key));
    FIsKeepHistoryUsed = Ini.ReadUtf8(DisplaySection, KeepHistoryKey).has_value();
    IsKeepHistory = ReadInteger(Ini, DisplaySection, KeepHistoryKey, 0) != 0;
    TOptionButtonData& Options = FOptionButtonData;
    for (std::int32_t N = 1; N <= TOptionButtonData::Count; ++N) {
        Options.SetTitle(N, ReadText(Ini, OptionSection, SlotKey(swTitle, N), Options.GetTitle(N)));
        Options.SetExpression(
            N, ReadText(Ini, OptionSection, SlotKey(swExpression, N), Options.GetExpression(N)));
        const std::int32_t CurrentWidth = RoundedWidth(Options.GetWidth(N));
        Options.SetWidth(N, static_cast<float>(ReadInteger(Ini, OptionSection, SlotKey(swWidth, N),
                                                           CurrentWidth)));
    }
    TVariableButtonData& Variables = FVariableButtonData;
    for (std::int32_t N = 1; N <= TVariableButtonData::Count; ++N) {
        Variables.SetTitle(
            N, ReadText(Ini, VariableSection, SlotKey(swTitle, N), Variables.GetTitle(N)));
        Variables.SetValue(
            N, ReadText(Ini, VariableSection, SlotKey(swValue, N), Variables.GetValue(N)));
    }
    RememberReadValues();
}

// Copies share the texts: remembering them costs no allocation.
void TAppData::RememberReadValues() {
    TReadValues& Read = FReadValues.emplace();
    for (std::size_t I = 0; I < ScalarKeyCount; ++I)
        Read.Scalars[I] = ScalarValue(*this, ScalarKeys[I].Field);
    Read.IsKeepHistory = IsKeepHistory;
    Read.OptionButtonData = FOptionButtonData;
    Read.VariableButtonData = FVariableButtonData;
}

void TAppData::MergeInto(TIniFile& Ini) const {
    WriteKeys(Ini, FReadValues ? &*FReadValues : nullptr);
}

void TAppData::WriteTo(TIniFile& Ini) const { WriteKeys(Ini, nullptr); }

void TAppData::WriteKeys(TIniFile& Ini, const TReadValues* AReadValues) const {
    TKeyWriter Writer{Ini, AReadValues != nullptr};
    for (std::size_t I = 0; I < ScalarKeyCount; ++I) {
        const TScalarKey& Key = ScalarKeys[I];
        const std::int32_t Value = ScalarValue(*this, Key.Field);
        Writer.Store(Key.Section, Key.Key, TNumberText(Value).Text(),
                     AReadValues != nullptr && AReadValues->Scalars[I] != Value);
    }
    // Only once the user has kept the history: anyone else's file stays byte for byte as it was.
    // Written after the table's keys, so a new file ends "Display" with it.
    if (IsKeepHistoryUsed())
        Writer.Store(DisplaySection, KeepHistoryKey, TNumberText(IsKeepHistory).Text(),
                     AReadValues != nullptr && AReadValues->IsKeepHistory != IsKeepHistory);
    WriteOptionButtons(Writer, FOptionButtonData,
                       AReadValues != nullptr ? &AReadValues->OptionButtonData : nullptr);
    WriteVariables(Writer, FVariableButtonData,
                   AReadValues != nullptr ? &AReadValues->VariableButtonData : nullptr);
}
