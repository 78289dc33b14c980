// The hand-off values between the editors and the tag inspector.
#pragma once

#include <QString>

// Set while the program itself edits a source editor: no inspector refresh
// and no code assistant for that change.
inline bool SourceSyncGuard = false;
// The tag the inspector last showed, per editor; emptied to have it read afresh.
inline QString LastTag1;
inline QString LastTag2;
