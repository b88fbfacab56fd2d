#include "enginehelper.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

class TestEngineHelper : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;

    QString folder(const QString &name) const
    {
        QDir(m_root.path()).mkpath(name);
        return m_root.filePath(name);
    }

    // Puts a helper program into the folder, runnable or not.
    QString helperIn(const QString &name, bool executable) const
    {
        const QString path = folder(name) + u"/QtWebEngineProcess"_s;
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                       : QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }

private Q_SLOTS:
    void theEnvironmentNamesTheOnlyPlaceLooked()
    {
        const QString libexec = folder(u"env-libexec"_s);
        helperIn(u"env-libexec"_s, true);
        // Qt's own folder holds a usable helper, but the variable wins.
        QCOMPARE(EngineHelper::problem({m_root.filePath(u"nowhere/helper"_s), libexec, {}}),
                 u"The web engine's helper program %1 does not exist"_s.arg(
                     m_root.filePath(u"nowhere/helper"_s)));
        QCOMPARE(EngineHelper::problem({helperIn(u"env"_s, true), {}, {}}), QString());
        const QString inert = helperIn(u"env-inert"_s, false);
        QCOMPARE(EngineHelper::problem({inert, {}, {}}),
                 u"The web engine's helper program %1 is not an executable file"_s.arg(inert));
        QCOMPARE(EngineHelper::problem({folder(u"env-folder"_s), {}, {}}),
                 u"The web engine's helper program %1 is not an executable file"_s.arg(
                     folder(u"env-folder"_s)));
    }

    void withoutTheEnvironmentTheFirstFolderHoldingItCounts()
    {
        helperIn(u"a-libexec"_s, true);
        QCOMPARE(EngineHelper::problem({{}, folder(u"a-libexec"_s), folder(u"a-app"_s)}), QString());
        // Beside the program when Qt's folder lacks it.
        helperIn(u"b-app"_s, true);
        QCOMPARE(EngineHelper::problem({{}, folder(u"b-libexec"_s), folder(u"b-app"_s)}), QString());
        // A helper that cannot run in Qt's folder hides a usable one beside the program.
        const QString inert = helperIn(u"c-libexec"_s, false);
        helperIn(u"c-app"_s, true);
        QCOMPARE(EngineHelper::problem({{}, folder(u"c-libexec"_s), folder(u"c-app"_s)}),
                 u"The web engine's helper program %1 is not an executable file"_s.arg(inert));
        QCOMPARE(EngineHelper::problem({{}, folder(u"d-libexec"_s), folder(u"d-app"_s)}),
                 u"The web engine's helper program QtWebEngineProcess was found in none of "
                 "these folders: %1, %2"_s.arg(folder(u"d-libexec"_s), folder(u"d-app"_s)));
    }
};

QTEST_GUILESS_MAIN(TestEngineHelper)
#include "tst_enginehelper.moc"
