// The work panel's page "Správce souborů": a volume box, a folder tree and
// the web files of the chosen folder, with their file and folder commands.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QAbstractFileIconProvider;
class QAction;
class QComboBox;
class QFileSystemModel;
class QMenu;
class QTableWidget;
class QTreeView;

class TFileManager : public QWidget
{
    Q_OBJECT

public:
    explicit TFileManager(QWidget *parent = nullptr);
    ~TFileManager() override;

    QComboBox *ShellComboBox1 = nullptr;   // the home folder and the mounted volumes
    QTreeView *ShellTreeView1 = nullptr;   // folders only
    QFileSystemModel *FolderModel = nullptr;
    QTableWidget *StringGrid2 = nullptr;   // "Soubor": one file name per row
    QMenu *Popupspravcesoub = nullptr;
    QAction *Otevt1 = nullptr;             // "Otevřít"
    QAction *Zobrazit1 = nullptr;          // "Zobrazit..."
    QAction *Odstranit1 = nullptr;         // "Odstranit"
    QAction *Vlastnosti3 = nullptr;        // "Vlastnosti..."
    QMenu *Popupfolders = nullptr;
    QAction *VytvoitAdres1 = nullptr;      // "Vytvořit Adresář..."
    QAction *SmazatAdres1 = nullptr;       // "Smazat Adresář"
    QAction *Vlasnosti1 = nullptr;         // "Vlasnosti..."

    // Asks for the name of a new folder; nothing when cancelled. A plain
    // input dialog until the program's name prompt takes this over.
    std::function<std::optional<QString>()> AskFolderName;

    // The tree's root folder and the folder selected in it (no trailing separator).
    QString TreeRoot() const { return m_root; }
    QString SelectedFolder() const;
    // The folder the list shows, with its trailing separator.
    QString ListedFolder() const { return m_listed; }

    // Makes folder the tree's root; false (and the old root kept) when it
    // is no folder.
    bool SetTreeRoot(const QString &folder);
    // Selects a folder under the root in the tree (and lists it).
    bool SelectFolder(const QString &folder);

    // Refills the list with the web files of folder (ending in a separator).
    void ListFolderFiles(const QString &folder);
    // The names of the list's rows, an empty row as "".
    QStringList ListedNames() const;
    // Selects the list's row of that name; false when it is not listed.
    bool SelectFile(const QString &name);

    void ShellComboBox1Click(int index);
    void ShellTreeView1Click();
    void Otevt1Click();
    void Zobrazit1Click();
    void Odstranit1Click();
    void Vlastnosti3Click();
    void VytvoitAdres1Click();
    void SmazatAdres1Click();
    void Vlasnosti1Click();

    // Creates the folder name inside the selected folder and refreshes its
    // node; a Czech message and false for a name that cannot be a folder,
    // one that exists, or a failure. An empty name does nothing.
    bool CreateFolder(const QString &name);

private:
    void FillVolumes();
    // The name of the selected row, or empty.
    QString SelectedName() const;
    void ShowOnlyRootAtTop();

    QString m_root;
    QString m_listed;
    std::unique_ptr<QAbstractFileIconProvider> m_icons; // outlives FolderModel
};

// The file-information sheet for path over window.
void ShowProperties(QWidget *window, const QString &path);

// Moves folder with everything in it into the trash; true on success.
bool DeleteFolderToRecycleBin(const QString &folder);
