#include "ribbon/keytips/keytipkey.h"

#include <QGuiApplication>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

// The keys of a Latin keyboard by their X11 key codes (evdev codes plus 8).
QChar latinKeyAt(quint32 keyCode)
{
    static constexpr char16_t digitRow[] = u"1234567890";       // 10 to 19
    static constexpr char16_t upperRow[] = u"QWERTYUIOP";       // 24 to 33
    static constexpr char16_t middleRow[] = u"ASDFGHJKL";       // 38 to 46
    static constexpr char16_t lowerRow[] = u"ZXCVBNM";          // 52 to 58
    if (keyCode >= 10 && keyCode <= 19)
        return digitRow[keyCode - 10];
    if (keyCode >= 24 && keyCode <= 33)
        return upperRow[keyCode - 24];
    if (keyCode >= 38 && keyCode <= 46)
        return middleRow[keyCode - 38];
    if (keyCode >= 52 && keyCode <= 58)
        return lowerRow[keyCode - 52];
    return {};
}

} // namespace

std::optional<QChar> keyTipCharacter(const QKeyEvent &event, bool evdevKeyCodes)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const int key = event.key();
    // The numeric pad's digits arrive as the digit keys with the keypad modifier.
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QChar(u'0' + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(u'A' + (key - Qt::Key_A));
    if (event.modifiers() & Qt::KeypadModifier)
        return std::nullopt;
    // A character of another layout on a letter or digit key.
    if (evdevKeyCodes && event.text().size() == 1 && event.text().front().isPrint()) {
        if (const QChar latin = latinKeyAt(event.nativeScanCode()); !latin.isNull())
            return latin;
    }
    return std::nullopt;
}

bool platformUsesEvdevKeyCodes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == u"xcb"_s || platform.startsWith(u"wayland"_s);
}

} // namespace Tagovnik::Ribbon
