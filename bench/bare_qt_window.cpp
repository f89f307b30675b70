// The start-up and memory floor for the desktop program: a bare Qt Widgets
// program that shows one window of forty labelled fields.
#include <QApplication>
#include <QFormLayout>
#include <QLineEdit>
#include <QWidget>
#include <QWindow>

namespace {

class QuitWhenShown : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isExposed())
                QCoreApplication::exit(0);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QuitWhenShown quit;
    app.installEventFilter(&quit);
    QWidget window;
    auto* form = new QFormLayout(&window);
    for (int i = 0; i < 40; ++i)
        form->addRow(QStringLiteral("unit %1").arg(i), new QLineEdit(QStringLiteral("0.0000")));
    window.show();
    return app.exec();
}
