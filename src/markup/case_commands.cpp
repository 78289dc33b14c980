#include "markup/case_conversion.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "inspector/tag_hand_off.h"

#include <QScopedValueRollback>
#include <QTabWidget>

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
            e->ReplaceText(CaseConversion::ConvertTags(e->Text(), upper));
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
