#include "editor/workarea.h"

#include "app/application.h"
#include "app/program_dir.h"
#include "assistant/codeassistant.h"
#include "colours/html_colour.h"
#include "colours/palette.h"
#include "conversion/codec.h"
#include "conversion/text_file.h"
#include "documents/document_table.h"
#include "documents/document_commands.h"
#include "documents/durable_file.h"
#include "documents/working_copy_writer.h"
#include "editor/htmledit.h"
#include "editor/keyboard_state.h"
#include "editor/line_gutter.h"
#include "inspector/tag_hand_off.h"
#include "inspector/taginsp_panel.h"
#include "markup/insert_tag_program.h"
#include "markup/insertion_commands.h"
#include "settings/userconfig.h"
#include "app/dialogs.h"
#include "errorreport/io_error.h"
#include "preview/refreshable_preview.h"
#include "preview/web_browser.h"
#include "translator/dhtml_safe.h"
#include "translator/html_translator.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPanelWidths[8] = {50, 80, 90, 50, 70, 70, 40, 0};

void SetBevel(QLabel *panel, bool lowered)
{
    // The tick sets the key panels twenty times a second: only a change repaints.
    const int style = QFrame::Panel | (lowered ? QFrame::Sunken : QFrame::Raised);
    if (panel->frameStyle() != style)
        panel->setFrameStyle(style);
}

} // namespace

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Pracovní Plocha"));
    setAccessibleName(windowTitle());

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    // Special characters: codes 33..255 of the program's code page.
    StringGrid2 = new QTableWidget(1, 0, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setAccessibleName(QStringLiteral("Speciální znaky"));
    StringGrid2->horizontalHeader()->hide();
    StringGrid2->verticalHeader()->hide();
    // Columns after the headers are hidden: a shown header measures the
    // label of every one of the 223 sections.
    StringGrid2->setColumnCount(223);
    StringGrid2->horizontalHeader()->setMinimumSectionSize(20);
    StringGrid2->horizontalHeader()->setDefaultSectionSize(20);
    StringGrid2->verticalHeader()->setDefaultSectionSize(20);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid2->setFixedHeight(20 + 2 * StringGrid2->frameWidth()
                                + StringGrid2->horizontalScrollBar()->sizeHint().height());
    for (int c = 0; c < 223; ++c) {
        auto *item = new QTableWidgetItem(CharacterBarCharacter(c));
        item->setTextAlignment(Qt::AlignCenter);
        StringGrid2->setItem(0, c, item);
    }
    outer->addWidget(StringGrid2);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    outer->addWidget(PageControl1, 1);

    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    Vizual = new QWidget;
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Editor HTML"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Náhled (Chromium)"));
    PageControl1->addTab(Vizual, QStringLiteral("HTML Translator"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Nápověda HTML"));

    // Tab 0: gutter and editor.
    HTMLEditor1 = new THTMLEdit(TabSheet1);
    HTMLEditor1->setObjectName(QStringLiteral("HTMLEditor1"));
    HTMLEditor1->setAccessibleName(QStringLiteral("Editor HTML"));
    QFont f1 = HTMLEditor1->font();
    f1.setFamily(QStringLiteral("Monospace"));
    f1.setStyleHint(QFont::TypeWriter);
    f1.setPointSize(10);
    HTMLEditor1->setFont(f1);
    HTMLEditor1->SetWantTabs(true);
    Gutter = new TLineGutter(HTMLEditor1, TabSheet1);
    Gutter->Bookmarks = [] {
        return Docs.HasDocuments() ? Docs.Active().Bookmarks
                                   : std::array<int, 10>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    };
    connect(Gutter, &TLineGutter::Pressed, this, &TForm2::GutterPressed);
    PopupMenu1 = new QMenu(this);
    static const char *popupNames[] = {"Bookmark01", "Bookmark02", "Bookmark03", "Bookmark04",
                                       "Bookmark05", "Bookmark06", "Bookmark07", "Bookmark08",
                                       "Bookmar91", "Bookmark91"};
    for (int n = 0; n < 10; ++n) {
        QAction *a = PopupMenu1->addAction(QStringLiteral("Záložka %1").arg(n), this, [this, n] { ToggleBookmark(n); });
        a->setObjectName(QString::fromLatin1(popupNames[n]));
        a->setCheckable(true);
        PopupBookmarks << a;
    }
    auto *tab0 = new QVBoxLayout(TabSheet1);
    tab0->setContentsMargins(0, 0, 0, 0);
    tab0->setSpacing(0);
    auto *editorRow = new QHBoxLayout;
    editorRow->setSpacing(0);
    editorRow->addWidget(Gutter);
    editorRow->addWidget(HTMLEditor1, 1);
    tab0->addLayout(editorRow, 1);

    // Colours and bookmarks along the bottom of the editor.
    ToolBar1 = new QToolBar(QStringLiteral("Barvy a Záložky"), TabSheet1);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(14, 14));
    const auto addButton = [this](const QString &name, const QString &hint, const QIcon &icon,
                                  const QString &text) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        if (!icon.isNull())
            b->setIcon(icon);
        else
            b->setText(text);
        b->setAutoRaise(true);
        ToolBar1->addWidget(b);
        return b;
    };
    const auto swatch = [](const QColor &c) {
        QPixmap pm(14, 14);
        pm.fill(c);
        QPainter p(&pm);
        p.setPen(QColor(0x60, 0x60, 0x60)); // white needs an edge on a light bar
        p.drawRect(0, 0, 13, 13);
        return QIcon(pm);
    };
    QToolButton *custom = addButton(QStringLiteral("SpeedButton1"), QStringLiteral("Vlastní barva..."),
                                    QIcon(), QStringLiteral("…"));
    connect(custom, &QToolButton::clicked, this, &TForm2::CustomColourClick);
    ColourButtons << custom;
    QToolButton *palette = addButton(QStringLiteral("SpeedButton17"), QStringLiteral("Vložit barvu z palety"),
                                     QIcon(), QStringLiteral("P"));
    connect(palette, &QToolButton::clicked, this, [] { ShowPaletteWindow(QStringLiteral("Rich")); });
    ColourButtons << palette;
    // Each button inserts its colour's HTML name.
    struct Named { const char *button; QRgb rgb; };
    static const Named named[] = {
        {"SpeedButton2", 0x000000},  {"SpeedButton3", 0xFFFFFF},  {"SpeedButton5", 0x0000FF},
        {"SpeedButton16", 0xFF00FF}, {"SpeedButton15", 0x808080}, {"SpeedButton14", 0x008000},
        {"SpeedButton13", 0x00FF00}, {"SpeedButton12", 0x800000}, {"SpeedButton11", 0x000080},
        {"SpeedButton10", 0x808000}, {"SpeedButton9", 0x800080},  {"SpeedButton8", 0xFF0000},
        {"SpeedButton7", 0xC0C0C0},  {"SpeedButton6", 0x008080},  {"SpeedButton4", 0xFFFF00},
    };
    for (const Named &n : named) {
        const QColor colour = QColor::fromRgb(n.rgb);
        const QString name = ColorToHtml(ToTColor(colour));
        QToolButton *b = addButton(QString::fromLatin1(n.button), name, swatch(colour), name);
        connect(b, &QToolButton::clicked, this, [this, name] { ColourButtonClick(name); });
        ColourButtons << b;
    }
    ToolBar1->addSeparator();
    ToolBar1->addWidget(new QLabel(QStringLiteral(" Záložky: "), ToolBar1));
    static const char *bookmarkButtons[] = {"SpeedButton19", "SpeedButton20", "SpeedButton21",
                                            "SpeedButton22", "SpeedButton23", "SpeedButton24",
                                            "SpeedButton25", "SpeedButton27", "SpeedButton26",
                                            "SpeedButton29"};
    for (int i = 0; i < 10; ++i) {
        QToolButton *b = addButton(QString::fromLatin1(bookmarkButtons[i]), QStringLiteral("Záložka %1").arg(i),
                                   QIcon(), QString::number(i));
        QFont f(QStringLiteral("Comic Sans MS"));
        f.setBold(true);
        b->setFont(f);
        connect(b, &QToolButton::clicked, this, [this, i] { GoToBookmark(i); });
        BookmarkButtons << b;
    }
    tab0->addWidget(ToolBar1);

    {
        QScopedValueRollback loading(Docs.DocStates[0].Loading, true);
        HTMLEditor1->ClearLines();
        HTMLEditor1->AddLine(InactiveWorkspaceText());
        HTMLEditor1->SetModified(false);
    }
    ReloadCodeVocabulary();

    // Tab 1: preview of the working copy.
    WebBrowser1 = new TWebBrowser(TabSheet2);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    auto *tab1 = new QVBoxLayout(TabSheet2);
    tab1->setContentsMargins(0, 0, 0, 0);
    tab1->addWidget(WebBrowser1);

    // Tab 2: the translator's code editor, laid out with the visual editor.
    HTMLEditor2 = new THTMLEdit(Vizual);
    HTMLEditor2->setObjectName(QStringLiteral("HTMLEditor2"));
    HTMLEditor2->setAccessibleName(QStringLiteral("Kód HTML Translatoru"));
    QFont f2 = f1;
    f2.setPointSize(8);
    HTMLEditor2->setFont(f2);
    HTMLEditor2->SetWantTabs(true);
    HTMLEditor2->SetText(QStringLiteral(";;Firsttouchvellie;;"));
    // The rest of the tab is built when it is first shown (see EnsureTranslator).
    auto *tab2 = new QHBoxLayout(Vizual);
    tab2->setContentsMargins(0, 0, 0, 0);

    // Tab 3: HTML help.
    WebBrowser2 = new TWebBrowser(TabSheet3);
    WebBrowser2->setObjectName(QStringLiteral("WebBrowser2"));
    auto *tab3 = new QVBoxLayout(TabSheet3);
    tab3->setContentsMargins(0, 0, 0, 0);
    tab3->addWidget(WebBrowser2);
    WebBrowser2->Navigate(ProgramDir() + QStringLiteral("Help/index.htm"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(true);
    const QString initial[8] = {QString(), QString(), QString(), QStringLiteral("Insert"),
                                QStringLiteral("Caps-Lock"), QStringLiteral("Num-Lock"),
                                QStringLiteral("CZ"),
                                QStringLiteral("Pro kontextovou nápovědu stiskněte F1 nad hledáným tagem")};
    for (int i = 0; i < 8; ++i) {
        auto *panel = new QLabel(initial[i], StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // Filled by itself, so a new caret position repaints only the panel.
        panel->setAutoFillBackground(true);
        SetBevel(panel, false);
        if (kPanelWidths[i] > 0)
            panel->setFixedWidth(kPanelWidths[i]);
        else // the hint panel gives way on a narrow window
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        StatusBar1->addWidget(panel, kPanelWidths[i] > 0 ? 0 : 1);
        m_panels << panel;
    }
    outer->addWidget(StatusBar1);

    PageControl1->setEnabled(false);

    connect(HTMLEditor1, &QPlainTextEdit::textChanged, this, &TForm2::HTMLEditor1Change);
    connect(HTMLEditor1, &THTMLEdit::OnSelectionChange, this, &TForm2::HTMLEditor1SelectionChange);
    connect(HTMLEditor1, &THTMLEdit::OnKeyDown, this, &TForm2::HTMLEditor1KeyDown);
    connect(HTMLEditor2, &THTMLEdit::OnKeyDown, this, &TForm2::Keydownhandler);
    // The inspector follows the translator's code editor too.
    connect(HTMLEditor2, &THTMLEdit::OnSelectionChange, this, [this] {
        if (!SourceSyncGuard)
            RefreshInspector(HTMLEditor2);
    });
    // A tab picked by the user runs the tab-change handling; the program's
    // own tab changes (opening, F1) do not.
    connect(PageControl1, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index != PageControl1->currentIndex()) {
            PageControl1->setCurrentIndex(index);
            PageControl1Change(index);
        }
    });
    // Any way the translator's tab comes up (a click, a command, the program).
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == TranslatorTab)
            EnsureTranslator();
    });
    connect(StringGrid2, &QTableWidget::cellClicked, this, [this](int, int column) { StringGrid2SelectCell(column); });

    // The window sees every key before the focused control.
    qApp->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(40);
    connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
    Timer1->start();

    Timer2 = new QTimer(this);
    Timer2->setInterval(50);
    connect(Timer2, &QTimer::timeout, this, &TForm2::Timer2Timer);
    Timer2->start();
    ResetHistory();
}

TForm2::~TForm2()
{
    qApp->removeEventFilter(this);
}

QLabel *TForm2::Panel(int index) const
{
    return m_panels.value(index);
}

void TForm2::SetPanelText(int index, const QString &text)
{
    QLabel *p = Panel(index);
    if (p && p->text() != text)
        p->setText(text);
}

QString TForm2::PanelText(int index) const
{
    const QLabel *p = Panel(index);
    return p ? p->text() : QString();
}

void TForm2::Ulozsoubor(const QString &wcPath)
{
    const Codec::TextEncoding encoding =
        Docs.HasDocuments() ? Docs.Active().Encoding : Codec::TextEncoding::Windows1250;
    // Straight from the editor's own text: no list of lines, no CR LF copy.
    // After any write of it the writer thread still has under way.
    WorkingCopyWriter::WriteNow(wcPath, Codec::EncodeEditorText(HTMLEditor1->RawText(), encoding));
    if (Docs.HasDocuments() && wcPath == Docs.ActiveFile()) {
        WorkingCopyStale = false;
        WorkingCopyAgeMs = 0;
    }
}

void TForm2::SetGutterVisible(bool visible)
{
    Gutter->setVisible(visible);
}

bool TForm2::GutterVisible() const
{
    return !Gutter->isHidden();
}

void TForm2::FormResize()
{
    // The tab contents follow the window through their layouts.
}

void TForm2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

THTMLTranslator *TForm2::EnsureTranslator()
{
    if (!Translator) {
        Translator = new THTMLTranslator(HTMLEditor2, Vizual);
        Vizual->layout()->addWidget(Translator);
    }
    return Translator;
}

void TForm2::PageControl1Change(int index)
{
    if (Docs.HasDocuments()) {
        try {
            Ulozsoubor(Docs.ActiveFile());
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Pracovní kopii se nepodařilo zapsat."), e);
        }
    }
    LastTag1.clear();
    LastTag2.clear();
    ClearInspector();
    if (index == 1 && Docs.HasDocuments())
        WebBrowser1->Navigate(Docs.ActiveFile());
    if (index != 2)
        return;
    EnsureTranslator()->ResetBodySettings();
    FormResize();
    bool firstEntry = false;
    {
        QScopedValueRollback guard(TranslatorGuard, true);
        // The translator's editor starts with a marker until it is first shown.
        firstEntry = HTMLEditor2->Line(0) == QStringLiteral(";;Firsttouchvellie;;");
        if (firstEntry)
            HTMLEditor2->SetLine(0, QStringLiteral("<P>&nbsp;</P>"));
        if (HTMLEditor1->SelLength() > 0 && !HTMLEditor1->Overwrite())
            HTMLEditor2->SetText(HTMLEditor1->SelText());
        HTMLEditor2->setFocus();
        if (HTMLEditor2->Overwrite())
            HTMLEditor2->SetSelLength(1);
    }
    // The visual editor shows the first paragraph on the BODY colours at once.
    if (firstEntry)
        Translator->PushCodeToVisual();
}

void TForm2::ShowLength()
{
    SetPanelText(2, QStringLiteral("Délka: ") + QString::number(HTMLEditor1->TextLength()));
}

void TForm2::HTMLEditor1Change()
{
    UndoIdleMs = 0;
    if (!Docs.DocStates[0].Loading) {
        WorkingCopyStale = true;
        if (HTMLEditor1->CaretPos().y() == HTMLEditor1->LastCaretLine()) {
            // Typing on the caret's line refreshes the offer; deleting, a
            // tab and the program's own edits do not.
            if (!SourceSyncGuard && HTMLEditor1->TextLength() >= LastTextLength && !TabPressed
                && Codeassistant)
                Codeassistant->ShowCodeAssistant();
            TabPressed = false;
        } else {
            AssistShowRequest = false;
        }
        LastTextLength = HTMLEditor1->TextLength();
        FocusReturnTicks = 10;
        const int tabSize = Form13 ? Form13->tabulsize->text().toInt() : 5;
        if (TabReplacePending && tabSize != 8) {
            TabReplacePending = false;
            // Only a tab just typed is turned into spaces.
            const int caret = HTMLEditor1->SelStart();
            const QPoint at = HTMLEditor1->CaretPos();
            const QString line = HTMLEditor1->Line(at.y());
            if (at.x() > 0 && line[at.x() - 1] == u'\t') {
                QScopedValueRollback loading(Docs.DocStates[0].Loading, true);
                QTextCursor c = HTMLEditor1->textCursor();
                c.setPosition(HTMLEditor1->OffsetToPosition(caret));
                c.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
                c.insertText(QString(std::max(tabSize, 0) + 1, u' '));
                HTMLEditor1->setTextCursor(c);
            }
        }
        if (Docs.HasDocuments()) {
            if (Form8 && Form8->isVisible())
                Form8->ScheduleRefresh();
            Docs.Active().Modified = true;
            Docs.Active().CaretPos = HTMLEditor1->SelStart();
        }
    } else {
        // A text the program loads is the measure for the next keystroke.
        LastTextLength = HTMLEditor1->TextLength();
    }
    ShowModifiedMark();
    ShowLength();
}

void TForm2::ShowModifiedMark()
{
    SetPanelText(1, Docs.HasDocuments() && Docs.Active().Modified ? QStringLiteral("Změněn") : QString());
}

void TForm2::HTMLEditor1SelectionChange()
{
    QScopedValueRollback guard(GutterSyncGuard, true);
    if (Codeassistant)
        Codeassistant->SetShown(AssistShowRequest);
    AssistShowRequest = false;
    // The block caret follows the caret in overwrite mode.
    if (HTMLEditor1->Overwrite() && HTMLEditor1->SelLength() == 0)
        HTMLEditor1->SetSelLength(1);
    if (HTMLEditor1->SelLength() > 0) {
        ClearInspector();
        LastTag1.clear();
    }
    if (SkipCaretHandlingOnce) {
        SkipCaretHandlingOnce = false;
        return;
    }
    Gutter->FollowCaret();
    if (SourceSyncGuard || CodeassistantVisible())
        return;
    const QPoint caret = HTMLEditor1->CaretPos();
    SetPanelText(0, QString::number(caret.y() + 1) + QStringLiteral(": ") + QString::number(caret.x() + 1));
    RefreshInspector(HTMLEditor1);
}

void TForm2::HTMLEditor1KeyDown(QKeyEvent *event, bool *handled)
{
    const int key = event->key();
    if (CodeassistantVisible() && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        // Enter takes the offered word; no line break is typed.
        Codeassistant->InsertCandidate();
        *handled = true;
        return;
    }
    if (CodeassistantVisible() && key == Qt::Key_Down && !(event->modifiers() & Qt::ShiftModifier)) {
        // Down goes into the list at its second word; the caret stays.
        LastCaretOffset = HTMLEditor1->SelStart();
        if (Codeassistant->Grid->rowCount() > 1)
            Codeassistant->Grid->setCurrentCell(1, 0);
        FocusAssistList();
        *handled = true;
        return;
    }
    if (key == Qt::Key_Left && HTMLEditor1->Overwrite() && !(event->modifiers() & Qt::ShiftModifier)) {
        // The block steps back one character.
        const int s = HTMLEditor1->SelStart();
        HTMLEditor1->SetSelStart(std::max(0, s - 1));
        HTMLEditor1->SetSelLength(1);
        *handled = true;
        return;
    }
    if (key == Qt::Key_Escape) {
        if (Codeassistant)
            Codeassistant->SetShown(false);
        HTMLEditor1->setFocus();
    }
    if (key == Qt::Key_Backspace && (event->modifiers() & Qt::AltModifier)) {
        Zpt1Click();
        *handled = true;
        return;
    }
    ShiftCtrlHeld = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    // A tab that moves the focus types nothing, so there is nothing to replace.
    if (key == Qt::Key_Tab && !HTMLEditor1->tabChangesFocus())
        TabReplacePending = true;
    LastCaretOffset = HTMLEditor1->SelStart();
}

void TForm2::Keydownhandler(QKeyEvent *event, bool *handled)
{
    if (event->key() == Qt::Key_Left && HTMLEditor2->Overwrite() && !(event->modifiers() & Qt::ShiftModifier)) {
        const int s = HTMLEditor2->SelStart();
        HTMLEditor2->SetSelStart(std::max(0, s - 1));
        HTMLEditor2->SetSelLength(1);
        *handled = true;
    }
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        // Deliveries to parents after the focused widget ignored a key are not
        // new key presses.
        if (watched == QApplication::focusWidget() || !QApplication::focusWidget())
            return FormKeyDown(static_cast<QKeyEvent *>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool TForm2::FormKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && (event->modifiers() & Qt::ControlModifier)) {
        // The space the combination types is dropped; the completion list
        // opens when there is something to offer.
        SwallowNextChar = true;
        if (Codeassistant && PageControl1->currentIndex() == 0 && Docs.HasDocuments()) {
            Codeassistant->ShowCodeAssistant();
            Codeassistant->SetShown(AssistShowRequest);
            AssistShowRequest = false;
        }
        return false;
    }
    if (event->key() == Qt::Key_Tab)
        TabPressed = true;
    if (event->key() == Qt::Key_F1) {
        WebBrowser2->Navigate(QStringLiteral("file:///") + ProgramDir() + QStringLiteral("Help/index.htm#")
                              + HelpKeywordAtCaret());
        PageControl1->setCurrentIndex(3);
        return true;
    }
    return false;
}

QString KeywordAround(const QString &line, int column)
{
    const auto delimiter = [](QChar ch) {
        return ch == u' ' || ch == u'<' || ch == u'>' || ch == u'/';
    };
    column = std::clamp(column, 0, int(line.size()));
    int start = column;
    while (start > 0 && !delimiter(line[start - 1]))
        --start;
    int end = column;
    while (end < line.size() && !delimiter(line[end]))
        ++end;
    return line.mid(start, end - start);
}

QString TForm2::HelpKeywordAtCaret() const
{
    const int tab = PageControl1->currentIndex();
    const THTMLEdit *editor = tab == 0 ? HTMLEditor1 : tab == 2 ? HTMLEditor2 : nullptr;
    if (!editor)
        return {};
    const QPoint caret = editor->CaretPos();
    return KeywordAround(editor->Line(caret.y()), caret.x());
}

void TForm2::StringGrid2SelectCell(int column)
{
    if (column < 0 || column >= 223)
        return;
    InsertTag(CharacterBarReference(column), QString(), 0);
}

void TForm2::ColourButtonClick(const QString &colourName)
{
    InsertTag(colourName, QString(), 0);
}

void TForm2::CustomColourClick()
{
    const auto colour = Dialogs().GetColor(Qt::white);
    if (!colour)
        return;
    const int tab = PageControl1->currentIndex();
    if (tab != 0 && tab != 2)
        return;
    InsertTag(ColorToHtml(ToTColor(colour->toRgb())), QString(), 0);
}

bool TForm2::PanelLowered(int index) const
{
    const QLabel *p = Panel(index);
    return p && (p->frameShadow() == QFrame::Sunken);
}

void TForm2::Timer1Timer()
{
    if (HTMLEditor1->SelLength() > 0 && !HTMLEditor1->Overwrite() && Codeassistant)
        Codeassistant->SetShown(false);
    FocusReturnTicks = std::max(0, FocusReturnTicks - 1);
    // Typing right after a click into the refreshable preview goes on in the
    // editor: the focus is handed back directly, the pointer stays put.
    if (!HTMLEditor1->hasFocus() && FocusReturnTicks > 0 && Form8
        && QApplication::activeWindow() == Form8) {
        activateWindow();
        HTMLEditor1->setFocus(Qt::OtherFocusReason);
    }
    SetBevel(Panel(3), HTMLEditor1->Overwrite());
    SetBevel(Panel(4), KeyboardState::CapsLock().value_or(false));
    SetBevel(Panel(5), KeyboardState::NumLock().value_or(false));
    const QString language = KeyboardState::LayoutLanguage();
    if (!language.isEmpty())
        SetPanelText(6, language);
}

void TForm2::ResetHistory()
{
    UndoHistory.Reset();
    emit UndoAvailable(false);
}

void TForm2::TakeSnapshot()
{
    const int length = Form13 ? Form13->Historylength->text().toInt() : 10;
    // The editor's own form of its text, which it keeps until the next
    // change: the newest snapshot shares it instead of being a second copy.
    if (UndoHistory.TakeSnapshot(HTMLEditor1->RawText(), HTMLEditor1->SelStart(), length))
        emit UndoAvailable(UndoHistory.CanUndo());
}

void TForm2::Timer2Timer()
{
    // Only "more than 400 ms" matters: the count stops growing there.
    UndoIdleMs = std::min(UndoIdleMs + 50, 1000);
    if (UndoIdleMs > 400 && HTMLEditor1->Modified()) {
        TakeSnapshot();
        HTMLEditor1->SetModified(false);
        UndoIdleMs = 0;
    }
    // The working copy follows at each pause, and every 450 ms while the
    // typing goes on without one.
    if (WorkingCopyStale) {
        WorkingCopyAgeMs += 50;
        if (UndoIdleMs == 0 || UndoIdleMs > 400 || WorkingCopyAgeMs >= 450)
            WriteWorkingCopyAtPause();
    }
}

void TForm2::WriteWorkingCopyAtPause()
{
    // What was typed survives the program's sudden end: the working copy is
    // the text offered back at the next open. Written at a pause, never per
    // keystroke.
    if (!Docs.HasDocuments() || Docs.DocStates[0].Loading)
        return;
    try {
        Ulozsoubor(Docs.ActiveFile());
    } catch (const EInOutError &) {
        // The next explicit save or switch reports the failure; a pause must
        // not interrupt typing with a message.
        WorkingCopyAgeMs = 0;
    }
}

void TForm2::UndoStep()
{
    const auto state = UndoHistory.UndoStep();
    if (!state)
        return;
    QScopedValueRollback guard(SourceSyncGuard, true);
    UndoIdleMs = 0;
    HTMLEditor1->ReplaceRawText(state->Text);
    HTMLEditor1->SetModified(false);
    HTMLEditor1->SetSelStart(state->Caret);
    HTMLEditor1->ScrollCaret();
    HTMLEditor1->setFocus();
    if (UndoHistory.UndoPos() == 0) {
        if (Docs.HasDocuments())
            Docs.Active().Modified = false;
        SetPanelText(1, QString());
        emit UndoAvailable(false);
    }
}

void TForm2::Zpt1Click()
{
    if (PageControl1->currentIndex() == 2) {
        if (HTMLEditor2->hasFocus())
            HTMLEditor2->undo();
        else if (Translator && Translator->DHTMLEdit1->HasFocus())
            Translator->DHTMLEdit1->ExecCommand(DECMD::UNDO);
        return;
    }
    UndoStep();
}

void TForm2::GoToLine(int n)
{
    const int offset = HTMLEditor1->LineIndex(n - 1);
    if (offset < 0)
        return; // past the end of the text: nothing moves
    HTMLEditor1->SetSelStart(offset);
    HTMLEditor1->ScrollCaret();
    if (PageControl1->isEnabled())
        HTMLEditor1->setFocus();
}

void TForm2::GoToBookmark(int n)
{
    if (!Docs.HasDocuments() || n < 0 || n > 9)
        return;
    const int line = Docs.Active().Bookmarks[n];
    if (line != -1)
        GoToLine(line);
}

void TForm2::PlaceBookmark(int n, int line)
{
    if (line == -5 || !Docs.HasDocuments())
        return;
    auto &marks = Docs.Active().Bookmarks;
    for (int &m : marks) {
        if (m == line)
            m = -1;
    }
    marks[n] = line;
}

void TForm2::ToggleBookmark(int n)
{
    if (!Docs.HasDocuments())
        return;
    auto &marks = Docs.Active().Bookmarks;
    if (marks[n] != -1 && marks[n] == ClickedLine)
        marks[n] = -1;
    else
        PlaceBookmark(n, ClickedLine);
    Gutter->update();
}

void TForm2::GutterPressed(Qt::MouseButton button, int line, const QPoint &globalPos)
{
    for (int n = 0; n < 10; ++n)
        PopupBookmarks[n]->setChecked(Docs.HasDocuments() && Docs.Active().Bookmarks[n] != -1);
    ClickedLine = line;
    if (button == Qt::RightButton) {
        PopupMenu1->popup(globalPos);
        return;
    }
    if (!GutterSyncGuard && line != -5 && Gutter->isEnabled())
        GoToLine(line);
}
