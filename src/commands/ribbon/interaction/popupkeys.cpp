#include "ribbon/interaction/popupkeys.h"

namespace Tagovnik::Ribbon {

namespace {

// The next enabled item from `current` in direction `step`, round the ends; from no current
// item Down starts at the first and Up at the last.
int nextEnabled(const QList<PopupItem> &items, int current, int step)
{
    const int count = int(items.size());
    int next = current < 0 || current >= count ? (step > 0 ? -1 : count) : current;
    for (int tried = 0; tried < count; ++tried) {
        next = ((next + step) % count + count) % count;
        if (items.at(next).enabled)
            return next;
    }
    return -1;
}

PopupKeyStep moveBy(const PopupKeyInput &input, int step)
{
    const int next = nextEnabled(input.items, input.current, step);
    if (next < 0)
        return {PopupKeyStep::Action::Ignore};
    return {PopupKeyStep::Action::Move, next};
}

} // namespace

PopupKeyStep popupKeyStep(const PopupKeyInput &input)
{
    using Action = PopupKeyStep::Action;
    switch (input.key) {
    case PopupKey::Escape:
        return {Action::Close};
    case PopupKey::Up:
        return moveBy(input, -1);
    case PopupKey::Down:
        return moveBy(input, 1);
    case PopupKey::Left:
    case PopupKey::Right: {
        if (!input.rowOfItems)
            return {Action::Pass};
        const bool forward = (input.key == PopupKey::Right) != input.rightToLeft;
        return moveBy(input, forward ? 1 : -1);
    }
    case PopupKey::Choose: {
        const int current = input.current;
        if (current < 0 || current >= input.items.size() || !input.items.at(current).enabled)
            return {Action::Ignore};
        return {Action::Choose, current};
    }
    case PopupKey::Letter: {
        const QChar letter = input.letter.toLower();
        if (letter.isNull())
            return {Action::Pass};
        for (int i = 0; i < input.items.size(); ++i) {
            const PopupItem &item = input.items.at(i);
            if (item.enabled && !item.accessLetter.isNull() && item.accessLetter == letter)
                return {Action::Choose, i};
        }
        return {Action::Pass};
    }
    case PopupKey::Other:
        break;
    }
    return {Action::Pass};
}

QChar accessLetterOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1).toLower();
        ++i;
    }
    return {};
}

} // namespace Tagovnik::Ribbon
