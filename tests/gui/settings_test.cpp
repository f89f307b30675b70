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

// The launch's information panel timer would outlive a test's platform; the
// test keeps it from the event loop and only counts it.
class QuietPlatform : public QtPlatform {
public:
    void scheduleTimer(double, std::function<void()>) override { ++timers; }
    int timers = 0;
};

// A private configuration folder for one case, where QSettings and
// QStandardPaths look while it lives.
class ConfigFolder {
public:
    ConfigFolder() : previous_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        QDir(dir_.path()).mkdir(QStringLiteral("Orlune"));
    }
    ~ConfigFolder()
    {
        ::chmod(QFile::encodeName(folder()).constData(), 0755);
        qputenv("XDG_CONFIG_HOME", previous_);
    }
    QString root() const { return dir_.path(); }
    QString folder() const { return dir_.path() + QStringLiteral("/Orlune"); }
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

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

// Root reads and writes files whatever their mode. For the cases about
// modes the thread gives up that power, so the file's mode counts.
class FileModesApply {
public:
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

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

using namespace std::string_view_literals;

constexpr int kFirstRun = -1;  // in place of the accuracy a later run shows
constexpr int kNewAccuracy = 8;

enum class Stand { File, NoFolder, Directory, Pipe, ReadOnlyFolder };

struct Fault {
    const char* name;
    Stand stand;
    std::string_view bytes;  // the file's content, for a file
    int mode;
    int shown;          // the accuracy a later run shows, or kFirstRun
    bool saves;         // whether a new accuracy reaches the disk
    bool kept = false;  // whether the save keeps the old file as Ambrel.conf.bad
};

#define LATER(line) "[General]\nUsePreferences=true\n" line "\n"
const Fault kFaults[] = {
    {"NoFolder", Stand::NoFolder, {}, 0644, kFirstRun, true},
    {"ALaterRun", Stand::File, LATER("AmbrelAccuracy=7"), 0644, 7, true},
    {"Stored0", Stand::File, LATER("AmbrelAccuracy=0"), 0644, 0, true},
    {"NoAccuracy", Stand::File, "[General]\nUsePreferences=true\n", 0644, 99, true},
    {"AccuracyText", Stand::File, LATER("AmbrelAccuracy=12abc"), 0644, 99, true},
    {"AccuracyBeyondInt", Stand::File, LATER("AmbrelAccuracy=2147483648"), 0644, 99, true},
    {"AccuracyNegative", Stand::File, LATER("AmbrelAccuracy=-3"), 0644, 99, true},
    {"FirstRunFlagYes", Stand::File, "[General]\nUsePreferences=yes\nAmbrelAccuracy=7\n", 0644, kFirstRun, true},
    {"Corrupt", Stand::File, "[General]\nUsePreferences=true\nAmbrelAccuracy=7\nnot a setting\n[Junk\nx=\xff\x01", 0644,
     7, true, true},
    {"ByteOrderMark", Stand::File, "\xEF\xBB\xBF" LATER("AmbrelAccuracy=7"), 0644, 7, true, true},
    {"MergeConflict", Stand::File,
     "<<<<<<< HEAD\n" LATER("AmbrelAccuracy=7") "=======\n[General]\nUsePreferences=true\n>>>>>>> other\n", 0644, 7,
     true, true},
    {"NulBytes", Stand::File, LATER("AmbrelAccuracy=7") "\0\0\0\nUsePref\0erences=false\n"sv, 0644, 7, true, true},
    {"UnclosedSection", Stand::File, "[General\nUsePreferences=true\nAmbrelAccuracy=7\n", 0644, 7, true, true},
    {"OtherSection", Stand::File, "[Junk]\nUsePreferences=true\nAmbrelAccuracy=7\n", 0644, kFirstRun, true},
    {"DamagedOtherSection", Stand::File, "[Junk]\nUsePreferences=true\n[Junk\nAmbrelAccuracy=7\n", 0644, kFirstRun,
     true, true},
    {"ADirectoryInTheWay", Stand::Directory, {}, 0644, kFirstRun, false},
    {"APipeInTheWay", Stand::Pipe, {}, 0644, kFirstRun, false},
    {"UnreadableFile", Stand::File, LATER("AmbrelAccuracy=7"), 0, kFirstRun, false},
    {"ReadOnlyFile", Stand::File, LATER("AmbrelAccuracy=7"), 0444, 7, false},
    {"ReadOnlyFolder", Stand::ReadOnlyFolder, LATER("AmbrelAccuracy=7"), 0644, 7, false},
};

class SettingsFaults : public ::testing::TestWithParam<Fault> {};

// Whatever stands in the settings file's place, the launch comes up as a
// first or a later run and writes nothing; a new accuracy then either
// reaches the disk as a clean file or is reported in one log line.
TEST_P(SettingsFaults, LaunchFallsBackAndSavingIsCleanOrReported)
{
    const Fault& fault = GetParam();
    ConfigFolder config;
    const QByteArray folder = QFile::encodeName(config.folder());
    switch (fault.stand) {
    case Stand::NoFolder: QDir(config.folder()).removeRecursively(); break;
    case Stand::Directory: QDir(config.folder()).mkdir(QStringLiteral("Ambrel.conf")); break;
    case Stand::Pipe: ASSERT_EQ(::mkfifo(QFile::encodeName(config.path()).constData(), 0644), 0); break;
    case Stand::File:
    case Stand::ReadOnlyFolder: config.write(fault.bytes, fault.mode); break;
    }
    if (fault.stand == Stand::ReadOnlyFolder)
        ::chmod(folder.constData(), 0555);
    FileModesApply modes;
    if ((fault.mode != 0644 || fault.stand == Stand::ReadOnlyFolder) && !modes.work())
        GTEST_SKIP() << "file modes do not apply to this process";
    const std::string before = config.state();

    LogCapture log;
    const QStringList& messages = LogCapture::lines();
    {
        QuietPlatform platform;
        Application app(platform);
        MenuObject& menu = app.menu();
        menu.applicationDidFinishLaunching();
        EXPECT_EQ(config.state(), before) << "the launch wrote the settings";
        const bool firstRun = menu.firstRunWindow() && menu.firstRunWindow()->isVisible();
        EXPECT_EQ(firstRun, fault.shown == kFirstRun);
        EXPECT_EQ(platform.timers, firstRun ? 0 : 1);
        EXPECT_EQ(menu.parts().accuracySlider->intValue(), firstRun ? MenuObject::kFirstRunSlider : fault.shown);
        EXPECT_TRUE(firstRun || menu.parts().accuracyField->intValue() == fault.shown);
        platform.mainMenuWidget()->findChild<QSpinBox*>(QStringLiteral("AccuracyField"))->setValue(kNewAccuracy);
    }
    const int unsaved = static_cast<int>(messages.filter(QStringLiteral("Could not save the settings")).size());
    if (!fault.saves) {
        EXPECT_EQ(unsaved, 1) << messages.join('\n').toStdString();
        EXPECT_EQ(config.state(), before) << "what stood in the file's place was changed";
        return;
    }
    EXPECT_EQ(unsaved, 0) << messages.join('\n').toStdString();
    const QString kept = config.path() + QStringLiteral(".bad");
    EXPECT_EQ(QFile::exists(kept), fault.kept);
    EXPECT_EQ(messages.filter(kept).size(), fault.kept ? 1 : 0) << messages.join('\n').toStdString();
    if (fault.kept) {
        QFile old(kept);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray(fault.bytes.data(), static_cast<qsizetype>(fault.bytes.size())));
    }
    const QString copy = config.root() + QStringLiteral("/copy.conf");
    ASSERT_TRUE(QFile::copy(config.path(), copy));
    QSettings saved(copy, QSettings::IniFormat);
    EXPECT_EQ(saved.status(), QSettings::NoError);
    EXPECT_EQ(saved.childKeys(), (QStringList{QStringLiteral("AmbrelAccuracy"), QStringLiteral("UsePreferences")}));
    EXPECT_EQ(saved.value(QStringLiteral("AmbrelAccuracy")).toString(), QString::number(kNewAccuracy));
    EXPECT_EQ(saved.value(QStringLiteral("UsePreferences")).toString(), QStringLiteral("true"));
}

// What a person chose comes back on the next launch, the exact switch reaches
// the windows already open, and what a damaged file still holds is not lost
// when the first-run window is confirmed.
TEST(Settings, ChoicesAndAReadableValueSurviveARestart)
{
    ConfigFolder config;
    const auto launch = [](const std::function<void(QuietPlatform&, Application&, QCheckBox*)>& use) {
        QuietPlatform platform;
        Application app(platform);
        app.menu().applicationDidFinishLaunching();
        use(platform, app, platform.mainMenuWidget()->findChild<QCheckBox*>(QStringLiteral("ExactDefinitions")));
    };
    const auto length = [](Application& app) {
        app.menu().OpenLenghtWindow();
        return topOf(*app.controller("LenghtObject"));
    };
    launch([](QuietPlatform&, Application& app, QCheckBox*) { app.menu().ButtonFromFirstRunWindow(); });
    launch([&](QuietPlatform& platform, Application& app, QCheckBox* exact) {
        EXPECT_EQ(app.menu().parts().accuracyField->intValue(), 99);  // never chosen
        platform.mainMenuWidget()->findChild<QSpinBox*>(QStringLiteral("AccuracyField"))->setValue(0);
        // The switch reaches a window already open.
        QWidget* top = length(app);
        typeInto(top, "MilesField", "1");
        ASSERT_FALSE(exact->isChecked());
        exact->click();
        EXPECT_EQ(cellOf(top, "FeetField")->doubleValue(), 5280);
    });
    launch([&](QuietPlatform&, Application& app, QCheckBox* exact) {
        EXPECT_EQ(app.menu().parts().accuracyField->intValue(), 0);
        EXPECT_EQ(app.menu().parts().accuracySlider->intValue(), 0);
        ASSERT_TRUE(exact->isChecked());
        QWidget* top = length(app);
        typeInto(top, "NauticalMileField", "1");
        EXPECT_EQ(cellOf(top, "MetersField")->doubleValue(), 1852);
        exact->click();
        EXPECT_EQ(cellOf(top, "MetersField")->doubleValue(), 1851.66);
    });

    config.write("\xEF\xBB\xBF"
                 "AmbrelAccuracy=7\n[Junk\n");
    launch([](QuietPlatform&, Application& app, QCheckBox*) {
        ASSERT_NE(app.menu().firstRunWindow(), nullptr);
        EXPECT_TRUE(app.menu().firstRunWindow()->isVisible());
        app.menu().ButtonFromFirstRunWindow();
    });
    launch([](QuietPlatform&, Application& app, QCheckBox*) {
        EXPECT_EQ(app.menu().firstRunWindow(), nullptr);
        EXPECT_EQ(app.menu().parts().accuracyField->intValue(), 7);
    });
}

INSTANTIATE_TEST_SUITE_P(Faults, SettingsFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& p) { return p.param.name; });

}  // namespace
