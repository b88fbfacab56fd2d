#pragma once

#include <QList>
#include <QString>

namespace Tagovnik {

// What the pane's context menu offers at one spot of the page: only entries
// that work there, with the toolkit's own English texts.
namespace ContextMenuRows {

enum class Entry {
    Separator,
    OpenLink,
    CopyLinkAddress,
    CopyImage,
    Copy,
    Back,
    Forward,
    Reload,
    SelectAll,
    Print,
};

// The page and the spot the menu was asked for.
struct Spot
{
    bool canGoBack = false;
    bool canGoForward = false;
    bool hasSelection = false;
    bool onLink = false;
    bool onImage = false;
};

struct Row
{
    Entry entry;
    QString text; // empty for a separator
    bool enabled = true;

    friend bool operator==(const Row &, const Row &) = default;
};

QList<Row> rowsFor(const Spot &spot);

} // namespace ContextMenuRows

} // namespace Tagovnik
