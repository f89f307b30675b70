// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/on_demand_fallback.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialog>
#include <QIODevice>
#include <QLabel>
#include <QPushButton>
#include <QSize>
#include <QTextBrowser>
#include <QVariant>
#include <QXmlStreamReader>
#include <memory>

namespace ambrel {

namespace {

class FormReader {
public:
    explicit FormReader(QIODevice& file) : xml_(&file) {}

    QWidget* read()
    {
        if (!xml_.readNextStartElement() || xml_.name() != u"ui")
            return nullptr;
        std::unique_ptr<QWidget> top;
        while (ok_ && xml_.readNextStartElement()) {
            if (xml_.name() == u"widget" && !top)
                top.reset(widget(nullptr));
            else if (xml_.name() == u"connections" && top)
                connections(top.get());
            else
                xml_.skipCurrentElement();
        }
        if (!ok_ || xml_.hasError())
            return nullptr;
        return top.release();
    }

private:
    // The value of the <property> element the reader is in.
    QVariant value()
    {
        QVariant v;
        while (xml_.readNextStartElement()) {
            const QStringView kind = xml_.name();
            if (kind == u"string" || kind == u"enum")
                v = xml_.readElementText();
            else if (kind == u"bool")
                v = xml_.readElementText() == u"true";
            else if (kind == u"number")
                v = xml_.readElementText().toInt();
            else if (kind == u"size") {
                QSize size;
                while (xml_.readNextStartElement()) {
                    if (xml_.name() == u"width")
                        size.setWidth(xml_.readElementText().toInt());
                    else if (xml_.name() == u"height")
                        size.setHeight(xml_.readElementText().toInt());
                    else
                        xml_.skipCurrentElement();
                }
                v = size;
            } else
                xml_.skipCurrentElement();
        }
        return v;
    }

    static QWidget* make(QStringView kind, QWidget* parent)
    {
        if (kind == u"QDialog")
            return new QDialog(parent);
        if (kind == u"QWidget")
            return new QWidget(parent);
        if (kind == u"QLabel")
            return new QLabel(parent);
        if (kind == u"QTextBrowser")
            return new QTextBrowser(parent);
        if (kind == u"QCheckBox")
            return new QCheckBox(parent);
        if (kind == u"QPushButton")
            return new QPushButton(parent);
        return nullptr;
    }

    // The <widget> element the reader is in, made as a child of `parent`.
    QWidget* widget(QWidget* parent)
    {
        QWidget* made = make(xml_.attributes().value(QLatin1String("class")).toString(), parent);
        if (!made) {
            ok_ = false;
            return nullptr;
        }
        made->setObjectName(xml_.attributes().value(QLatin1String("name")).toString());
        while (ok_ && xml_.readNextStartElement()) {
            if (xml_.name() == u"property") {
                const QByteArray name = xml_.attributes().value(QLatin1String("name")).toLatin1();
                made->setProperty(name.constData(), value());
            } else if (xml_.name() == u"layout")
                layout(made, nullptr);
            else if (xml_.name() == u"widget")
                widget(made);
            else
                xml_.skipCurrentElement();
        }
        return made;
    }

    // The <layout> element the reader is in, set on `owner` or added to `outer`.
    void layout(QWidget* owner, QBoxLayout* outer)
    {
        const QString kind = xml_.attributes().value(QLatin1String("class")).toString();
        if (kind != u"QVBoxLayout" && kind != u"QHBoxLayout") {
            ok_ = false;
            return;
        }
        auto* box = new QBoxLayout(kind == u"QVBoxLayout" ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
        box->setObjectName(xml_.attributes().value(QLatin1String("name")).toString());
        if (outer)
            outer->addLayout(box);
        else
            owner->setLayout(box);
        while (ok_ && xml_.readNextStartElement()) {
            if (xml_.name() != u"item") {
                xml_.skipCurrentElement();
                continue;
            }
            while (ok_ && xml_.readNextStartElement()) {
                if (xml_.name() == u"widget") {
                    if (QWidget* child = widget(owner))
                        box->addWidget(child);
                } else if (xml_.name() == u"layout")
                    layout(owner, box);
                else {
                    if (xml_.name() == u"spacer")
                        box->addStretch();
                    xml_.skipCurrentElement();
                }
            }
        }
    }

    // Designer's connections between the form's own widgets, by signature.
    void connections(QWidget* top)
    {
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"connection") {
                xml_.skipCurrentElement();
                continue;
            }
            QString sender, signal, receiver, slot;
            while (xml_.readNextStartElement()) {
                QString* part = xml_.name() == u"sender" ? &sender
                    : xml_.name() == u"signal"           ? &signal
                    : xml_.name() == u"receiver"         ? &receiver
                    : xml_.name() == u"slot"             ? &slot
                                                         : nullptr;
                if (part)
                    *part = xml_.readElementText();
                else
                    xml_.skipCurrentElement();
            }
            const auto find = [top](const QString& name) {
                return top->objectName() == name ? top : top->findChild<QWidget*>(name);
            };
            QWidget* from = find(sender);
            QWidget* to = find(receiver);
            // The digits are what Qt's SIGNAL and SLOT macros put before a
            // signature.
            if (from && to)
                QObject::connect(from, (QLatin1Char('2') + signal).toLatin1().constData(), to,
                                 (QLatin1Char('1') + slot).toLatin1().constData());
        }
    }

    QXmlStreamReader xml_;
    bool ok_ = true;
};

}  // namespace

QWidget* plainForm(QIODevice& file)
{
    return FormReader(file).read();
}

}  // namespace ambrel
