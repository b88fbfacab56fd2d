#include "entrypicture.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

class TestEntryPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void visibleEntries_data();
    void visibleEntries();
    void disabledEntries_data();
    void disabledEntries();
    void indicesOutsideTheList_data();
    void indicesOutsideTheList();

private:
    static void addColumns();
    static void verify(const EntryPictureRequest &request);
};

namespace {

constexpr auto list1 = ImageListId::ImageList1;
constexpr auto list2 = ImageListId::ImageList2;
constexpr auto list3 = ImageListId::ImageList3;
constexpr std::optional<ImageListId> noCommand;

struct Expected
{
    std::optional<ImageListId> list; // none: no picture
    int index = -1;
    bool greyed = false;
};

constexpr Expected nothing{};

} // namespace

void TestEntryPicture::addColumns()
{
    QTest::addColumn<int>("imageIndex");
    QTest::addColumn<bool>("applicationMenuEntry");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<ImageListId>("barList");
    QTest::addColumn<std::optional<ImageListId>>("commandList");
    QTest::addColumn<std::optional<ImageListId>>("expectedList");
    QTest::addColumn<int>("expectedIndex");
    QTest::addColumn<bool>("expectedGreyed");
}

void TestEntryPicture::verify(const EntryPictureRequest &request)
{
    QFETCH(std::optional<ImageListId>, expectedList);
    QFETCH(int, expectedIndex);
    QFETCH(bool, expectedGreyed);

    const std::optional<EntryPicture> picture = chooseEntryPicture(request);
    QCOMPARE(picture.has_value(), expectedList.has_value());
    if (!picture)
        return;
    QCOMPARE(imageListName(picture->list), imageListName(*expectedList));
    QCOMPARE(picture->index, expectedIndex);
    QCOMPARE(picture->greyed, expectedGreyed);
}

static void addRow(const char *name, int index, bool applicationMenu, bool enabled, ImageListId bar,
                   std::optional<ImageListId> command, Expected expected)
{
    QTest::newRow(name) << index << applicationMenu << enabled << bar << command << expected.list
                        << expected.index << expected.greyed;
}

void TestEntryPicture::visibleEntries_data()
{
    addColumns();
    const bool menu = true;
    const bool plain = false;
    const bool on = true;
    // Application menu: the bar's list, whatever list the command belongs to.
    addRow("menu domu: house, 16 px", 11, menu, on, list1, list3, {list1, 11});
    addRow("menu Action5: alarm clock", 0, menu, on, list1, list3, {list1, 0});
    addRow("menu Action4: sheet with globe", 10, menu, on, list1, list2, {list1, 10});
    // The entry stores 16 while Action1 itself has 12: the thumb, not the clipboard.
    addRow("menu Action1: thumb from its own index", 16, menu, on, list1, list2, {list1, 16});
    addRow("menu option Konec: no picture", -1, menu, on, list1, list2, nothing);
    // Quick access toolbar and the ribbon-styled group.
    addRow("toolbar Action6", 9, plain, on, list1, list1, {list1, 9});
    addRow("toolbar akzualizovat", 7, plain, on, list1, list1, {list1, 7});
    addRow("toolbar Vpred", 6, plain, on, list1, list1, {list1, 6});
    addRow("Orvalis web1..web6", 10, plain, on, list1, list1, {list1, 10});
    // Navigace is fed by the third list but shows the history commands' own pictures.
    addRow("Navigace Action6: 16 px", 9, plain, on, list3, list1, {list1, 9});
    addRow("Navigace Vpred: 16 px", 6, plain, on, list3, list1, {list1, 6});
    addRow("Navigace akzualizovat: 16 px", 7, plain, on, list3, list1, {list1, 7});
    addRow("Navigace stop: 16 px", 8, plain, on, list3, list1, {list1, 8});
    addRow("Navigace domu: house, 50 px", 11, plain, on, list3, list3, {list3, 11});
    addRow("Program Action4: 24 px", 10, plain, on, list2, list2, {list2, 10});
    addRow("Program Action3: lifebuoy", 4, plain, on, list2, list2, {list2, 4});
    addRow("Systém Action5: 50 px", 0, plain, on, list3, list3, {list3, 0});
    addRow("entry without command: bar's list", 4, plain, on, list2, noCommand, {list2, 4});
}

void TestEntryPicture::visibleEntries()
{
    QFETCH(int, imageIndex);
    QFETCH(bool, applicationMenuEntry);
    QFETCH(bool, enabled);
    QFETCH(ImageListId, barList);
    QFETCH(std::optional<ImageListId>, commandList);
    verify({imageIndex, applicationMenuEntry, enabled, barList, commandList});
}

void TestEntryPicture::disabledEntries_data()
{
    addColumns();
    const bool menu = true;
    const bool plain = false;
    const bool off = false;
    addRow("toolbar EditPaste1: ungreyed clipboard", 5, plain, off, list1, list1, {list1, 5});
    // The bar's list wins over the command's own list.
    addRow("Navigace Action6: from the bar's list", 9, plain, off, list3, list1, {list3, 9});
    addRow("toolbar domu: 16 px from the bar's list", 11, plain, off, list1, list3, {list1, 11});
    addRow("menu Action1", 16, menu, off, list1, list2, {list1, 16});
    // Only a bar list without the index leaves the command's picture, greyed.
    addRow("bar list too short: greyed", 17, plain, off, list3, list2, {list2, 17, true});
    addRow("no list holds it", 19, plain, off, list1, list2, nothing);
    addRow("no picture stays none", -1, plain, off, list1, list1, nothing);
    addRow("menu entry beyond its list", 17, menu, off, list1, list2, nothing);
}

void TestEntryPicture::disabledEntries()
{
    visibleEntries();
}

void TestEntryPicture::indicesOutsideTheList_data()
{
    addColumns();
    const bool menu = true;
    const bool plain = false;
    const bool on = true;
    addRow("last of ImageList1", 16, plain, on, list1, list1, {list1, 16});
    addRow("past ImageList1", 17, plain, on, list1, list1, nothing);
    addRow("last of ImageList2", 18, plain, on, list1, list2, {list2, 18});
    addRow("past ImageList2", 19, plain, on, list2, list2, nothing);
    addRow("last of ImageList3", 14, plain, on, list3, list3, {list3, 14});
    addRow("past ImageList3 though the bar's list is longer", 15, plain, on, list2, list3, nothing);
    addRow("menu: bar's list decides, not the command's", 17, menu, on, list1, list2, nothing);
    addRow("negative other than -1", -2, plain, on, list1, list1, nothing);
}

void TestEntryPicture::indicesOutsideTheList()
{
    visibleEntries();
}

QTEST_APPLESS_MAIN(TestEntryPicture)
#include "tst_entrypicture.moc"
