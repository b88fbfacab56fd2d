#include "errormessage.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace Tagovnik {

namespace ErrorMessage {

QString trimmed(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0) {
        const QChar c = text.at(end - 1);
        if (!(c.isSpace() || c.category() == QChar::Other_Control || c == u'.'))
            break;
        --end;
    }
    return text.left(end);
}

QString systemText(std::uint32_t code)
{
    // The texts the platform gives for the codes the engine can report.
    static const std::pair<std::uint32_t, const char16_t *> texts[] = {
        {0x80004001, u"Not implemented"},
        {0x80004002, u"No such interface supported"},
        {0x80004004, u"Operation aborted"},
        {0x80004005, u"Unspecified error"},
        {0x8000FFFF, u"Catastrophic failure"},
        {0x80070005, u"Access is denied."},
        {0x8007000E, u"Not enough memory resources are available to complete this operation."},
        {0x80070057, u"The parameter is incorrect."},
        {0x80020004, u"Parameter not found."},
    };
    for (const auto &[known, text] : texts) {
        if (known == code)
            return trimmed(QString::fromUtf16(text));
    }
    return {};
}

QString genericText(std::uint32_t code)
{
    return u"OLE error "_s + QString::number(code, 16).toUpper().rightJustified(8, u'0');
}

QString forCode(std::uint32_t code)
{
    const QString text = systemText(code);
    return text.isEmpty() ? genericText(code) : text;
}

QString forDescription(const QString &description, std::uint32_t code)
{
    const QString text = trimmed(description);
    return text.isEmpty() ? forCode(code) : text;
}

QString forDisplay(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

} // namespace ErrorMessage

} // namespace Tagovnik
