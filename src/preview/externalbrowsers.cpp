#include "preview/externalbrowsers.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"

#include <QCursor>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString &Placeholder()
{
    static const QString text = QStringLiteral("Není určen žádný externí prohližeč");
    return text;
}

QStringList &BrowserPaths()
{
    static QStringList paths;
    return paths;
}

QPointer<QMenu> &PopupStore()
{
    static QPointer<QMenu> menu;
    return menu;
}

void StartBrowser(const QString &program)
{
    if (!Docs.HasDocuments())
        return;
    // An argument list, never a shell line: paths with spaces stay whole.
    QProcess::startDetached(program, {Docs.ActiveFile()}, QFileInfo(program).absolutePath());
}

QPushButton *Button(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAccessibleName(caption);
    return b;
}

} // namespace

TForm7::TForm7(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Externí Prohlížeče"));
    setAccessibleName(windowTitle());
    auto *outer = new QVBoxLayout(this);

    auto *listBox = new QGroupBox(QStringLiteral("Seznam Prohlížečů (K dispozici pouze prvních pět)"), this);
    auto *listLayout = new QGridLayout(listBox);
    StringGrid1 = new QTableWidget(1, 2, listBox);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Název Prohlížeče"), QStringLiteral("Cesta")});
    StringGrid1->setColumnWidth(0, 176);
    StringGrid1->setColumnWidth(1, 227);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setAccessibleName(listBox->title());
    StringGrid1->setMinimumSize(420, 140);
    browserup = Button(QStringLiteral("Nahoru"), listBox);
    Browserdown = Button(QStringLiteral("Dolů"), listBox);
    Browserdelete = Button(QStringLiteral("Odebrat"), listBox);
    listLayout->addWidget(StringGrid1, 0, 0, 4, 1);
    listLayout->addWidget(browserup, 0, 1);
    listLayout->addWidget(Browserdown, 1, 1);
    listLayout->addWidget(Browserdelete, 2, 1);
    outer->addWidget(listBox);

    auto *addBox = new QGroupBox(QStringLiteral("Přidat Nový Externí Prohlížeč"), this);
    auto *addLayout = new QGridLayout(addBox);
    LabeledEdit1 = new QLineEdit(addBox);
    LabeledEdit1->setAccessibleName(QStringLiteral("Název Prohlížeče"));
    LabeledEdit2 = new QLineEdit(addBox);
    LabeledEdit2->setAccessibleName(QStringLiteral("Cesta k Prohlížeči"));
    SpeedButton1 = new QToolButton(addBox);
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Vybrat Prohlížeč"));
    SpeedButton1->setAccessibleName(SpeedButton1->toolTip());
    Browseradd = Button(QStringLiteral("Uložit"), addBox);
    addLayout->addWidget(new QLabel(QStringLiteral("Název Prohlížeče"), addBox), 0, 0);
    addLayout->addWidget(LabeledEdit1, 1, 0);
    addLayout->addWidget(new QLabel(QStringLiteral("Cesta k Prohlížeči"), addBox), 0, 1);
    addLayout->addWidget(LabeledEdit2, 1, 1);
    addLayout->addWidget(SpeedButton1, 1, 2);
    addLayout->addWidget(Browseradd, 1, 3);
    outer->addWidget(addBox);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BrowserOk = Button(QStringLiteral("OK"), this);
    Browsercancel = Button(QStringLiteral("Storno"), this);
    buttons->addWidget(BrowserOk);
    buttons->addWidget(Browsercancel);
    outer->addLayout(buttons);

    connect(StringGrid1, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            CurrentBrowserRow = row;
    });
    connect(browserup, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
    connect(Browserdown, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
    connect(Browserdelete, &QPushButton::clicked, this, &TForm7::BrowserdeleteClick);
    connect(Browseradd, &QPushButton::clicked, this, &TForm7::BrowseraddClick);
    connect(BrowserOk, &QPushButton::clicked, this, &TForm7::BrowserOkClick);
    connect(Browsercancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] {
        TFileRequest r;
        r.title = QStringLiteral("Vybrat Prohlížeč");
        r.defaultExtension = QStringLiteral("exe");
        r.filter = QStringLiteral("Aplikace(*.exe)|*.exe|Všechny soubory(*.*)|*.*");
        r.filterIndex = 2; // programs here have no extension
        const QStringList chosen = Dialogs().GetOpenFileNames(r);
        if (!chosen.isEmpty())
            LabeledEdit2->setText(chosen.first());
    });
}

QList<TBrowser> TForm7::Browsers() const
{
    QList<TBrowser> list;
    for (int r = 0; r < StringGrid1->rowCount(); ++r) {
        const QTableWidgetItem *name = StringGrid1->item(r, 0);
        const QTableWidgetItem *path = StringGrid1->item(r, 1);
        if (r == 0 && StringGrid1->rowCount() == 1 && name && name->data(Qt::UserRole).toBool())
            return {}; // the placeholder of an empty list
        list.append({name ? name->text() : QString(), path ? path->text() : QString()});
    }
    return list;
}

void TForm7::SetBrowsers(const QList<TBrowser> &browsers)
{
    StringGrid1->setRowCount(std::max<qsizetype>(1, browsers.size()));
    if (browsers.isEmpty()) {
        auto *item = new QTableWidgetItem(Placeholder());
        item->setData(Qt::UserRole, true);
        StringGrid1->setItem(0, 0, item);
        StringGrid1->setItem(0, 1, new QTableWidgetItem);
    }
    for (int r = 0; r < browsers.size(); ++r) {
        StringGrid1->setItem(r, 0, new QTableWidgetItem(browsers[r].name));
        StringGrid1->setItem(r, 1, new QTableWidgetItem(browsers[r].path));
    }
    CurrentBrowserRow = std::clamp(CurrentBrowserRow, 0, int(StringGrid1->rowCount()) - 1);
}

void TForm7::nactiprohlizecezesouboru()
{
    QList<TBrowser> browsers;
    QString error;
    if (!BrowserList::Read(BrowserList::FilePath(), &browsers, &error))
        Dialogs().Information(error);
    CurrentBrowserRow = 0;
    SetBrowsers(browsers);
}

void TForm7::showEvent(QShowEvent *event)
{
    nactiprohlizecezesouboru();
    QDialog::showEvent(event);
}

void TForm7::BrowseraddClick()
{
    if (LabeledEdit1->text().trimmed().isEmpty()) {
        Dialogs().Information(QStringLiteral("Musíte vyplnit pole Název Prohlížeče"));
        return;
    }
    if (LabeledEdit2->text().trimmed().isEmpty()) {
        Dialogs().Information(QStringLiteral("Musíte vyplnit pole Cesta k Prohlížeči"));
        return;
    }
    QList<TBrowser> list = Browsers();
    list.append({LabeledEdit1->text(), LabeledEdit2->text()});
    SetBrowsers(list);
    LabeledEdit1->clear();
    LabeledEdit2->clear();
}

void TForm7::BrowserdeleteClick()
{
    QList<TBrowser> list = Browsers();
    if (list.isEmpty() || CurrentBrowserRow < 0 || CurrentBrowserRow >= list.size())
        return;
    list.removeAt(CurrentBrowserRow);
    SetBrowsers(list);
}

void TForm7::MoveCurrent(int by)
{
    QList<TBrowser> list = Browsers();
    const int to = CurrentBrowserRow + by;
    if (list.isEmpty() || to < 0 || to >= list.size())
        return;
    list.swapItemsAt(CurrentBrowserRow, to);
    CurrentBrowserRow = to;
    SetBrowsers(list);
    StringGrid1->setCurrentCell(to, 0);
}

void TForm7::BrowserOkClick()
{
    try {
        BrowserList::Write(BrowserList::FilePath(), Browsers());
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Seznam prohlížečů se nepodařilo uložit."), e);
        return;
    }
    accept();
}

QMenu *PreviewPopup()
{
    auto &menu = PopupStore();
    if (!menu) {
        menu = new QMenu(Form1);
        for (int k = 0; k < 5; ++k) {
            QAction *a = menu->addAction(QString(), menu, [k] { StartPreviewBrowser(k); });
            a->setObjectName(QStringLiteral("Previewpopup%1").arg(k + 1));
            a->setVisible(false);
        }
    }
    return menu;
}

void ExternalPreview()
{
    QList<TBrowser> browsers;
    QString error;
    if (!BrowserList::Read(BrowserList::FilePath(), &browsers, &error)) {
        Dialogs().Information(error);
        return;
    }
    if (!Docs.HasDocuments())
        return;
    if (!StoreActiveWorkingCopy())
        return;
    if (browsers.size() == 1) {
        StartBrowser(browsers[0].path);
        return;
    }
    QMenu *menu = PreviewPopup();
    BrowserPaths().clear();
    const QList<QAction *> items = menu->actions();
    for (QAction *a : items)
        a->setVisible(false);
    for (int k = 0; k < browsers.size() && k < 5; ++k) {
        BrowserPaths() << browsers[k].path;
        items[k]->setText(browsers[k].name);
        items[k]->setVisible(true);
    }
    if (!browsers.isEmpty())
        menu->popup(QCursor::pos());
}

void StartPreviewBrowser(int k)
{
    if (k >= 0 && k < BrowserPaths().size())
        StartBrowser(BrowserPaths()[k]);
}

void FillBrowserListOnFirstStart(bool firstStart)
{
    if (!firstStart)
        return;
    QList<TBrowser> browsers;
    QString error;
    const QString path = BrowserList::FilePath();
    const bool readable = BrowserList::Read(path, &browsers, &error);
    if ((readable && !browsers.isEmpty()) || (!readable && QFileInfo::exists(path)))
        return; // the user's own list, or a file that must not be replaced
    const QList<TBrowser> found = BrowserList::Detect();
    if (found.isEmpty())
        return;
    try {
        BrowserList::Write(path, found);
    } catch (const EInOutError &) {
        // A read-only program folder: the list stays empty and can be filled by hand.
    }
}
