#include "settings/shortcuts.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "conversion/text_file.h"
#include "errorreport/io_error.h"
#include "settings/hotkey.h"
#include "settings/userconfig.h"

#include <QAction>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTableWidget>

namespace Shortcuts {

const QList<TShortcutFunction> &Functions()
{
    static const QList<TShortcutFunction> list = [] {
        QList<TShortcutFunction> l;
        static const char *bookmarks[] = {"Bookmark01", "Bookmark11", "Bookmark21", "Bookmark31", "Bookmark41",
                                          "Bookmark51", "Bookmark61", "Bookmark71", "Bookmark81", "Bookmark91"};
        for (int n = 0; n < 10; ++n)
            l.append({QStringLiteral("Záložka %1").arg(n), QString::fromLatin1(bookmarks[n])});
        const std::pair<const char16_t *, const char *> rows[] = {
            {u"Přepnout na Editor kódu", "P2"}, {u"Přepnout na Náhled", "Q1"}, {u"Nový", "Nov1"},
            {u"Otevřít", "Otevt1"}, {u"Otevřít Projekt", "OtevtProjekt1"}, {u"Uložit", "Ulozit"},
            {u"Uložit Jako...", "Ulozitjako"}, {u"Uložit Jako Šablonu", "UloitJakoablonu1"},
            {u"Uložit Projekt...", "Ulozitprojekt"}, {u"Uložit Vše", "Ulozvse"}, {u"Zavřít", "Zavri"},
            {u"Náhled", "ZobrazitNhled1"}, {u"Zavřít Vše", "Zavrivse"}, {u"Konec", "Konec1"},
            {u"Zpět", "Zpt1"}, {u"Vystřihni", "Kopruj1"}, {u"Kopíruj", "Kopruj2"}, {u"Vlož", "Vlo1"},
            {u"Smaž", "Sma1"}, {u"Vyber Vše", "VyberVe1"}, {u"Najít...", "Najt1"}, {u"Nají Další", "Nahradit1"},
            {u"Nahradit...", "Nahradit2"}, {u"Pracovní Plocha", "PracovnPlocha1"},
            {u"Pracovní Panel", "PraconPanel1"}, {u"Obnovovaný Návrh", "ObnovovanNvrh1"},
            {u"Zmenšit Text", "ZmensitText1"}, {u"Zvětšit Text", "ZvetsitText1"},
            {u"Tagy Na Velké", "UpravitTagynavelkapismena1"},
            {u"<H1>", "H11"}, {u"<H2>", "H21"}, {u"<H3>", "H31"}, {u"<TABLE>", "TABLE"}, {u"<TD>", "TR"},
            {u"<TR>", "TD"}, {u"<OL>", "OL1"}, {u"<UL>", "UL1"}, {u"<LI>", "LI1"}, {u"<B>", "B1"},
            {u"<I>", "I1"}, {u"<U>", "U1"}, {u"<STRIKE>", "STRIKE1"}, {u"<HR>", "HR3"}, {u"<SUP>", "BIG1"},
            {u"<SUB>", "SMALL1"}, {u"<BR>", "BR1"}, {u"<P>", "P1"}, {u"<DIV>", "DIV1"}, {u"<A>", "A"},
            {u"<IMG>", "IMG"}, {u"<FONT>", "Font"},
        };
        for (const auto &[label, command] : rows)
            l.append({QString::fromUtf16(label), QString::fromLatin1(command)});
        return l;
    }();
    return list;
}

QString FilePath()
{
    return ProgramDir() + QStringLiteral("Userconfig/zkratky.dat");
}

namespace {

// Stored key names that differ from Qt's own.
const QList<std::pair<QString, QString>> &KeyNames()
{
    static const QList<std::pair<QString, QString>> names{
        {QStringLiteral("BkSp"), QStringLiteral("Backspace")}, {QStringLiteral("Ins"), QStringLiteral("Ins")},
        {QStringLiteral("Del"), QStringLiteral("Del")},        {QStringLiteral("Esc"), QStringLiteral("Esc")},
        {QStringLiteral("Enter"), QStringLiteral("Return")},   {QStringLiteral("PgUp"), QStringLiteral("PgUp")},
        {QStringLiteral("PgDn"), QStringLiteral("PgDown")},
    };
    return names;
}

} // namespace

QKeySequence Parse(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    const qsizetype plus = t.lastIndexOf(u'+', t.size() - 2);
    QString key = plus < 0 ? t : t.mid(plus + 1);
    const QString mods = plus < 0 ? QString() : t.left(plus + 1);
    for (const auto &[stored, qt] : KeyNames()) {
        if (key == stored)
            key = qt;
    }
    const QKeySequence seq = QKeySequence::fromString(mods + key, QKeySequence::PortableText);
    if (seq.count() != 1 || seq[0].key() == Qt::Key_unknown)
        return {};
    return seq;
}

QString Format(const QKeySequence &sequence)
{
    if (sequence.isEmpty())
        return {};
    const QKeyCombination c = sequence[0];
    QString out;
    if (c.keyboardModifiers() & Qt::ShiftModifier)
        out += QStringLiteral("Shift+");
    if (c.keyboardModifiers() & Qt::ControlModifier)
        out += QStringLiteral("Ctrl+");
    if (c.keyboardModifiers() & Qt::AltModifier)
        out += QStringLiteral("Alt+");
    QString key = QKeySequence(c.key()).toString(QKeySequence::PortableText);
    for (const auto &[stored, qt] : KeyNames()) {
        if (key == qt)
            key = stored;
    }
    return out + key;
}

bool Read(const QString &path, QStringList *lines, QString *error)
{
    TTextFileContent content;
    if (!QFileInfo::exists(path)) {
        // No file: no shortcuts, as an all-empty file would say.
        *lines = QStringList();
        while (lines->size() < Functions().size())
            lines->append(QString());
        return true;
    }
    try {
        content = TextFile::Read(path);
    } catch (const EInOutError &e) {
        *error = QStringLiteral("Klávesové zkratky ze souboru ") + path + QStringLiteral(" nelze načíst.\n")
                 + e.systemMessage();
        lines->clear();
        while (lines->size() < Functions().size())
            lines->append(QString());
        return false;
    }
    *lines = content.lines.mid(0, Functions().size());
    while (lines->size() < Functions().size())
        lines->append(QString());
    return true;
}

void Write(const QString &path, const QStringList &lines)
{
    QStringList out = lines.mid(0, Functions().size());
    while (out.size() < Functions().size())
        out.append(QString());
    TextFile::Write(path, out, Codec::TextEncoding::Windows1250);
}

} // namespace Shortcuts

void SetCommandShortcut(const QString &command, const QKeySequence &sequence)
{
    if (!Form1)
        return;
    auto *action = Form1->findChild<QAction *>(command);
    if (!action)
        return;
    // The commands are reached from every window of the program, not only
    // from the main strip.
    action->setShortcutContext(Qt::ApplicationShortcut);
    if (action->isVisible()) {
        action->setShortcut(sequence);
        return;
    }
    const QString name = QStringLiteral("shortcut_") + command;
    auto *shortcut = Form1->findChild<QShortcut *>(name);
    if (!shortcut) {
        shortcut = new QShortcut(Form1);
        shortcut->setObjectName(name);
        shortcut->setContext(Qt::ApplicationShortcut);
        QObject::connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
    }
    shortcut->setKey(sequence);
    action->setShortcut(sequence); // shown nowhere, but read back by the list
}

QKeySequence CommandShortcut(const QString &command)
{
    auto *action = Form1 ? Form1->findChild<QAction *>(command) : nullptr;
    return action ? action->shortcut() : QKeySequence();
}

void ApplyShortcuts()
{
    if (!Form1)
        return;
    QStringList lines;
    QString error;
    if (!Shortcuts::Read(Shortcuts::FilePath(), &lines, &error))
        Dialogs().Information(error);
    const auto &functions = Shortcuts::Functions();
    for (int k = 0; k < functions.size(); ++k)
        SetCommandShortcut(functions[k].command, Shortcuts::Parse(lines.value(k)));
}

void FillShortcutList()
{
    if (!Form13 || !Form1)
        return;
    const auto &functions = Shortcuts::Functions();
    QTableWidget *grid = Form13->StringGrid1;
    QSignalBlocker blocker(grid);
    grid->setRowCount(functions.size());
    for (int k = 0; k < functions.size(); ++k) {
        auto *label = new QTableWidgetItem(functions[k].label);
        auto *keys = new QTableWidgetItem(Shortcuts::Format(CommandShortcut(functions[k].command)));
        grid->setItem(k, 0, label);
        grid->setItem(k, 1, keys);
    }
    // Combinations pressed while recording must not run the commands they
    // belong to: the items right under the main menus give theirs up.
    if (QMenuBar *bar = Form1->menuBar()) {
        for (QAction *top : bar->actions()) {
            QMenu *menu = top->menu();
            if (!menu)
                continue;
            for (QAction *item : menu->actions()) {
                if (item->menu() || item->isSeparator() || item->objectName().isEmpty())
                    continue;
                SetCommandShortcut(item->objectName(), QKeySequence());
            }
        }
    }
    Form13->HotKey1->SetHotKey(QKeySequence());
}

void SaveShortcuts()
{
    if (!Form13)
        return;
    QStringList lines;
    QTableWidget *grid = Form13->StringGrid1;
    for (int k = 0; k < Shortcuts::Functions().size(); ++k) {
        const QTableWidgetItem *item = grid->item(k, 1);
        lines << (item ? item->text() : QString());
    }
    Shortcuts::Write(Shortcuts::FilePath(), lines);
}
