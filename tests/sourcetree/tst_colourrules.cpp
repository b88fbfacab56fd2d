#include "colourrules.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik::SourceTree;

class TestColourRules : public QObject
{
    Q_OBJECT

    const QStringList palette{u"src/commands/ribbon/look/ribbonpalette.h"_s,
                              u"src/commands/ribbon/look/ribbonpalette.cpp"_s};

private Q_SLOTS:
    void ribbonPaintsOnlyWithItsPalette()
    {
        const Texts texts =
            readTexts(QStringLiteral(TAGOVNIK_SOURCE_DIR), u"src/commands/ribbon"_s);
        QVERIFY(texts.contains(palette.first()));
        QCOMPARE(colourLiterals(texts, palette), QStringList());
    }

    void spelledColoursAreFound()
    {
        const Texts texts{
            {palette.first(), u"inline constexpr QColor text{0x1e, 0x39, 0x5b};"_s},
            {u"a.cpp"_s, u"painter.setPen(Palette::text);\nQColor glyph = pen.color();"_s},
            {u"b.cpp"_s, u"x;\npainter.fillRect(r, QColor(255, 255, 255, 150));\n"
                         u"painter.setPen(Qt::white);\nQColor c{0x10, 0, 0};"_s},
            {u"c.cpp"_s, u"QColor(u\"#ffffff\"_s)\nQt::whiteSpace"_s}};
        QCOMPARE(colourLiterals(texts, palette),
                 (QStringList{u"b.cpp:2"_s, u"b.cpp:3"_s, u"b.cpp:4"_s, u"c.cpp:1"_s}));
    }
};

QTEST_APPLESS_MAIN(TestColourRules)
#include "tst_colourrules.moc"
