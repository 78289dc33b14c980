// The open project: a named set of documents with notes.
#pragma once

#include <QString>

struct TProjekt {
    bool IsOpen = false;
    bool Modified = false;
    QString Path; // the project file
    QString Name; // its file name
};

inline TProjekt CurrentProject;
