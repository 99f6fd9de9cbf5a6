// Draws one paper at random from a question-paper folder, showing its files in the file list.
#pragma once

#include <QString>

class Desktop;
class RandomSource;
class SelectionView;

class RandomPaperPick final
{
public:
    RandomPaperPick(SelectionView& view, Desktop& desktop, RandomSource& random);

    // The drawn file's path (lPath, "/", its name), or empty text when the folder has no
    // ordinary file or could not be read; the latter is reported here and the file list
    // keeps the previous folder's files.
    QString Random_QP(const QString& lPath);

private:
    SelectionView& m_view;
    Desktop& m_desktop;
    RandomSource& m_random;
};
