#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace Tagovnik {

// The pane's find bar along its bottom edge: the searched text, the count of
// matches, previous and next, and closing. It only asks; the pane searches.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    explicit FindBar(QWidget *parent = nullptr);

    // Shows the bar with the focus in its text, which is selected for retyping.
    void open();

    QString text() const;
    void setStatus(const QString &status);
    QString status() const;

    QLineEdit *textField() const { return m_text; }

Q_SIGNALS:
    void textChanged(const QString &text);
    void nextRequested();
    void previousRequested();
    void closeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_text;
    QLabel *m_status;
    QToolButton *m_previous;
    QToolButton *m_next;
    QToolButton *m_close;
};

} // namespace Tagovnik
