#pragma once

#include "ribbon/geometry/ribbonentrysize.h"
#include "ribbon/geometry/ribbongrouplayout.h"

#include <QList>
#include <QString>

// Fixed metrics so that sizes can be worked out by hand: 6 px a character, captions 15 high.
inline constexpr int kTestCharacterWidth = 6;

inline Tagovnik::Ribbon::CaptionMetrics testCaptionMetrics()
{
    return {[](const QString &text) { return int(text.size()) * kTestCharacterWidth; }, 15};
}

// The program's groups as the ribbon's widgets describe them: captions as stored, and for
// platform buttons the size of the list each picture comes from.
inline QList<Tagovnik::Ribbon::RibbonEntry>
testEntries(Tagovnik::Ribbon::EntryButtonKind kind,
            const QList<std::pair<const char16_t *, int>> &captionsAndPictures)
{
    QList<Tagovnik::Ribbon::RibbonEntry> entries;
    for (const auto &[caption, picture] : captionsAndPictures)
        entries.append({QString::fromUtf16(caption), kind, picture});
    return entries;
}

inline QList<Tagovnik::Ribbon::RibbonEntry> orvalisEntries()
{
    return testEntries(Tagovnik::Ribbon::EntryButtonKind::SmallRibbonButton,
                       {{u"&Tagovnik", 16},
                        {u"T&agovnik on-line", 16},
                        {u"&Orvalis", 16},
                        {u"T&ipy a triky", 16},
                        {u"&Velmora", 16},
                        {u"&Zákaznická podpora", 16}});
}

inline QList<Tagovnik::Ribbon::RibbonEntry> navigaceEntries()
{
    return testEntries(
        Tagovnik::Ribbon::EntryButtonKind::PlatformButton,
        {{u"&Zpět", 16}, {u"&Vpřed", 16}, {u"&Aktualizovat", 16}, {u"&Stop", 16}, {u"&Domů", 50}});
}

inline Tagovnik::Ribbon::GroupLayout
layoutTestGroup(const QList<Tagovnik::Ribbon::RibbonEntry> &entries)
{
    QList<Tagovnik::Ribbon::GroupEntryBox> boxes;
    for (const auto &entry : entries)
        boxes.append({Tagovnik::Ribbon::layoutEntry(entry, testCaptionMetrics()).size});
    return Tagovnik::Ribbon::layoutGroupEntries(boxes);
}
