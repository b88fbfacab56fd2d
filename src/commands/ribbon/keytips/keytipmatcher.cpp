#include "ribbon/keytips/keytipmatcher.h"

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

void KeyTipMatcher::setKeyTips(const QStringList &keyTips)
{
    m_keyTips.clear();
    for (const QString &keyTip : keyTips)
        m_keyTips.append(keyTip.toUpper());
    m_typed.clear();
}

bool KeyTipMatcher::isCandidate(int index) const
{
    const QString &keyTip = m_keyTips.value(index);
    return !keyTip.isEmpty() && keyTip.startsWith(m_typed);
}

KeyTipMatcher::Step KeyTipMatcher::type(QChar character)
{
    const QString text = m_typed + character.toUpper();
    int beginning = 0;
    int exact = -1;
    for (int i = 0; i < m_keyTips.size(); ++i) {
        const QString &keyTip = m_keyTips.at(i);
        if (keyTip.isEmpty() || !keyTip.startsWith(text))
            continue;
        ++beginning;
        if (keyTip == text)
            exact = i;
    }
    if (beginning == 0)
        return {Outcome::Rejected, -1};
    if (beginning == 1 && exact >= 0) {
        m_typed.clear();
        return {Outcome::Matched, exact};
    }
    m_typed = text;
    return {Outcome::Waiting, -1};
}

QString quickAccessKeyTip(int position)
{
    if (position < 0)
        return {};
    if (position < 9)
        return QString(QChar(u'1' + position));
    // Behind each run of zeros: 9 down to 1, then A to Z.
    constexpr int perRun = 9 + 26;
    const int beyond = position - 9;
    const int zeros = beyond / perRun + 1;
    const int rank = beyond % perRun;
    const QChar last = rank < 9 ? QChar(u'9' - rank) : QChar(u'A' + (rank - 9));
    return QString(zeros, u'0') + last;
}

QString spokenKeyTip(const QStringList &keyTips)
{
    QStringList keys{u"Alt"_s};
    for (const QString &keyTip : keyTips) {
        for (QChar character : keyTip)
            keys.append(QString(character.toUpper()));
    }
    return keys.size() > 1 ? keys.join(u", "_s) : QString();
}

} // namespace Tagovnik::Ribbon
