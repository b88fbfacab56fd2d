#include "error.h"

#include "errormessage.h"

using namespace Qt::StringLiterals;

namespace Tagovnik {

Error::Error(QString kindName, QString message, const void *raisedAt)
    : m_kindName(std::move(kindName)), m_message(std::move(message)), m_raisedAt(raisedAt),
      m_what((m_kindName + u": "_s + m_message).toUtf8())
{}

EOleError::EOleError(const QString &message)
    : EOleError(u"EOleError"_s, message, __builtin_return_address(0))
{}

EOleError::EOleError(QString kindName, QString message, const void *raisedAt)
    : Error(std::move(kindName), std::move(message), raisedAt)
{}

EOleSysError::EOleSysError(std::uint32_t code)
    : EOleSysError(u"EOleSysError"_s, ErrorMessage::forCode(code), code,
                   __builtin_return_address(0))
{}

EOleSysError::EOleSysError(const QString &message, std::uint32_t code)
    : EOleSysError(u"EOleSysError"_s, ErrorMessage::forDescription(message, code), code,
                   __builtin_return_address(0))
{}

EOleSysError::EOleSysError(QString kindName, QString message, std::uint32_t code,
                           const void *raisedAt)
    : EOleError(std::move(kindName), std::move(message), raisedAt), m_errorCode(code)
{}

EOleException::EOleException(const QString &description, std::uint32_t code)
    : EOleSysError(u"EOleException"_s, ErrorMessage::forDescription(description, code), code,
                   __builtin_return_address(0))
{}

EIntfCastError::EIntfCastError()
    : Error(u"EIntfCastError"_s, u"Interface not supported"_s, __builtin_return_address(0))
{}

} // namespace Tagovnik
