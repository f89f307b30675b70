// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file on the desktop and what can go wrong with it.
#include "gui_support.h"

#include <functional>
#include <linux/capability.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

// A private configuration folder for one case, where QSettings and
// QStandardPaths look while it lives.
struct ConfigFolder {
    QTemporaryDir dir;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");

    ConfigFolder()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QDir(dir.path()).mkdir(QStringLiteral("Orlune"));
    }
    ~ConfigFolder()
    {
        ::chmod(QFile::encodeName(folder()).constData(), 0755);
        qputenv("XDG_CONFIG_HOME", previous);
    }
    QString folder() const { return dir.path() + QStringLiteral("/Orlune"); }
    QString path() const { return folder() + QStringLiteral("/Ambrel.conf"); }

    void write(std::string_view bytes, int mode = 0644) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        ::chmod(QFile::encodeName(path()).constData(), static_cast<mode_t>(mode));
    }

    // Enough of the file's identity to tell whether anything rewrote it.
    std::string state() const
    {
        struct stat st {};
        if (::lstat(QFile::encodeName(path()).constData(), &st) != 0)
            return "missing";
        return std::to_string(st.st_ino) + ' ' + std::to_string(st.st_mode) + ' ' + std::to_string(st.st_size) + ' ' +
            std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
    }
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Root reads and writes files whatever their mode. For the cases about
// modes the thread gives up that power, so the file's mode counts.
struct FileModesApply {
    FileModesApply()
    {
        if (::geteuid() != 0 || ::syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~(CAP_TO_MASK(CAP_DAC_OVERRIDE) | CAP_TO_MASK(CAP_DAC_READ_SEARCH));
        dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~FileModesApply()
    {
        if (dropped_)
            ::syscall(SYS_capset, &header_, saved_);
    }
    bool work() const { return ::geteuid() != 0 || dropped_; }
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

using namespace std::string_view_literals;

constexpr int kFirstRun = -1;  // in place of the accuracy a later run shows

enum class Stand { File, NoFolder, Directory, Pipe, ReadOnlyFolder };
using enum Stand;

struct Fault {
    const char* name;
    Stand stand;
    std::string_view bytes;  // the file's content, for a file
    int shown;               // the accuracy a later run shows, or kFirstRun
    bool saves;              // whether a new accuracy reaches the disk
    bool kept = false;       // whether the save keeps the old file as Ambrel.conf.bad
    int mode = 0644;
};

#define LATER(line) "[General]\nUsePreferences=true\n" line "\n"
const Fault kFaults[] = {
    {"NoFolder", NoFolder, {}, kFirstRun, true},
    {"ALaterRun", File, LATER("AmbrelAccuracy=7"), 7, true},
    {"Stored0", File, LATER("AmbrelAccuracy=0"), 0, true},
    {"NoAccuracy", File, "[General]\nUsePreferences=true\n", 99, true},
    {"AccuracyText", File, LATER("AmbrelAccuracy=12abc"), 99, true},
    {"AccuracyBeyondInt", File, LATER("AmbrelAccuracy=2147483648"), 99, true},
    {"AccuracyNegative", File, LATER("AmbrelAccuracy=-3"), 99, true},
    {"FirstRunFlagYes", File, "[General]\nUsePreferences=yes\nAmbrelAccuracy=7\n", kFirstRun, true},
    {"Corrupt", File, "[General]\nUsePreferences=true\nAmbrelAccuracy=7\nnot a setting\n[Junk\nx=\xff\x01", 7, true,
     true},
    {"ByteOrderMark", File, "\xEF\xBB\xBF" LATER("AmbrelAccuracy=7"), 7, true, true},
    {"MergeConflict", File,
     "<<<<<<< HEAD\n" LATER("AmbrelAccuracy=7") "=======\n[General]\nUsePreferences=true\n>>>>>>> other\n", 7, true,
     true},
    {"NulBytes", File, LATER("AmbrelAccuracy=7") "\0\0\0\nUsePref\0erences=false\n"sv, 7, true, true},
    {"UnclosedSection", File, "[General\nUsePreferences=true\nAmbrelAccuracy=7\n", 7, true, true},
    {"OtherSection", File, "[Junk]\nUsePreferences=true\nAmbrelAccuracy=7\n", kFirstRun, true},
    {"DamagedOtherSection", File, "[Junk]\nUsePreferences=true\n[Junk\nAmbrelAccuracy=7\n", kFirstRun, true, true},
    {"ADirectoryInTheWay", Directory, {}, kFirstRun, false},
    {"APipeInTheWay", Pipe, {}, kFirstRun, false},
    {"UnreadableFile", File, LATER("AmbrelAccuracy=7"), kFirstRun, false, false, 0},
    {"ReadOnlyFile", File, LATER("AmbrelAccuracy=7"), 7, false, false, 0444},
    {"ReadOnlyFolder", ReadOnlyFolder, LATER("AmbrelAccuracy=7"), 7, false},
};

class SettingsFaults : public ::testing::TestWithParam<Fault> {};

// Whatever stands in the settings file's place, the launch comes up as a
// first or a later run and writes nothing; a new accuracy then either
// reaches the disk as a clean file or is reported in one log line.
TEST_P(SettingsFaults, LaunchFallsBackAndSavingIsCleanOrReported)
{
    const Fault& fault = GetParam();
    ConfigFolder config;
    switch (fault.stand) {
    case Stand::NoFolder: QDir(config.folder()).removeRecursively(); break;
    case Stand::Directory: QDir(config.folder()).mkdir(QStringLiteral("Ambrel.conf")); break;
    case Stand::Pipe: ASSERT_EQ(::mkfifo(QFile::encodeName(config.path()).constData(), 0644), 0); break;
    case Stand::File:
    case Stand::ReadOnlyFolder: config.write(fault.bytes, fault.mode); break;
    }
    if (fault.stand == Stand::ReadOnlyFolder)
        ::chmod(QFile::encodeName(config.folder()).constData(), 0555);
    FileModesApply modes;
    if ((fault.mode != 0644 || fault.stand == Stand::ReadOnlyFolder) && !modes.work())
        GTEST_SKIP() << "file modes do not apply to this process";
    const std::string before = config.state();

    LogCapture log;
    {
        Launch l;
        EXPECT_EQ(config.state(), before) << "the launch wrote the settings";
        const bool firstRun = l.menu.firstRunWindow() && l.menu.firstRunWindow()->isVisible();
        EXPECT_EQ(firstRun, fault.shown == kFirstRun);
        EXPECT_EQ(l.timers, firstRun ? 0 : 1);
        EXPECT_EQ(l.menu.parts().accuracySlider->intValue(), firstRun ? MenuObject::kFirstRunSlider : fault.shown);
        EXPECT_TRUE(firstRun || l.menu.parts().accuracyField->intValue() == fault.shown);
        // The menu is made after the launch set them: the values reach it.
        EXPECT_EQ(l.mainMenuWidget()->findChild<QSlider*>()->value(),
                  firstRun ? MenuObject::kFirstRunSlider : fault.shown);
        EXPECT_TRUE(firstRun || l.accuracy()->value() == fault.shown);
        l.accuracy()->setValue(8);
    }
    const qsizetype unsaved = log.lines.filter(QStringLiteral("Could not save the settings")).size();
    if (!fault.saves) {
        EXPECT_EQ(unsaved, 1) << log.all();
        EXPECT_EQ(config.state(), before) << "what stood in the file's place was changed";
        return;
    }
    EXPECT_EQ(unsaved, 0) << log.all();
    const QString kept = config.path() + QStringLiteral(".bad");
    EXPECT_EQ(log.lines.filter(kept).size(), fault.kept ? 1 : 0) << log.all();
    EXPECT_EQ(contents(kept), fault.kept ? QByteArray(fault.bytes.data(), qsizetype(fault.bytes.size())) : "(none)");
    // The general keys exactly; window places may follow.
    const QByteArray saved = contents(config.path()), general = "[General]\nAmbrelAccuracy=8\nUsePreferences=true\n";
    EXPECT_TRUE(saved == general || saved.startsWith(general + "\n[")) << saved.toStdString();
}

// What a person chose comes back on the next launch, the exact switch reaches
// the windows already open, and what a damaged file still holds is not lost
// when the first-run window is confirmed.
TEST(Settings, ChoicesAndAReadableValueSurviveARestart)
{
    ConfigFolder config;
    {
        // A first run starts exact, and the licence window's box says so.
        Launch first;
        ASSERT_NE(first.menu.firstRunWindow(), nullptr);
        QWidget* licence = static_cast<QtWindow*>(first.menu.firstRunWindow())->widget();
        auto* box = licence->findChild<QCheckBox*>(QStringLiteral("exactDefinitions"));
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isChecked());
        EXPECT_TRUE(first.menu.exactDefinitions());
        first.menu.ButtonFromFirstRunWindow();
    }
    {
        Launch l;
        EXPECT_EQ(l.menu.parts().accuracyField->intValue(), 99);  // never chosen
        l.accuracy()->setValue(0);
        // The switch reaches a window already open, and its title tells.
        l.menu.OpenLenghtWindow();
        QWidget* top = topOf(*l.app.controller("LenghtObject"));
        typeInto(top, "MilesField", "1");
        ASSERT_TRUE(l.exact()->isChecked());
        EXPECT_EQ(cellOf(top, "FeetField")->doubleValue(), 5280);
        EXPECT_EQ(top->windowTitle(), QStringLiteral("Length"));
        l.exact()->click();
        EXPECT_EQ(cellOf(top, "FeetField")->doubleValue(), 5280.257664000001);
        EXPECT_EQ(top->windowTitle(), QStringLiteral("Length \u2014 classic tables"));
    }
    {
        Launch l;
        EXPECT_EQ(l.menu.parts().accuracyField->intValue(), 0);
        EXPECT_EQ(l.accuracy()->value(), 0);
        ASSERT_FALSE(l.exact()->isChecked());
        l.menu.OpenLenghtWindow();
        QWidget* top = topOf(*l.app.controller("LenghtObject"));
        EXPECT_EQ(top->windowTitle(), QStringLiteral("Length \u2014 classic tables"));
        typeInto(top, "NauticalMileField", "1");
        EXPECT_EQ(cellOf(top, "MetersField")->doubleValue(), 1851.66);
    }
    config.write("\xEF\xBB\xBF"
                 "AmbrelAccuracy=7\n[Junk\n");
    {
        Launch l;
        ASSERT_TRUE(l.menu.firstRunWindow() && l.menu.firstRunWindow()->isVisible());
        l.menu.ButtonFromFirstRunWindow();
    }
    Launch later;
    EXPECT_EQ(later.menu.firstRunWindow(), nullptr);
    EXPECT_EQ(later.menu.parts().accuracyField->intValue(), 7);
}

// Each damaged file is kept under a name of its own, the older ones too.
TEST(Settings, EveryDamagedFileIsKept)
{
    ConfigFolder config;
    const QByteArray damaged[] = {"[General]\nUsePreferences=true\n[Junk\n", "[General\nAmbrelAccuracy=3\n",
                                  "<<<<<<< HEAD\n[General]\nUsePreferences=true\n"};
    QFile inTheWay(config.path() + QStringLiteral(".bad.1"));  // an empty file, never replaced
    ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    const QString kept[] = {config.path() + QStringLiteral(".bad"), config.path() + QStringLiteral(".bad.2"),
                            config.path() + QStringLiteral(".bad.3")};
    for (const QByteArray& bytes : damaged) {
        config.write(bytes.toStdString());
        LogCapture log;
        Launch l;
        l.accuracy()->setValue(8);
        const QString keptAs = kept[&bytes - damaged];
        EXPECT_EQ(log.lines.filter(keptAs + QLatin1Char(' ')).size(), 1) << log.all();
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(contents(kept[i]), damaged[i]) << kept[i].toStdString();
    EXPECT_EQ(contents(config.path() + QStringLiteral(".bad.1")), QByteArray());
}

INSTANTIATE_TEST_SUITE_P(Faults, SettingsFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& p) { return p.param.name; });

}  // namespace
