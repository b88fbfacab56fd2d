#include "error.h"
#include "errormessage.h"
#include "testmain.h"

using namespace Qt::StringLiterals;
using namespace Tagovnik;

class TestErrorMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayAddsAPeriodOnlyAfterLaterCharacters_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << u"Chyba"_s << u"Chyba."_s;
        QTest::newRow("digit") << u"Code 42"_s << u"Code 42."_s;
        QTest::newRow("Czech letter")
            << u"Nelze otevřít soubor ř"_s << u"Nelze otevřít soubor ř."_s;
        QTest::newRow("period") << u"Done."_s << u"Done."_s;
        QTest::newRow("bracket") << u"Failed (see log)"_s << u"Failed (see log)"_s;
        QTest::newRow("exclamation") << u"Stop!"_s << u"Stop!"_s;
        QTest::newRow("space") << u"Trailing "_s << u"Trailing "_s;
        QTest::newRow("comma") << u"a,"_s << u"a,"_s;
        QTest::newRow("slash is after the period") << u"a/"_s << u"a/."_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void displayAddsAPeriodOnlyAfterLaterCharacters()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorMessage::forDisplay(message), shown);
    }

    void engineDescriptionsAreTrimmed()
    {
        QCOMPARE(ErrorMessage::trimmed(u"Page failed to load. \r\n"_s), u"Page failed to load"_s);
        QCOMPARE(ErrorMessage::trimmed(u"...\t"_s), QString());
        QCOMPARE(ErrorMessage::trimmed(u"v1.2 ok"_s), u"v1.2 ok"_s);
        // A description ending in period and line break is shown with exactly one period.
        const EOleException error(u"The page was not found.\r\n"_s, 0x80004005);
        QCOMPARE(ErrorMessage::forDisplay(error.message()), u"The page was not found."_s);
    }

    void fallbacksRunFromDescriptionToSystemTextToCode()
    {
        QCOMPARE(EOleException(u"  \n"_s, 0x80004005).message(), u"Unspecified error"_s);
        QCOMPARE(EOleException(QString(), 0x80070057).message(), u"The parameter is incorrect"_s);
        QCOMPARE(EOleException(QString(), 0x8000abcd).message(), u"OLE error 8000ABCD"_s);
        QCOMPARE(EOleSysError(0x0000002a).message(), u"OLE error 0000002A"_s);
        QCOMPARE(EOleSysError(0x80004002).message(), u"No such interface supported"_s);
    }

    void kindsCarryTheirNamesAndCodes()
    {
        const EOleException exception(u"x"_s, 0x80004005);
        QCOMPARE(exception.kindName(), u"EOleException"_s);
        QCOMPARE(exception.errorCode(), 0x80004005u);
        QCOMPARE(EOleSysError(1).kindName(), u"EOleSysError"_s);
        QCOMPARE(EOleSysError(1).errorCode(), 1u);

        const EOleError activation(u"OLE control activation failed"_s);
        QCOMPARE(activation.kindName(), u"EOleError"_s);
        QCOMPARE(activation.message(), u"OLE control activation failed"_s);

        const EIntfCastError cast;
        QCOMPARE(cast.kindName(), u"EIntfCastError"_s);
        QCOMPARE(cast.message(), u"Interface not supported"_s);

        // The kinds nest: an engine exception is also a system error and an OLE error.
        try {
            throw EOleException(u"x"_s, 1);
        } catch (const EOleSysError &error) {
            QVERIFY(dynamic_cast<const EOleError *>(&error));
        }
        QVERIFY(exception.raisedAt() != nullptr);
    }
};

TAGOVNIK_TEST_MAIN(TestErrorMessage)
#include "tst_errormessage.moc"
