#include "picturecatalogue.h"

#include <QStringView>

#include <array>
#include <span>

using namespace Qt::StringLiterals;

namespace Tagovnik {

namespace {

// Indices 0-11 show the same subjects in all three lists.
constexpr std::array<QStringView, 12> sharedSubjects = {
    u"alarm-clock",   // 0
    u"blank-sheets",  // 1
    u"scissors",      // 2
    u"binoculars",    // 3
    u"lifebuoy",      // 4
    u"clipboard",     // 5
    u"arrow-forward", // 6
    u"refresh",       // 7
    u"stop-hand",     // 8
    u"arrow-back",    // 9
    u"globe-page",    // 10
    u"house",         // 11
};

// The pictures from index 12 on differ per list. Unused ones stay so that no
// index after them moves.
constexpr std::array<QStringView, 5> imageList1Extras = {
    u"flat-clipboard", // 12
    u"flat-scissors",  // 13
    u"flat-printer",   // 14
    u"black-printer",  // 15
    u"thumb-up",       // 16
};

constexpr std::array<QStringView, 7> imageList2Extras = {
    u"thumb-up",            // 12
    u"black-printer-sheet", // 13
    u"find-next",           // 14
    u"sphere-blue-violet",  // 15
    u"sphere-dark-grey",    // 16
    u"sphere-silver",       // 17
    u"red-x",               // 18
};

constexpr std::array<QStringView, 3> imageList3Extras = {
    u"sphere-blue-violet", // 12
    u"sphere-dark-grey",   // 13
    u"sphere-silver",      // 14
};

std::span<const QStringView> extrasOf(ImageListId list)
{
    switch (list) {
    case ImageListId::ImageList1:
        return imageList1Extras;
    case ImageListId::ImageList2:
        return imageList2Extras;
    case ImageListId::ImageList3:
        return imageList3Extras;
    }
    return {};
}

} // namespace

int pictureCount(ImageListId list)
{
    return int(sharedSubjects.size() + extrasOf(list).size());
}

QString pictureResourcePath(ImageListId list, int index)
{
    if (index < 0 || index >= pictureCount(list))
        return {};
    const int shared = int(sharedSubjects.size());
    const QStringView subject =
        index < shared ? sharedSubjects[size_t(index)] : extrasOf(list)[size_t(index - shared)];
    return u":/tagovnik/pictures/"_s + subject + u".svg"_s;
}

} // namespace Tagovnik
