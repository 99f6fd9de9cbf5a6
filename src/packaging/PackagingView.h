// What the archive run shows in the window: the status label.
#pragma once

#include <QString>

class PackagingView
{
public:
    virtual ~PackagingView() = default;

    virtual void setStatus(const QString& text) = 0;
    virtual QString status() const = 0;
};
