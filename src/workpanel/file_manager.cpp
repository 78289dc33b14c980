#include "workpanel/file_manager.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "documents/project_commands.h"
#include "templates/savetemplate.h"
#include "workpanel/file_properties.h"
#include "workpanel/web_file_list.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QAbstractFileIconProvider>
#include <QFileSystemModel>
#include <QStyle>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QStorageInfo>
#include <QTableWidget>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString WithSeparator(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// Volumes a user keeps files on: the root and what is mounted from a device.
bool IsUserVolume(const QStorageInfo &volume)
{
    if (!volume.isValid() || !volume.isReady())
        return false;
    return volume.isRoot() || volume.device().startsWith("/dev/");
}

// The folder tree's pictures: the style's small folder and file, made once.
// The default provider looks each entry's icon up in the theme and its type
// in the MIME database, on the GUI thread, as the tree is filled.
class TSmallFileIcons : public QAbstractFileIconProvider
{
public:
    explicit TSmallFileIcons(const QStyle *style)
        : m_folder(style->standardPixmap(QStyle::SP_DirIcon)),
          m_file(style->standardPixmap(QStyle::SP_FileIcon)),
          m_drive(style->standardPixmap(QStyle::SP_DriveHDIcon))
    {
    }
    QIcon icon(IconType type) const override
    {
        return type == File ? m_file : type == Drive ? m_drive : m_folder;
    }
    QIcon icon(const QFileInfo &info) const override
    {
        return info.isDir() ? (info.isRoot() ? m_drive : m_folder) : m_file;
    }
    // The type column is hidden; the default asks the MIME database per entry.
    QString type(const QFileInfo &info) const override
    {
        return info.isDir() ? QStringLiteral("Složka") : QStringLiteral("Soubor");
    }

private:
    const QIcon m_folder, m_file, m_drive;
};

} // namespace

TFileManager::TFileManager(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Spravcesouboru"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);

    ShellComboBox1 = new QComboBox(this);
    ShellComboBox1->setObjectName(QStringLiteral("ShellComboBox1"));
    ShellComboBox1->setAccessibleName(QStringLiteral("Jednotky a složky"));
    FillVolumes();
    layout->addWidget(ShellComboBox1);

    FolderModel = new QFileSystemModel(this);
    m_icons = std::make_unique<TSmallFileIcons>(style());
    FolderModel->setIconProvider(m_icons.get());
    FolderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    // Folders are created through the model so the tree shows them at once;
    // the view itself never renames or moves anything.
    FolderModel->setReadOnly(false);
    ShellTreeView1 = new QTreeView(this);
    ShellTreeView1->setObjectName(QStringLiteral("ShellTreeView1"));
    ShellTreeView1->setAccessibleName(QStringLiteral("Složky"));
    ShellTreeView1->setModel(FolderModel);
    ShellTreeView1->setHeaderHidden(true);
    for (int c = 1; c < FolderModel->columnCount(); ++c)
        ShellTreeView1->hideColumn(c);
    ShellTreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ShellTreeView1->setDragEnabled(false);
    ShellTreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ShellTreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(ShellTreeView1, 1);

    StringGrid2 = new QTableWidget(1, 1, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setAccessibleName(QStringLiteral("Soubor"));
    StringGrid2->setHorizontalHeaderLabels({QStringLiteral("Soubor")});
    StringGrid2->verticalHeader()->hide();
    StringGrid2->horizontalHeader()->setStretchLastSection(true);
    StringGrid2->verticalHeader()->setDefaultSectionSize(qMax(15, StringGrid2->fontMetrics().height() + 2));
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid2->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid2->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid2->setContextMenuPolicy(Qt::CustomContextMenu);
    if (const QScreen *screen = QGuiApplication::primaryScreen();
        screen && screen->availableGeometry().height() < 768)
        StringGrid2->setFixedHeight(140);
    layout->addWidget(StringGrid2, 1);

    Popupspravcesoub = new QMenu(this);
    Popupspravcesoub->setObjectName(QStringLiteral("Popupspravcesoub"));
    Otevt1 = Popupspravcesoub->addAction(QStringLiteral("Otevřít"), this, &TFileManager::Otevt1Click);
    Zobrazit1 = Popupspravcesoub->addAction(QStringLiteral("Zobrazit..."), this, &TFileManager::Zobrazit1Click);
    Odstranit1 = Popupspravcesoub->addAction(QStringLiteral("Odstranit"), this, &TFileManager::Odstranit1Click);
    Vlastnosti3 = Popupspravcesoub->addAction(QStringLiteral("Vlastnosti..."), this,
                                              &TFileManager::Vlastnosti3Click);
    Popupfolders = new QMenu(this);
    Popupfolders->setObjectName(QStringLiteral("Popupfolders"));
    VytvoitAdres1 = Popupfolders->addAction(QStringLiteral("Vytvořit Adresář..."), this,
                                            &TFileManager::VytvoitAdres1Click);
    SmazatAdres1 = Popupfolders->addAction(QStringLiteral("Smazat Adresář"), this,
                                           &TFileManager::SmazatAdres1Click);
    Vlasnosti1 = Popupfolders->addAction(QStringLiteral("Vlasnosti..."), this, &TFileManager::Vlasnosti1Click);

    // The program's name prompt in its folder mode asks for the name.
    AskFolderName = []() -> std::optional<QString> {
        std::optional<QString> chosen;
        if (Form5)
            Form5->RunFolderPrompt([&chosen](const QString &name) { chosen = name; });
        return chosen;
    };

    connect(ShellComboBox1, &QComboBox::activated, this, &TFileManager::ShellComboBox1Click);
    connect(ShellTreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ShellTreeView1Click(); });
    connect(ShellTreeView1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        // A right click selects the folder the menu then acts on.
        const QModelIndex index = ShellTreeView1->indexAt(at);
        if (index.isValid())
            ShellTreeView1->setCurrentIndex(index);
        Popupfolders->popup(ShellTreeView1->viewport()->mapToGlobal(at));
    });
    connect(StringGrid2, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        const int row = StringGrid2->rowAt(at.y());
        if (row >= 0)
            StringGrid2->setCurrentCell(row, 0);
        Popupspravcesoub->popup(StringGrid2->viewport()->mapToGlobal(at));
    });
    connect(StringGrid2, &QTableWidget::cellDoubleClicked, this, [this] { Otevt1Click(); });
    // Siblings of the root that the model loads later stay hidden.
    connect(FolderModel, &QFileSystemModel::rowsInserted, this,
            [this](const QModelIndex &parentIndex) {
                if (parentIndex == ShellTreeView1->rootIndex())
                    ShowOnlyRootAtTop();
            });

    // "C:\" of the original design: the user's home folder.
    // Making the root current lists its files; list here only if it did not.
    SetTreeRoot(QDir::homePath());
    if (m_listed.isEmpty())
        ListFolderFiles(WithSeparator(SelectedFolder()));
}

TFileManager::~TFileManager()
{
    // The model and its gathering thread use the icon provider to the end.
    delete FolderModel;
    FolderModel = nullptr;
}

void TFileManager::FillVolumes()
{
    // The style's 16-pixel pictures: the full icons read every size of them.
    const QIcon folderIcon(style()->standardPixmap(QStyle::SP_DirIcon));
    const QIcon driveIcon(style()->standardPixmap(QStyle::SP_DriveHDIcon));
    ShellComboBox1->addItem(folderIcon, QStringLiteral("Domovská složka"), QDir::homePath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!IsUserVolume(volume))
            continue;
        const QString root = volume.rootPath();
        const QString name = volume.displayName();
        ShellComboBox1->addItem(driveIcon,
                                name == root ? root : name + QStringLiteral(" (") + root + u')', root);
    }
}

void TFileManager::ShowOnlyRootAtTop()
{
    const QModelIndex root = FolderModel->index(m_root);
    const QModelIndex top = root.parent();
    for (int r = 0; r < FolderModel->rowCount(top); ++r)
        ShellTreeView1->setRowHidden(r, top, r != root.row());
}

bool TFileManager::SetTreeRoot(const QString &folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
    QString path = QDir::cleanPath(info.absoluteFilePath());
    m_root = path;
    FolderModel->setRootPath(path);
    const QModelIndex root = FolderModel->index(path);
    // The root itself is the tree's top node, as in a shell tree.
    ShellTreeView1->setRootIndex(root.parent());
    ShowOnlyRootAtTop();
    ShellTreeView1->expand(root);
    ShellTreeView1->setCurrentIndex(root);
    return true;
}

bool TFileManager::SelectFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!QFileInfo(path).isDir() || !(path == m_root || path.startsWith(WithSeparator(m_root))))
        return false;
    const QModelIndex index = FolderModel->index(path);
    if (!index.isValid())
        return false;
    ShellTreeView1->setCurrentIndex(index);
    ShellTreeView1->scrollTo(index);
    ListFolderFiles(WithSeparator(path));
    return true;
}

QString TFileManager::SelectedFolder() const
{
    const QModelIndex index = ShellTreeView1->currentIndex();
    return index.isValid() ? FolderModel->filePath(index) : m_root;
}

void TFileManager::ListFolderFiles(const QString &folder)
{
    m_listed = folder;
    const QStringList names = WebFileList::Names(folder);
    StringGrid2->clearContents();
    StringGrid2->setRowCount(int(qMax<qsizetype>(1, names.size())));
    for (int r = 0; r < StringGrid2->rowCount(); ++r) {
        auto *item = new QTableWidgetItem(r < names.size() ? names.at(r) : QString());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        StringGrid2->setItem(r, 0, item);
    }
    StringGrid2->setCurrentCell(0, 0);
}

QStringList TFileManager::ListedNames() const
{
    QStringList names;
    for (int r = 0; r < StringGrid2->rowCount(); ++r)
        names << (StringGrid2->item(r, 0) ? StringGrid2->item(r, 0)->text() : QString());
    return names;
}

bool TFileManager::SelectFile(const QString &name)
{
    const qsizetype row = ListedNames().indexOf(name);
    if (row < 0)
        return false;
    StringGrid2->setCurrentCell(int(row), 0);
    return true;
}

QString TFileManager::SelectedName() const
{
    const QTableWidgetItem *item = StringGrid2->item(StringGrid2->currentRow(), 0);
    return item ? item->text() : QString();
}

void TFileManager::ShellComboBox1Click(int index)
{
    const QString folder = ShellComboBox1->itemData(index).toString();
    const QString previous = m_root;
    if (!SetTreeRoot(folder)) {
        SetTreeRoot(previous);
        return;
    }
    ListFolderFiles(WithSeparator(folder));
}

void TFileManager::ShellTreeView1Click()
{
    ListFolderFiles(WithSeparator(SelectedFolder()));
}

void TFileManager::Otevt1Click()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    const QString path = m_listed + name;
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString ext = dot < 0 ? QString() : name.mid(dot).toLower();
    if (ext == QStringLiteral(".vpq"))
        OpenProject(path);
    else
        OpenDocument(path);
}

void TFileManager::Zobrazit1Click()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_listed + name)))
        Dialogs().Information(QStringLiteral("Soubor ") + name
                              + QStringLiteral(" nemá přiřazený program, kterým by se dal zobrazit."));
}

void TFileManager::Odstranit1Click()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    if (Dialogs().Confirm(QStringLiteral("Opravdu chcete soubor ") + name + QStringLiteral(" smazat?"),
                          TButtons::YesNo)
        != TAnswer::Yes)
        return;
    const QString path = m_listed + name;
    if (!QFile::remove(path) && QFileInfo::exists(path))
        Dialogs().Information(QStringLiteral("Soubor ") + name + QStringLiteral(" se nepodařilo smazat."));
    ListFolderFiles(m_listed);
}

void TFileManager::Vlastnosti3Click()
{
    const QString name = SelectedName();
    if (name.isEmpty())
        return;
    ShowProperties(Form1 ? static_cast<QWidget *>(Form1) : window(), m_listed + name);
}

void TFileManager::VytvoitAdres1Click()
{
    if (!AskFolderName)
        return;
    if (const std::optional<QString> name = AskFolderName())
        CreateFolder(*name);
}

bool TFileManager::CreateFolder(const QString &name)
{
    if (name.isEmpty())
        return false;
    const QString parent = SelectedFolder();
    const QString path = WithSeparator(parent) + name;
    if (name.contains(u'/') || name == QStringLiteral(".") || name == QStringLiteral("..")) {
        Dialogs().Information(QStringLiteral("Název adresáře nesmí obsahovat znak / ani být . nebo ..!"));
        return false;
    }
    if (QFileInfo::exists(path)) {
        Dialogs().Information(QStringLiteral("Adresář ") + path + QStringLiteral(" již existuje!"));
        return false;
    }
    const QModelIndex parentIndex = FolderModel->index(parent);
    const QModelIndex created = FolderModel->mkdir(parentIndex, name);
    if (!created.isValid()) {
        Dialogs().Information(QStringLiteral("Adresář ") + path + QStringLiteral(" se nepodařilo vytvořit."));
        return false;
    }
    ShellTreeView1->expand(parentIndex);
    return true;
}

void TFileManager::SmazatAdres1Click()
{
    const QString folder = SelectedFolder();
    if (folder.isEmpty())
        return;
    if (folder == m_root) {
        // The tree would lose the folder it stands on.
        Dialogs().Information(QStringLiteral("Adresář ") + folder
                              + QStringLiteral(" je kořenem stromu, nelze jej smazat."));
        return;
    }
    if (Dialogs().Confirm(QStringLiteral("Opravdu chcete smazat adresář ") + folder + u'?', TButtons::YesNo)
        != TAnswer::Yes)
        return;
    const QModelIndex parentIndex = ShellTreeView1->currentIndex().parent();
    if (!DeleteFolderToRecycleBin(folder))
        Dialogs().Information(QStringLiteral("Adresář ") + folder
                              + QStringLiteral(" se nepodařilo přesunout do koše."));
    // The parent takes the place of the folder that went away.
    if (parentIndex.isValid())
        ShellTreeView1->setCurrentIndex(parentIndex);
    ListFolderFiles(WithSeparator(SelectedFolder()));
}

void TFileManager::Vlasnosti1Click()
{
    ShowProperties(window(), SelectedFolder());
}

void ShowProperties(QWidget *window, const QString &path)
{
    ShowFileProperties(path, window);
}

bool DeleteFolderToRecycleBin(const QString &folder)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool moved = QFile::moveToTrash(folder);
    QGuiApplication::restoreOverrideCursor();
    return moved;
}
