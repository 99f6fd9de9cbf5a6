#include "selection/SelectionReport.h"

#include "platform/FileSystemObject.h"

namespace {

const QString gap = QStringLiteral("  ");

QString fromCodePoints(const QList<uint>& codePoints)
{
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()), codePoints.size());
}

} // namespace

SelectionReport::SelectionReport(const QString& path)
    : m_stream(FileSystemObject().CreateTextFile(path, true))
{
    m_stream.WriteLine(rule());
    m_stream.WriteLine(heading());
    m_stream.WriteLine(rule());
}

void SelectionReport::writeDrawn(qsizetype position, const QString& folderName, qsizetype fileTotal,
                                 const QString& fileName)
{
    m_stream.WriteLine(drawnLine(position, folderName, fileTotal, fileName));
}

void SelectionReport::writeNoPick(qsizetype position)
{
    m_stream.WriteLine(noPickLine(position));
}

void SelectionReport::end(qsizetype folderLines)
{
    m_stream.WriteLine(rule());
    m_stream.WriteBlankLines(1);
    m_stream.WriteLine(totalLine(folderLines));
    m_stream.Close();
}

QString SelectionReport::rule()
{
    return QString(60, QLatin1Char('='));
}

QString SelectionReport::heading()
{
    return QStringLiteral("    Sl.  QP               Total  Selected");
}

QString SelectionReport::drawnLine(qsizetype position, const QString& folderName, qsizetype fileTotal,
                                   const QString& fileName)
{
    return alignRight(QString::number(position + 1), 7) + gap + alignLeft(printable(folderName), 15) + gap
        + alignRight(QString::number(fileTotal), 5) + gap + alignLeft(printable(fileName), 30);
}

QString SelectionReport::noPickLine(qsizetype position)
{
    return alignRight(QString::number(position + 1), 7) + gap
        + alignLeft(QStringLiteral("#### Error!!. No File Selected."), 15) + gap + alignRight(QString(), 5) + gap
        + alignLeft(QString(), 30);
}

QString SelectionReport::totalLine(qsizetype folderLines)
{
    return QStringLiteral("    Total QPs Selected : ") + QString::number(folderLines);
}

QString SelectionReport::alignRight(const QString& value, int width)
{
    QList<uint> codePoints = (QString(width, QLatin1Char(' ')) + value).toUcs4();
    return fromCodePoints(codePoints.last(width));
}

QString SelectionReport::alignLeft(const QString& value, int width)
{
    QList<uint> codePoints = (value + QString(width, QLatin1Char(' '))).toUcs4();
    return fromCodePoints(codePoints.first(width));
}

QString SelectionReport::printable(const QString& name)
{
    QString result = name;
    for (QChar& c : result) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = QLatin1Char('?');
    }
    return result;
}
