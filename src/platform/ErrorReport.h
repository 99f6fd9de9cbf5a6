// The error report every handled failure ends in.
#pragma once

class Desktop;
class PlatformError;

class ErrorReport final
{
public:
    // Shows the description and number in a warning box, then restores the default pointer.
    static void show(Desktop& desktop, const PlatformError& error);
};
