#include "form1definition.h"

#include "Unit1.h"

namespace Tagovnik {

namespace Form1Definition {

static constexpr QKeyCombination none = QKeyCombination(Qt::Key(0));
static constexpr QKeyCombination ctrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier, key);
}

std::span<const CommandListDefinition> commandLists()
{
    static constexpr CommandListDefinition lists[] = {
        {u"ActionManager1", ImageListId::ImageList1, u"Ribbon - Silver"},
        {u"ActionManager2", ImageListId::ImageList2, u"Platform Default"},
        {u"ActionManager3", ImageListId::ImageList3, u"Platform Default"},
    };
    return lists;
}

std::span<const CommandDefinition> commands()
{
    // clang-format off
    static const CommandDefinition table[] = {
        {0, u"Action6", CommandKind::TAction, {}, u"Zpět", u"O krok zpět", 9, none, false, &TForm1::Action6Execute},
        {0, u"akzualizovat", CommandKind::TAction, {}, u"Aktualizovat", u"Aktualizovat stránku", 7, none, false, &TForm1::akzualizovatExecute},
        {0, u"Vpred", CommandKind::TAction, {}, u"Vpřed", u"O krok vpřed", 6, none, false, &TForm1::VpredExecute},
        {0, u"stop", CommandKind::TAction, {}, u"Stop", u"Zastavit akci", 8, none, false, &TForm1::stopExecute},
        {0, u"web1", CommandKind::TAction, {}, u"Tagovnik", u"Zobrazit program Tagovnik 2.1", 10, none, false, &TForm1::web1Execute},
        {0, u"web2", CommandKind::TAction, {}, u"Tagovnik on-line", u"Tagovnik na internetu", 10, none, false, &TForm1::web2Execute},
        {0, u"web3", CommandKind::TAction, {}, u"Orvalis", u"Stránky Orvalis", 10, none, false, &TForm1::web3Execute},
        {0, u"web4", CommandKind::TAction, {}, u"Velmora", u"Projekt Velmora", 10, none, false, &TForm1::web4Execute},
        {0, u"web5", CommandKind::TAction, {}, u"Zákaznická podpora", u"Přejít na zákaznickou podporu", 10, none, false, &TForm1::web5Execute},
        {0, u"web6", CommandKind::TAction, {}, u"Tipy a triky", u"Tipy a triky s programem nebo jak programovat stránky", 10, none, false, &TForm1::web6Execute},
        {0, u"EditPaste1", CommandKind::TEditPaste, u"Edit", u"&Vložit", u"Vložit", 5, ctrl(Qt::Key_V), false, nullptr},
        {0, u"EditCut1", CommandKind::TEditCut, u"Edit", u"Výjmout", u"Výjmout", 2, ctrl(Qt::Key_X), false, nullptr},
        {0, u"Action2", CommandKind::TAction, {}, u"Offline", {}, -1, none, true, &TForm1::Action2Execute},
        {0, u"Aktualizace", CommandKind::TAction, {}, u"Aktualizace", u"Aktualizovat program", 0, none, false, &TForm1::AktualizaceExecute},
        {1, u"PrintDlg1", CommandKind::TPrintDlg, u"Dialog", u"&Tisk", u"Tisknout stránku", 13, ctrl(Qt::Key_P), false, nullptr},
        {1, u"Action1", CommandKind::TAction, u"Dialog", u"Poslat příteli", u"Doporučit program prátelům", 12, none, false, &TForm1::Action1Execute},
        {1, u"SearchFind1", CommandKind::TSearchFind, u"Search", u"Najít", u"Najít na stránce", 3, ctrl(Qt::Key_F), false, nullptr},
        {1, u"SearchFindNext1", CommandKind::TSearchFindNext, u"Search", u"Najít další", u"Najít další", 14, QKeyCombination(Qt::Key_F3), false, nullptr},
        {1, u"Action3", CommandKind::TAction, {}, u"Nápověda", u"Nápověda k programu", 4, none, false, &TForm1::Action3Execute},
        {1, u"Action4", CommandKind::TAction, {}, u"O programu", u"O tomto programu", 10, none, false, &TForm1::Action4Execute},
        {1, u"Action7", CommandKind::TAction, {}, u"Konec", {}, -1, none, false, &TForm1::Action7Execute},
        {2, u"domu", CommandKind::TAction, {}, u"Domů", u"Přejít zpět na program Tagovnik", 11, none, false, &TForm1::domuExecute},
        {2, u"EditCopy1", CommandKind::TEditCopy, u"Edit", u"&Kopírovat", u"Kopírovat", 1, ctrl(Qt::Key_C), false, nullptr},
        {2, u"Action5", CommandKind::TAction, {}, u"Aktualizace", u"Aktualizovat program", 0, none, false, &TForm1::Action5Execute},
    };
    // clang-format on
    return table;
}

const Ribbon::RibbonDefinition &ribbon()
{
    using namespace Qt::StringLiterals;
    using Ribbon::EntryDefinition;
    // An entry's caption is its command's, with the access mark the entry adds.
    auto entry = [](const QString &text, const QString &command, int image) {
        return EntryDefinition{text, command, image, true, {}};
    };
    auto pictureOnly = [](const QString &text, const QString &command, int image) {
        return EntryDefinition{text, command, image, false, {}};
    };

    static const Ribbon::RibbonDefinition definition{
        .caption = u"Tagovnik 2.1"_s,
        .styleName = u"Ribbon - Silver"_s,
        .commandList = u"ActionManager1"_s,
        .storedTabIndex = 1,
        .showHelpButton = true,
        .pages =
            {
                {u"RibbonPage1"_s,
                 u"Domů"_s,
                 0,
                 {
                     {u"RibbonGroup2"_s,
                      u"Orvalis"_s,
                      1,
                      u"ActionManager1"_s,
                      Qt::RightToLeft,
                      {entry(u"&Tagovnik"_s, u"web1"_s, 10),
                       entry(u"T&agovnik on-line"_s, u"web2"_s, 10),
                       entry(u"&Orvalis"_s, u"web3"_s, 10),
                       entry(u"T&ipy a triky"_s, u"web6"_s, 10),
                       entry(u"&Velmora"_s, u"web4"_s, 10),
                       entry(u"&Zákaznická podpora"_s, u"web5"_s, 10)}},
                     {u"RibbonGroup4"_s,
                      u"Navigace"_s,
                      3,
                      u"ActionManager3"_s,
                      Qt::LeftToRight,
                      {entry(u"&Zpět"_s, u"Action6"_s, 9), entry(u"&Vpřed"_s, u"Vpred"_s, 6),
                       entry(u"&Aktualizovat"_s, u"akzualizovat"_s, 7),
                       entry(u"&Stop"_s, u"stop"_s, 8), entry(u"&Domů"_s, u"domu"_s, 11)}},
                 }},
                {u"RibbonPage3"_s,
                 u"Další"_s,
                 1,
                 {
                     {u"RibbonGroup3"_s,
                      u"Systém"_s,
                      2,
                      u"ActionManager3"_s,
                      Qt::LeftToRight,
                      {entry(u"&Aktualizace"_s, u"Action5"_s, 0)}},
                     {u"RibbonGroup8"_s,
                      u"Program"_s,
                      2,
                      u"ActionManager2"_s,
                      Qt::LeftToRight,
                      {entry(u"&O programu"_s, u"Action4"_s, 10),
                       entry(u"&Nápověda"_s, u"Action3"_s, 4)}},
                 }},
            },
        .applicationMenu =
            {
                .caption = u"Tagovnik - menu"_s,
                .keyTip = u"F"_s,
                .commandList = u"ActionManager1"_s,
                .entries = {entry(u"&Domů"_s, u"domu"_s, 11),
                            entry(u"&Aktualizace"_s, u"Action5"_s, 0),
                            EntryDefinition{u"-"_s, {}, -1, true, {}},
                            entry(u"&O programu"_s, u"Action4"_s, 10),
                            // The menu keeps a picture of its own for this entry.
                            entry(u"&Poslat příteli"_s, u"Action1"_s, 16)},
                .optionEntries = {entry(u"Konec"_s, u"Action7"_s, -1)},
            },
        .quickAccessToolbar =
            {
                .commandList = u"ActionManager1"_s,
                .entries = {pictureOnly(u"&Zpět"_s, u"Action6"_s, 9),
                            pictureOnly(u"&Aktualizovat"_s, u"akzualizovat"_s, 7),
                            pictureOnly(u"&Vpřed"_s, u"Vpred"_s, 6)},
            },
    };
    return definition;
}

} // namespace Form1Definition

} // namespace Tagovnik
