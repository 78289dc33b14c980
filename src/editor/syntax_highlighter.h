// Syntax colouring of a source editor: the classes of syntax_rules mapped to
// formats readable on the editor's background.
#pragma once

#include "editor/syntax_rules.h"

#include <QColor>
#include <QElapsedTimer>
#include <QPointer>
#include <QTextCharFormat>
#include <QTimer>

#include <array>
#include <vector>

class QTextBlock;
class QTextDocument;
class THTMLEdit;

// Colours the lines of one document through their layouts' formats, each
// line from the state the line before it ended in (kept as the block's user
// state). Only lines a change touched are coloured again, and after them
// only while their end state changes; a page's lines past the first
// thousand follow in short slices while the user does not type.
class TSyntaxHighlighter : public QObject
{
    Q_OBJECT

public:
    explicit TSyntaxHighlighter(QObject *parent);
    ~TSyntaxHighlighter() override;

    // Colours document (none: takes the colours off the one coloured now).
    void setDocument(QTextDocument *document);
    QTextDocument *document() const { return m_doc; }

    TSyntaxKind Kind() const { return m_kind; }
    void SetKind(TSyntaxKind kind);
    // Picks the light or dark palette by the background's lightness.
    void SetBackground(const QColor &background);
    const QTextCharFormat &Format(TSyntaxClass c) const { return m_formats[size_t(c)]; }

    // Colours the document anew: the first blocks at once, the rest in
    // short slices from the event loop, so a long page opens without waiting.
    void Restart();
    // Whether every block has been coloured (no slice is pending).
    bool Complete() const { return !m_slices.isActive(); }
    // Colours everything still pending at once.
    void Finish();

private:
    void Changed(int position, int removed, int added);
    // Colours the lines from the one holding from through the one holding
    // end, then the following ones while their end state changes, never past
    // the limit.
    void Reformat(int from, int end);
    // Colours one line; returns whether its end state changed.
    bool ColourBlock(QTextBlock &block);
    void ClearFormats();
    void NextSlice();

    QPointer<QTextDocument> m_doc;
    bool m_busy = false;       // our own format changes are not edits
    QElapsedTimer m_sinceEdit; // slices wait while the user types
    TSyntaxKind m_kind = TSyntaxKind::Html;
    bool m_dark = false;
    std::array<QTextCharFormat, size_t(TSyntaxClass::Count)> m_formats;
    std::vector<TSyntaxClass> m_classes; // reused for every line
    // Blocks after this number are left uncoloured (state kUnknown) until a
    // slice reaches them.
    int m_limit = 0;
    QTimer m_slices;
};

// Switches colouring of editor on or off, for documents of kind, in colours
// readable on background. Changes nothing that is already so.
void ApplySyntaxColouring(THTMLEdit *editor, bool on, const QColor &background);
void SetSyntaxKind(THTMLEdit *editor, TSyntaxKind kind);
// The editor's highlighter, or null while colouring is off.
TSyntaxHighlighter *SyntaxHighlighterOf(const THTMLEdit *editor);
