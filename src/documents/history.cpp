#include "documents/history.h"

#include "conversion/text_file.h"
#include "errorreport/io_error.h"

#include <QFileInfo>

#include <algorithm>

namespace {

// Moves limit down by one from `from` to `down`, then puts path at the top.
void PushDown(std::array<QString, 13> &items, int top, int from, const QString &path)
{
    for (int s = from; s > top; --s)
        items[s] = items[s - 1];
    items[top] = path;
}

} // namespace

void Thistorie::AddToHistory(int kind, const QString &path)
{
    const bool project = kind == Project;
    const int top = project ? 1 : 5;
    int &count = project ? ProjectCount : FileCount;
    const int max = project ? 3 : 7;
    // The slot just past the visible ones is compared too, as it always was.
    int match = 0;
    for (int s = top; s <= top + count && s <= top + max; ++s) {
        if (Items[s] == path) {
            match = s;
            break;
        }
    }
    if (match == 0) {
        count = std::min(count + 1, max);
        PushDown(Items, top, count + top, path);
    } else {
        PushDown(Items, top, match, path);
    }
}

int Thistorie::RefreshMenuPaths()
{
    ProjectCount = std::clamp(ProjectCount, 0, 3);
    FileCount = std::clamp(FileCount, 0, 7);
    int k = 0;
    for (int i = 1; i <= ProjectCount; ++i)
        MenuPaths[k++] = Items[i];
    MenuPaths[k++] = QStringLiteral("-");
    for (int i = 5; i <= 4 + FileCount; ++i)
        MenuPaths[k++] = Items[i];
    return k;
}

bool Thistorie::Read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    TTextFileContent content;
    try {
        content = TextFile::Read(path);
    } catch (const EInOutError &) {
        return false;
    }
    const QStringList &lines = content.lines;
    int at = 0;
    const auto next = [&]() -> QString { return at < lines.size() ? lines[at++] : QString(); };
    // A count that is no number, negative or larger than the limit reads as
    // far as the limit and the file go.
    const auto readCount = [&](int limit) {
        bool ok = false;
        const int n = next().trimmed().toInt(&ok);
        return ok ? std::clamp(n, 0, limit) : 0;
    };
    const auto readPaths = [&](int first, int n, int limit) {
        int kept = 0;
        for (int i = 0; i < n && at < lines.size(); ++i) {
            const QString p = next();
            if (i < limit)
                Items[first + kept++] = p;
        }
        return std::min(kept, limit);
    };
    int p = readCount(1 << 20);
    ProjectCount = readPaths(1, p, 4);
    // Surplus project lines beyond the four limit were skipped above.
    const int f = readCount(1 << 20);
    FileCount = readPaths(5, f, 8);
    RefreshMenuPaths();
    return true;
}

void Thistorie::Save(const QString &path) const
{
    QStringList lines;
    lines << QString::number(ProjectCount);
    for (int i = 1; i <= ProjectCount; ++i)
        lines << Items[i];
    lines << QString::number(FileCount);
    for (int i = 5; i <= 4 + FileCount; ++i)
        lines << Items[i];
    TextFile::Write(path, lines, TextFile::OwnFileEncoding(lines));
}
