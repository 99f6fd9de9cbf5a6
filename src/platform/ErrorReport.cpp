#include "platform/ErrorReport.h"

#include "platform/Constants.h"
#include "platform/Desktop.h"
#include "platform/PlatformError.h"

void ErrorReport::show(Desktop& desktop, const PlatformError& error)
{
    desktop.messageBox(error.reportText(), MB_ICONWARNING);
    desktop.mousePointer(vbDefault);
}
