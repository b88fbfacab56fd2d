#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Tagovnik::Ribbon {

// Collects the letters and digits typed in key-tip mode and decides what they reach. Key tips
// compare without regard to case; an empty key tip is never reached.
class KeyTipMatcher
{
public:
    enum class Outcome {
        Waiting,  // the typed text begins more than one key tip, or one not yet complete
        Matched,  // the typed text is exactly one key tip: its target acts
        Rejected, // nothing begins so: the key is dropped and the typed text stays as it was
    };

    struct Step
    {
        Outcome outcome = Outcome::Rejected;
        int target = -1; // the matched key tip's index, with Matched
    };

    // The key tips on show now; whatever was typed is forgotten.
    void setKeyTips(const QStringList &keyTips);
    const QStringList &keyTips() const { return m_keyTips; }

    Step type(QChar character);
    const QString &typed() const { return m_typed; }

    // Whether that key tip still begins with what was typed (its label stays on show).
    bool isCandidate(int index) const;

private:
    QStringList m_keyTips; // upper case
    QString m_typed;       // upper case
};

// The key tip of the quick access toolbar's shown entry at that position (from 0): "1" to "9",
// then "09" down to "01" and "0A" to "0Z", then the same behind "00", and so on. No key tip is
// the beginning of another, and none begins like a letter key tip of the application button or
// the tabs.
QString quickAccessKeyTip(int position);

// How a screen reader says the keys that reach a target: "Alt, F", "Alt, 0, 9", or through a
// tab's key tip "Alt, H, B".
QString spokenKeyTip(const QStringList &keyTips);

} // namespace Tagovnik::Ribbon
