// Syntax colouring of a source editor: the classes of syntax_rules mapped to
// formats readable on the editor's background.
#pragma once

#include "editor/syntax_rules.h"

#include <QColor>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTimer>

#include <array>
#include <vector>

class THTMLEdit;

class TSyntaxHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit TSyntaxHighlighter(QObject *parent);

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

protected:
    void highlightBlock(const QString &text) override;

private:
    TSyntaxKind m_kind = TSyntaxKind::Html;
    bool m_dark = false;
    std::array<QTextCharFormat, size_t(TSyntaxClass::Count)> m_formats;
    std::vector<TSyntaxClass> m_classes; // reused for every line
    // Blocks after this number are left uncoloured (state kUnknown) until a
    // slice reaches them.
    int m_limit = 0;
    QTimer m_slices;
    void NextSlice();
};

// Switches colouring of editor on or off, for documents of kind, in colours
// readable on background. Changes nothing that is already so.
void ApplySyntaxColouring(THTMLEdit *editor, bool on, const QColor &background);
void SetSyntaxKind(THTMLEdit *editor, TSyntaxKind kind);
// The editor's highlighter, or null while colouring is off.
TSyntaxHighlighter *SyntaxHighlighterOf(const THTMLEdit *editor);
