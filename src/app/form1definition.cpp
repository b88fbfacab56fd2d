#include "form1definition.h"

namespace Tagovnik {

namespace Form1Definition {

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
