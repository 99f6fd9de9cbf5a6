// Folder list, file list and status label held in plain lists.
#pragma once

#include "packaging/PackagingView.h"
#include "selection/SelectionView.h"

class FakeView final : public SelectionView, public PackagingView
{
public:
    void clearFolders() override { folders.clear(); }
    void appendFolders(const QStringList& names) override { folders += names; }
    qsizetype folderCount() const override { return folders.size(); }
    QString folderAt(qsizetype index) const override { return folders.at(index); }
    void selectFolder(qsizetype index) override { selected = index; }
    void showFiles(const QStringList& paths) override { files = paths; }
    qsizetype fileCount() const override { return files.size(); }
    QString fileAt(qsizetype index) const override { return files.at(index); }
    void setStatus(const QString& text) override { statusTexts.append(text); }
    QString status() const override { return statusTexts.isEmpty() ? QString() : statusTexts.last(); }

    QStringList folders;
    QStringList files;
    qsizetype selected = -1;
    QStringList statusTexts; // every text shown, in order
};
