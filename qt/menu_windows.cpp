// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/menu_windows.h"
#include "qt/translations.h"

#include "app/menu_object.h"
#include "framework/controller.h"
#include "framework/number_text.h"
#include "qt/accessible_role.h"
#include "qt/keyboard.h"
#include "qt/printing.h"
#include "qt/unit_finder_field.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <utility>

namespace ambrel {

namespace {

// A button named after the action it sends, disabled when nothing would
// answer it.
QPushButton* makeButton(Controller& menu, const MenuButton& entry)
{
    auto* button = new QPushButton(translatedCoreText(entry.title));
    button->setObjectName(QString::fromStdString(entry.action));
    button->setEnabled(entry.enabled);
    QObject::connect(button, &QPushButton::clicked, button, [&menu, action = entry.action] { menu.perform(action); });
    return button;
}

// The accuracy slider, with a label beside it that names the accuracies that
// show every digit. It follows the value however it is set, signals blocked
// or not.
class AccuracySlider : public QSlider {
    Q_DECLARE_TR_FUNCTIONS(AccuracySlider)

public:
    explicit AccuracySlider(QLabel* name) : QSlider(Qt::Horizontal), name_(name) {}

protected:
    void sliderChange(SliderChange change) override
    {
        QSlider::sliderChange(change);
        if (change != SliderValueChange)
            return;
        const QString name = value() >= kFullPrecisionDigits ? tr("Full precision") : QString();
        name_->setText(name);
        setAccessibleDescription(name);
    }

private:
    QLabel* name_;
};

}  // namespace

MainMenuWindow::MainMenuWindow(Controller& menu, const std::vector<MenuButton>& converters, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainMenuWindow"));
    setWindowTitle(QStringLiteral("Ambrel"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    // The finder's matches take the place of the buttons while it has text,
    // so the window keeps its size.
    auto* pages = new QStackedWidget;
    auto* matches = new QListWidget;
    if (auto* owner = dynamic_cast<MenuObject*>(&menu)) {
        auto* finder = new UnitFinderField(*owner, matches,
                                           [pages](bool searching) { pages->setCurrentIndex(searching ? 1 : 0); });
        finder_ = finder;
        layout->addWidget(finder);
        connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [finder] {
            finder->setFocus(Qt::ShortcutFocusReason);
            finder->selectAll();
        });
    }

    auto* accuracyBox = new QGroupBox(tr("Accuracy"));
    auto* accuracyRow = new QHBoxLayout(accuracyBox);
    // Without a colon, as every label beside its field in Ambrel.
    auto* label = new QLabel(tr("Deci&mals shown"));
    field_ = new QSpinBox;
    field_->setObjectName(QStringLiteral("AccuracyField"));
    field_->setRange(0, 99);
    field_->setValue(MenuObject::kFirstRunSlider);
    // Only a finished entry counts, so typing "12" is one change, not two.
    field_->setKeyboardTracking(false);
    field_->setAccessibleName(tr("Decimals shown"));
    label->setBuddy(field_);
    auto* precision = new QLabel;
    precision->setObjectName(QStringLiteral("AccuracyName"));
    // As wide as its longest text, so the row does not shift as it changes.
    precision->setMinimumWidth(precision->fontMetrics().horizontalAdvance(QObject::tr("Full precision")));
    slider_ = new AccuracySlider(precision);
    slider_->setToolTip(tr("From %1 decimals on, every number shows all the digits it has").arg(kFullPrecisionDigits));
    slider_->setObjectName(QStringLiteral("AccuracySlider"));
    slider_->setRange(0, 99);
    slider_->setValue(MenuObject::kFirstRunSlider);
    slider_->setAccessibleName(tr("Decimals shown"));
    accuracyRow->addWidget(label);
    accuracyRow->addWidget(field_);
    accuracyRow->addWidget(slider_, 1);
    accuracyRow->addWidget(precision);
    layout->addWidget(accuracyBox);

    // Any change of the box counts, whoever makes it: a click, the space bar
    // or an assistive tool's toggle. The controller's own setting of the box
    // is made with signals blocked (QtCheckControl).
    exact_ = new QCheckBox(tr("E&xact definitions"));
    exact_->setObjectName(QStringLiteral("ExactDefinitions"));
    exact_->setToolTip(
        tr("Ticked: convert with the units' exact definitions (2019 SI, the international yard and "
           "pound, the imperial and US gallons). Cleared: the classic tables, with their rounded factors"));
    connect(exact_, &QCheckBox::toggled, this, [&menu] { menu.perform("SetExactDefinitions:"); });
    layout->addWidget(exact_);

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

    // A titled box a group, three buttons a row, so that some thirty windows
    // still fit a small screen; the calculators' own window last.
    auto* convertersPage = new QWidget;
    auto* groups = new QVBoxLayout(convertersPage);
    groups->setContentsMargins(0, 0, 0, 0);
    constexpr int kColumns = 3;
    QGridLayout* grid = nullptr;
    std::string group;
    int i = 0;
    for (const MenuButton& entry : converters) {
        if (!grid || entry.group != group) {
            group = entry.group;
            auto* box = new QGroupBox(translatedCoreText(group));
            grid = new QGridLayout(box);
            for (int column = 0; column < kColumns; ++column)
                grid->setColumnStretch(column, 1);
            groups->addWidget(box);
            i = 0;
        }
        grid->addWidget(makeButton(menu, entry), i / kColumns, i % kColumns);
        ++i;
    }
    auto* further = new QPushButton(tr("Further calc&ulators…"));
    further->setObjectName(QStringLiteral("OpenBonusCalcsWindow:"));
    connect(further, &QPushButton::clicked, this, [&menu] { menu.perform("OpenBonusCalcsWindow:"); });
    auto* furtherRow = new QHBoxLayout;
    furtherRow->addWidget(further);
    furtherRow->addStretch(1);
    groups->addLayout(furtherRow);
    groups->addStretch(1);
    pages->addWidget(convertersPage);
    pages->addWidget(matches);
    layout->addWidget(pages, 1);
    setCentralWidget(central);
    if (finder_)
        setTabOrder(finder_, field_);

    const auto send = [&menu](const char* action) { return [&menu, action] { menu.perform(action); }; };
    QMenu* file = menuBar()->addMenu(tr("Am&brel"));
    file->addAction(tr("&About Ambrel"), this, send("MoreInfo:"));
    file->addAction(tr("&License and warranty"), this, send("WarrantyInfo:"));
    // The home page: the manual installed with the program.
    file->addAction(tr("&Manual in a browser"), this, send("displayOrlune:"));
    file->addSeparator();
    // Print is for the window the person was working in before coming here.
    print_ = file->addAction(tr("&Print…"), QKeySequence::Print, this, [this] { printWindow(printTarget()); });
    print_->setEnabled(false);
    connect(file, &QMenu::aboutToShow, this, [this] { print_->setEnabled(printTarget() != nullptr); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] { noteActiveWindow(); });
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &quitAmbrel);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&How to use Ambrel"), QKeySequence::HelpContents, this, send("IntroAndHelp:"));
    help->addAction(tr("&Summary of the windows"), this, send("ShowSummary:"));
    help->addAction(tr("&Notes on fuel and light"), this, send("ShowNotebook:"));
    help->addAction(tr("SI and binary &prefixes"), this, send("OpenSIPrefixes:"));
}

QWidget* MainMenuWindow::printTarget() const
{
    return lastWindow_ && lastWindow_->isVisible() ? lastWindow_.data() : nullptr;
}

void MainMenuWindow::noteActiveWindow()
{
    QWidget* active = QApplication::activeWindow();
    if (active && active != this && active->isWindow() && !active->property("centered").toBool() &&
        !qobject_cast<QMenu*>(active))
        lastWindow_ = active;
    print_->setEnabled(printTarget() != nullptr);
}

void MainMenuWindow::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (finder_ && !typed.isEmpty() && typed.at(0).isLetter() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        auto* finder = static_cast<QLineEdit*>(finder_);
        finder->setFocus(Qt::OtherFocusReason);
        finder->insert(typed);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

int QtCheckControl::intValue() const
{
    return box_->isChecked() ? 1 : 0;
}

void QtCheckControl::setIntValue(int value)
{
    const QSignalBlocker block(box_);
    box_->setChecked(value != 0);
}

int MenuControl::intValue() const
{
    if (!control_ && given_)
        return *given_;
    if (!control_)
        makeMenu_();
    return control_ ? control_->intValue() : 0;
}

void MenuControl::setIntValue(int value)
{
    if (control_)
        control_->setIntValue(value);
    else
        given_ = value;
}

void MenuControl::attach(std::unique_ptr<IntControl> control)
{
    control_ = std::move(control);
    if (given_)
        control_->setIntValue(*std::exchange(given_, std::nullopt));
}

namespace {

// The information panel: it goes when the person clicks it or presses a
// key that means "done", as well as when its time is up.
class InfoPanel : public QWidget {
public:
    explicit InfoPanel(Controller& menu) : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), menu_(menu)
    {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { dismiss(); }
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space: dismiss(); return;
        default: QWidget::keyPressEvent(event);
        }
    }

private:
    void dismiss()
    {
        if (isVisible())
            menu_.perform("CloseInfoPanel:");
    }

    Controller& menu_;
};

}  // namespace

QWidget* makeInfoPanel(Controller& menu)
{
    auto* panel = new InfoPanel(menu);
    panel->setObjectName(QStringLiteral("InfoPanel"));
    // It always shows in the middle of the screen, and is not remembered.
    panel->setProperty("centered", true);
    panel->setWindowTitle(QStringLiteral("Ambrel"));
    // A screen reader reads an alert through when it shows: the name, the
    // version and how to go on.
    setAccessibleRole(panel, QAccessible::AlertMessage);
    panel->setAccessibleName(QStringLiteral("Ambrel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(32, 24, 32, 24);
    auto* name = new QLabel(QStringLiteral("<h1>Ambrel</h1>"));
    name->setAlignment(Qt::AlignCenter);
    auto* line = new QLabel(
        QObject::tr("Every unit of a quantity at once.\nVersion %1").arg(QApplication::applicationVersion()));
    line->setAlignment(Qt::AlignCenter);
    auto* hint = new QLabel(QObject::tr("Click or press Return to go on"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setEnabled(false);
    layout->addWidget(name);
    layout->addWidget(line);
    layout->addWidget(hint);
    return panel;
}

QWidget* makeBonusCalcsWindow(Controller& menu, const std::vector<MenuButton>& calculators)
{
    auto* window = new QMainWindow;
    window->setObjectName(QStringLiteral("BonusCalcsWindow"));
    window->setWindowTitle(QObject::tr("Further calculators"));
    auto* central = new QWidget;
    window->setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    auto* heading = new QLabel(QObject::tr("<b>Further calculators</b>"));
    layout->addWidget(heading);
    for (const MenuButton& entry : calculators)
        layout->addWidget(makeButton(menu, entry));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QWidget::close);
    layout->addWidget(buttons);
    new QShortcut(QKeySequence(Qt::Key_Escape), window, window, &QWidget::close);
    // Wide enough for the title bar to show the title beside the window
    // manager's icon and buttons.
    window->setMinimumWidth(window->fontMetrics().horizontalAdvance(window->windowTitle()) + 120);
    return window;
}

QtNotebookWindow::QtNotebookWindow() : browser_(new QTextBrowser)
{
    setObjectName(QStringLiteral("NotebookWindow"));
    browser_->setObjectName(QStringLiteral("NotebookScrollView"));
    browser_->setOpenExternalLinks(true);
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(browser_, 1);
    auto* buttons = new QDialogButtonBox;
    auto* print = buttons->addButton(tr("&Print…"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(print, &QPushButton::clicked, this, [this] { printWindow(this); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    layout->addWidget(buttons);
    setCentralWidget(central);
    resize(640, 560);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    new QShortcut(QKeySequence::Print, this, this, [this] { printWindow(this); });
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
