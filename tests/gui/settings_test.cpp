// The settings file on the desktop: whatever it holds, or whatever stands in
// its place, the launch comes up as a first run or a later run with a
// sensible accuracy, writes nothing, and never crashes or hangs; a new
// accuracy either reaches the disk as a clean file or is reported in one
// log line.
#include "app/application.h"
#include "qt/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace ambrel;

namespace {

// The launch's information panel timer would outlive a test's platform; the
// test keeps it from the event loop and only counts it.
class Desktop : public QtPlatform {
public:
    void scheduleTimer(double, std::function<void()>) override { ++timers; }
    int timers = 0;
};

QStringList* gMessages = nullptr;

void collectMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (gMessages)
        gMessages->append(message);
}

class LogCapture {
public:
    LogCapture() : previous_(qInstallMessageHandler(collectMessage)) { gMessages = &lines_; }
    ~LogCapture()
    {
        qInstallMessageHandler(previous_);
        gMessages = nullptr;
    }
    int unsaved() const { return static_cast<int>(lines_.filter(QStringLiteral("Could not save the settings")).size()); }
    QString all() const { return lines_.join(QLatin1Char('\n')); }

private:
    QStringList lines_;
    QtMessageHandler previous_;
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

    void write(const QByteArray& bytes, int mode = 0644) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ::chmod(QFile::encodeName(path()).constData(), static_cast<mode_t>(mode));
    }

    // Enough of the file's identity to tell whether anything rewrote it.
    std::string state() const
    {
        struct stat st {};
        if (::lstat(QFile::encodeName(path()).constData(), &st) != 0)
            return "missing";
        return std::to_string(st.st_ino) + ' ' + std::to_string(st.st_mode) + ' ' + std::to_string(st.st_size) +
               ' ' + std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
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
    FileModesApply(const FileModesApply&) = delete;
    FileModesApply& operator=(const FileModesApply&) = delete;

    // Whether a file of mode 0 is really unreadable here.
    static bool work(const ConfigFolder& config)
    {
        const QString probe = config.root() + QStringLiteral("/probe");
        QFile(probe).open(QIODevice::WriteOnly);
        ::chmod(QFile::encodeName(probe).constData(), 0);
        const bool refused = !QFile(probe).open(QIODevice::ReadOnly);
        QFile::remove(probe);
        return refused;
    }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

constexpr int kFirstRun = -1;  // in place of the accuracy a later run shows
constexpr int kNewAccuracy = 8;

struct Launched {
    bool firstRun = false;
    int field = 0;
    int slider = 0;
    int timers = 0;
};

// The real launch, and then, if asked, a person setting the accuracy.
Launched launch(bool setAccuracy = false)
{
    Desktop platform;
    Application app(platform);
    app.menu().applicationDidFinishLaunching();
    Launched out;
    out.firstRun = app.menu().firstRunWindow() && app.menu().firstRunWindow()->isVisible();
    out.field = app.menu().parts().accuracyField->intValue();
    out.slider = app.menu().parts().accuracySlider->intValue();
    out.timers = platform.timers;
    if (setAccuracy) {
        auto* field = platform.mainMenuWidget()->findChild<QSpinBox*>(QStringLiteral("AccuracyField"));
        EXPECT_NE(field, nullptr);
        if (field)
            field->setValue(kNewAccuracy);
    }
    return out;
}

// The saved file holds Ambrel's two keys with clean values and nothing else.
void expectCleanFile(const ConfigFolder& config)
{
    const QString copy = config.root() + QStringLiteral("/copy.conf");
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(config.path(), copy));
    QSettings saved(copy, QSettings::IniFormat);
    EXPECT_EQ(saved.status(), QSettings::NoError);
    EXPECT_EQ(saved.allKeys(), (QStringList{QStringLiteral("AmbrelAccuracy"), QStringLiteral("UsePreferences")}));
    EXPECT_EQ(saved.value(QStringLiteral("AmbrelAccuracy")).toString(), QString::number(kNewAccuracy));
    EXPECT_EQ(saved.value(QStringLiteral("UsePreferences")).toString(), QStringLiteral("true"));
}

QByteArray later(const QByteArray& accuracyLine)
{
    return "[General]\nUsePreferences=true\n" + accuracyLine + "\n";
}

struct Fault {
    const char* name;
    std::function<void(const ConfigFolder&)> prepare;
    int shown;          // the accuracy a later run shows, or kFirstRun
    bool saves;         // whether a new accuracy reaches the disk
    bool modes = false; // the case rests on file modes
};

void file(const ConfigFolder& c, const QByteArray& bytes, int mode = 0644)
{
    c.write(bytes, mode);
}

const Fault kFaults[] = {
    {"no folder", [](const ConfigFolder& c) { QDir(c.folder()).removeRecursively(); }, kFirstRun, true},
    {"no file", [](const ConfigFolder&) {}, kFirstRun, true},
    {"empty file", [](const ConfigFolder& c) { file(c, ""); }, kFirstRun, true},
    {"a later run", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=7")); }, 7, true},
    {"stored 0", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=0")); }, 99, true},
    {"no accuracy", [](const ConfigFolder& c) { file(c, later("")); }, 99, true},
    {"largest accuracy", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=99")); }, 99, true},
    {"accuracy text", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=abc")); }, 99, true},
    {"accuracy 12abc", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=12abc")); }, 99, true},
    {"accuracy huge", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=99999999999999999999")); }, 99, true},
    {"accuracy beyond int", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=2147483648")); }, 99, true},
    {"accuracy 100", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=100")); }, 99, true},
    {"accuracy negative", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=-3")); }, 99, true},
    {"accuracy float", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=5.5")); }, 99, true},
    {"accuracy exponent", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=1e1")); }, 99, true},
    {"accuracy list", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=5, 6")); }, 99, true},
    {"accuracy stored double",
     [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=@Variant(\\0\\0\\0\\x6@\\x14\\0\\0\\0\\0\\0\\0)")); },
     99, true},
    {"accuracy byte array", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=@ByteArray(7)")); }, 99, true},
    {"accuracy empty", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=")); }, 99, true},
    {"first run flag yes", [](const ConfigFolder& c) { file(c, "[General]\nUsePreferences=yes\nAmbrelAccuracy=7\n"); },
     kFirstRun, true},
    {"first run flag 2", [](const ConfigFolder& c) { file(c, "[General]\nUsePreferences=2\nAmbrelAccuracy=7\n"); },
     kFirstRun, true},
    {"first run flag false", [](const ConfigFolder& c) { file(c, "[General]\nUsePreferences=false\n"); }, kFirstRun,
     true},
    {"cut short", [](const ConfigFolder& c) { file(c, "[General]\nUsePreferences=tr"); }, kFirstRun, true},
    {"binary garbage",
     [](const ConfigFolder& c) {
         QByteArray junk;
         for (int i = 0; i < 4096; ++i)
             junk.append(static_cast<char>((i * 7919 + 13) % 256));
         file(c, junk);
     },
     kFirstRun, true},
    {"a line that does not parse",
     [](const ConfigFolder& c) { file(c, "[General]\nUsePreferences=true\nAmbrelAccuracy=7\nnot a setting\n[Junk\nx=\xff\x01"); },
     kFirstRun, true},
    {"far too large",
     [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=7") + QByteArray(2 << 20, ';')); }, kFirstRun, false},
    {"a directory in the way", [](const ConfigFolder& c) { QDir(c.folder()).mkdir(QStringLiteral("Ambrel.conf")); },
     kFirstRun, false},
    {"a pipe in the way",
     [](const ConfigFolder& c) { ASSERT_EQ(::mkfifo(QFile::encodeName(c.path()).constData(), 0644), 0); }, kFirstRun,
     false},
    {"a link to an endless device",
     [](const ConfigFolder& c) { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), c.path())); }, kFirstRun, false},
    {"a dangling link", [](const ConfigFolder& c) { ASSERT_TRUE(QFile::link(c.root() + QStringLiteral("/gone"), c.path())); },
     kFirstRun, true},
    {"a file where the folder goes",
     [](const ConfigFolder& c) {
         QDir(c.folder()).removeRecursively();
         QFile folder(c.folder());
         ASSERT_TRUE(folder.open(QIODevice::WriteOnly));
     },
     kFirstRun, false},
    {"unreadable file", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=7"), 0); }, kFirstRun, false, true},
    {"read-only file", [](const ConfigFolder& c) { file(c, later("AmbrelAccuracy=7"), 0444); }, 7, false, true},
    {"read-only corrupt file", [](const ConfigFolder& c) { file(c, "garbage\n", 0444); }, kFirstRun, false, true},
    {"read-only folder",
     [](const ConfigFolder& c) {
         file(c, later("AmbrelAccuracy=7"));
         ::chmod(QFile::encodeName(c.folder()).constData(), 0555);
     },
     7, false, true},
};

class SettingsFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(SettingsFaults, LaunchFallsBackAndSavingIsCleanOrReported)
{
    const Fault& fault = GetParam();
    ConfigFolder config;
    fault.prepare(config);
    FileModesApply modes;
    if (fault.modes && !FileModesApply::work(config))
        GTEST_SKIP() << "file modes do not apply to this process";
    const std::string before = config.state();

    LogCapture log;
    const Launched first = launch(true);
    if (fault.shown == kFirstRun) {
        EXPECT_TRUE(first.firstRun);
        EXPECT_EQ(first.slider, MenuObject::kFirstRunSlider);
        EXPECT_EQ(first.timers, 0);
    } else {
        EXPECT_FALSE(first.firstRun);
        EXPECT_EQ(first.field, fault.shown);
        EXPECT_EQ(first.slider, fault.shown);
        EXPECT_EQ(first.timers, 1);
    }

    if (fault.saves) {
        EXPECT_EQ(log.unsaved(), 0) << log.all().toStdString();
        expectCleanFile(config);
        const Launched next = launch();
        EXPECT_FALSE(next.firstRun);
        EXPECT_EQ(next.field, kNewAccuracy);
    } else {
        EXPECT_EQ(log.unsaved(), 1) << log.all().toStdString();
        EXPECT_EQ(config.state(), before) << "what stood in the file's place was changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, SettingsFaults, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

// The launch itself writes nothing, whatever it found: a stored 0 stays 0
// until a person sets the accuracy.
TEST(Settings, LaunchWritesNothing)
{
    for (const QByteArray& bytes : {later("AmbrelAccuracy=0"), later("AmbrelAccuracy=-3"), QByteArray("junk\n\xff")}) {
        ConfigFolder config;
        config.write(bytes);
        const std::string before = config.state();
        launch();
        EXPECT_EQ(config.state(), before) << bytes.toStdString();
        QFile file(config.path());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), bytes);
    }
}

}  // namespace
