// The desktop as the program's logic sees it: message boxes, the mouse pointer, the screen.
#pragma once

#include <QSize>
#include <QString>

class Desktop
{
public:
    virtual ~Desktop() = default;

    // A modal box with one OK button and the application's title; style MB_ICONWARNING or MB_ICONINFORMATION.
    virtual void messageBox(const QString& text, int style) = 0;
    // vbHourglass over the whole application, vbDefault to restore.
    virtual void mousePointer(int kind) = 0;
    // Width and height of the screen, in twips.
    virtual QSize screenSize() const = 0;
    // Lets the window repaint during a long command without handling user input, which
    // waits until the command ends. Cheap to call often: it paints at most every 50 ms.
    virtual void keepPainting() = 0;
};
