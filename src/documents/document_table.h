// The open-document table: which documents are open and the state of each.
#pragma once

#include "conversion/codec.h"

#include <QList>
#include <QString>
#include <array>

struct TDocState {
    bool Loading = false;  // slot 0 only: the program itself is filling the editor
    bool Modified = false; // the text differs from the file on disk
    int CaretPos = 0;      // selection start, in editor offsets
    std::array<int, 10> Bookmarks{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    // How the document's bytes are decoded, so a save writes them back alike.
    Codec::TextEncoding Encoding = Codec::TextEncoding::Windows1250;
};

// Slot 0 of OpenFiles is the sentinel "none"; slots 1..OpenDocCount hold the
// working-copy paths in the order the documents were opened. DocStates runs
// parallel to it, slot 0 carrying the program-wide Loading flag.
class TDocumentTable
{
public:
    TDocumentTable();

    QList<QString> OpenFiles;
    int OpenDocCount = 0;
    int ActiveDoc = 1;
    QList<TDocState> DocStates;

    // Back to no documents: sentinel only, ActiveDoc 1. Keeps the Loading flag.
    void Reset();
    // Index 1..OpenDocCount of the document whose own path is path, or 0.
    int IndexOfDocument(const QString &path) const;
    // Appends a document by its working copy and returns its index.
    int Append(const QString &workingCopy, const TDocState &state);
    // Removes document i; later documents move up by one.
    void Remove(int i);
    bool HasDocuments() const { return OpenDocCount > 0; }
    // The working copy of the active document; "none" when nothing is open.
    const QString &ActiveFile() const { return OpenFiles[HasDocuments() ? ActiveDoc : 0]; }
    TDocState &Active() { return DocStates[ActiveDoc]; }
};
