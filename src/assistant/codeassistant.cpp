#include "assistant/codeassistant.h"

#include "app/application.h"
#include "app/program_dir.h"
#include "assistant/assist_context.h"
#include "assistant/code_vocabulary.h"
#include "assistant/script_index.h"
#include "documents/document_commands.h"
#include "documents/document_table.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "inspector/tag_hand_off.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTableWidget>
#include <QTextBlock>

using namespace Qt::StringLiterals;

namespace {

const QString kNone = u"žádné"_s;

THTMLEdit *Editor()
{
    return Form2 ? Form2->HTMLEditor1 : nullptr;
}

bool Setting(QCheckBox *TForm13::*control, bool fallback)
{
    return Form13 ? (Form13->*control)->isChecked() : fallback;
}

} // namespace

TCodeassistant::TCodeassistant(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"Codeassistant"_s);
    setAccessibleName(u"Code Filler"_s);
    // Showing the offer must not take the keyboard from the editor.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(258, 98);
    // The black background shows as a one-pixel frame around the list.
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    Grid = new QTableWidget(1, 1, this);
    Grid->setObjectName(u"Grid"_s);
    Grid->setAccessibleName(u"Nabízená slova"_s);
    Grid->setGeometry(1, 1, 256, 96);
    Grid->setFrameShape(QFrame::NoFrame);
    Grid->horizontalHeader()->hide();
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setMinimumSectionSize(16);
    Grid->verticalHeader()->setDefaultSectionSize(16);
    Grid->setColumnWidth(0, 250);
    Grid->setShowGrid(false);
    Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setTabKeyNavigation(false);
    QFont f(u"MS Sans Serif"_s);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(8);
    f.setBold(true);
    Grid->setFont(f);
    Grid->installEventFilter(this);
    connect(Grid, &QTableWidget::cellDoubleClicked, this, [this] { GridDblClick(); });
    ResetList();
}

void TCodeassistant::ResetList()
{
    SetCandidates({});
}

void TCodeassistant::SetCandidates(const QStringList &words)
{
    const QStringList rows = words.isEmpty() ? QStringList{kNone} : words;
    if (rows != m_candidates) {
        m_candidates = rows;
        Grid->setUpdatesEnabled(false);
        Grid->clearContents();
        Grid->setRowCount(int(rows.size()));
        for (int r = 0; r < rows.size(); ++r)
            Grid->setItem(r, 0, new QTableWidgetItem(rows[r]));
        Grid->setUpdatesEnabled(true);
    }
    Grid->setCurrentCell(0, 0);
    Grid->scrollToTop();
}

QStringList TCodeassistant::Candidates() const
{
    return m_candidates;
}

TScriptIndex *TCodeassistant::Index()
{
    THTMLEdit *editor = Editor();
    if (!editor)
        return nullptr;
    if (!m_index || m_index->Document() != editor->document()) {
        delete m_index;
        m_index = new TScriptIndex(editor->document(), this);
    }
    return m_index;
}

void TCodeassistant::ShowCodeAssistant()
{
    THTMLEdit *editor = Editor();
    if (!editor)
        return;
    if (!Setting(&TForm13::Usecodefiller, true)) {
        AssistShowRequest = false;
        return;
    }
    if (editor->SelLength() == 0) {
        const QPoint caret = editor->CaretPos();
        Assist::TContext context;
        context.line = editor->Line(caret.y());
        context.column = caret.x();
        context.scriptFile = Docs.HasDocuments()
                             && Assist::IsScriptFileName(ExtractFileName(DocumentPath(Docs.ActiveFile())));
        TScriptIndex *index = Index();
        context.inScriptBlock = index->InScriptBlock(editor->textCursor().position());
        context.inspectedAttributes = InspectedAttributeNames;
        context.createdWithNew = [index](const QString &name, const QString &type) {
            return index->CreatedWithNew(name, type);
        };
        const QStringList words = Assist::FillCandidates(
            CodeVocabulary, context, Assist::TypedWord(context.line, context.column));
        SetCandidates(words);
        AssistShowRequest = !words.isEmpty();
        if (AssistShowRequest)
            editor->setFocus();
    }
    // Finding the caret's rectangle lays its line out: only a popup that is
    // or will be shown needs it.
    if (AssistShowRequest || isVisible())
        Place();
}

void TCodeassistant::Place()
{
    THTMLEdit *editor = Editor();
    if (!editor)
        return;
    const QRect caret = editor->cursorRect();
    const QPoint below = editor->viewport()->mapToGlobal(caret.bottomLeft());
    QPoint at(below.x() + 24, below.y() + 4);
    if (const QScreen *screen = editor->screen()) {
        // Kept on the screen: above the caret when there is no room below.
        const QRect area = screen->availableGeometry();
        if (at.y() + height() > area.bottom())
            at.setY(editor->viewport()->mapToGlobal(caret.topLeft()).y() - height() - 4);
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
        at.setY(std::max(at.y(), area.top()));
    }
    move(at);
}

void TCodeassistant::SetShown(bool shown)
{
    if (shown) {
        if (!isVisible()) {
            Place();
            show();
        }
        raise();
    } else if (isVisible()) {
        m_listWanted = false;
        hide();
    }
}

void TCodeassistant::FocusList()
{
    m_listWanted = true;
    activateWindow();
    Grid->setFocus();
}

void TCodeassistant::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Some platforms activate every window they show: the user goes on
    // typing in the editor until the list is asked for.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_listWanted && Form2) {
        Form2->activateWindow();
        if (Form2->HTMLEditor1)
            Form2->HTMLEditor1->setFocus();
    }
}

bool TCodeassistant::ListHasFocus() const
{
    return Grid->hasFocus();
}

void TCodeassistant::BackToEditor(bool restoreCaret)
{
    SetShown(false);
    m_listWanted = false;
    THTMLEdit *editor = Editor();
    if (!editor)
        return;
    Form2->activateWindow();
    editor->setFocus();
    if (restoreCaret)
        editor->SetSelStart(LastCaretOffset);
}

void TCodeassistant::InsertCandidate()
{
    THTMLEdit *editor = Editor();
    if (!editor)
        return;
    const QTableWidgetItem *item = Grid->currentItem();
    const TCodeVocabulary::TEntry *entry = item ? CodeVocabulary.FindWord(item->text()) : nullptr;
    const Assist::TInsertStyle style{Setting(&TForm13::Useuppercase, true),
                                     Setting(&TForm13::useparamseparator, true)};
    bool isCheck = false;
    if (entry && entry->KindWord == TCodeVocabulary::TKindWord::HtmlParam && style.paramSeparator) {
        try {
            isCheck = TCodeVocabulary::IsCheckParameter(CheckIndexPath(), entry->Record.Word);
        } catch (const EInOutError &e) {
            ReportIoError(u"Seznam zaškrtávacích parametrů se nepodařilo načíst."_s, e);
        }
    }
    BackToEditor(false);
    if (!entry)
        return; // "žádné", or a word the vocabulary lost meanwhile
    QScopedValueRollback guard(SourceSyncGuard, true);
    editor->SetSelStart(LastCaretOffset);
    const QPoint caret = editor->CaretPos();
    const Assist::TInsertion plan =
        Assist::PlanInsertion(editor->Line(caret.y()), caret.x(), *entry, style, isCheck);
    const int lineStart = editor->LineIndex(caret.y());
    QTextCursor c = editor->textCursor();
    c.setPosition(editor->OffsetToPosition(lineStart + plan.start));
    c.setPosition(editor->OffsetToPosition(lineStart + plan.start + plan.length), QTextCursor::KeepAnchor);
    c.insertText(plan.text);
    c.setPosition(std::max(c.block().position(), c.position() - plan.caretBack));
    editor->setTextCursor(c);
    AssistShowRequest = false;
}

void TCodeassistant::GridDblClick()
{
    InsertCandidate();
}

void TCodeassistant::GridKeyDown(QKeyEvent *event, bool *handled)
{
    *handled = true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        InsertCandidate();
        return;
    case Qt::Key_Escape:
        BackToEditor(false);
        return;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        *handled = false; // the list moves itself
        return;
    case Qt::Key_Up:
        if (Grid->currentRow() <= 0)
            BackToEditor(true);
        else
            *handled = false;
        return;
    case Qt::Key_Home:
        Grid->setCurrentCell(0, 0);
        return;
    case Qt::Key_End:
        Grid->setCurrentCell(Grid->rowCount() - 1, 0);
        return;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return;
    default:
        break;
    }
    // Any other key is the user going on typing: it goes to the editor at
    // the caret the popup was opened for.
    BackToEditor(true);
    if (THTMLEdit *editor = Editor()) {
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                       event->isAutoRepeat(), event->count());
        QCoreApplication::sendEvent(editor, &copy);
    }
}

bool TCodeassistant::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Grid && event->type() == QEvent::KeyPress) {
        bool handled = false;
        GridKeyDown(static_cast<QKeyEvent *>(event), &handled);
        return handled;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusAssistList()
{
    if (!Codeassistant || !Codeassistant->isVisible())
        return;
    Codeassistant->FocusList();
}

bool CodeassistantVisible()
{
    return Codeassistant && Codeassistant->isVisible();
}

void ReloadCodeVocabulary()
{
    try {
        CodeVocabulary.LoadVocabulary(VocabularyPath());
    } catch (const EInOutError &e) {
        ReportIoError(u"Slovní zásobu Code Filleru se nepodařilo načíst."_s, e);
    }
}

QString CheckIndexPath()
{
    return ProgramDir() + u"Data/Taginspektor/checkindex.if"_s;
}
