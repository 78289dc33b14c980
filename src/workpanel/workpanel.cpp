#include "workpanel/workpanel.h"

#include "documents/document_commands.h"
#include "documents/project.h"
#include "documents/project_commands.h"
#include "documents/working_copy.h"
#include "workpanel/file_manager.h"
#include "inspector/taginsp_panel.h"
#include "workpanel/file_properties.h"

#include <QAction>
#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

TForm3::TForm3(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Pracovní Panel"));
    setAccessibleName(windowTitle());
    resize(DesignedWidth, 600);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    PageControl1 = new QTabWidget(this);
    outer->addWidget(PageControl1);

    Projekt = new QWidget;
    PageControl1->addTab(Projekt, QStringLiteral("Projekt"));
    auto *page = new QVBoxLayout(Projekt);
    Label1 = new QLabel(QStringLiteral("Otevřené Soubory:"), Projekt);
    page->addWidget(Label1);

    StringGrid1 = new QTableWidget(1, 1, Projekt);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(Label1->text());
    Label1->setBuddy(StringGrid1);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto *empty = new QTableWidgetItem(QStringLiteral("Žádný Otevřený Soubor"));
    empty->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    StringGrid1->setItem(0, 0, empty);
    page->addWidget(StringGrid1, 1);
    Inspector = new TTagInspector(Projekt);
    page->addWidget(Inspector);

    popupprojekt = new QMenu(this);
    Pidat1 = popupprojekt->addAction(QStringLiteral("Přidat..."), this, [] { OpenCommand(); });
    Zavt1 = popupprojekt->addAction(QStringLiteral("Zavřít"), this, [] { CloseDocument(); });
    ZavtVe1 = popupprojekt->addAction(QStringLiteral("Zavřít Vše"), this, [] { CloseAllDocuments(); });
    popupprojekt->addSeparator();
    Vlastnosti1 = popupprojekt->addAction(QStringLiteral("Vlastnosti"), this, &TForm3::Vlastnosti1Click);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { popupprojekt->popup(StringGrid1->viewport()->mapToGlobal(at)); });

    FileManager = new TFileManager;
    PageControl1->addTab(FileManager, QStringLiteral("Správce souborů"));

    Poznamky = new QWidget;
    PageControl1->addTab(Poznamky, QStringLiteral("Poznámky"));
    auto *notes = new QVBoxLayout(Poznamky);
    Memo2 = new QPlainTextEdit(Poznamky);
    Memo2->setReadOnly(true);
    Memo2->setPlainText(QStringLiteral("Zde si můžete napsat a uložit vaše \n"
                                       "poznámky k právě otevřenému projektu.\n"
                                       "Pokud není žádný projekt otevřen je tato \n"
                                       "plocha neaktivní."));
    Memo2->setFixedHeight(Memo2->fontMetrics().lineSpacing() * 4 + 14);
    Memo2->setFrameShape(QFrame::NoFrame);
    Memo2->setAccessibleName(QStringLiteral("Poznámky k projektu"));
    notes->addWidget(Memo2);
    Memo1 = new QPlainTextEdit(Poznamky);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Poznámky"));
    Memo1->setTabChangesFocus(false);
    Memo1->installEventFilter(this);
    notes->addWidget(Memo1, 1);
    Button2 = new QPushButton(QStringLiteral("Vložit dnešní datum"), Poznamky);
    Button2->setAccessibleName(Button2->text());
    notes->addWidget(Button2);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TForm3::Memo1Change);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);

    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row >= 0 && row != previousRow)
                    StringGrid1SelectCell(row);
            });
}

void TForm3::StringGrid1SelectCell(int row)
{
    SelectDocument(row);
}

void TForm3::Vlastnosti1Click()
{
    if (!Docs.HasDocuments())
        return;
    ShowFileProperties(DocumentPath(Docs.ActiveFile()), this);
}

void TForm3::Memo1Change()
{
    if (CurrentProject.IsOpen && !NotesLoading)
        MarkProjectModified(QStringLiteral(" "));
}

void TForm3::Button2Click()
{
    Memo1->insertPlainText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    Memo1->setFocus();
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+Tab in the notes goes back to the open files instead of typing a tab.
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && (key->modifiers() & Qt::ControlModifier)) {
            PageControl1->setCurrentWidget(Projekt);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
