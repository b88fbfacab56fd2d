#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Placement of a group's entries in vertical flow: entries fill a column downwards until the
// next one would reach into the caption band, then a new column starts to the right.
namespace Tagovnik::Ribbon {

inline constexpr int kGroupHeight = 86;
inline constexpr int kGroupCaptionBandHeight = 16; // bottom of the group, shows its caption
inline constexpr int kGroupContentLeft = 4;
inline constexpr int kGroupContentTop = 2;
inline constexpr int kGroupHorizontalPadding = 8; // added to the columns' widths
inline constexpr int kEmptyGroupWidth = 100;

struct GroupEntryBox
{
    QSize size;
    // Large buttons and galleries always open a column of their own.
    bool startsColumn = false;
};

struct GroupLayout
{
    QList<QRect> entries;    // one per input entry, relative to the group's top left
    QList<int> entryColumns; // column index of each entry
    QList<int> columnWidths; // each as wide as its widest entry
    int width = kEmptyGroupWidth;
};

GroupLayout layoutGroupEntries(const QList<GroupEntryBox> &entries);

// The band at the group's bottom that carries the caption, for a group placed at `group`.
QRect groupCaptionBand(const QRect &group);

} // namespace Tagovnik::Ribbon
