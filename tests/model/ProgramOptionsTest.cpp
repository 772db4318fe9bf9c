// The window program's command line: which arguments it acts on and which it reports.
#include "model/ProgramOptions.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramOptionsTest, SortsHelpVersionTheSwitchAndTheRest) {
    struct TCase {
        const char* Name;
        QStringList Arguments;
        bool IsHelp;
        bool IsVersion;
        QStringList Ignored;
    };
    // clang-format off
    const TCase cases[] = {
        {"Nothing",            {},                                    false, false, {}},
        {"LongHelp",           {"--help"},                            true,  false, {}},
        {"ShortHelp",          {"-h"},                                true,  false, {}},
        {"Version",            {"--version"},                         false, true,  {}},
        {"EverySwitchSpelling",{"-APPDATAFOLDER", "/appdatafolder", "--AppDataFolder"}, false, false, {}},
        {"UnknownAndStray",    {"--frobnicate", "-x", "file.txt", "", "-"}, false, false,
                                {"--frobnicate", "-x", "file.txt", "", "-"}},
        {"HelpAmongOthers",    {"-q", "--help", "--version"},         true,  true,  {"-q"}},
        {"NotQuiteHelp",       {"-help", "--HELP", "--versions"},     false, false,
                                {"-help", "--HELP", "--versions"}},
    };
    // clang-format on
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        const TProgramOptions options = TProgramOptions::Parse(row.Arguments);
        EXPECT_EQ(options.IsHelp, row.IsHelp);
        EXPECT_EQ(options.IsVersion, row.IsVersion);
        EXPECT_EQ(options.Ignored, row.Ignored);
    }
}

TEST(ProgramOptionsTest, MessagesNameTheArgument) {
    EXPECT_EQ(
        IgnoredArgumentMessage(u"--frobnicate"_qs),
        u"zemtrix: unknown option \"--frobnicate\" ignored (zemtrix --help lists the options)"_qs);
    EXPECT_EQ(IgnoredArgumentMessage(u"file.txt"_qs),
              u"zemtrix: argument \"file.txt\" ignored (zemtrix --help lists the options)"_qs);
    const QString version = VersionText(u"zemtrix-calc"_qs);
    EXPECT_TRUE(version.startsWith(u"zemtrix-calc (Zemtrix) "_qs)) << version.toStdString();
    EXPECT_TRUE(version.contains(u"License GPL-3.0-or-later"_qs)) << version.toStdString();
    EXPECT_TRUE(version.endsWith(u'\n'));
}

} // namespace
