#include "ribbon/interaction/popupkeys.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

namespace {

using Action = PopupKeyStep::Action;

// Items written as one character each: a small letter is an enabled item with that access
// letter, a capital one a disabled item with it, "." an enabled item without one, "-" a
// disabled item without one.
QList<PopupItem> items(const char *written)
{
    QList<PopupItem> list;
    for (const char *c = written; *c; ++c) {
        if (*c == '-')
            list.append(PopupItem{.enabled = false, .accessLetter = {}});
        else if (*c == '.')
            list.append(PopupItem{.enabled = true, .accessLetter = {}});
        else
            list.append(PopupItem{.enabled = !QChar::isUpper(*c),
                                  .accessLetter = QChar::fromLatin1(*c).toLower()});
    }
    return list;
}

PopupKeyStep step(const char *written, int current, PopupKey key, QChar letter = {},
                  bool row = false, bool rightToLeft = false)
{
    PopupKeyInput input;
    input.items = items(written);
    input.current = current;
    input.key = key;
    input.letter = letter;
    input.rowOfItems = row;
    input.rightToLeft = rightToLeft;
    return popupKeyStep(input);
}

// Where pressing `key` `times` times from no current item ends, following every move.
QList<int> walk(const char *written, PopupKey key, int times, bool row = false,
                bool rightToLeft = false)
{
    QList<int> visited;
    int current = -1;
    for (int i = 0; i < times; ++i) {
        const PopupKeyStep next = step(written, current, key, {}, row, rightToLeft);
        if (next.action != Action::Move)
            break;
        current = next.item;
        visited.append(current);
    }
    return visited;
}

} // namespace

class TestPopupKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arrowsGoRoundTheEnabledItems()
    {
        // Down starts at the first item, Up at the last; both skip disabled items and wrap.
        QCOMPARE(walk("a-b.-", PopupKey::Down, 6), QList<int>({0, 2, 3, 0, 2, 3}));
        QCOMPARE(walk("a-b.-", PopupKey::Up, 4), QList<int>({3, 2, 0, 3}));
        QCOMPARE(walk("-a--", PopupKey::Down, 3), QList<int>({1, 1, 1}));
        // A current item that went disabled is left in the arrow's direction.
        QCOMPARE(step(".-.", 1, PopupKey::Down), (PopupKeyStep{Action::Move, 2}));
        QCOMPARE(step(".-.", 1, PopupKey::Up), (PopupKeyStep{Action::Move, 0}));
    }

    void nothingToMoveToStillTakesTheArrows()
    {
        // The key stays with the pop-up, so that it does not reach the page underneath.
        QCOMPARE(step("--", -1, PopupKey::Down), (PopupKeyStep{Action::Ignore}));
        QCOMPARE(step("", -1, PopupKey::Up), (PopupKeyStep{Action::Ignore}));
    }

    void leftAndRightMoveOnlyInARow()
    {
        QCOMPARE(step("...", 0, PopupKey::Right), (PopupKeyStep{Action::Pass}));
        QCOMPARE(step("...", 0, PopupKey::Left), (PopupKeyStep{Action::Pass}));
        QCOMPARE(walk(".-..", PopupKey::Right, 4, true), QList<int>({0, 2, 3, 0}));
        QCOMPARE(walk(".-..", PopupKey::Left, 3, true), QList<int>({3, 2, 0}));
        // Right to left, the row runs from the right: Left goes on to the next item.
        QCOMPARE(walk(".-..", PopupKey::Left, 3, true, true), QList<int>({0, 2, 3}));
        QCOMPARE(walk(".-..", PopupKey::Right, 2, true, true), QList<int>({3, 2}));
    }

    void enterChoosesTheCurrentItemOnly()
    {
        QCOMPARE(step("...", 1, PopupKey::Choose), (PopupKeyStep{Action::Choose, 1}));
        QCOMPARE(step("...", -1, PopupKey::Choose), (PopupKeyStep{Action::Ignore}));
        QCOMPARE(step(".-.", 1, PopupKey::Choose), (PopupKeyStep{Action::Ignore}));
        QCOMPARE(step("...", 7, PopupKey::Choose), (PopupKeyStep{Action::Ignore}));
    }

    void accessLettersChooseTheirEnabledItem()
    {
        // In any case, wherever the current item is; the first enabled item with the letter.
        QCOMPARE(step("ozt", -1, PopupKey::Letter, u'z'), (PopupKeyStep{Action::Choose, 1}));
        QCOMPARE(step("ozt", 0, PopupKey::Letter, u'T'), (PopupKeyStep{Action::Choose, 2}));
        QCOMPARE(step("O.o", -1, PopupKey::Letter, u'o'), (PopupKeyStep{Action::Choose, 2}));
        // A letter of no item, or of a disabled one only, is not the pop-up's.
        QCOMPARE(step("oz", -1, PopupKey::Letter, u'x'), (PopupKeyStep{Action::Pass}));
        QCOMPARE(step("O.", -1, PopupKey::Letter, u'o'), (PopupKeyStep{Action::Pass}));
        QCOMPARE(step("..", -1, PopupKey::Letter, QChar()), (PopupKeyStep{Action::Pass}));
    }

    void escapeClosesAndOtherKeysPass()
    {
        QCOMPARE(step("..", 0, PopupKey::Escape), (PopupKeyStep{Action::Close}));
        QCOMPARE(step("", -1, PopupKey::Escape), (PopupKeyStep{Action::Close}));
        QCOMPARE(step("..", 0, PopupKey::Other), (PopupKeyStep{Action::Pass}));
    }

    void theAccessLetterFollowsTheSingleAmpersand()
    {
        using namespace Qt::StringLiterals;
        QCOMPARE(accessLetterOf(u"&Aktualizace"_s), u'a');
        QCOMPARE(accessLetterOf(u"T&ipy a triky"_s), u'i');
        QCOMPARE(accessLetterOf(u"&Čeština"_s), u'č');
        // "&&" is an ampersand; the letter may still follow.
        QCOMPARE(accessLetterOf(u"A && &B"_s), u'b');
        QCOMPARE(accessLetterOf(u"A && B"_s), QChar());
        QCOMPARE(accessLetterOf(u"Konec"_s), QChar());
        QCOMPARE(accessLetterOf(u"Konec&"_s), QChar());
    }
};

QTEST_APPLESS_MAIN(TestPopupKeys)
#include "tst_popupkeys.moc"
