#pragma once

#include <QLabel>
#include <QTimer>

namespace Tagovnik {

// A small note over a corner of the page (the zoom level, a download's
// progress) that goes away by itself.
class PaneNotice : public QLabel
{
    Q_OBJECT

public:
    explicit PaneNotice(Qt::Alignment corner, QWidget *parent);

    // Shows the text; it hides after the given time, or stays while 0.
    void showText(const QString &text, int milliseconds);

    // Keeps the note in its corner of the parent.
    void place();

private:
    Qt::Alignment m_corner;
    QTimer m_hideTimer;
};

} // namespace Tagovnik
