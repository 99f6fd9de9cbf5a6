#include "selection/FolderListing.h"

#include "platform/CaseInsensitivePath.h"
#include "platform/ErrorReport.h"
#include "platform/FileSystemObject.h"
#include "platform/PlatformError.h"
#include "selection/SelectionView.h"

FolderListing::FolderListing(SelectionView& view, Desktop& desktop)
    : m_view(view)
    , m_desktop(desktop)
{
}

void FolderListing::Load_QP_Folders(const QString& path)
{
    try {
        const FileSystemObject fso;
        const Folder folder = fso.GetFolder(path);
        QStringList names = folder.SubFolderNames();
        m_view.clearFolders();
        names.removeIf([](const QString& name) { return CaseInsensitivePath::namesEqual(name, QStringLiteral("all")); });
        m_view.appendFolders(names);
        // The count of what is listed, whether or not a collecting folder was there to leave out.
        m_view.setStatus(statusText(m_view.folderCount()));
    } catch (const PlatformError& error) {
        ErrorReport::show(m_desktop, error);
    }
}

QString FolderListing::statusText(qsizetype folderCount)
{
    return QStringLiteral("Total QP Folders : ") + QString::number(folderCount);
}
