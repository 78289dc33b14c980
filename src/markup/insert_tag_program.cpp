#include "markup/insert_tag_program.h"

#include "app/application.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "inspector/tag_hand_off.h"
#include "markup/insert_tag.h"
#include "settings/userconfig.h"
#include "translator/html_translator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

TMarkupStyle CurrentMarkupStyle()
{
    TMarkupStyle style;
    if (!Form13)
        return style;
    style.upperCase = Form13->Useuppercase->isChecked();
    style.useStrong = Form13->usestrong->isChecked();
    style.useEm = Form13->useem->isChecked();
    style.slashEnd = Form13->usedivonendoftag->isChecked();
    style.alignCentreOpen = Form13->aligncenter1->text();
    style.alignCentreClose = Form13->aligncenter2->text();
    return style;
}

void InsertTag(const QString &open, const QString &close, int mode)
{
    if (!Form2)
        return;
    TInsertTarget target;
    target.shownTab = Form2->PageControl1->currentIndex();
    target.sourceEditor = Form2->HTMLEditor1;
    target.translatorEditor = Form2->HTMLEditor2;
    target.openDocCount = Docs.OpenDocCount;
    target.sourceSyncGuard = &SourceSyncGuard;
    target.translatorCaretMoved = [] {
        if (Form2 && Form2->Translator)
            Form2->Translator->HTMLEditor2SelectionChange();
    };
    InsertTag(target, open, close, mode, CurrentMarkupStyle());
}
