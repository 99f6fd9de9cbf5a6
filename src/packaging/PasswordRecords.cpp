#include "packaging/PasswordRecords.h"

#include "platform/Constants.h"
#include "platform/FileSystemObject.h"
#include "platform/Runtime.h"

#include <utility>

PasswordRecords::PasswordRecords(QString applicationFolder)
    : m_applicationFolder(std::move(applicationFolder))
{
}

void PasswordRecords::writeRecord(const QString& password) const
{
    TextStream::Options options;
    options.ownerOnly = true;
    options.atomic = true;
    options.durable = true;
    TextStream record = FileSystemObject().CreateTextFile(recordPath(), true, options);
    record.WriteBlankLines(1);
    record.WriteLine(QStringLiteral("Password : ") + password);
    record.Close();
}

void PasswordRecords::extendBank(const QString& password) const
{
    TextStream::Options options;
    options.ownerOnly = true;
    // No archive may exist whose password is not on the disk.
    options.durable = true;
    const FileSystemObject fso;
    TextStream bank = Runtime::dir(bankPath(), vbNormal).isEmpty() ? fso.CreateTextFile(bankPath(), false, options)
                                                                   : fso.OpenTextFile(bankPath(), options);
    bank.WriteLine(password);
    bank.Close();
}

QString PasswordRecords::recordPath() const
{
    return m_applicationFolder + QStringLiteral("/pwd.txt");
}

QString PasswordRecords::bankPath() const
{
    return m_applicationFolder + QStringLiteral("/pwdbank.txt");
}
