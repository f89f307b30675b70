// SPDX-License-Identifier: GPL-3.0-or-later
// The note under a window's cells: one line that never resizes its window.
#pragma once

#include <QCoreApplication>
#include <QLabel>

namespace ambrel {

// A label of one line's height that takes whatever width its window gives
// it. A text wider than that shows its beginning and an ellipsis, and the
// whole text in its tooltip.
class StatusLine : public QLabel {
    Q_DECLARE_TR_FUNCTIONS(StatusLine)

public:
    explicit StatusLine(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool isElided() const;

    // `typed` for quoting in a note: a long text by its beginning and length.
    static QString quote(const QString& typed);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString oneLine() const;
};

}  // namespace ambrel
