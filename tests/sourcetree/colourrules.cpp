#include "colourrules.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace Tagovnik::SourceTree {

Texts readTexts(const QString &root, const QString &folder)
{
    Texts texts;
    const QDir base(root);
    QDirIterator it(base.filePath(folder), {u"*.h"_s, u"*.cpp"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            texts.insert(base.relativeFilePath(file.fileName()), QString::fromUtf8(file.readAll()));
    }
    return texts;
}

QStringList colourLiterals(const Texts &texts, const QStringList &palette)
{
    static const QRegularExpression colour(
        uR"(QColor\s*\w*\s*[({]\s*(\d|0x|u?"#)|\bQt::(white|black|red|green|blue|cyan|magenta|yellow|gray|darkGray|lightGray)\b)"_s);
    QStringList found;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (palette.contains(it.key()))
            continue;
        const QStringList lines = it.value().split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (colour.match(lines.at(i)).hasMatch())
                found.append(it.key() + u':' + QString::number(i + 1));
        }
    }
    return found;
}

} // namespace Tagovnik::SourceTree
