#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The ribbon's look is one: every colour it paints with is named in its palette. This finds
// colours spelt out anywhere else, over the texts of the sources.
namespace Tagovnik::SourceTree {

// Each file's text by its path relative to the project folder.
using Texts = QMap<QString, QString>;

// The .h and .cpp files under `root`/`folder`.
Texts readTexts(const QString &root, const QString &folder);

// "path:line" for each line outside the `palette` files that spells a colour: a QColor made of
// numbers or a "#rrggbb" name, or one of Qt's named colours.
QStringList colourLiterals(const Texts &texts, const QStringList &palette);

} // namespace Tagovnik::SourceTree
