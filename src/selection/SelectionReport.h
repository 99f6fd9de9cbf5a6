// The fixed-column selection report: which paper was drawn from which folder.
#pragma once

#include "platform/TextStream.h"

#include <QString>

class SelectionReport final
{
public:
    // Creates the report, replacing an earlier one, and writes the heading.
    explicit SelectionReport(const QString& path);

    void writeDrawn(qsizetype position, const QString& folderName, qsizetype fileTotal, const QString& fileName);
    void writeNoPick(qsizetype position);
    // Writes the footer with the number of folder lines and closes the file.
    void end(qsizetype folderLines);

    // The lines, without their line ends. Widths count characters (code points).
    static QString rule();
    static QString heading();
    static QString drawnLine(qsizetype position, const QString& folderName, qsizetype fileTotal,
                             const QString& fileName);
    static QString noPickLine(qsizetype position);
    static QString totalLine(qsizetype folderLines);

    // Right: the last width characters of the value after width spaces. Left: the first
    // width characters of the value followed by width spaces.
    static QString alignRight(const QString& value, int width);
    static QString alignLeft(const QString& value, int width);
    // Control characters become "?", so a name never breaks its line.
    static QString printable(const QString& name);

private:
    TextStream m_stream;
};
