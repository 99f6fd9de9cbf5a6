// Fills the folder list with the question-paper folders and shows their number.
#pragma once

#include <QString>

class Desktop;
class SelectionView;

class FolderListing final
{
public:
    FolderListing(SelectionView& view, Desktop& desktop);

    // Lists the subfolders of path except the collecting folder. A failure is reported
    // here and leaves the status label as it was.
    void Load_QP_Folders(const QString& path);

    static QString statusText(qsizetype folderCount);

private:
    SelectionView& m_view;
    Desktop& m_desktop;
};
