// The entry point for every error nobody handled: one report dialog at a
// time, a plain message box for an error while a report is open.
#pragma once

#include "errorreport/report_text.h"

#include <QPointer>

class TExceptionDialog;

void ShowErrorReport(const TErrorInfo &error);
// True while a report dialog is open.
bool ErrorReportShowing();

// Tests show the dialog without a modal loop and look at it afterwards.
struct TErrorReportTesting {
    static inline bool noModalLoop = false;
    static inline QPointer<TExceptionDialog> lastDialog;
};
