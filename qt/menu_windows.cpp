#include "qt/menu_windows.h"

#include "app/menu_object.h"
#include "framework/controller.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ambrel {

namespace {

struct MenuEntry {
    const char* title;   // with its mnemonic
    Converter converter;
};

// The converters as the menu lists them.
constexpr MenuEntry kConverterButtons[] = {
    {"&Length", Converter::Lenght},           {"&Area", Converter::Area},
    {"V&olume", Converter::Volume},           {"&Weight", Converter::Weight},
    {"&Temperature", Converter::Temp},        {"T&ime", Converter::Time},
    {"&Velocity", Converter::Velocity},       {"&Pressure", Converter::Pressure},
    {"Power and &energy", Converter::PowerEnergy}, {"&Fuel and light", Converter::Misc},
    {"&Computing", Converter::Computing},
};

}  // namespace

MainMenuWindow::MainMenuWindow(Controller& menu, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainMenuWindow"));
    setWindowTitle(QStringLiteral("Ambrel"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    auto* accuracyBox = new QGroupBox(tr("Accuracy"));
    auto* accuracyRow = new QHBoxLayout(accuracyBox);
    auto* label = new QLabel(tr("&Decimals shown:"));
    field_ = new QSpinBox;
    field_->setObjectName(QStringLiteral("AccuracyField"));
    field_->setRange(0, 99);
    field_->setValue(MenuObject::kFirstRunSlider);
    // Only a finished entry counts, so typing "12" is one change, not two.
    field_->setKeyboardTracking(false);
    field_->setAccessibleName(tr("Decimals shown"));
    label->setBuddy(field_);
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("AccuracySlider"));
    slider_->setRange(0, 99);
    slider_->setValue(MenuObject::kFirstRunSlider);
    slider_->setAccessibleName(tr("Decimals shown"));
    accuracyRow->addWidget(label);
    accuracyRow->addWidget(field_);
    accuracyRow->addWidget(slider_, 1);
    layout->addWidget(accuracyBox);

    // The field holds the new value before the preference action is sent.
    connect(field_, &QSpinBox::valueChanged, this, [this, &menu](int value) {
        slider_->blockSignals(true);
        slider_->setValue(value);
        slider_->blockSignals(false);
        menu.perform("SetAccuracyPref:");
    });
    connect(slider_, &QSlider::valueChanged, this, [this, &menu](int value) {
        field_->blockSignals(true);
        field_->setValue(value);
        field_->blockSignals(false);
        if (!slider_->isSliderDown())
            menu.perform("SetAccuracyPref:");
    });
    connect(slider_, &QSlider::sliderReleased, this, [&menu] { menu.perform("SetAccuracyPref:"); });

    auto* convertersBox = new QGroupBox(tr("Converters"));
    auto* grid = new QGridLayout(convertersBox);
    auto* owner = dynamic_cast<MenuObject*>(&menu);
    int i = 0;
    for (const MenuEntry& entry : kConverterButtons) {
        auto* button = new QPushButton(tr(entry.title));
        const int index = static_cast<int>(entry.converter);
        const std::string action(kConverterOpenActions[index]);
        button->setObjectName(QString::fromStdString(action));
        button->setEnabled(owner && owner->connection(entry.converter));
        connect(button, &QPushButton::clicked, this, [&menu, action] { menu.perform(action); });
        grid->addWidget(button, i / 2, i % 2);
        ++i;
    }
    auto* further = new QPushButton(tr("Further calc&ulators…"));
    further->setObjectName(QStringLiteral("OpenBonusCalcsWindow:"));
    connect(further, &QPushButton::clicked, this, [&menu] { menu.perform("OpenBonusCalcsWindow:"); });
    grid->addWidget(further, i / 2, i % 2);
    layout->addWidget(convertersBox);
    setCentralWidget(central);

    const auto send = [&menu](const char* action) { return [&menu, action] { menu.perform(action); }; };
    QMenu* file = menuBar()->addMenu(tr("Am&brel"));
    file->addAction(tr("&About Ambrel"), this, send("MoreInfo:"));
    file->addAction(tr("&Licence and warranty"), this, send("WarrantyInfo:"));
    file->addAction(tr("&Home page"), this, send("displayOrlune:"));
    file->addSeparator();
    file->addAction(tr("&Print…"), QKeySequence::Print, this, send("print:"));
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, qApp, &QApplication::closeAllWindows);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&How to use Ambrel"), QKeySequence::HelpContents, this, send("IntroAndHelp:"));
    help->addAction(tr("&Summary of the windows"), this, send("ShowSummary:"));
    help->addAction(tr("&Notes on fuel and light"), this, send("ShowNotebook:"));
    help->addAction(tr("SI and binary &prefixes"), this, send("OpenSIPrefixes:"));
}

QWidget* makeInfoPanel()
{
    auto* panel = new QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    panel->setObjectName(QStringLiteral("InfoPanel"));
    panel->setWindowTitle(QStringLiteral("Ambrel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(32, 24, 32, 24);
    auto* name = new QLabel(QStringLiteral("<h1>Ambrel</h1>"));
    name->setAlignment(Qt::AlignCenter);
    auto* line = new QLabel(QObject::tr("Every unit of a quantity at once.\nVersion %1")
                                .arg(QApplication::applicationVersion()));
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    layout->addWidget(line);
    return panel;
}

QWidget* makeBonusCalcsWindow(Controller& menu)
{
    auto* window = new QMainWindow;
    window->setObjectName(QStringLiteral("BonusCalcsWindow"));
    window->setWindowTitle(QObject::tr("Further calculators"));
    auto* central = new QWidget;
    window->setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    // In the order of kCalculatorOpenActions.
    const char* titles[kCalculatorCount] = {"&File transfer time…", "&Proportion…", "&Interpolation…",
                                            "Power to &weight…"};
    auto* owner = dynamic_cast<MenuObject*>(&menu);
    for (int i = 0; i < kCalculatorCount; ++i) {
        auto* button = new QPushButton(QObject::tr(titles[i]));
        const std::string action(kCalculatorOpenActions[i]);
        button->setObjectName(QString::fromStdString(action));
        button->setEnabled(owner && owner->calculatorConnection(i));
        QObject::connect(button, &QPushButton::clicked, window, [&menu, action] { menu.perform(action); });
        layout->addWidget(button);
    }
    new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close);
    return window;
}

QtNotebookWindow::QtNotebookWindow() : browser_(new QTextBrowser)
{
    setObjectName(QStringLiteral("NotebookWindow"));
    browser_->setObjectName(QStringLiteral("NotebookScrollView"));
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);
    resize(640, 560);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void QtNotebookWindow::setString(std::string_view text)
{
    browser_->setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

bool QtNotebookWindow::readDocumentFromFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString content = QString::fromUtf8(file.readAll());
    if (path.size() > 3 && path.compare(path.size() - 3, 3, ".md") == 0)
        browser_->setMarkdown(content);
    else
        browser_->setHtml(content);
    return true;
}

std::string QtNotebookWindow::text() const
{
    return browser_->toPlainText().toStdString();
}

}  // namespace ambrel
