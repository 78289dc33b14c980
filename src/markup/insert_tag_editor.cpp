// The editor-level half of the insertion engine and of the style-sheet link:
// the plans of insert_tag.cpp and insertion_commands.cpp carried out on a
// THTMLEdit.
#include "editor/htmledit.h"
#include "markup/insert_tag.h"
#include "markup/insertion_commands.h"

#include <QScopedValueRollback>

THTMLEdit *InsertTargetEditor(const TInsertTarget &target)
{
    if (target.openDocCount < 1)
        return nullptr;
    switch (target.shownTab) {
    case EditorTab:
        return target.sourceEditor;
    case TranslatorTab:
        return target.translatorEditor;
    default:
        return nullptr;
    }
}

bool InsertTag(THTMLEdit *editor, const QString &open, const QString &close, int mode,
               const TMarkupStyle &style, bool *sourceSyncGuard)
{
    if (!editor)
        return false;
    const int selLength = editor->SelLength();
    const TInsertion plan = PlanInsertion(open, close, mode, style, editor->SelStart(), selLength,
                                          selLength > 0 ? editor->SelText() : QString());
    bool unused = false;
    QScopedValueRollback<bool> guard(sourceSyncGuard ? *sourceSyncGuard : unused, true);
    editor->SetSelStart(plan.start);
    editor->SetSelLength(plan.replaced);
    editor->SetSelText(plan.text);
    editor->setFocus();
    editor->SetSelStart(plan.caret);
    return true;
}

bool InsertTag(const TInsertTarget &target, const QString &open, const QString &close, int mode,
               const TMarkupStyle &style)
{
    THTMLEdit *editor = InsertTargetEditor(target);
    if (!InsertTag(editor, open, close, mode, style, target.sourceSyncGuard))
        return false;
    // The source editor raises its own caret event after the change; the
    // translator's handling is run here so the inspector follows at once.
    if (editor == target.translatorEditor && target.shownTab == TranslatorTab
        && target.translatorCaretMoved)
        target.translatorCaretMoved();
    return true;
}

bool AttachStyleSheet(THTMLEdit *editor, const QString &href, const TMarkupStyle &style,
                      QString *message)
{
    if (!editor)
        return false;
    const TStyleSheetLink link = PlanStyleSheetLink(editor->Text(), href, style);
    if (!link.ok) {
        if (message)
            *message = link.message;
        return false;
    }
    // Keep what the user had selected on the same characters.
    int selStart = editor->SelStart();
    int selLength = editor->SelLength();
    if (selStart >= link.offset)
        selStart += link.text.size();
    else if (selStart + selLength > link.offset)
        selLength += link.text.size();
    editor->SetSelStart(link.offset);
    editor->SetSelText(link.text);
    editor->SetSelStart(selStart);
    editor->SetSelLength(selLength);
    return true;
}
