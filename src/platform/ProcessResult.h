// How a program that was waited for ended.
#pragma once

#include <QString>

struct ProcessResult
{
    int exitCode = 0;
    bool crashed = false;
    QString errorOutput; // what it wrote on its standard error, trimmed
};
