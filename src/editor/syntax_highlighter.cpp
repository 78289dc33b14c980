#include "editor/syntax_highlighter.h"

#include "editor/htmledit.h"

#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <limits>

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

} // namespace

TSyntaxHighlighter::TSyntaxHighlighter(QObject *parent) : QSyntaxHighlighter(parent)
{
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &TSyntaxHighlighter::NextSlice);
    SetBackground(Qt::white);
}

void TSyntaxHighlighter::Restart()
{
    m_limit = kFirstBlocks - 1;
    m_slices.start();
    rehighlight();
}

void TSyntaxHighlighter::NextSlice()
{
    QTextDocument *doc = document();
    QElapsedTimer clock;
    clock.start();
    while (doc && m_limit < doc->blockCount() - 1 && clock.elapsed() < kSliceMs) {
        const QTextBlock next = doc->findBlockByNumber(m_limit + 1);
        m_limit += kSliceBlocks;
        // Colours next and the blocks after it while their end state changes,
        // which runs up to the new limit.
        rehighlightBlock(next);
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
    if (document() && from < document()->blockCount())
        rehighlightBlock(document()->findBlockByNumber(from));
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

void TSyntaxHighlighter::highlightBlock(const QString &text)
{
    if (currentBlock().blockNumber() > m_limit) {
        setCurrentBlockState(kUnknown);
        return;
    }
    const qsizetype n = text.size();
    if (m_classes.size() < size_t(n))
        m_classes.resize(size_t(n) + 256);
    const int before = previousBlockState();
    setCurrentBlockState(ClassifyLine(text, before == kUnknown ? -1 : before, m_kind, m_classes.data()));
    // One format call per run of a class.
    qsizetype start = 0;
    while (start < n) {
        const TSyntaxClass c = m_classes[size_t(start)];
        qsizetype end = start + 1;
        while (end < n && m_classes[size_t(end)] == c)
            ++end;
        if (c != TSyntaxClass::Plain)
            setFormat(int(start), int(end - start), m_formats[size_t(c)]);
        start = end;
    }
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
        h->Restart();
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
        h->SetKind(kind);
        // A new text follows: colour it from its start again.
        h->Restart();
    }
}
