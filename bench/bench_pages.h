// The benchmark's own documents: real-looking pages of a given size.
#pragma once

#include <QByteArray>
#include <QString>

namespace BenchPages {

// The text that find next looks for; it occurs once, near the page's end.
QString EndMarker();

// A page of about `bytes` characters: nested tables, forms, scripts, style
// blocks, comments and Czech text, lines ended by CR LF. `seed` varies it.
QString Page(qsizetype bytes, int seed);

// The same kind of content with no line break at all.
QString SingleLinePage(qsizetype bytes);

} // namespace BenchPages
