// The insertion the windows call: the texts of a command written into the
// editor of the workspace tab that is shown, with the settings of the moment.
#pragma once

#include <QString>

struct TMarkupStyle;

// The markup settings of the moment, read from the settings dialog.
TMarkupStyle CurrentMarkupStyle();

// Builds a TMarkupStyle from the settings dialog's controls and a
// TInsertTarget from the workspace and the document table, then runs
// InsertTag (insert_tag.h). mode: 0 insert at the caret, 1 wrap the selection.
void InsertTag(const QString &open, const QString &close, int mode);
