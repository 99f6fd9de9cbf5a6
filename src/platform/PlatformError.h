// A failed platform operation: a number from the error table and its description.
#pragma once

#include "platform/ErrorTable.h"

#include <QByteArray>
#include <QString>

#include <exception>
#include <system_error>

class PlatformError final : public std::exception
{
public:
    PlatformError(int number, QString description);

    // The table's own description for the number.
    static PlatformError fromNumber(int number);
    static PlatformError fromErrorCode(std::error_code code, ErrorTable::Subject subject);

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    // What the error report shows: the description, one space, the number.
    QString reportText() const;
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};
