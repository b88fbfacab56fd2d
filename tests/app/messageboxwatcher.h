#pragma once

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers every message box that opens, like a user pressing its default
// button, and remembers what each box showed.
class MessageBoxWatcher : public QObject
{
public:
    struct Seen
    {
        QString caption;
        QString text;
        QMessageBox::Icon icon;
        int buttons;
        QWidget *owner;
        bool mainWindowShown; // whether a main window was on screen under the box
    };

    MessageBoxWatcher()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            QMessageBox *box = nullptr;
            bool mainWindowShown = false;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (auto *candidate = qobject_cast<QMessageBox *>(window);
                    candidate && candidate->isVisible())
                    box = candidate;
                if (qobject_cast<QMainWindow *>(window) && window->isVisible())
                    mainWindowShown = true;
            }
            if (!box)
                return;
            // Closing it at once means every visible box we meet is a new one.
            m_seen.append({box->windowTitle(), box->text(), box->icon(), int(box->buttons().size()),
                           box->parentWidget(), mainWindowShown});
            box->done(QMessageBox::Ok);
        });
        m_poll.start(20);
    }

    const QList<Seen> &seen() const { return m_seen; }

private:
    QTimer m_poll;
    QList<Seen> m_seen;
};
