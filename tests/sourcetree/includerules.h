#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The rules that keep the program's dependencies pointing one way, checked over the
// #include lines of its sources. A source tree is every file's path (relative to the
// project folder) with the includes it names, quoted ones and angled ones apart.
namespace Tagovnik::SourceTree {

struct Includes
{
    QStringList quoted;
    QStringList angled;
};

using Tree = QMap<QString, Includes>;

// Reads the .h and .cpp files under `root`/src.
Tree read(const QString &root);

// The file a quoted include of `from` names: beside it first, else the one file whose path
// ends with the include. Empty for a header outside the project.
QString resolve(const Tree &tree, const QString &from, const QString &include);

// One cycle of files that include each other, as "a -> b -> a", or empty when there is none.
// Headers are looked at everywhere; under `unitsUnder` a header and its source are one unit,
// so that a.cpp using b.h while b.cpp uses a.h counts as a cycle there.
QString findCycle(const Tree &tree, const QString &unitsUnder);

// Files under `folder` that include a widget header: a Qt header found in
// `widgetHeadersDir`, or a file of the project outside `folder`.
QStringList widgetIncludes(const Tree &tree, const QString &folder,
                           const QString &widgetHeadersDir);

// Files under src/commands, src/browser or src/assets that include a file of src/app.
QStringList applicationIncludes(const Tree &tree);

} // namespace Tagovnik::SourceTree
