// Twips (1/1440 inch) against device-independent pixels: 15 twips to the pixel.
#pragma once

#include <QRect>
#include <QSize>

class Twips final
{
public:
    static constexpr int perPixel = 15;

    static constexpr int toPixels(int twips) { return twips / perPixel; }
    static QRect toPixels(int left, int top, int width, int height)
    {
        return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
    }
    static QSize fromPixels(QSize pixels) { return pixels * perPixel; }
};
