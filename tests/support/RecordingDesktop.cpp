#include "RecordingDesktop.h"

void RecordingDesktop::messageBox(const QString& text, int style)
{
    boxes.append({text, style});
    events.append(QStringLiteral("box %1 %2").arg(style).arg(text));
}

void RecordingDesktop::mousePointer(int kind)
{
    pointer = kind;
    events.append(QStringLiteral("pointer %1").arg(kind));
}

QSize RecordingDesktop::screenSize() const
{
    return screen;
}

void RecordingDesktop::keepPainting()
{
    ++paints;
}
