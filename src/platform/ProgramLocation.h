#pragma once

#include <QString>

// Where the program keeps its library, and the name that addresses its settings.
struct ProgramLocation {
    QString folder;          // the executable's folder, without a trailing separator
    QString applicationName; // the executable's base name

    // Read from the running executable.
    static ProgramLocation ofRunningProgram();
};
