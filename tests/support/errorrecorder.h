#pragma once

#include "errorboundary.h"

#include <QStringList>

// Takes the place of the error report box while it lives: every error that
// reaches the error boundary is recorded here instead of shown.
class ErrorRecorder
{
public:
    ErrorRecorder()
        : m_previous(Tagovnik::ErrorBoundary::setReporter(
              [this](const QString &message) { messages << message; }))
    {}
    ~ErrorRecorder() { Tagovnik::ErrorBoundary::setReporter(std::move(m_previous)); }
    ErrorRecorder(const ErrorRecorder &) = delete;
    ErrorRecorder &operator=(const ErrorRecorder &) = delete;

    QStringList messages;

private:
    Tagovnik::ErrorBoundary::Reporter m_previous;
};
