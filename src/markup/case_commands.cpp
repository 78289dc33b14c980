#include "markup/case_conversion.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "editor/htmledit.h"
#include "editor/undo_history.h"
#include "editor/workarea.h"
#include "inspector/tag_hand_off.h"

#include <QScopedValueRollback>
#include <QTabWidget>

namespace {

// Replaces only the part that differs, so one edit of a long page stays cheap.
void ReplaceWhole(THTMLEdit *editor, const QString &text)
{
    const TTextChange change = DiffTexts(editor->Text(), text);
    if (change.length == 0 && change.replacement.isEmpty())
        return;
    QTextCursor c = editor->textCursor();
    c.setPosition(editor->OffsetToPosition(change.start));
    c.setPosition(editor->OffsetToPosition(change.start + change.length), QTextCursor::KeepAnchor);
    QString r = change.replacement;
    r.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    c.insertText(r);
}

} // namespace

void ConvertTagCase(bool upper)
{
    const int tab = Form2->PageControl1->currentIndex();
    if (tab != 0 && tab != 2)
        return;
    Form2->TakeSnapshot();
    THTMLEdit *e = tab == 0 ? Form2->HTMLEditor1 : Form2->HTMLEditor2;
    {
        QScopedValueRollback guard(SourceSyncGuard, true);
        if (e->SelLength() > 0) {
            const int start = e->SelStart();
            const QString converted = CaseConversion::ConvertTags(e->SelText(), upper);
            e->SetSelText(converted);
            e->SetSelStart(start);
            e->SetSelLength(int(converted.size()));
        } else {
            const int caret = e->SelStart();
            ReplaceWhole(e, CaseConversion::ConvertTags(e->Text(), upper));
            e->SetSelStart(caret);
        }
    }
    Form2->TakeSnapshot();
}

void ChangeTextCase(bool upper)
{
    if (Form2->PageControl1->currentIndex() != 0)
        return;
    THTMLEdit *e = Form2->HTMLEditor1;
    if (e->SelLength() == 0) {
        Dialogs().Information(QStringLiteral("K této operaci je potřeba označit text"));
        return;
    }
    Form2->TakeSnapshot();
    const int start = e->SelStart();
    const QString converted = CaseConversion::ChangeLetters(e->SelText(), upper);
    e->SetSelText(converted);
    e->SetSelStart(start);
    e->SetSelLength(int(converted.size()));
    // The changed text is a state of its own, so one "Zpět" restores the text.
    Form2->TakeSnapshot();
}
