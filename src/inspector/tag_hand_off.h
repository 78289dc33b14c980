// The hand-off values between the editors and the tag inspector.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Set while the program itself edits a source editor: no inspector refresh
// and no code assistant for that change.
inline bool SourceSyncGuard = false;
// The tag the inspector last showed, per editor; emptied to have it read afresh.
inline QString LastTag1;
inline QString LastTag2;
// The attribute names of the rows the inspector shows now, in row order;
// empty while it shows nothing. The code assistant offers only these.
inline QStringList InspectedAttributeNames;
// Set by the image-map commands: opens the map editor on the MAP block of
// that name in the source (the inspector's "openmapedit" rows call it).
inline std::function<void(const QString &mapName)> EditImageMapNamed;
