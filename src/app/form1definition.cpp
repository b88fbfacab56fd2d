#include "form1definition.h"

#include "ribbon/model/entryforms.h"

namespace Tagovnik {

namespace Form1Definition {

const Ribbon::RibbonDefinition &ribbon()
{
    using namespace Qt::StringLiterals;
    using Ribbon::commandEntry;
    using Ribbon::pictureOnlyEntry;
    using Ribbon::separator;

    static const Ribbon::RibbonDefinition definition{
        .caption = u"Tagovnik 2.1"_s,
        .styleName = u"Ribbon - Silver"_s,
        .commandList = u"ActionManager1"_s,
        .storedTabIndex = 1,
        .showHelpButton = true,
        .pages =
            {
                {.name = u"RibbonPage1"_s,
                 .caption = u"Domů"_s,
                 .index = 0,
                 .groups =
                     {
                         {.name = u"RibbonGroup2"_s,
                          .caption = u"Orvalis"_s,
                          .groupIndex = 1,
                          .commandList = u"ActionManager1"_s,
                          .readingOrder = Qt::RightToLeft,
                          .entries =
                              {
                                  commandEntry(u"&Tagovnik", u"web1", 10),
                                  commandEntry(u"T&agovnik on-line", u"web2", 10),
                                  commandEntry(u"&Orvalis", u"web3", 10),
                                  commandEntry(u"T&ipy a triky", u"web6", 10),
                                  commandEntry(u"&Velmora", u"web4", 10),
                                  commandEntry(u"&Zákaznická podpora", u"web5", 10),
                              }},
                         {.name = u"RibbonGroup4"_s,
                          .caption = u"Navigace"_s,
                          .groupIndex = 3,
                          .commandList = u"ActionManager3"_s,
                          .readingOrder = Qt::LeftToRight,
                          .entries =
                              {
                                  commandEntry(u"&Zpět", u"Action6", 9),
                                  commandEntry(u"&Vpřed", u"Vpred", 6),
                                  commandEntry(u"&Aktualizovat", u"akzualizovat", 7),
                                  commandEntry(u"&Stop", u"stop", 8),
                                  commandEntry(u"&Domů", u"domu", 11),
                              }},
                     }},
                {.name = u"RibbonPage3"_s,
                 .caption = u"Další"_s,
                 .index = 1,
                 .groups =
                     {
                         {.name = u"RibbonGroup3"_s,
                          .caption = u"Systém"_s,
                          .groupIndex = 2,
                          .commandList = u"ActionManager3"_s,
                          .readingOrder = Qt::LeftToRight,
                          .entries = {commandEntry(u"&Aktualizace", u"Action5", 0)}},
                         {.name = u"RibbonGroup8"_s,
                          .caption = u"Program"_s,
                          .groupIndex = 2,
                          .commandList = u"ActionManager2"_s,
                          .readingOrder = Qt::LeftToRight,
                          .entries =
                              {
                                  commandEntry(u"&O programu", u"Action4", 10),
                                  commandEntry(u"&Nápověda", u"Action3", 4),
                              }},
                     }},
            },
        .applicationMenu =
            {
                .caption = u"Tagovnik - menu"_s,
                .keyTip = u"F"_s,
                .commandList = u"ActionManager1"_s,
                .entries =
                    {
                        commandEntry(u"&Domů", u"domu", 11),
                        commandEntry(u"&Aktualizace", u"Action5", 0),
                        separator(),
                        commandEntry(u"&O programu", u"Action4", 10),
                        // The menu keeps a picture of its own for this entry.
                        commandEntry(u"&Poslat příteli", u"Action1", 16),
                    },
                .optionEntries = {commandEntry(u"Konec", u"Action7")},
            },
        .quickAccessToolbar =
            {
                .commandList = u"ActionManager1"_s,
                .entries =
                    {
                        pictureOnlyEntry(u"&Zpět", u"Action6", 9),
                        pictureOnlyEntry(u"&Aktualizovat", u"akzualizovat", 7),
                        pictureOnlyEntry(u"&Vpřed", u"Vpred", 6),
                    },
            },
    };
    return definition;
}

} // namespace Form1Definition

} // namespace Tagovnik
