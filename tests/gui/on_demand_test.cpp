// SPDX-License-Identifier: GPL-3.0-or-later
// The on-demand module as a start finds it: whole, damaged, foreign or
// missing; and the windows a start shows without it.
#include "gui_support.h"
#include "qt/on_demand.h"
#include "qt/on_demand_check.h"

#include <elf.h>
#include <functional>

using namespace ambrel;
using namespace ambrel::testing;

namespace {

QString builtModule()
{
    for (const QString& path : onDemandCandidates())
        if (QFileInfo::exists(path))
            return path;
    return {};
}

// A first start: no settings yet.
struct FreshConfig {
    QTemporaryDir dir;
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    FreshConfig() { qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit()); }
    ~FreshConfig() { qputenv("XDG_CONFIG_HOME", previous); }
};

// The module looked for where `bytes` are written (or nothing, for none),
// and the real one looked for again afterwards.
struct ModuleAt {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/ambrel-on-demand.so");
    explicit ModuleAt(const std::optional<QByteArray>& bytes)
    {
        if (bytes) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(*bytes);
        }
        lookForOnDemandIn({path});
    }
    ~ModuleAt() { lookForOnDemandIn(onDemandCandidates()); }
};

// Everything a person reads in a window, and the state of its buttons.
QStringList textsOf(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QLabel* label : window->findChildren<QLabel*>())
        texts << label->objectName() + QLatin1Char('=') + label->text();
    for (QTextBrowser* text : window->findChildren<QTextBrowser*>())
        texts << text->objectName() + QLatin1Char('=') + text->toPlainText();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        texts << button->objectName() + QLatin1Char('=') + button->text() +
                (button->isChecked() ? QStringLiteral(" [x]") : QString());
    return texts;
}

void replace(QByteArray& bytes, const char* what, char with, int at = 0)
{
    const qsizetype found = bytes.indexOf(what);
    ASSERT_GE(found, 0) << what;
    bytes[found + at] = with;
}

// Where the module's last loaded segment starts in its file.
qsizetype lastSegment(const QByteArray& bytes)
{
    Elf64_Ehdr header;
    std::memcpy(&header, bytes.constData(), sizeof header);
    qsizetype last = 0;
    for (int i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment;
        std::memcpy(&segment, bytes.constData() + header.e_phoff + i * sizeof segment, sizeof segment);
        if (segment.p_type == PT_LOAD)
            last = std::max(last, qsizetype(segment.p_offset));
    }
    return last;
}

struct ModuleFault {
    const char* name;
    std::function<void(QByteArray&)> damage;  // null: no module at all
    const char* why;                          // what the log line says
};

const ModuleFault kModuleFaults[] = {
    {"CutInHalf", [](QByteArray& b) { b.truncate(b.size() / 2); }, "cut short"},
    // Its code and data mapped, and a page past the file's end touched.
    {"CutInItsData", [](QByteArray& b) { b.truncate(lastSegment(b) + 8); }, "a loaded segment ends past the file"},
    {"CutAfterItsHeader", [](QByteArray& b) { b.truncate(sizeof(Elf64_Ehdr) + 8); }, "cut short"},
    {"CutBeforeItsHeaderEnds", [](QByteArray& b) { b.truncate(30); }, "cut short"},
    {"AnotherVersion", [](QByteArray& b) { replace(b, onDemandVersion(), 'X'); }, "is version \"Xmbrel"},
    {"NoVersion", [](QByteArray& b) { replace(b, AMBREL_ON_DEMAND_VERSION_SYMBOL, 'X'); }, "names no version"},
    {"AnotherProcessor",
     [](QByteArray& b) {
         Elf64_Half machine = 0;
         std::memcpy(&machine, b.constData() + EI_NIDENT + 2, sizeof machine);
         machine = machine == EM_S390 ? EM_X86_64 : EM_S390;
         std::memcpy(b.data() + EI_NIDENT + 2, &machine, sizeof machine);
     },
     "another processor"},
    {"AnExecutable", [](QByteArray& b) { b[EI_NIDENT] = ET_EXEC; }, "not a shared library"},
    {"NotElf", [](QByteArray& b) { b = "#!/bin/sh\necho not a library\n"; }, "no ELF header"},
    {"Empty", [](QByteArray& b) { b.clear(); }, "no ELF header"},
    {"Missing", nullptr, "is not installed"},
};

class ModuleFaults : public ::testing::TestWithParam<ModuleFault> {};

// A module that cannot be loaded safely is refused in one log line, before
// any of its code runs, and a first start still shows the licence and help.
TEST_P(ModuleFaults, AreRefusedInOneLineAndTheFirstStartStillShowsItsWindows)
{
    const ModuleFault& fault = GetParam();
    QFile real(builtModule());
    ASSERT_TRUE(real.open(QIODevice::ReadOnly)) << "the module is not built";
    QByteArray bytes = real.readAll();
    if (fault.damage)
        fault.damage(bytes);
    ModuleAt module(fault.damage ? std::optional(bytes) : std::nullopt);
    FreshConfig config;
    LogCapture log;
    {
        Launch l;
        ASSERT_NE(l.menu.firstRunWindow(), nullptr) << log.all();
        EXPECT_TRUE(l.menu.firstRunWindow()->isVisible());
        l.menu.IntroAndHelp();
        EXPECT_NE(shownWindow(QStringLiteral("HelpIntroWindow")), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
    }
    EXPECT_EQ(onDemand(), nullptr);
    const QStringList said = log.lines.filter(QStringLiteral("ambrel-on-demand.so"));
    ASSERT_EQ(said.size(), 1) << log.all();
    EXPECT_TRUE(said[0].contains(module.path)) << log.all();
    EXPECT_TRUE(said[0].contains(QLatin1String(fault.why))) << log.all();
}

INSTANTIATE_TEST_SUITE_P(OnDemand, ModuleFaults, ::testing::ValuesIn(kModuleFaults),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(OnDemand, TheBuiltModuleIsAcceptedAndLoaded)
{
    ASSERT_FALSE(builtModule().isEmpty());
    EXPECT_EQ(refuseOnDemandModule(builtModule(), onDemandVersion()), QString());
    LogCapture log;
    ModuleAt module(std::nullopt);
    lookForOnDemandIn({builtModule()});
    EXPECT_NE(onDemand(), nullptr);
    EXPECT_TRUE(log.lines.isEmpty()) << log.all();
}

// The windows made without the module read as those the module makes.
TEST(OnDemand, WindowsWithoutTheModuleShowTheSameTexts)
{
    for (const auto& [action, name] : {std::pair{"WarrantyInfo:", "FirstRunWindow"},
                                       {"IntroAndHelp:", "HelpIntroWindow"},
                                       {"MoreInfo:", "MoreInfoWindow"},
                                       {"OpenSIPrefixes:", "SIPrefixesWindow"}}) {
        QStringList texts[2];
        for (const bool withModule : {true, false}) {
            ModuleAt module(std::nullopt);
            if (withModule)
                lookForOnDemandIn({builtModule()});
            DesktopOn<QtPlatform> d;
            LogCapture log;
            d.menu.perform(action);
            QWidget* window = shownWindow(QString::fromLatin1(name));
            ASSERT_NE(window, nullptr) << name << (withModule ? " with" : " without") << " the module";
            texts[withModule] = textsOf(window);
            EXPECT_EQ(onDemand() != nullptr, withModule);
        }
        EXPECT_GT(texts[0].join(QString()).size(), 200) << name;
        EXPECT_EQ(texts[0], texts[1]) << name;
    }
}

// The first-run choice made in the plain licence window is stored, and the
// next start is no first run.
TEST(OnDemand, TheFirstRunChoiceWithoutTheModuleIsStored)
{
    ModuleAt module(std::nullopt);
    FreshConfig config;
    {
        Launch first;
        ASSERT_NE(first.menu.firstRunWindow(), nullptr);
        QWidget* licence = static_cast<QtWindow*>(first.menu.firstRunWindow())->widget();
        auto* box = licence->findChild<QCheckBox*>(QStringLiteral("exactDefinitions"));
        auto* agree = licence->findChild<QPushButton*>(QStringLiteral("agree"));
        ASSERT_TRUE(box && agree);
        EXPECT_TRUE(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_FALSE(first.menu.exactDefinitions());
        QTest::mouseClick(agree, Qt::LeftButton);
        EXPECT_FALSE(licence->isVisible());
    }
    Launch later;
    EXPECT_FALSE(later.menu.firstRunWindow() && later.menu.firstRunWindow()->isVisible());
    EXPECT_TRUE(later.defaults().boolForKey(MenuObject::kUsePreferences));
    EXPECT_TRUE(later.defaults().contains(MenuObject::kExactKey));
    EXPECT_FALSE(later.menu.exactDefinitions());
}

}  // namespace
