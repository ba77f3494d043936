#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program: file and parse failures carry the text the
// user sees in the default error report.
class CorvaltoError : public std::runtime_error
{
public:
    explicit CorvaltoError(const QString& message);

    QString message() const { return m_message; }

    static CorvaltoError cannotOpen(const QString& path);
    static CorvaltoError cannotCreate(const QString& path);
    static CorvaltoError notAnInteger(const QString& text);

private:
    QString m_message;
};
