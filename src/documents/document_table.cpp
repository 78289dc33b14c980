#include "documents/document_table.h"

#include "documents/working_copy.h"

TDocumentTable::TDocumentTable()
{
    Reset();
}

void TDocumentTable::Reset()
{
    const bool loading = DocStates.isEmpty() ? false : DocStates[0].Loading;
    OpenFiles = {QStringLiteral("none")};
    DocStates = {TDocState{}};
    DocStates[0].Loading = loading;
    OpenDocCount = 0;
    ActiveDoc = 1;
}

int TDocumentTable::IndexOfDocument(const QString &path) const
{
    // The table holds working-copy names: compare with the one name of path
    // instead of turning every entry back into a document path.
    const QString wc = WorkingCopyName(path);
    for (int i = 1; i <= OpenDocCount; ++i) {
        if (OpenFiles[i] == wc)
            return i;
    }
    return 0;
}

int TDocumentTable::Append(const QString &workingCopy, const TDocState &state)
{
    OpenFiles.append(workingCopy);
    DocStates.append(state);
    ++OpenDocCount;
    return OpenDocCount;
}

void TDocumentTable::Remove(int i)
{
    if (i < 1 || i > OpenDocCount)
        return;
    OpenFiles.removeAt(i);
    DocStates.removeAt(i);
    --OpenDocCount;
}
