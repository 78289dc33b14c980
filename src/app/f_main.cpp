#include "app/f_main.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/faboutvellomy.h"
#include "app/help_form.h"
#include "app/program_dir.h"
#include "colours/html_colour.h"
#include "colours/palette.h"
#include "conversion/fileconvertor.h"
#include "errorreport/io_error.h"
#include "settings/shortcut_buttons.h"
#include "documents/document_commands.h"
#include "documents/project_commands.h"
#include "settings/settings_command.h"
#include "preview/refreshable_preview.h"
#include "preview/externalbrowsers.h"
#include "documents/working_copy.h"
#include "editor/find_replace.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "imagemap/imagemap_commands.h"
#include "markup/case_conversion.h"
#include "markup/insert_tag.h"
#include "markup/insert_tag_program.h"
#include "markup/insertion_commands.h"
#include "templates/newfiledialog.h"
#include "templates/savetemplate.h"
#include "markup/tablesize.h"
#include "translator/dhtml_safe.h"
#include "translator/html_translator.h"
#include "workpanel/workpanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

constexpr int ButtonHeight = 22;

void BringUp(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

// A short label for the quick-insert buttons the design draws as pictures.
QString ShortLabel(const TInsertionCommand &c)
{
    if (!c.caption.isEmpty())
        return c.caption;
    static const QHash<QString, QString> labels{
        {QStringLiteral("Fastp"), QStringLiteral("P")},
        {QStringLiteral("Fastbr"), QStringLiteral("BR")},
        {QStringLiteral("fastfont"), QStringLiteral("FONT")},
        {QStringLiteral("fastspan"), QStringLiteral("SPAN")},
        {QStringLiteral("fastb"), QStringLiteral("B")},
        {QStringLiteral("fasti"), QStringLiteral("I")},
        {QStringLiteral("fasta"), QStringLiteral("A")},
        {QStringLiteral("fastimg"), QStringLiteral("IMG")},
        {QStringLiteral("SpeedButton1"), QStringLiteral("@")},
        {QStringLiteral("SpeedButton5"), QStringLiteral("Střed")},
        {QStringLiteral("fastfont2"), QStringLiteral("FONT")},
        {QStringLiteral("fastspan2"), QStringLiteral("SPAN")},
        {QStringLiteral("fastb2"), QStringLiteral("B")},
        {QStringLiteral("fasti2"), QStringLiteral("I")},
        {QStringLiteral("fastsub"), QStringLiteral("SUB")},
        {QStringLiteral("fastsup"), QStringLiteral("SUP")},
        {QStringLiteral("fasttable"), QStringLiteral("TABLE")},
        {QStringLiteral("fasttd"), QStringLiteral("TD")},
        {QStringLiteral("fasttr"), QStringLiteral("TR")},
        {QStringLiteral("fastth"), QStringLiteral("TH")},
        {QStringLiteral("Fasttablesize"), QStringLiteral("Buňky")},
        {QStringLiteral("fastul"), QStringLiteral("UL")},
        {QStringLiteral("fastol"), QStringLiteral("OL")},
        {QStringLiteral("fastli"), QStringLiteral("LI")},
        {QStringLiteral("fastform"), QStringLiteral("FORM")},
        {QStringLiteral("fastradiob"), QStringLiteral("Radio")},
        {QStringLiteral("fastcheckb"), QStringLiteral("Check")},
        {QStringLiteral("SpeedButton9"), QStringLiteral("write()")},
        {QStringLiteral("SpeedButton22"), QStringLiteral("<? ?>")},
        {QStringLiteral("SpeedButton23"), QStringLiteral("echo")},
    };
    return labels.value(c.name, c.hint);
}

void ApplyClipboardOp(THTMLEdit *editor, int op)
{
    switch (op) {
    case 0:
        editor->cut();
        break;
    case 1:
        editor->copy();
        break;
    case 2:
        editor->paste();
        break;
    case 3: {
        QTextCursor cursor = editor->textCursor();
        cursor.removeSelectedText();
        editor->setTextCursor(cursor);
        break;
    }
    default:
        editor->selectAll();
        break;
    }
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vellomy"));
    setAccessibleName(windowTitle());
    // A fixed strip: no maximise box, not resizable.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    BuildMenus();
    BuildControlBar();
    try {
        Shortcuts->LoadShortcutIcons();
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Zástupce programů se nepodařilo načíst."), e);
    }

    // The designed captions name the entities; the program shows the signs.
    Copyright1->setText(QStringLiteral("Copyright ©"));
    rademark1->setText(QStringLiteral("Trademark ™"));
    Registered1->setText(QStringLiteral("Registered ®"));
}

void TForm1::BuildMenus()
{
    const auto item = [this](QMenu *menu, const char *name, const QString &caption,
                             bool enabled = true) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setEnabled(enabled);
        return a;
    };
    const auto submenu = [](QMenu *parent, const char *name, const QString &caption) {
        QMenu *m = parent->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->setAccessibleName(caption);
        return m;
    };
    const auto top = [this](const char *name, const QString &caption) {
        QMenu *m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    // "Soubor"
    QMenu *soubor = top("Soubor1", QStringLiteral("&Soubor"));
    Nov1 = item(soubor, "Nov1", QStringLiteral("Nový..."));
    connect(Nov1, &QAction::triggered, this, [] { Form4->Nov1Click(); });
    Otevt1 = item(soubor, "Otevt1", QStringLiteral("Otevřít..."));
    connect(Otevt1, &QAction::triggered, this, [] { OpenCommand(); });
    OtevtProjekt1 = item(soubor, "OtevtProjekt1", QStringLiteral("Otevřít Projekt..."));
    connect(OtevtProjekt1, &QAction::triggered, this, [] { OpenProjectCommand(); });
    ZnovuOpen = submenu(soubor, "ZnovuOpen", QStringLiteral("Znovu Otervřít"));
    const char *names[] = {"N11", "N21", "N31", "N6", "N41", "N51", "N61", "N71", "N81", "N91", "N101"};
    for (int k = 0; k < 11; ++k) {
        QAction *entry = ZnovuOpen->addAction(QString(), this, [k] { OpenHistoryItem(k); });
        entry->setObjectName(QString::fromLatin1(names[k]));
        entry->setVisible(false);
        ZnovuOpenItems << entry;
    }
    soubor->addSeparator();
    Ulozit = item(soubor, "Ulozit", QStringLiteral("Uložit"));
    connect(Ulozit, &QAction::triggered, this, [] { SaveCommand(); });
    Ulozitjako = item(soubor, "Ulozitjako", QStringLiteral("Uložit Jako..."));
    connect(Ulozitjako, &QAction::triggered, this, [] { SaveAsCommand(); });
    UloitJakoablonu1 = item(soubor, "UloitJakoablonu1", QStringLiteral("Uložit Jako Šablonu..."));
    connect(UloitJakoablonu1, &QAction::triggered, this, [] { Form5->UloitJakoablonu1Click(); });
    Ulozitprojekt = item(soubor, "Ulozitprojekt", QStringLiteral("Uložit Projekt..."));
    connect(Ulozitprojekt, &QAction::triggered, this, [] { SaveProjectCommand(); });
    Ulozvse = item(soubor, "Ulozvse", QStringLiteral("Uložit Vše"));
    connect(Ulozvse, &QAction::triggered, this, [] { SaveAllCommand(); });
    soubor->addSeparator();
    Zavri = item(soubor, "Zavri", QStringLiteral("Zavřít"));
    connect(Zavri, &QAction::triggered, this, [] { CloseDocument(); });
    Zavrivse = item(soubor, "Zavrivse", QStringLiteral("Zavři Vše"));
    connect(Zavrivse, &QAction::triggered, this, [] { CloseAllDocuments(); });
    soubor->addSeparator();
    Tisk = item(soubor, "Tisk", QStringLiteral("Tisk..."));
    connect(Tisk, &QAction::triggered, this, &TForm1::TiskClick);
    soubor->addSeparator();
    Konec1 = item(soubor, "Konec1", QStringLiteral("Konec"));
    connect(Konec1, &QAction::triggered, this, &TForm1::Konec1Click);

    // "Úpravy"
    QMenu *upravy = top("pravy1", QStringLiteral("Úp&ravy"));
    Zpt1 = item(upravy, "Zpt1", QStringLiteral("Zpět"), false); // undo history
    upravy->addSeparator();
    Kopruj1 = item(upravy, "Kopruj1", QStringLiteral("Vyjmout"));
    connect(Kopruj1, &QAction::triggered, this, &TForm1::Kopruj1Click);
    Kopruj2 = item(upravy, "Kopruj2", QStringLiteral("Kopírovat"));
    connect(Kopruj2, &QAction::triggered, this, &TForm1::Kopruj2Click);
    Vlo1 = item(upravy, "Vlo1", QStringLiteral("Vložit"));
    connect(Vlo1, &QAction::triggered, this, &TForm1::Vlo1Click);
    Sma1 = item(upravy, "Sma1", QStringLiteral("Smazat"));
    connect(Sma1, &QAction::triggered, this, &TForm1::Sma1Click);
    VyberVe1 = item(upravy, "VyberVe1", QStringLiteral("Vybrat Vše"));
    connect(VyberVe1, &QAction::triggered, this, &TForm1::VyberVe1Click);
    upravy->addSeparator();
    Najt1 = item(upravy, "Najt1", QStringLiteral("Najít..."));
    connect(Najt1, &QAction::triggered, this, [] { OpenFindDialog(); });
    Nahradit1 = item(upravy, "Nahradit1", QStringLiteral("Najít Další"));
    connect(Nahradit1, &QAction::triggered, this, [] { FindNextCommand(); });
    Nahradit2 = item(upravy, "Nahradit2", QStringLiteral("Nahradit..."));
    connect(Nahradit2, &QAction::triggered, this, [] { OpenReplaceDialog(); });

    // "Zobrazit"; its table items (character bar, tab switching) follow below.
    QMenu *zobrazit = top("Zobrazit1", QStringLiteral("&Zobrazit"));
    PracovnPlocha1 = item(zobrazit, "PracovnPlocha1", QStringLiteral("Pracovní Plocha"));
    connect(PracovnPlocha1, &QAction::triggered, this, [] { BringUp(Form2); });
    PraconPanel1 = item(zobrazit, "PraconPanel1", QStringLiteral("Pracovní Panel"));
    connect(PraconPanel1, &QAction::triggered, this, [] { BringUp(Form3); });
    ObnovovanNvrh1 = item(zobrazit, "ObnovovanNvrh1", QStringLiteral("Obnovovaný Návrh"));
    ObnovovanNvrh1->setCheckable(true);
    connect(ObnovovanNvrh1, &QAction::triggered, this, [] { ObnovovanNvrh1Click(); });

    // "Formát"
    QMenu *format = top("Formt1", QStringLiteral("&Formát"));
    QMenu *styles = submenu(format, "KaskdovStyly1", QStringLiteral("Kaskádové Styly"));
    format->addSeparator();
    // Case changes need a document: the inactive editor's message stays.
    const auto withDocument = [](void (*command)(bool), bool upper) {
        return [command, upper] {
            if (Docs.HasDocuments())
                command(upper);
        };
    };
    ZmensitText1 = item(format, "ZmensitText1", QStringLiteral("Zmenšit Text"));
    connect(ZmensitText1, &QAction::triggered, this, withDocument(&ChangeTextCase, false));
    ZvetsitText1 = item(format, "ZvetsitText1", QStringLiteral("Zvetšit Text"));
    connect(ZvetsitText1, &QAction::triggered, this, withDocument(&ChangeTextCase, true));
    UpravitTagynavelkapismena1 = item(format, "UpravitTagynavelkapismena1",
                                      QStringLiteral("Tagy Na Velké"));
    connect(UpravitTagynavelkapismena1, &QAction::triggered, this, withDocument(&ConvertTagCase, true));
    agyNaMal1 = item(format, "agyNaMal1", QStringLiteral("Tagy Na Malé"));
    connect(agyNaMal1, &QAction::triggered, this, withDocument(&ConvertTagCase, false));

    // "HTML": the skeleton in menu order; the table fills the submenus.
    QMenu *html = top("HTML1", QStringLiteral("&HTML"));
    QMenu *tags = submenu(html, "Tagy1", QStringLiteral("Tagy"));
    QMenu *headings = submenu(tags, "Nadpisy1", QStringLiteral("Nadpisy"));
    QMenu *tables = submenu(tags, "Tabulky1", QStringLiteral("Tabulky"));
    QMenu *lists = submenu(tags, "Seznamy1", QStringLiteral("Seznamy"));
    QMenu *styl = submenu(tags, "Styl1", QStringLiteral("Styl"));
    QMenu *formTags = submenu(tags, "Formt2", QStringLiteral("Formát"));
    QMenu *special = submenu(html, "SpecilnZnaky1", QStringLiteral("Speciální Znaky"));
    // Image maps.
    VytvoitImageMapu1 = item(html, "VytvoitImageMapu1", QStringLiteral("Vytvořit Image Mapu"));
    connect(VytvoitImageMapu1, &QAction::triggered, this, [] { VytvoitImageMapu1Click(); });
    // Enabled while the tag at the caret is a MAP tag.
    EditovatImageMapu1 = item(html, "EditovatImageMapu1", QStringLiteral("Editovat Image Mapu"),
                              false);
    connect(EditovatImageMapu1, &QAction::triggered, this, [] { EditovatImageMapu1Click(); });
    QMenu *colour = submenu(html, "VloitBarvu1", QStringLiteral("Vložit Barvu"));
    ZobrazitNhled1 = item(html, "ZobrazitNhled1", QStringLiteral("Zobrazit Náhled"));
    connect(ZobrazitNhled1, &QAction::triggered, this, [] { ExternalPreview(); });
    QMenu *insert = submenu(html, "Vloit1", QStringLiteral("Vložit"));
    QMenu *bookmarks = submenu(html, "Zloky1", QStringLiteral("Záložky"));

    QHash<QString, QMenu *> menus{
        {QStringLiteral("Zobrazit"), zobrazit},
        {QStringLiteral("Formát/Kaskádové Styly"), styles},
        {QStringLiteral("HTML/Tagy"), tags},
        {QStringLiteral("HTML/Tagy/Nadpisy"), headings},
        {QStringLiteral("HTML/Tagy/Tabulky"), tables},
        {QStringLiteral("HTML/Tagy/Seznamy"), lists},
        {QStringLiteral("HTML/Tagy/Styl"), styl},
        {QStringLiteral("HTML/Tagy/Formát"), formTags},
        {QStringLiteral("HTML/Speciální Znaky"), special},
        {QStringLiteral("HTML/Vložit Barvu"), colour},
        {QStringLiteral("HTML/Vložit"), insert},
        {QStringLiteral("HTML/Záložky"), bookmarks},
    };
    for (const TInsertionCommand &c : InsertionCommands()) {
        if (!c.isMenuItem())
            continue;
        QMenu *menu = menus.value(c.menu.join(u'/'));
        if (!menu) // a path the skeleton lacks goes under "HTML", never lost
            menu = html;
        QAction *a = menu->addAction(c.caption);
        a->setObjectName(c.name);
        a->setVisible(c.visible);
        if (c.action == TCommandAction::ToggleCharacterBar) {
            a->setCheckable(true);
            a->setChecked(c.checked);
        }
        const TInsertionCommand *command = &c; // the table lives as long as the program
        connect(a, &QAction::triggered, this, [this, command] { RunInsertionCommand(*command); });
        m_commands.insert(c.name, a);
        if (c.action == TCommandAction::GoToBookmark)
            BookmarkItems << a;
    }
    Seznamznak1 = Command(QStringLiteral("Seznamznak1"));
    P2 = Command(QStringLiteral("P2"));
    Q1 = Command(QStringLiteral("Q1"));
    PipojitStylZeSouboru1 = Command(QStringLiteral("PipojitStylZeSouboru1"));
    NezalomitelnMezera1 = Command(QStringLiteral("NezalomitelnMezera1"));
    Copyright1 = Command(QStringLiteral("Copyright1"));
    rademark1 = Command(QStringLiteral("rademark1"));
    Registered1 = Command(QStringLiteral("Registered1"));
    Vlastn1 = Command(QStringLiteral("Vlastn1"));
    ZPalety1 = Command(QStringLiteral("ZPalety1"));
    DnenDatum1 = Command(QStringLiteral("DnenDatum1"));

    // "Nastavení": the settings dialog, the converter and the browsers list
    // arrive with their windows.
    QMenu *settings = top("Nastaven1", QStringLiteral("&Nastavení"));
    Uivatelsk1 = item(settings, "Uivatelsk1", QStringLiteral("Uživatelská..."));
    connect(Uivatelsk1, &QAction::triggered, this, [] { Uivatelsk1Click(); });
    KonvertorSoubor2 = item(settings, "KonvertorSoubor2", QStringLiteral("Konvertor Souborů..."));
    connect(KonvertorSoubor2, &QAction::triggered, this, [] { FFileConvertor->exec(); });
    ExternProhliee2 = item(settings, "ExternProhliee2", QStringLiteral("Externí Prohližeče..."));
    connect(ExternProhliee2, &QAction::triggered, this, [] { Form7->exec(); });

    // "Nápověda"
    QMenu *help = top("Npovda1", QStringLiteral("Nápo&věda"));
    JakpracovatsVellomy1 = item(help, "JakpracovatsVellomy1", QStringLiteral("Jak pracovat s Vellomy"));
    connect(JakpracovatsVellomy1, &QAction::triggered, this, [] { JakpracovatsVellomy1Click(); });
    SyntaxeHTML1 = item(help, "SyntaxeHTML1", QStringLiteral("Syntaxe HTML"));
    connect(SyntaxeHTML1, &QAction::triggered, this, &TForm1::SyntaxeHTML1Click);
    help->addSeparator();
    Aktualizace1 = item(help, "Aktualizace1", QStringLiteral("Aktualizace"));
    connect(Aktualizace1, &QAction::triggered, this, &TForm1::Aktualizace1Click);
    OProgramu1 = item(help, "OProgramu1", QStringLiteral("O Programu"));
    connect(OProgramu1, &QAction::triggered, this, [] { AboutVellomy->exec(); });
}

void TForm1::BuildControlBar()
{
    ControlBar1 = new QWidget(this);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    auto *grid = new QGridLayout(ControlBar1);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    setCentralWidget(ControlBar1);

    const auto band = [this](const char *name, const QString &caption) {
        auto *bar = new QToolBar(caption, ControlBar1);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setAccessibleName(caption);
        bar->setIconSize(QSize(16, 16));
        bar->setContentsMargins(0, 0, 0, 0);
        bar->layout()->setContentsMargins(1, 1, 1, 1);
        bar->layout()->setSpacing(0);
        bar->setMovable(false);
        return bar;
    };
    // A button that runs an action and follows its enabled state, with its
    // own hint (two buttons may serve one command under different hints).
    const auto button = [this](QToolBar *bar, QAction *action, QStyle::StandardPixmap icon,
                               const QString &hint, const char *name) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        // The 16-pixel picture alone: the full icon reads every size of it.
        b->setIcon(QIcon(style()->standardPixmap(icon)));
        b->setIconSize(QSize(16, 16));
        b->setAutoRaise(true);
        b->setFixedSize(ButtonHeight + 1, ButtonHeight);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setEnabled(action->isEnabled());
        connect(b, &QToolButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, b, &QWidget::setEnabled);
        bar->addWidget(b);
        return b;
    };

    ToolBar1 = band("ToolBar1", QStringLiteral("Standart"));
    Newfile = button(ToolBar1, Nov1, QStyle::SP_FileIcon, QStringLiteral("Nový Soubor..."), "Newfile");
    Openfile = button(ToolBar1, Otevt1, QStyle::SP_DialogOpenButton, QStringLiteral("Otevřít Soubor..."),
                      "Openfile");
    Savefile = button(ToolBar1, Ulozit, QStyle::SP_DialogSaveButton, QStringLiteral("Uložit"), "Savefile");
    Saveall = button(ToolBar1, Ulozvse, QStyle::SP_DriveFDIcon, QStringLiteral("Uložit Vše"), "Saveall");
    ToolBar1->addSeparator();
    SpeedButton18 = button(ToolBar1, Zpt1, QStyle::SP_ArrowBack, QStringLiteral("Zpět"), "SpeedButton18");
    SpeedButton12 = button(ToolBar1, Najt1, QStyle::SP_FileDialogContentsView, QStringLiteral("Najít..."),
                           "SpeedButton12");
    SpeedButton13 = button(ToolBar1, Nahradit2, QStyle::SP_FileDialogInfoView,
                           QStringLiteral("Nahradit..."), "SpeedButton13");
    ToolBar1->addSeparator();
    SpeedButton15 = button(ToolBar1, PracovnPlocha1, QStyle::SP_FileDialogDetailedView,
                           QStringLiteral("Zobrazit Pracovní plochu"), "SpeedButton15");
    SpeedButton16 = button(ToolBar1, PraconPanel1, QStyle::SP_FileDialogListView,
                           QStringLiteral("Zbrazit Pracovní panel"), "SpeedButton16");
    SpeedButton17 = button(ToolBar1, ObnovovanNvrh1, QStyle::SP_BrowserReload,
                           QStringLiteral("Zobrazit Obnovovaný náhled"), "SpeedButton17");
    ToolBar1->addSeparator();
    SpeedButton2 = button(ToolBar1, VytvoitImageMapu1, QStyle::SP_FileDialogNewFolder,
                          QStringLiteral("Vytvořit Image Mapu"), "SpeedButton2");
    SpeedButton3 = button(ToolBar1, EditovatImageMapu1, QStyle::SP_FileDialogStart,
                          QStringLiteral("Editovat Image Mapu"), "SpeedButton3");

    ToolBar2 = band("ToolBar2", QStringLiteral("Jiné"));
    Preview = button(ToolBar2, ZobrazitNhled1, QStyle::SP_ComputerIcon, QStringLiteral("Náhled"), "Preview");
    // The design gives the help button no hint; it says what it does.
    SpeedButton20 = button(ToolBar2, JakpracovatsVellomy1, QStyle::SP_DialogHelpButton,
                           JakpracovatsVellomy1->text(), "SpeedButton20");
    SpeedButton21 = button(ToolBar2, ObnovovanNvrh1, QStyle::SP_BrowserReload,
                           QStringLiteral("Obnovovaný Náhled"), "SpeedButton21");

    ToolBar3 = band("ToolBar3", QStringLiteral("Panel Zástupců"));
    Shortcuts = new TShortcutButtons(this, ToolBar3, ButtonHeight);
    ShortcutButtons = Shortcuts->Buttons;

    Pagecontrol2 = new QTabWidget(ControlBar1);
    Pagecontrol2->setObjectName(QStringLiteral("Pagecontrol2"));
    Pagecontrol2->setAccessibleName(QStringLiteral("Rychlá volba"));
    Pagecontrol2->setDocumentMode(true);
    Pagecontrol2->tabBar()->setExpanding(false);
    Pagecontrol2->tabBar()->setDrawBase(false);
    QHash<QString, QHBoxLayout *> rows;
    for (const QString &tab : QuickInsertTabs()) {
        auto *page = new QWidget;
        page->setAccessibleName(tab);
        auto *row = new QHBoxLayout(page);
        row->setContentsMargins(2, 1, 2, 1);
        row->setSpacing(1);
        Pagecontrol2->addTab(page, tab);
        rows.insert(tab, row);
    }
    for (const TInsertionCommand &c : InsertionCommands()) {
        QHBoxLayout *row = rows.value(c.tab);
        if (c.isMenuItem() || !row)
            continue;
        auto *b = new QToolButton;
        b->setObjectName(c.name);
        b->setText(ShortLabel(c));
        b->setToolTip(c.hint);
        b->setAccessibleName(c.hint);
        b->setAutoRaise(true);
        b->setFixedHeight(ButtonHeight);
        b->setMinimumWidth(ButtonHeight + 2);
        if (c.open == QStringLiteral("<B>") || c.open == QStringLiteral("<I>")) {
            QFont f = b->font();
            f.setBold(c.open == QStringLiteral("<B>"));
            f.setItalic(c.open == QStringLiteral("<I>"));
            b->setFont(f);
        }
        const TInsertionCommand *command = &c;
        connect(b, &QToolButton::clicked, this, [this, command] { RunInsertionCommand(*command); });
        row->addWidget(b);
        m_quickButtons.insert(c.name, b);
    }
    for (QHBoxLayout *row : std::as_const(rows))
        row->addStretch(1);

    // Two rows of bands on the left, the quick-insert tabs over both rows
    // on the right.
    auto *rowOne = new QHBoxLayout;
    rowOne->setSpacing(0);
    rowOne->addWidget(ToolBar1);
    rowOne->addStretch(1);
    auto *rowTwo = new QHBoxLayout;
    rowTwo->setSpacing(0);
    rowTwo->addWidget(ToolBar2);
    rowTwo->addWidget(ToolBar3);
    rowTwo->addStretch(1);
    grid->addLayout(rowOne, 0, 0);
    grid->addLayout(rowTwo, 1, 0);
    grid->addWidget(Pagecontrol2, 0, 1, 2, 1);
    grid->setColumnStretch(1, 1);
}

QAction *TForm1::Command(const QString &name) const
{
    return m_commands.value(name);
}

QToolButton *TForm1::QuickButton(const QString &name) const
{
    return m_quickButtons.value(name);
}

void TForm1::Konec1Click()
{
    if (!ExitCleanup(false))
        return;
    m_exiting = true;
    QApplication::quit();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    if (!ExitCleanup(true)) {
        event->ignore();
        return;
    }
    m_exiting = true;
    event->accept();
    QApplication::quit();
}

void TForm1::TiskClick()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        Dialogs().Information(QStringLiteral("Není přítomna žádná tiskárna!"));
        return;
    }
    if (!Docs.HasDocuments())
        return;
    QPrinter printer;
    if (!Dialogs().PrinterSetup(&printer))
        return;
    Form2->HTMLEditor1->Print(QStringLiteral("Vellomy - ") + DocumentPath(Docs.ActiveFile()), &printer);
}

void TForm1::ClipboardCommand(TClipboardOp op)
{
    if (!Form2)
        return;
    if (Form2->PageControl1->currentIndex() == TranslatorTab) {
        // The menu belongs to another window, so the translator editor has
        // the focus when it is its window's focus widget.
        THTMLEdit *translator = Form2->HTMLEditor2;
        if (translator->hasFocus() || Form2->focusWidget() == translator) {
            ApplyClipboardOp(translator, int(op));
        } else if (Form2->Translator && Form2->Translator->DHTMLEdit1->HasFocus()) {
            static constexpr int commands[] = {DECMD::CUT, DECMD::COPY, DECMD::PASTE, DECMD::DELETE,
                                               DECMD::SELECTALL};
            Form2->Translator->DHTMLEdit1->ExecCommand(commands[int(op)]);
        }
        return;
    }
    // With no document the editor shows only the inactive message, which
    // is not the user's to change.
    const bool changes = op == TClipboardOp::Cut || op == TClipboardOp::Paste
        || op == TClipboardOp::Delete;
    if (Docs.HasDocuments() || !changes)
        ApplyClipboardOp(Form2->HTMLEditor1, int(op));
    BringUp(Form2);
}

void TForm1::Kopruj1Click()
{
    ClipboardCommand(TClipboardOp::Cut);
}

void TForm1::Kopruj2Click()
{
    ClipboardCommand(TClipboardOp::Copy);
}

void TForm1::Vlo1Click()
{
    ClipboardCommand(TClipboardOp::Paste);
}

void TForm1::Sma1Click()
{
    ClipboardCommand(TClipboardOp::Delete);
}

void TForm1::VyberVe1Click()
{
    ClipboardCommand(TClipboardOp::SelectAll);
}

void TForm1::ShowWorkspaceTab(int index)
{
    if (!Form2)
        return;
    Form2->PageControl1->setCurrentIndex(index);
    Form2->PageControl1Change(index);
}

void TForm1::SyntaxeHTML1Click()
{
    ShowWorkspaceTab(HelpTab);
}

void TForm1::Aktualizace1Click()
{
    QDesktopServices::openUrl(QUrl(MakerPageUrl()));
}

void TForm1::ToggleCharacterBar()
{
    if (!Form2)
        return;
    const bool show = Form2->StringGrid2->isHidden();
    Form2->StringGrid2->setVisible(show);
    Seznamznak1->setChecked(show);
    Form2->FormResize();
}

void TForm1::CustomColour()
{
    const std::optional<QColor> chosen = Dialogs().GetColor(m_lastColour);
    if (!chosen || !Form2)
        return;
    m_lastColour = *chosen;
    const int tab = Form2->PageControl1->currentIndex();
    if (tab != EditorTab && tab != TranslatorTab)
        return;
    InsertTag(ColorToHtml(ToTColor(chosen->toRgb())), QString(), InsertAtCaret);
}

void TForm1::AttachStyleSheetFromFile()
{
    if (!Form2 || !Docs.HasDocuments() || Form2->PageControl1->currentIndex() != EditorTab)
        return;
    THTMLEdit *editor = Form2->HTMLEditor1;
    if (!HasHeadSection(editor->Text())) {
        Dialogs().Information(MissingHeadMessage());
        return;
    }
    TFileRequest request;
    request.title = QStringLiteral("Připojit Styl ze Souboru");
    request.filter = StyleSheetFilter();
    request.initialDir = ProgramDir() + StyleSheetFolder();
    request.mustExist = true;
    const QStringList files = Dialogs().GetOpenFileNames(request);
    if (files.isEmpty())
        return;
    QString message;
    if (!AttachStyleSheet(editor, RelativeLinkPath(Docs.ActiveFile(), files.first()),
                          CurrentMarkupStyle(), &message))
        Dialogs().Information(message);
}

void TForm1::RunInsertionCommand(const TInsertionCommand &command)
{
    switch (command.action) {
    case TCommandAction::InsertTag:
        InsertTag(command.open, command.close, command.mode);
        break;
    case TCommandAction::CentreAlign: {
        // Read at each click: a changed setting applies at once.
        const TMarkupStyle style = CurrentMarkupStyle();
        InsertTag(style.alignCentreOpen, style.alignCentreClose, WrapSelection);
        break;
    }
    case TCommandAction::TodayDate:
        InsertTag(TodayDateText(QDate::currentDate()), QString(), InsertAtCaret);
        break;
    case TCommandAction::CustomColour:
        CustomColour();
        break;
    case TCommandAction::AttachStyleSheet:
        AttachStyleSheetFromFile();
        break;
    case TCommandAction::ToggleCharacterBar:
        ToggleCharacterBar();
        break;
    case TCommandAction::ShowSourceTab:
        ShowWorkspaceTab(EditorTab);
        if (Form2)
            Form2->HTMLEditor1->setFocus();
        break;
    case TCommandAction::ShowPreviewTab:
        ShowWorkspaceTab(PreviewTab);
        break;
    case TCommandAction::GoToBookmark:
        if (Form2)
            Form2->GoToBookmark(command.bookmark);
        break;
    case TCommandAction::PaletteColour:
        ShowPaletteWindow(QStringLiteral("Rich"));
        break;
    case TCommandAction::TableSizePicker:
        if (Form6)
            Form6->ShowTablePicker(QStringLiteral("RICH"));
        break;
        break; // disabled until its window exists
    }
}
