#include "workpanel/workpanel.h"

#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "workpanel/file_properties.h"

#include <QAction>
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

    popupprojekt = new QMenu(this);
    Pidat1 = popupprojekt->addAction(QStringLiteral("Přidat..."), this, [] { OpenCommand(); });
    Zavt1 = popupprojekt->addAction(QStringLiteral("Zavřít"), this, [] { CloseDocument(); });
    ZavtVe1 = popupprojekt->addAction(QStringLiteral("Zavřít Vše"), this, [] { CloseAllDocuments(); });
    popupprojekt->addSeparator();
    Vlastnosti1 = popupprojekt->addAction(QStringLiteral("Vlastnosti"), this, &TForm3::Vlastnosti1Click);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { popupprojekt->popup(StringGrid1->viewport()->mapToGlobal(at)); });

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
