#include "errorreport/io_error.h"

#include "errorreport/report_text.h"

EInOutError::EInOutError(QString path, QString systemMessage)
    : m_path(std::move(path)), m_message(std::move(systemMessage))
{
    m_what = text().toUtf8();
    m_stack = CaptureStackAddresses(0);
}

QString EInOutError::text() const
{
    return m_message + QStringLiteral(": ") + m_path;
}
