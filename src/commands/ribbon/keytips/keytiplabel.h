#pragma once

#include <QPixmap>
#include <QWidget>

namespace Tagovnik::Ribbon {

// The small label that shows a key tip over its target while key-tip mode is on. It takes no
// focus and no mouse, and shows no hover help: the target itself stays what the user and screen
// readers deal with.
class KeyTipLabel : public QWidget
{
    Q_OBJECT

public:
    KeyTipLabel(const QString &keyTip, QWidget *parent);

    QString keyTip() const { return m_keyTip; }
    // A label away from its target shows the target's picture before the key tip.
    void setPicture(const QPixmap &picture);
    QPixmap picture() const { return m_picture; }
    // A label of a target that cannot act now is drawn dimmed.
    void setDimmed(bool dimmed);
    bool isDimmed() const { return m_dimmed; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_keyTip;
    QPixmap m_picture;
    bool m_dimmed = false;
};

} // namespace Tagovnik::Ribbon
