// The password record "pwd.txt" (latest password) and the password bank "pwdbank.txt" (every one).
#pragma once

#include <QString>

class PasswordRecords final
{
public:
    explicit PasswordRecords(QString applicationFolder);

    // Replaces the record in one step: a crash leaves the old record or the new one.
    void writeRecord(const QString& password) const;
    // Adds the password as a line of its own and returns once it is on the disk.
    void extendBank(const QString& password) const;

    QString recordPath() const;
    QString bankPath() const;

private:
    QString m_applicationFolder;
};
