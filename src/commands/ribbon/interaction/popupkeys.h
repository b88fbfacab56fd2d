#pragma once

#include <QChar>
#include <QList>
#include <QString>

// What a key does in one of the ribbon's pop-ups: the application menu, the quick access
// toolbar's pop-up and a group dropped down. The arrows go round the items that can act,
// Enter and Space choose the current one, an item's access letter chooses it, Esc closes.
// A pop-up whose items stand in a row takes Left and Right as it takes Up and Down.
namespace Tagovnik::Ribbon {

struct PopupItem
{
    bool enabled = true;
    // Lower case; a null character when the item has none.
    QChar accessLetter;
};

enum class PopupKey { Escape, Up, Down, Left, Right, Choose, Letter, Other };

struct PopupKeyStep
{
    enum class Action {
        Pass,   // not the pop-up's key
        Ignore, // the pop-up's key, but nothing to do
        Close,
        Move,   // `item` becomes the current item
        Choose, // `item` acts
    };
    Action action = Action::Pass;
    int item = -1;

    friend bool operator==(const PopupKeyStep &, const PopupKeyStep &) = default;
};

struct PopupKeyInput
{
    QList<PopupItem> items;
    int current = -1; // -1: none yet
    PopupKey key = PopupKey::Other;
    QChar letter;         // for PopupKey::Letter, in any case
    bool rowOfItems = false;
    bool rightToLeft = false;
};

PopupKeyStep popupKeyStep(const PopupKeyInput &input);

// The access letter of a caption as stored: the letter after its single "&" ("&&" is an
// ampersand), in lower case; a null character when it has none.
QChar accessLetterOf(const QString &caption);

} // namespace Tagovnik::Ribbon
