// The desktop services carried out with Qt Widgets.
#pragma once

#include "platform/Desktop.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class WidgetDesktop final : public Desktop
{
public:
    WidgetDesktop();

    // Message boxes are centred on and modal to this window.
    void setWindow(QWidget* window);

    void messageBox(const QString& text, int style) override;
    void mousePointer(int kind) override;
    QSize screenSize() const override;
    void keepPainting() override;

private:
    QPointer<QWidget> m_window;
    bool m_busy = false;
    QElapsedTimer m_sincePaint;
};
