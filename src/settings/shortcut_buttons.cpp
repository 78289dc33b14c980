#include "settings/shortcut_buttons.h"

#include "app/dialogs.h"
#include "app/program_dir.h"
#include "documents/document_commands.h"
#include "errorreport/io_error.h"
#include "settings/program_shortcuts.h"

#include <QAction>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

// The picture a button has before any file is read: an outlined slot.
QIcon DesignedPicture(const QColor &colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(1, 1, 13, 13);
    return QIcon(pixmap);
}

struct TDesktopEntry {
    QString exec; // the program of the Exec line, unquoted
    QString tryExec;
    QString icon;
};

TDesktopEntry ReadDesktopEntry(const QString &path)
{
    TDesktopEntry entry;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    QTextStream in(&f);
    bool inMain = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'[')) {
            inMain = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        if (!inMain)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QStringLiteral("Icon")) {
            entry.icon = value;
        } else if (key == QStringLiteral("TryExec")) {
            entry.tryExec = value;
        } else if (key == QStringLiteral("Exec")) {
            QStringList words = QProcess::splitCommand(value);
            // "env NAME=value program …" starts program.
            if (!words.isEmpty() && words.first() == QStringLiteral("env")) {
                words.removeFirst();
                while (!words.isEmpty() && words.first().contains(u'='))
                    words.removeFirst();
            }
            if (!words.isEmpty())
                entry.exec = words.first();
        }
    }
    return entry;
}

QString CanonicalProgram(const QString &program)
{
    if (program.isEmpty())
        return {};
    const QString found = QFileInfo(program).isAbsolute() ? program
                                                          : QStandardPaths::findExecutable(program);
    return found.isEmpty() ? QString() : QFileInfo(found).canonicalFilePath();
}

QIcon EntryIcon(const QString &name)
{
    if (name.isEmpty())
        return {};
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name) ? QIcon(name) : QIcon();
    return QIcon::fromTheme(name);
}

// The icon named by the desktop entry that starts program, or none.
QIcon DesktopEntryIcon(const QString &program)
{
    const QString wanted = QFileInfo(program).canonicalFilePath();
    if (wanted.isEmpty())
        return {};
    for (const QString &dir : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        QDirIterator it(dir, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const TDesktopEntry entry = ReadDesktopEntry(it.next());
            if (entry.icon.isEmpty())
                continue;
            if (CanonicalProgram(entry.exec) == wanted || CanonicalProgram(entry.tryExec) == wanted) {
                const QIcon icon = EntryIcon(entry.icon);
                if (!icon.isNull())
                    return icon;
            }
        }
    }
    return {};
}

} // namespace

TShortcutButtons::TShortcutButtons(QWidget *owner, QToolBar *bar, int buttonHeight) : QObject(owner)
{
    setObjectName(QStringLiteral("ShortcutButtons"));
    const QIcon designed = DesignedPicture(owner->palette().color(QPalette::Mid));
    Userprogramspopup = new QMenu(owner);
    Userprogramspopup->setObjectName(QStringLiteral("Userprogramspopup"));
    Spustit1 = Userprogramspopup->addAction(QStringLiteral("Spustit"), this, &TShortcutButtons::Spustit1Click);
    Spustit1->setObjectName(QStringLiteral("Spustit1"));
    ZvolitProgram1 = Userprogramspopup->addAction(QStringLiteral("Zvolit Program..."), this,
                                                  &TShortcutButtons::ZvolitProgram1Click);
    ZvolitProgram1->setObjectName(QStringLiteral("ZvolitProgram1"));
    Zruit1 = Userprogramspopup->addAction(QStringLiteral("Zrušit"), this, &TShortcutButtons::Zruit1Click);
    Zruit1->setObjectName(QStringLiteral("Zruit1"));

    for (int n = 1; n <= ProgramShortcuts::ButtonCount; ++n) {
        ShortcutImageList << designed;
        auto *b = new QToolButton(bar);
        b->setObjectName(QStringLiteral("Zastupce%1").arg(n));
        b->setProperty("tag", n);
        b->setIcon(designed);
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        b->setFixedSize(buttonHeight + 1, buttonHeight);
        b->setToolTip(QStringLiteral("Do těchto tlačítek si můžete umístit zástupce na vaše oblíbené "
                                     "programy(Stačí stisknou pravé tlačítko myši)"));
        b->setAccessibleName(QStringLiteral("Zástupce %1").arg(n));
        b->setAccessibleDescription(b->toolTip());
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(b, &QToolButton::clicked, this, [this, n] { RunShortcut(n); });
        connect(b, &QWidget::customContextMenuRequested, this, [this, b, n](const QPoint &at) {
            PreparePopup(n);
            Userprogramspopup->popup(b->mapToGlobal(at));
        });
        bar->addWidget(b);
        Buttons << b;
    }
}

QString TShortcutButtons::FilePath()
{
    return ProgramDir() + QStringLiteral("Userconfig/zastupci.dat");
}

void TShortcutButtons::PreparePopup(int n)
{
    m_tag = n;
    Userprogramspopup->setProperty("tag", n);
    for (QAction *a : {Spustit1, ZvolitProgram1, Zruit1})
        a->setData(n);
}

void TShortcutButtons::ShowPicture(int n, const QIcon &icon)
{
    ShortcutImageList[n - 1] = icon;
    Buttons.at(n - 1)->setIcon(icon);
}

QIcon TShortcutButtons::ProgramIcon(const QString &path)
{
    const QFileInfo info(path);
    if (info.suffix() == QStringLiteral("desktop")) {
        const QIcon icon = EntryIcon(ReadDesktopEntry(path).icon);
        if (!icon.isNull())
            return icon;
    }
    const QIcon fromEntry = DesktopEntryIcon(path);
    if (!fromEntry.isNull())
        return fromEntry;
    return QFileIconProvider().icon(info);
}

void TShortcutButtons::LoadShortcutIcons()
{
    const QStringList lines = ProgramShortcuts::ReadLines(FilePath());
    for (int n = 1; n <= ProgramShortcuts::ButtonCount; ++n) {
        const QString value = ProgramShortcuts::Assignment(lines, n);
        QIcon icon;
        if (value == ProgramShortcuts::None())
            icon = QIcon(ProgramDir() + QStringLiteral("Data/Icons/%1.bmp").arg(n));
        else if (QFileInfo(value).isFile())
            icon = ProgramIcon(value);
        // A picture that cannot be had leaves the old one.
        if (!icon.isNull() && !icon.pixmap(16, 16).isNull())
            ShowPicture(n, icon);
    }
}

void TShortcutButtons::RunShortcut(int n)
{
    QString value;
    try {
        value = ProgramShortcuts::Assignment(ProgramShortcuts::ReadLines(FilePath()), n);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Zástupce programů se nepodařilo načíst."), e);
        return;
    }
    if (value == ProgramShortcuts::None()) {
        Dialogs().Information(QStringLiteral("Není přiřazen žádný program!"));
        return;
    }
    const QFileInfo info(value);
    if (!info.isFile())
        return; // deleted or moved: nothing happens
    // A program starts with an empty argument list, never through a shell;
    // any other file opens in the program the desktop associates with it.
    const bool started = info.isExecutable()
                             ? QProcess::startDetached(info.absoluteFilePath(), QStringList())
                             : QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (!started)
        Dialogs().Information(QStringLiteral("Program ") + value + QStringLiteral(" se nepodařilo spustit."));
}

void TShortcutButtons::AssignShortcut(int n, const QString &value)
{
    ProgramShortcuts::Assign(FilePath(), n, value);
}

void TShortcutButtons::Spustit1Click()
{
    RunShortcut(m_tag);
}

void TShortcutButtons::ZvolitProgram1Click()
{
    TFileRequest r;
    r.title = QStringLiteral("Vybrat Program");
    r.filter = QStringLiteral("Spustitelné soubory(*)|*");
    const QStringList chosen = Dialogs().GetOpenFileNames(r);
    if (chosen.isEmpty() || !QFileInfo(chosen.first()).isFile())
        return;
    try {
        AssignShortcut(m_tag, chosen.first());
        LoadShortcutIcons();
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Zástupce programu se nepodařilo uložit."), e);
    }
}

void TShortcutButtons::Zruit1Click()
{
    try {
        AssignShortcut(m_tag, ProgramShortcuts::None());
        LoadShortcutIcons();
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Zástupce programu se nepodařilo uložit."), e);
    }
}
