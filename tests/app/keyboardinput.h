#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Keys as the keyboard gives them: to the control with the focus, and in an open pop-up to its
// control with the focus (or the pop-up itself).
inline QWidget *keyTarget(QWidget &window)
{
    if (QWidget *popup = QApplication::activePopupWidget()) {
        QWidget *focus = QApplication::focusWidget();
        return focus && popup->isAncestorOf(focus) ? focus : popup;
    }
    return QApplication::focusWidget() ? QApplication::focusWidget() : &window;
}

inline void click(QWidget &window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(keyTarget(window), Qt::Key(key), modifiers);
}

// Alt pressed and released with nothing in between.
inline void tapAlt(QWidget &window)
{
    QTest::keyPress(keyTarget(window), Qt::Key_Alt);
    QTest::keyRelease(keyTarget(window), Qt::Key_Alt, Qt::AltModifier);
}
