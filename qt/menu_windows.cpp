#include "qt/menu_windows.h"

#include "app/menu_object.h"
#include "framework/controller.h"
#include "framework/number_text.h"

#include <QApplication>
#include <QCheckBox>
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

// A button named after the action it sends, disabled when nothing would
// answer it.
QPushButton* makeButton(Controller& menu, const MenuButton& entry)
{
    auto* button = new QPushButton(QObject::tr(entry.title.c_str()));
    button->setObjectName(QString::fromStdString(entry.action));
    button->setEnabled(entry.enabled);
    QObject::connect(button, &QPushButton::clicked, button, [&menu, action = entry.action] { menu.perform(action); });
    return button;
}

// The accuracy slider, with a label beside it that names the accuracies that
// show every digit. It follows the value however it is set, signals blocked
// or not.
class AccuracySlider : public QSlider {
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

    // Only the user's click is a change; the controller setting the box at
    // launch is not.
    exact_ = new QCheckBox(tr("E&xact definitions"));
    exact_->setObjectName(QStringLiteral("ExactDefinitions"));
    exact_->setToolTip(tr("Convert with the units' exact definitions (2019 SI, the international yard and pound, "
                          "the imperial and US gallons) instead of the classic tables with their rounded factors"));
    connect(exact_, &QCheckBox::clicked, this, [&menu] { menu.perform("SetExactDefinitions:"); });
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

    auto* convertersBox = new QGroupBox(tr("Converters"));
    auto* grid = new QGridLayout(convertersBox);
    int i = 0;
    for (const MenuButton& entry : converters) {
        QPushButton* button = makeButton(menu, entry);
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

int QtCheckControl::intValue() const
{
    return box_->isChecked() ? 1 : 0;
}

void QtCheckControl::setIntValue(int value)
{
    box_->setChecked(value != 0);
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

QWidget* makeBonusCalcsWindow(Controller& menu, const std::vector<MenuButton>& calculators)
{
    auto* window = new QMainWindow;
    window->setObjectName(QStringLiteral("BonusCalcsWindow"));
    window->setWindowTitle(QObject::tr("Further calculators"));
    auto* central = new QWidget;
    window->setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    for (const MenuButton& entry : calculators)
        layout->addWidget(makeButton(menu, entry));
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
