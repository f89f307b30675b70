// The application's own windows: the main menu, the information panel, the
// window of further calculators and the notebook window.
#pragma once

#include "framework/platform.h"

#include <QMainWindow>
#include <QTextBrowser>
#include <QWidget>

class QSlider;
class QSpinBox;

namespace ambrel {

class Controller;

class MainMenuWindow : public QMainWindow {
public:
    MainMenuWindow(Controller& menu, QWidget* parent = nullptr);
    QSpinBox* accuracyField() const { return field_; }
    QSlider* accuracySlider() const { return slider_; }

private:
    QSpinBox* field_;
    QSlider* slider_;
};

QWidget* makeInfoPanel();
// Main windows, as the converters are, so assistive technology sees windows.
QWidget* makeBonusCalcsWindow(Controller& menu);

class QtNotebookWindow : public QMainWindow, public NotebookView {
public:
    QtNotebookWindow();
    void setString(std::string_view text) override;
    bool readDocumentFromFile(const std::string& path) override;
    std::string text() const override;

private:
    QTextBrowser* browser_;
};

}  // namespace ambrel
