// The program's folder, from which every data file is addressed.
#pragma once

#include <QString>

// The executable's folder with a trailing "/". Tests point it elsewhere.
const QString &ProgramDir();
void SetProgramDir(const QString &dir);
