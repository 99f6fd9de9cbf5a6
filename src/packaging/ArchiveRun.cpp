#include "packaging/ArchiveRun.h"

#include "packaging/PackagingView.h"
#include "packaging/PasswordGenerator.h"
#include "packaging/PasswordRecords.h"
#include "platform/Constants.h"
#include "platform/Desktop.h"
#include "platform/PlatformError.h"
#include "platform/ProcessStarter.h"
#include "platform/Runtime.h"

#include <QDir>
#include <QRegularExpression>

#include <utility>

namespace {

// Puts the status label back however the run ends.
class StatusRestorer final
{
public:
    explicit StatusRestorer(PackagingView& view) : m_view(view), m_text(view.status()) {}
    ~StatusRestorer() { m_view.setStatus(m_text); }
    StatusRestorer(const StatusRestorer&) = delete;
    StatusRestorer& operator=(const StatusRestorer&) = delete;

private:
    PackagingView& m_view;
    QString m_text;
};

} // namespace

ArchiveRun::ArchiveRun(QString applicationFolder, PackagingView& view, Desktop& desktop, PasswordGenerator& generator,
                       ProcessStarter& processes)
    : m_applicationFolder(std::move(applicationFolder))
    , m_view(view)
    , m_desktop(desktop)
    , m_generator(generator)
    , m_processes(processes)
{
}

CommandOutcome ArchiveRun::run()
{
    if (Runtime::dir(m_applicationFolder + QStringLiteral("/all/*.*"), vbNormal).isEmpty()) {
        m_desktop.messageBox(QStringLiteral("No files selected to Zip!!"), MB_ICONWARNING);
        m_desktop.mousePointer(vbDefault);
        return CommandOutcome::LeftEarly;
    }

    const QString archive = m_applicationFolder + QStringLiteral("/all.zip");
    if (!Runtime::dir(archive, vbNormal).isEmpty())
        Runtime::kill(archive);

    const QString password = m_generator.Rndpass();
    const PasswordRecords records(m_applicationFolder);
    records.writeRecord(password);
    records.extendBank(password);

    const ArchiverCommand command = archiverCommand(m_applicationFolder, password);
    ProcessResult result;
    {
        const StatusRestorer restorer(m_view);
        static const QRegularExpression progress(QStringLiteral("^\\d{1,3}%$"));
        result = m_processes.runToEnd(
            command.program, command.arguments, command.input,
            [this](const QString& line) {
                if (progress.match(line).hasMatch())
                    m_view.setStatus(QStringLiteral("Zipping... ") + line);
            },
            [this] { m_desktop.keepPainting(); });
    }

    if (result.crashed)
        throw PlatformError(ErrorTable::InternalError, QStringLiteral("The archiver stopped unexpectedly"));
    if (result.exitCode != 0) {
        const QString message = result.errorOutput.isEmpty() ? QStringLiteral("The archiver failed")
                                                             : result.errorOutput.split(QLatin1Char('\n')).last();
        throw PlatformError(result.exitCode, message);
    }
    if (Runtime::dir(archive, vbNormal).isEmpty())
        throw PlatformError(ErrorTable::FileNotFound, QStringLiteral("The archiver made no archive"));

    m_desktop.messageBox(QStringLiteral("Zip file created Succeessfully!!"), MB_ICONINFORMATION);
    return CommandOutcome::Completed;
}

ArchiveRun::ArchiverCommand ArchiveRun::archiverCommand(const QString& applicationFolder, const QString& password)
{
    const QString archive = QDir::toNativeSeparators(applicationFolder + QStringLiteral("/all.zip"));
    const QString sources = QDir::toNativeSeparators(applicationFolder + QStringLiteral("/all/*.*"));
#ifdef Q_OS_WIN
    return {QDir::toNativeSeparators(applicationFolder + QStringLiteral("/winrar")),
            {QStringLiteral("a"), QStringLiteral("-ep1"), QStringLiteral("-p") + password, archive, sources,
             QStringLiteral("-r")},
            {}};
#else
    return {applicationFolder + QStringLiteral("/vorsel-zip"),
            {QStringLiteral("a"), QStringLiteral("-ep1"), QStringLiteral("-p"), archive, sources, QStringLiteral("-r")},
            password.toUtf8() + '\n'};
#endif
}
