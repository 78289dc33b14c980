// The project file (.vpq): the count of documents, their paths relative to
// the project's folder, then the notes.
#pragma once

#include <QString>
#include <QStringList>

struct TProjectFile {
    QStringList documents; // full paths, in table order
    QStringList notes;     // the notes' lines
};

namespace ProjectFile {

// path of document relative to the folder of projectPath, written with "/";
// a document that shares no folder but the root with the project keeps its
// full path (the counterpart of a document on another drive).
QString RelativePath(const QString &projectPath, const QString &document);

// A stored line back to a full path: absolute lines ("/…", "C:\…", "\\…") are
// taken as they stand, others joined to the project's folder; "\" and "/"
// both separate.
QString ResolvePath(const QString &projectPath, const QString &stored);

// The file's lines. Throws EInOutError; the file is replaced only once complete.
void Write(const QString &projectPath, const TProjectFile &project);

// Reads and checks a project file. On failure returns false and a Czech
// message naming the file (unreadable, malformed count, no documents, a
// listed document missing); nothing is assumed about the documents then.
bool Read(const QString &projectPath, TProjectFile *project, QString *error);

} // namespace ProjectFile
