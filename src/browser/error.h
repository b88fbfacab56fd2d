#pragma once

#include <QString>

#include <cstdint>
#include <exception>

namespace Tagovnik {

// An error carries the name of its kind and a message. Handlers never catch
// errors: they travel up to the error boundary of the event being handled,
// which shows them in the error report box (or, during start-up, up to the
// fatal start-up report).
class Error : public std::exception
{
public:
    Error(QString kindName, QString message, const void *raisedAt);

    const QString &kindName() const { return m_kindName; }
    const QString &message() const { return m_message; }
    // Address of the code that raised the error, for the fatal start-up report.
    const void *raisedAt() const { return m_raisedAt; }

    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_kindName;
    QString m_message;
    const void *m_raisedAt;
    QByteArray m_what;
};

// The error kinds of the browser pane. Every constructor records its caller as
// the place that raised the error, so constructors must not be inlined.
class EOleError : public Error
{
public:
    Q_NEVER_INLINE explicit EOleError(const QString &message);

protected:
    EOleError(QString kindName, QString message, const void *raisedAt);
};

// A failure that carries a result code; the message falls back to the code's
// system text, then to "OLE error XXXXXXXX".
class EOleSysError : public EOleError
{
public:
    Q_NEVER_INLINE explicit EOleSysError(std::uint32_t code);
    // A failure the program found itself, with its own text.
    Q_NEVER_INLINE EOleSysError(const QString &message, std::uint32_t code);
    std::uint32_t errorCode() const { return m_errorCode; }

protected:
    EOleSysError(QString kindName, QString message, std::uint32_t code, const void *raisedAt);

private:
    std::uint32_t m_errorCode;
};

// A failed operation whose description came from the browser engine.
class EOleException : public EOleSysError
{
public:
    Q_NEVER_INLINE EOleException(const QString &description, std::uint32_t code);
};

class EIntfCastError : public Error
{
public:
    Q_NEVER_INLINE EIntfCastError();
};

// Result codes used by the pane, with the values the platform's engine uses.
namespace ResultCode {
inline constexpr std::uint32_t unspecifiedFailure = 0x80004005; // E_FAIL
inline constexpr std::uint32_t invalidArgument = 0x80070057;    // E_INVALIDARG
inline constexpr std::uint32_t noInterface = 0x80004002;        // E_NOINTERFACE
inline constexpr std::uint32_t fileNotFound = 0x80070002;       // ERROR_FILE_NOT_FOUND
} // namespace ResultCode

} // namespace Tagovnik
