// Last words on SIGSEGV and SIGABRT: what can be written safely inside a
// signal handler goes to the _Err.log, then the default action ends the
// process.
#pragma once

#include <QString>

void InstallCrashHandlers(const QString &logPath);
// Restores the previous handlers.
void RemoveCrashHandlers();
