// What the selection logic shows and reads in the window: folder list, file list, status label.
#pragma once

#include <QString>
#include <QStringList>

class SelectionView
{
public:
    virtual ~SelectionView() = default;

    // The folder list: question-paper folder names.
    virtual void clearFolders() = 0;
    virtual void appendFolders(const QStringList& names) = 0;
    virtual qsizetype folderCount() const = 0;
    virtual QString folderAt(qsizetype index) const = 0;
    // Highlights the folder being worked on.
    virtual void selectFolder(qsizetype index) = 0;

    // The file list: full paths of the files of the folder drawn from last.
    virtual void showFiles(const QStringList& paths) = 0;
    virtual qsizetype fileCount() const = 0;
    virtual QString fileAt(qsizetype index) const = 0;

    virtual void setStatus(const QString& text) = 0;
    virtual QString status() const = 0;
};
