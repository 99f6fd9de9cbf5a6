#include "selection/SelectionRun.h"

#include "platform/Constants.h"
#include "platform/Desktop.h"
#include "platform/FileSystemObject.h"
#include "platform/ProcessStarter.h"
#include "platform/Runtime.h"
#include "selection/RandomPaperPick.h"
#include "selection/SelectionReport.h"
#include "selection/SelectionView.h"

#include <QDir>

#include <utility>

SelectionRun::SelectionRun(QString applicationFolder, SelectionView& view, Desktop& desktop, RandomPaperPick& pick,
                           ProcessStarter& processes)
    : m_applicationFolder(std::move(applicationFolder))
    , m_view(view)
    , m_desktop(desktop)
    , m_pick(pick)
    , m_processes(processes)
{
}

CommandOutcome SelectionRun::run()
{
    if (m_view.folderCount() == 0) {
        m_desktop.messageBox(QStringLiteral("No QP Files found to select!!"), MB_ICONWARNING);
        m_desktop.mousePointer(vbDefault);
        return CommandOutcome::LeftEarly;
    }

    Clear_Folder(m_applicationFolder + QStringLiteral("/all"));

    const QString reportPath = m_applicationFolder + QStringLiteral("/vorsel.txt");
    // On a failure below the report is closed as the exception leaves, with the lines so far.
    SelectionReport report(reportPath);
    QSet<QString> stored;
    const qsizetype folders = m_view.folderCount();
    for (qsizetype i = 0; i < folders; ++i) {
        m_view.selectFolder(i);
        const QString folderName = m_view.folderAt(i);
        const QString folderPath = m_applicationFolder + QLatin1Char('/') + folderName;
        const QString drawn = m_pick.Random_QP(folderPath);
        if (!drawn.isEmpty() && !Runtime::dir(drawn, vbNormal).isEmpty()) {
            // Two folders may hold papers of the same name; each keeps its own copy.
            const QString name = freeName(drawn.mid(folderPath.size() + 1), stored);
            Runtime::fileCopy(drawn, m_applicationFolder + QStringLiteral("/All/") + name);
            stored.insert(name.toLower());
            report.writeDrawn(i, folderName, m_view.fileCount(), name);
        } else {
            report.writeNoPick(i);
        }
        m_desktop.keepPainting();
    }
    report.end(folders);

    m_processes.startDetached(editorProgram(), editorArguments(reportPath), SW_SHOWMAXIMIZED);
    return CommandOutcome::Completed;
}

void SelectionRun::Clear_Folder(const QString& path)
{
    const FileSystemObject fso;
    for (const File& file : fso.GetFolder(path).Files())
        file.Delete(true);
}

QString SelectionRun::editorProgram()
{
#ifdef Q_OS_WIN
    return QStringLiteral("notepad.exe");
#else
    return QStringLiteral("xdg-open");
#endif
}

QStringList SelectionRun::editorArguments(const QString& reportPath)
{
    return {QDir::toNativeSeparators(reportPath)};
}

QString SelectionRun::freeName(const QString& name, const QSet<QString>& takenLowerCase)
{
    if (!takenLowerCase.contains(name.toLower()))
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(extension);
        if (!takenLowerCase.contains(candidate.toLower()))
            return candidate;
    }
}
