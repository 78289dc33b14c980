// The one exception type for file input and output failures.
#pragma once

#include <QList>
#include <QString>
#include <exception>

// Carries the system's message (and the file it concerns) up to whoever
// handles it; what nobody handles reaches the error report.
class EInOutError : public std::exception
{
public:
    EInOutError(QString path, QString systemMessage);

    const QString &path() const { return m_path; }
    const QString &systemMessage() const { return m_message; }
    // "<system message>: <path>" for logs and the error report.
    QString text() const;
    const char *what() const noexcept override { return m_what.constData(); }
    // The call stack where the error was raised, for the error report.
    const QList<void *> &stackAddresses() const { return m_stack; }

private:
    QString m_path;
    QString m_message;
    QByteArray m_what;
    QList<void *> m_stack;
};
