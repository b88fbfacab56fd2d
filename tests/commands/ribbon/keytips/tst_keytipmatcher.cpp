#include "ribbon/keytips/alttap.h"
#include "ribbon/keytips/keytipkey.h"
#include "ribbon/keytips/keytipmatcher.h"

#include <QKeyEvent>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik::Ribbon;

using Outcome = KeyTipMatcher::Outcome;

// Typing into key-tip mode: what waits, what acts, what is dropped; the toolbar's numbering;
// which key presses type what; Alt alone against Alt held.
class TestKeyTipMatcher : public QObject
{
    Q_OBJECT

    // Types `text` one character at a time; returns the outcome of each.
    static QList<KeyTipMatcher::Step> typeAll(KeyTipMatcher &matcher, const QString &text)
    {
        QList<KeyTipMatcher::Step> steps;
        for (QChar character : text)
            steps.append(matcher.type(character));
        return steps;
    }

    static std::optional<QChar> typed(int key, Qt::KeyboardModifiers modifiers,
                                      const QString &text = {}, quint32 scanCode = 0,
                                      bool evdev = true)
    {
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
        return keyTipCharacter(event, evdev);
    }

private Q_SLOTS:
    void theWindowsKeyTips()
    {
        KeyTipMatcher matcher;
        matcher.setKeyTips({u"F"_s, u"1"_s, u"2"_s, u"3"_s});
        // Any case reaches the letter; each digit reaches its entry at once.
        for (const auto &[character, target] :
             {std::pair{u'f', 0}, {u'F', 0}, {u'1', 1}, {u'2', 2}, {u'3', 3}}) {
            const KeyTipMatcher::Step step = matcher.type(character);
            QCOMPARE(step.outcome, Outcome::Matched);
            QCOMPARE(step.target, target);
            QVERIFY(matcher.typed().isEmpty());
        }
        // What reaches nothing is dropped, and the mode goes on as before.
        for (QChar character : u"4059AZ"_s) {
            QCOMPARE(matcher.type(character).outcome, Outcome::Rejected);
            QVERIFY(matcher.typed().isEmpty());
        }
        QCOMPARE(matcher.type(u'2').target, 2);
    }

    void waitsWhileSeveralBeginSoAndDropsOnlyTheLastKey()
    {
        KeyTipMatcher matcher;
        matcher.setKeyTips({u"H"_s, u"PA"_s, u"PB"_s, u"XYZ"_s, {}});
        QCOMPARE(matcher.type(u'p').outcome, Outcome::Waiting);
        QCOMPARE(matcher.typed(), u"P"_s);
        QVERIFY(matcher.isCandidate(1) && matcher.isCandidate(2));
        QVERIFY(!matcher.isCandidate(0) && !matcher.isCandidate(3) && !matcher.isCandidate(4));
        // A wrong second key is dropped; the first stays typed.
        QCOMPARE(matcher.type(u'h').outcome, Outcome::Rejected);
        QCOMPARE(matcher.typed(), u"P"_s);
        const KeyTipMatcher::Step step = matcher.type(u'b');
        QCOMPARE(step.outcome, Outcome::Matched);
        QCOMPARE(step.target, 2);
        QVERIFY(matcher.isCandidate(0));
        // One key tip not yet complete waits too.
        const QList<KeyTipMatcher::Step> steps = typeAll(matcher, u"xyz"_s);
        QCOMPARE(steps.at(0).outcome, Outcome::Waiting);
        QCOMPARE(steps.at(1).outcome, Outcome::Waiting);
        QCOMPARE(steps.at(2).target, 3);
        // An empty key tip is never reached, and new key tips forget what was typed.
        QCOMPARE(matcher.type(u'p').outcome, Outcome::Waiting);
        matcher.setKeyTips({u"PA"_s});
        QVERIFY(matcher.typed().isEmpty());
        QCOMPARE(matcher.type(u'a').outcome, Outcome::Rejected);
    }

    // A key tip that begins another waits for more, as both still begin so.
    void aKeyTipThatBeginsAnotherWaits()
    {
        KeyTipMatcher matcher;
        matcher.setKeyTips({u"F"_s, u"FA"_s});
        QCOMPARE(matcher.type(u'F').outcome, Outcome::Waiting);
        QCOMPARE(matcher.type(u'A').target, 1);
    }

    void toolbarNumbering()
    {
        QCOMPARE(quickAccessKeyTip(-1), QString());
        QStringList first;
        for (int i = 0; i < 20; ++i)
            first.append(quickAccessKeyTip(i));
        QCOMPARE(first, (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s,
                                     u"8"_s, u"9"_s, u"09"_s, u"08"_s, u"07"_s, u"06"_s, u"05"_s,
                                     u"04"_s, u"03"_s, u"02"_s, u"01"_s, u"0A"_s, u"0B"_s}));
        QCOMPARE(quickAccessKeyTip(43), u"0Z"_s);
        QCOMPARE(quickAccessKeyTip(44), u"009"_s);
        QCOMPARE(quickAccessKeyTip(53), u"00A"_s);
        QCOMPARE(quickAccessKeyTip(78), u"00Z"_s);
        QCOMPARE(quickAccessKeyTip(79), u"0009"_s);
    }

    // However many entries the toolbar shows, next to the application button's "F", every key
    // tip is distinct, none begins another, and typing each one reaches exactly its entry,
    // waiting on every key before the last.
    void everyToolbarCountStaysUnambiguous()
    {
        for (int count = 0; count <= 120; ++count) {
            QStringList keyTips{u"F"_s};
            for (int i = 0; i < count; ++i)
                keyTips.append(quickAccessKeyTip(i));
            QCOMPARE(QSet<QString>(keyTips.begin(), keyTips.end()).size(), keyTips.size());
            for (const QString &a : std::as_const(keyTips)) {
                for (const QString &b : std::as_const(keyTips))
                    QVERIFY2(a == b || !b.startsWith(a), qPrintable(a + u" begins "_s + b));
            }
            KeyTipMatcher matcher;
            matcher.setKeyTips(keyTips);
            for (int target = 0; target < keyTips.size(); ++target) {
                const QList<KeyTipMatcher::Step> steps = typeAll(matcher, keyTips.at(target));
                for (qsizetype i = 0; i + 1 < steps.size(); ++i)
                    QCOMPARE(steps.at(i).outcome, Outcome::Waiting);
                QCOMPARE(steps.constLast().outcome, Outcome::Matched);
                QCOMPARE(steps.constLast().target, target);
            }
        }
    }

    void spokenKeys()
    {
        QCOMPARE(spokenKeyTip({u"F"_s}), u"Alt, F"_s);
        QCOMPARE(spokenKeyTip({u"2"_s}), u"Alt, 2"_s);
        QCOMPARE(spokenKeyTip({u"09"_s}), u"Alt, 0, 9"_s);
        QCOMPARE(spokenKeyTip({u"h"_s, u"B"_s}), u"Alt, H, B"_s);
        QCOMPARE(spokenKeyTip({}), QString());
        QCOMPARE(spokenKeyTip({QString()}), QString());
    }

    void keysThatType()
    {
        QCOMPARE(typed(Qt::Key_F, Qt::NoModifier, u"f"_s), QChar(u'F'));
        QCOMPARE(typed(Qt::Key_F, Qt::ShiftModifier, u"F"_s), QChar(u'F'));
        QCOMPARE(typed(Qt::Key_2, Qt::NoModifier, u"2"_s), QChar(u'2'));
        // The numeric pad's digits.
        QCOMPARE(typed(Qt::Key_4, Qt::KeypadModifier, u"4"_s), QChar(u'4'));
        QCOMPARE(typed(Qt::Key_0, Qt::KeypadModifier, u"0"_s), QChar(u'0'));
        // The pad without Num Lock moves, it does not type.
        QCOMPARE(typed(Qt::Key_End, Qt::KeypadModifier, {}, 87), std::nullopt);
        // The Czech top row: "ě" on the key of 2, "é" on the key of 0; "ů" is no digit.
        QCOMPARE(typed(0x11a, Qt::NoModifier, u"ě"_s, 11), QChar(u'2'));
        QCOMPARE(typed(Qt::Key_Eacute, Qt::NoModifier, u"é"_s, 19), QChar(u'0'));
        QCOMPARE(typed(0x16e, Qt::NoModifier, u"ů"_s, 47), std::nullopt);
        // A Cyrillic "а" on the key of F; without evdev key codes nothing can be told.
        QCOMPARE(typed(0x410, Qt::NoModifier, u"а"_s, 41), QChar(u'F'));
        QCOMPARE(typed(0x410, Qt::NoModifier, u"а"_s, 41, false), std::nullopt);
        // Combinations are shortcuts, not key tips; other keys type nothing.
        QCOMPARE(typed(Qt::Key_P, Qt::ControlModifier, u"\x10"_s), std::nullopt);
        QCOMPARE(typed(Qt::Key_F, Qt::AltModifier, u"f"_s), std::nullopt);
        QCOMPARE(typed(Qt::Key_F, Qt::MetaModifier, u"f"_s), std::nullopt);
        QCOMPARE(typed(Qt::Key_Tab, Qt::NoModifier, u"\t"_s, 23), std::nullopt);
        QCOMPARE(typed(Qt::Key_Space, Qt::NoModifier, u" "_s, 65), std::nullopt);
    }

    void altAloneAgainstAltHeld()
    {
        AltTap tap;
        tap.keyPressed(Qt::Key_Alt, false);
        // Held down long enough to repeat, it is still the same press.
        tap.keyPressed(Qt::Key_Alt, true);
        QVERIFY(tap.keyReleased(Qt::Key_Alt));
        // A second release alone is no tap.
        QVERIFY(!tap.keyReleased(Qt::Key_Alt));

        // Alt+F4, Alt+Shift, Alt with a click between.
        for (int other : {int(Qt::Key_F4), int(Qt::Key_Shift), int(Qt::Key_Tab)}) {
            tap.keyPressed(Qt::Key_Alt, false);
            tap.keyPressed(other, false);
            QVERIFY(!tap.keyReleased(other));
            QVERIFY(!tap.keyReleased(Qt::Key_Alt));
        }
        tap.keyPressed(Qt::Key_Alt, false);
        tap.interrupt();
        QVERIFY(!tap.keyReleased(Qt::Key_Alt));

        // AltGr alone, and Alt pressed while AltGr is held, are no tap.
        tap.keyPressed(Qt::Key_AltGr, false);
        QVERIFY(!tap.keyReleased(Qt::Key_AltGr));
        tap.keyPressed(Qt::Key_AltGr, false);
        tap.keyPressed(Qt::Key_Alt, false);
        QVERIFY(!tap.keyReleased(Qt::Key_Alt));
        tap.keyReleased(Qt::Key_AltGr);
        // After AltGr is let go, Alt alone is a tap again.
        tap.keyPressed(Qt::Key_Alt, false);
        QVERIFY(tap.keyReleased(Qt::Key_Alt));
    }
};

QTEST_APPLESS_MAIN(TestKeyTipMatcher)
#include "tst_keytipmatcher.moc"
