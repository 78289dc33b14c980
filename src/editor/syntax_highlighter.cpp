#include "editor/syntax_highlighter.h"

#include "editor/htmledit.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <limits>
#include <utility>

namespace {

// The colour of each class on a light and on a dark background; Plain keeps
// the user's text colour.
struct TClassColours {
    TSyntaxClass cls;
    QRgb light;
    QRgb dark;
    bool bold;
    bool italic;
};

constexpr TClassColours kColours[] = {
    {TSyntaxClass::Tag, 0x000080, 0x7FB4FF, true, false},
    {TSyntaxClass::AttributeName, 0x7F0055, 0xE6A0F0, false, false},
    {TSyntaxClass::AttributeValue, 0x0000C8, 0xFFD27F, false, false},
    {TSyntaxClass::Entity, 0x8B4500, 0xFF9F5F, false, false},
    {TSyntaxClass::Comment, 0x3F7F3F, 0x8FCF8F, false, true},
    {TSyntaxClass::Keyword, 0x00007F, 0x82AAFF, true, false},
    {TSyntaxClass::String, 0xA31515, 0xF0A070, false, false},
    {TSyntaxClass::Number, 0x098658, 0xB5CEA8, false, false},
    {TSyntaxClass::Variable, 0x6A0DAD, 0xD7A8FF, false, false},
    {TSyntaxClass::Selector, 0x800000, 0xFFB080, true, false},
    {TSyntaxClass::Property, 0x0451A5, 0x9CDCFE, false, false},
    {TSyntaxClass::Delimiter, 0xC00000, 0xFF6060, true, false},
};

// A state no line ends in: the block has not been coloured yet.
constexpr int kUnknown = -2;
// Blocks coloured at once after a restart (more than a screen holds), and
// per slice, which stays short enough not to delay a keystroke.
constexpr int kFirstBlocks = 1000;
constexpr int kSliceBlocks = 200;
constexpr int kSliceMs = 8;
// Longer lines (minified pages) keep the plain colour: laying out a line of
// megabytes split into thousands of coloured runs would slow every keystroke
// on it. Their end state is still read, so the lines after them are right.
constexpr qsizetype kLongestColouredLine = 20000;
// Slices wait this long after the last edit: typing is never slowed by them.
constexpr int kQuietMs = 300;

} // namespace

TSyntaxHighlighter::TSyntaxHighlighter(QObject *parent) : QObject(parent)
{
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &TSyntaxHighlighter::NextSlice);
    SetBackground(Qt::white);
}

TSyntaxHighlighter::~TSyntaxHighlighter()
{
    ClearFormats();
}

void TSyntaxHighlighter::setDocument(QTextDocument *document)
{
    if (m_doc == document)
        return;
    if (m_doc) {
        disconnect(m_doc, nullptr, this, nullptr);
        ClearFormats();
    }
    m_doc = document;
    if (m_doc)
        connect(m_doc, &QTextDocument::contentsChange, this, &TSyntaxHighlighter::Changed);
    Restart();
}

void TSyntaxHighlighter::ClearFormats()
{
    if (!m_doc)
        return;
    m_slices.stop();
    const bool busy = std::exchange(m_busy, true);
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
        b.setUserState(-1);
        if (!b.layout()->formats().isEmpty()) {
            b.layout()->clearFormats();
            m_doc->markContentsDirty(b.position(), b.length());
        }
    }
    m_busy = busy;
}

void TSyntaxHighlighter::Changed(int position, int, int added)
{
    if (m_busy)
        return;
    m_sinceEdit.start();
    // A new text (or a long paste) is coloured like a page just opened: its
    // first lines at once, the rest in slices.
    if (m_doc) {
        const int first = m_doc->findBlock(position).blockNumber();
        const int last = m_doc->findBlock(std::min(position + added, m_doc->characterCount() - 1)).blockNumber();
        if (last - first >= kFirstBlocks) {
            m_limit = std::min(m_limit, first + kFirstBlocks - 1);
            m_slices.start(0);
        }
    }
    Reformat(position, position + added);
}

void TSyntaxHighlighter::Reformat(int from, int end)
{
    if (!m_doc)
        return;
    const bool busy = std::exchange(m_busy, true);
    QTextBlock block = m_doc->findBlock(std::max(0, from));
    bool forced = false;
    while (block.isValid() && block.blockNumber() <= m_limit && (block.position() <= end || forced)) {
        forced = ColourBlock(block);
        block = block.next();
    }
    m_busy = busy;
}

bool TSyntaxHighlighter::ColourBlock(QTextBlock &block)
{
    const QString text = block.text();
    const qsizetype n = text.size();
    if (m_classes.size() < size_t(n))
        m_classes.resize(size_t(n) + 256);
    const QTextBlock previous = block.previous();
    const int before = previous.isValid() ? previous.userState() : -1;
    const int state = ClassifyLine(text, before == kUnknown ? -1 : before, m_kind, m_classes.data());
    // One format range per run of a class.
    QList<QTextLayout::FormatRange> ranges;
    qsizetype start = n > kLongestColouredLine ? n : 0;
    while (start < n) {
        const TSyntaxClass c = m_classes[size_t(start)];
        qsizetype stop = start + 1;
        while (stop < n && m_classes[size_t(stop)] == c)
            ++stop;
        if (c != TSyntaxClass::Plain)
            ranges.append({int(start), int(stop - start), m_formats[size_t(c)]});
        start = stop;
    }
    QTextLayout *layout = block.layout();
    if (layout->formats() != ranges) {
        layout->setFormats(ranges);
        m_doc->markContentsDirty(block.position(), block.length());
    }
    const bool changed = block.userState() != state;
    block.setUserState(state);
    return changed;
}

void TSyntaxHighlighter::Restart()
{
    m_limit = kFirstBlocks - 1;
    if (!m_doc) {
        m_slices.stop();
        return;
    }
    Reformat(0, m_doc->characterCount());
    if (m_doc->blockCount() > kFirstBlocks) {
        m_slices.start(0);
    } else {
        m_limit = std::numeric_limits<int>::max();
        m_slices.stop();
    }
}

void TSyntaxHighlighter::NextSlice()
{
    QTextDocument *doc = m_doc;
    if (doc && m_sinceEdit.isValid() && m_sinceEdit.elapsed() < kQuietMs) {
        m_slices.start(int(kQuietMs - m_sinceEdit.elapsed()) + 1);
        return;
    }
    m_slices.setInterval(0);
    QElapsedTimer clock;
    clock.start();
    while (doc && m_limit < doc->blockCount() - 1 && clock.elapsed() < kSliceMs) {
        const QTextBlock next = doc->findBlockByNumber(m_limit + 1);
        m_limit += kSliceBlocks;
        // Colours next and the blocks after it up to the new limit.
        const QTextBlock last = doc->findBlockByNumber(std::min(m_limit, doc->blockCount() - 1));
        Reformat(next.position(), last.position());
    }
    if (!doc || m_limit >= doc->blockCount() - 1) {
        m_limit = std::numeric_limits<int>::max();
        m_slices.stop();
    }
}

void TSyntaxHighlighter::Finish()
{
    if (!m_slices.isActive())
        return;
    m_slices.stop();
    const int from = m_limit + 1;
    m_limit = std::numeric_limits<int>::max();
    if (m_doc && from < m_doc->blockCount())
        Reformat(m_doc->findBlockByNumber(from).position(), m_doc->characterCount());
}

void TSyntaxHighlighter::SetKind(TSyntaxKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    Restart();
}

void TSyntaxHighlighter::SetBackground(const QColor &background)
{
    // Relative luminance, as contrast is judged: yellow is light, navy dark.
    auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const double luminance = 0.2126 * lin(background.redF()) + 0.7152 * lin(background.greenF())
                             + 0.0722 * lin(background.blueF());
    const bool dark = luminance < 0.18;
    if (dark == m_dark && m_formats[size_t(TSyntaxClass::Tag)].hasProperty(QTextFormat::ForegroundBrush))
        return;
    m_dark = dark;
    for (const TClassColours &c : kColours) {
        QTextCharFormat f;
        f.setForeground(QColor::fromRgb(dark ? c.dark : c.light));
        if (c.bold)
            f.setFontWeight(QFont::Bold);
        f.setFontItalic(c.italic);
        m_formats[size_t(c.cls)] = f;
    }
    Restart();
}

TSyntaxHighlighter *SyntaxHighlighterOf(const THTMLEdit *editor)
{
    return editor ? editor->findChild<TSyntaxHighlighter *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void ApplySyntaxColouring(THTMLEdit *editor, bool on, const QColor &background)
{
    if (!editor)
        return;
    TSyntaxHighlighter *h = SyntaxHighlighterOf(editor);
    if (!on) {
        delete h; // takes its formats off the document
        return;
    }
    if (!h) {
        h = new TSyntaxHighlighter(editor);
        h->SetKind(editor->property("vellomySyntaxKind").isValid()
                       ? TSyntaxKind(editor->property("vellomySyntaxKind").toInt()) : TSyntaxKind::Html);
        h->SetBackground(background);
        h->setDocument(editor->document());
        return;
    }
    h->SetBackground(background);
}

void SetSyntaxKind(THTMLEdit *editor, TSyntaxKind kind)
{
    if (!editor)
        return;
    // Kept on the editor so that colouring switched on later knows it.
    editor->setProperty("vellomySyntaxKind", int(kind));
    if (TSyntaxHighlighter *h = SyntaxHighlighterOf(editor)) {
        // A new text follows: colour it from its start again (a new kind
        // restarts by itself).
        if (h->Kind() == kind)
            h->Restart();
        else
            h->SetKind(kind);
    }
}
