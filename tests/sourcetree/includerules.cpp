#include "includerules.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <functional>

using namespace Qt::StringLiterals;

namespace Tagovnik::SourceTree {

Tree read(const QString &root)
{
    static const QRegularExpression include(uR"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"_s,
                                            QRegularExpression::MultilineOption);
    Tree tree;
    const QDir base(root);
    QDirIterator files(root + u"/src"_s, {u"*.h"_s, u"*.cpp"_s}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        Includes includes;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = include.globalMatch(text); match.hasNext();) {
            const auto found = match.next();
            (found.captured(1) == u"\""_s ? includes.quoted : includes.angled)
                .append(found.captured(2));
        }
        tree.insert(base.relativeFilePath(path), includes);
    }
    return tree;
}

QString resolve(const Tree &tree, const QString &from, const QString &include)
{
    const QString beside = QDir::cleanPath(QFileInfo(from).path() + u'/' + include);
    if (tree.contains(beside))
        return beside;
    QString found;
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        if (it.key().endsWith(u'/' + include)) {
            if (!found.isEmpty())
                return {}; // ambiguous: not a name the build could tell apart either
            found = it.key();
        }
    }
    return found;
}

static QString unitOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'.'));
}

QString findCycle(const Tree &tree, const QString &unitsUnder)
{
    QMap<QString, QSet<QString>> uses;
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        if (it.key().endsWith(u".cpp"_s) && !it.key().startsWith(unitsUnder + u'/'))
            continue;
        const QString unit = unitOf(it.key());
        uses[unit];
        for (const QString &include : it->quoted) {
            const QString target = resolve(tree, it.key(), include);
            if (!target.isEmpty() && unitOf(target) != unit)
                uses[unit].insert(unitOf(target));
        }
    }
    enum class Mark { New, Open, Done };
    QMap<QString, Mark> marks;
    QStringList path;
    QString cycle;
    const std::function<bool(const QString &)> visit = [&](const QString &unit) {
        marks[unit] = Mark::Open;
        path.append(unit);
        QStringList next = uses.value(unit).values();
        next.sort();
        for (const QString &used : std::as_const(next)) {
            const Mark mark = marks.value(used, Mark::New);
            if (mark == Mark::Open) {
                cycle = path.mid(path.indexOf(used)).join(u" -> "_s) + u" -> "_s + used;
                return true;
            }
            if (mark == Mark::New && visit(used))
                return true;
        }
        path.removeLast();
        marks[unit] = Mark::Done;
        return false;
    };
    for (auto it = uses.cbegin(); it != uses.cend(); ++it) {
        if (marks.value(it.key(), Mark::New) == Mark::New && visit(it.key()))
            return cycle;
    }
    return {};
}

QStringList widgetIncludes(const Tree &tree, const QString &folder,
                           const QString &widgetHeadersDir)
{
    const QString prefix = folder + u'/';
    const QDir widgets(widgetHeadersDir);
    QStringList offenders;
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        if (!it.key().startsWith(prefix))
            continue;
        bool offends = false;
        for (const QString &include : it->angled) {
            const QString name = include.startsWith(u"QtWidgets/"_s) ? include.mid(10) : include;
            offends = offends || include.startsWith(u"QtWidgets/"_s) ||
                      (name.startsWith(u'Q') && widgets.exists(name));
        }
        for (const QString &include : it->quoted) {
            const QString target = resolve(tree, it.key(), include);
            offends = offends || (!target.isEmpty() && !target.startsWith(prefix));
        }
        if (offends)
            offenders.append(it.key());
    }
    return offenders;
}

QStringList applicationIncludes(const Tree &tree)
{
    QStringList offenders;
    for (auto it = tree.cbegin(); it != tree.cend(); ++it) {
        const QString &path = it.key();
        if (!path.startsWith(u"src/commands/"_s) && !path.startsWith(u"src/browser/"_s) &&
            !path.startsWith(u"src/assets/"_s))
            continue;
        for (const QString &include : it->quoted) {
            if (resolve(tree, path, include).startsWith(u"src/app/"_s)) {
                offenders.append(path);
                break;
            }
        }
    }
    return offenders;
}

} // namespace Tagovnik::SourceTree
