// A desktop that records message boxes and pointer changes instead of showing them.
#pragma once

#include "platform/Desktop.h"

#include <QString>
#include <QStringList>

class RecordingDesktop final : public Desktop
{
public:
    struct Box
    {
        QString text;
        int style;
    };

    void messageBox(const QString& text, int style) override;
    void mousePointer(int kind) override;
    QSize screenSize() const override;
    void keepPainting() override;

    QList<Box> boxes;
    // In order: "box 48 <text>", "pointer 11", "pointer 0".
    QStringList events;
    int pointer = 0;
    int paints = 0;
    QSize screen{19200, 16200}; // 1280 x 1080 pixels
};
