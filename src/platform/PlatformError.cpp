#include "platform/PlatformError.h"

#include <utility>

PlatformError::PlatformError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(reportText().toUtf8())
{
}

PlatformError PlatformError::fromNumber(int number)
{
    return PlatformError(number, ErrorTable::description(number));
}

PlatformError PlatformError::fromErrorCode(std::error_code code, ErrorTable::Subject subject)
{
    return fromNumber(ErrorTable::fromErrorCode(code, subject));
}

QString PlatformError::reportText() const
{
    return m_description + QLatin1Char(' ') + QString::number(m_number);
}
