// The main window: the controls the operator sees, start-up, and the two command buttons.
#pragma once

#include "packaging/PackagingView.h"
#include "selection/SelectionView.h"

#include <QWidget>

#include <array>
#include <memory>

class ArchiveRun;
class CommandDispatcher;
class Desktop;
class FolderListing;
class PasswordGenerator;
class ProcessStarter;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class RandomPaperPick;
class RandomSource;
class SelectionRun;

class frmqp final : public QWidget, public SelectionView, public PackagingView
{
    Q_OBJECT

public:
    frmqp(QString applicationFolder, Desktop& desktop, RandomSource& random, ProcessStarter& processes,
          QWidget* parent = nullptr);
    ~frmqp() override;

    // Centres the window, makes the collecting folder when it is missing and lists the
    // question-paper folders. Throws when the collecting folder cannot be made.
    void Form_Load();

    // SelectionView and PackagingView, carried out on the controls.
    void clearFolders() override;
    void appendFolders(const QStringList& names) override;
    qsizetype folderCount() const override;
    QString folderAt(qsizetype index) const override;
    void selectFolder(qsizetype index) override;
    void showFiles(const QStringList& paths) override;
    qsizetype fileCount() const override;
    QString fileAt(qsizetype index) const override;
    void setStatus(const QString& text) override;
    QString status() const override;

private:
    void cmd_Click(int Index);
    void buildControls();

    QString m_applicationFolder;
    Desktop& m_desktop;

    std::array<QLabel*, 2> m_Label1{};
    std::array<QPushButton*, 2> m_cmd{};
    QLabel* m_lbstatus = nullptr;
    std::array<QFrame*, 2> m_Line1{};
    std::array<QListWidget*, 2> m_list{};

    std::unique_ptr<FolderListing> m_listing;
    std::unique_ptr<RandomPaperPick> m_pick;
    std::unique_ptr<SelectionRun> m_selection;
    std::unique_ptr<PasswordGenerator> m_generator;
    std::unique_ptr<ArchiveRun> m_archive;
    std::unique_ptr<CommandDispatcher> m_dispatcher;
};
