#include "editor/workarea.h"

#include "app/application.h"
#include "app/program_dir.h"
#include "conversion/codec.h"
#include "conversion/text_file.h"
#include "documents/document_table.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/line_gutter.h"
#include "errorreport/io_error.h"
#include "preview/web_browser.h"

#include <QApplication>
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
    panel->setFrameStyle(QFrame::Panel | (lowered ? QFrame::Sunken : QFrame::Raised));
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
    StringGrid2 = new QTableWidget(1, 223, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setAccessibleName(QStringLiteral("Speciální znaky"));
    StringGrid2->horizontalHeader()->hide();
    StringGrid2->verticalHeader()->hide();
    StringGrid2->horizontalHeader()->setMinimumSectionSize(20);
    StringGrid2->horizontalHeader()->setDefaultSectionSize(20);
    StringGrid2->verticalHeader()->setDefaultSectionSize(20);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid2->setFixedHeight(20 + 2 * StringGrid2->frameWidth()
                                + StringGrid2->horizontalScrollBar()->sizeHint().height());
    for (int c = 0; c < 223; ++c) {
        auto *item = new QTableWidgetItem(QString(QChar(Codec::Win1250ToUnicode(static_cast<unsigned char>(c + 33)))));
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
    auto *tab0 = new QHBoxLayout(TabSheet1);
    tab0->setContentsMargins(0, 0, 0, 0);
    tab0->setSpacing(0);
    tab0->addWidget(Gutter);
    tab0->addWidget(HTMLEditor1, 1);

    {
        QScopedValueRollback loading(Docs.DocStates[0].Loading, true);
        HTMLEditor1->ClearLines();
        HTMLEditor1->AddLine(InactiveWorkspaceText());
        HTMLEditor1->SetModified(false);
    }

    // Tab 1: preview of the working copy.
    WebBrowser1 = new TWebBrowser(TabSheet2);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    auto *tab1 = new QVBoxLayout(TabSheet2);
    tab1->setContentsMargins(0, 0, 0, 0);
    tab1->addWidget(WebBrowser1);

    // Tab 2: the translator's code editor; its visual half comes with the translator.
    HTMLEditor2 = new THTMLEdit(Vizual);
    HTMLEditor2->setObjectName(QStringLiteral("HTMLEditor2"));
    HTMLEditor2->setAccessibleName(QStringLiteral("Kód HTML Translatoru"));
    QFont f2 = f1;
    f2.setPointSize(8);
    HTMLEditor2->setFont(f2);
    HTMLEditor2->SetWantTabs(true);
    HTMLEditor2->SetText(QStringLiteral(";;Firsttouchvellie;;"));
    auto *tab2 = new QHBoxLayout(Vizual);
    tab2->setContentsMargins(0, 0, 0, 0);
    tab2->addWidget(HTMLEditor2);

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
    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm2::PageControl1Change);
}

QLabel *TForm2::Panel(int index) const
{
    return m_panels.value(index);
}

void TForm2::SetPanelText(int index, const QString &text)
{
    if (QLabel *p = Panel(index))
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
    TextFile::Write(wcPath, HTMLEditor1->Lines(), encoding);
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

void TForm2::PageControl1Change(int index)
{
    if (Docs.HasDocuments()) {
        try {
            Ulozsoubor(Docs.ActiveFile());
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Pracovní kopii se nepodařilo zapsat."), e);
        }
    }
    if (index == 1 && Docs.HasDocuments())
        WebBrowser1->Navigate(Docs.ActiveFile());
}

void TForm2::ShowLength()
{
    SetPanelText(2, QStringLiteral("Délka: ") + QString::number(HTMLEditor1->TextLength()));
}

void TForm2::HTMLEditor1Change()
{
    if (!Docs.DocStates[0].Loading && Docs.HasDocuments()) {
        Docs.Active().Modified = true;
        Docs.Active().CaretPos = HTMLEditor1->SelStart();
    }
    SetPanelText(1, Docs.HasDocuments() && Docs.Active().Modified ? QStringLiteral("Změněn") : QString());
    ShowLength();
}

void TForm2::HTMLEditor1SelectionChange()
{
    // The block caret follows the caret in overwrite mode.
    if (HTMLEditor1->Overwrite() && HTMLEditor1->SelLength() == 0)
        HTMLEditor1->SetSelLength(1);
    SetBevel(Panel(3), HTMLEditor1->Overwrite());
    const QPoint caret = HTMLEditor1->CaretPos();
    SetPanelText(0, QString::number(caret.y() + 1) + QStringLiteral(": ") + QString::number(caret.x() + 1));
}
