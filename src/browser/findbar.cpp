#include "findbar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace Tagovnik {

FindBar::FindBar(QWidget *parent)
    : QWidget(parent), m_text(new QLineEdit(this)), m_status(new QLabel(this)),
      m_previous(new QToolButton(this)), m_next(new QToolButton(this)),
      m_close(new QToolButton(this))
{
    setObjectName(u"FindBar"_s);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *label = new QLabel(u"Najít:"_s, this);
    label->setBuddy(m_text);
    m_text->setPlaceholderText(u"Hledat na stránce"_s);
    m_text->setMinimumWidth(220);
    m_text->installEventFilter(this);
    m_status->setMinimumWidth(90);
    m_previous->setText(u"Předchozí"_s);
    m_next->setText(u"Další"_s);
    m_close->setText(u"✕"_s);
    m_close->setAccessibleName(u"Zavřít hledání"_s);
    for (QToolButton *button : {m_previous, m_next, m_close}) {
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
    }

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(6);
    layout->addWidget(label);
    layout->addWidget(m_text);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_status);
    layout->addStretch();
    layout->addWidget(m_close);

    connect(m_text, &QLineEdit::textChanged, this, &FindBar::textChanged);
    connect(m_previous, &QToolButton::clicked, this, &FindBar::previousRequested);
    connect(m_next, &QToolButton::clicked, this, &FindBar::nextRequested);
    connect(m_close, &QToolButton::clicked, this, &FindBar::closeRequested);
}

void FindBar::open()
{
    // The clear button's picture is read through the image plugins, which
    // would all load at start-up for a bar that is hidden then.
    m_text->setClearButtonEnabled(true);
    show();
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

QString FindBar::text() const
{
    return m_text->text();
}

void FindBar::setStatus(const QString &status)
{
    m_status->setText(status);
}

QString FindBar::status() const
{
    return m_status->text();
}

// Enter goes to the next match, Shift+Enter to the previous one.
bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                Q_EMIT previousRequested();
            else
                Q_EMIT nextRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The silver of the command bar above, with its border line on top.
void FindBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient body(0, 0, 0, height());
    body.setColorAt(0, QColor(0xfd, 0xfd, 0xfe));
    body.setColorAt(1, QColor(0xe4, 0xe9, 0xef));
    painter.fillRect(rect(), body);
    painter.setPen(QColor(0xa3, 0xad, 0xbb));
    painter.drawLine(0, 0, width(), 0);
}

} // namespace Tagovnik
