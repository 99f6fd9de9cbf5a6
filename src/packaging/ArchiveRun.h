// The command behind "Create &Zip File": make and record a password, then have the
// archiver pack the collecting folder into "all.zip" and wait until it has.
#pragma once

#include "platform/CommandOutcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class Desktop;
class PackagingView;
class PasswordGenerator;
class ProcessStarter;

class ArchiveRun final
{
public:
    struct ArchiverCommand
    {
        QString program;
        QStringList arguments;
        QByteArray input; // written to the archiver's standard input
    };

    ArchiveRun(QString applicationFolder, PackagingView& view, Desktop& desktop, PasswordGenerator& generator,
               ProcessStarter& processes);

    // Throws on a failure that ends the run, the archiver's own included.
    CommandOutcome run();

    // Where the platform lets it, the password travels on standard input, not in the
    // arguments, which every local user can read in the process list.
    static ArchiverCommand archiverCommand(const QString& applicationFolder, const QString& password);

private:
    QString m_applicationFolder;
    PackagingView& m_view;
    Desktop& m_desktop;
    PasswordGenerator& m_generator;
    ProcessStarter& m_processes;
};
