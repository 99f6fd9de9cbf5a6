// The command behind "Pick &Qp's": empty the collecting folder, draw and copy one paper
// per question-paper folder, write the selection report and open it.
#pragma once

#include "platform/CommandOutcome.h"

#include <QSet>
#include <QString>
#include <QStringList>

class Desktop;
class ProcessStarter;
class RandomPaperPick;
class SelectionView;

class SelectionRun final
{
public:
    SelectionRun(QString applicationFolder, SelectionView& view, Desktop& desktop, RandomPaperPick& pick,
                 ProcessStarter& processes);

    // Throws on a failure that ends the run; what was done before it stays done.
    CommandOutcome run();
    // Deletes every file directly in the folder, read-only ones too; subfolders stay.
    void Clear_Folder(const QString& path);

    // The platform's text editor, given the report's path.
    static QString editorProgram();
    static QStringList editorArguments(const QString& reportPath);
    // name, or "name (2).ext", "name (3).ext", ... when taken already (compared ignoring case).
    static QString freeName(const QString& name, const QSet<QString>& takenLowerCase);

private:
    QString m_applicationFolder;
    SelectionView& m_view;
    Desktop& m_desktop;
    RandomPaperPick& m_pick;
    ProcessStarter& m_processes;
};
