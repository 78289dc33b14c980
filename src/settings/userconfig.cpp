#include "settings/userconfig.h"

#include "app/dialogs.h"
#include "settings/hotkey.h"
#include "settings/load_config.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// The member name as object name for tests and screen readers, the caption as
// the accessible name.
template<typename W>
W *Named(W *widget, const QString &objectName, const QString &caption)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(caption);
    return widget;
}

QLabel *Caption(const QString &text, QWidget *buddy = nullptr)
{
    auto *label = new QLabel(text);
    // Captions such as "<B></B>" are text, never markup.
    label->setTextFormat(Qt::PlainText);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QIcon Swatch(TColor colour)
{
    QPixmap pm(16, 12);
    pm.fill(TColors::ToQColor(colour));
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return QIcon(pm);
}

void FillColours(QComboBox *box)
{
    for (const QString &id : TColors::StandardIdentifiers()) {
        TColor c = 0;
        TColors::StringToColor(id, &c);
        box->addItem(Swatch(c), id, QVariant::fromValue<uint>(c));
    }
}

const int kStandardColourCount = 16;

// A colour that is none of the sixteen (a number in a hand-edited file) is
// shown as an extra entry, so that a save writes it back unchanged.
void SelectColour(QComboBox *box, TColor colour)
{
    while (box->count() > kStandardColourCount)
        box->removeItem(box->count() - 1);
    int index = box->findData(QVariant::fromValue<uint>(colour));
    if (index < 0) {
        box->addItem(Swatch(colour), ColorToConfigText(colour), QVariant::fromValue<uint>(colour));
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

TColor ColourOf(const QComboBox *box, TColor fallback)
{
    const QVariant d = box->currentData();
    return d.isValid() ? TColor(d.toUInt()) : fallback;
}

bool AllDigits(const QString &text)
{
    for (QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return false;
    }
    return true;
}

} // namespace

const QString &TForm13::DigitsMessage()
{
    static const QString m = u"Je třeba zadat celé číslo!"_s;
    return m;
}

const QString &TForm13::InvalidMessage()
{
    static const QString m = u"Některá ze zadaných hodnot není korektní, zkontrolujte prosím nastavení"_s;
    return m;
}

TForm13::TForm13(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form13"_s);
    setWindowTitle(u"Uživatelská Nastavení"_s);
    setAccessibleName(windowTitle());
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowStaysOnTopHint);

    PageControl1 = Named(new QTabWidget(this), u"PageControl1"_s, u"Nastavení"_s);
    // All five tabs in sight: the dialog grows to fit them instead of scrolling.
    PageControl1->setUsesScrollButtons(false);
    BuildGeneralTab();
    BuildShortcutsTab();
    BuildCodeFillerTab();
    BuildFilesTab();
    BuildEditorTab();
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this](int index) { PageControl1Change(index); });

    Button1 = Named(new QPushButton(u"OK"_s), u"Button1"_s, u"OK"_s);
    Button2 = Named(new QPushButton(u"Storno"_s), u"Button2"_s, u"Storno"_s);
    Button1->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto *main = new QVBoxLayout(this);
    main->addWidget(PageControl1);
    main->addLayout(buttons);
    // A fixed dialog: the layout decides its size, the user cannot resize it.
    main->setSizeConstraint(QLayout::SetFixedSize);

    connect(Historylength, &QLineEdit::textChanged, this, &TForm13::HistorylengthChange);
    connect(tabulsize, &QLineEdit::textChanged, this, &TForm13::tabulsizeChange);
    connect(Button1, &QPushButton::clicked, this, &TForm13::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm13::Button2Click);
    connect(Button5, &QPushButton::clicked, this, &TForm13::Button5Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm13::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm13::SpeedButton2Click);

    SetValues(TConfigValues());
}

void TForm13::BuildGeneralTab()
{
    TabSheet1 = Named(new QWidget, u"TabSheet1"_s, u"Obecné"_s);
    GroupBox1 = Named(new QGroupBox(u"Různé"_s), u"GroupBox1"_s, u"Různé"_s);

    Historylength = Named(new QLineEdit, u"Historylength"_s, u"Maximální velikost historie:"_s);
    Historylength->setFixedWidth(60);
    auto *historyRow = new QHBoxLayout;
    historyRow->addWidget(Caption(u"Maximální velikost historie:"_s, Historylength));
    historyRow->addWidget(Historylength);
    historyRow->addWidget(Caption(u"položek"_s));
    historyRow->addStretch(1);

    auto check = [](const QString &name, const QString &caption) {
        return Named(new QCheckBox(caption), name, caption);
    };
    Openlastproject = check(u"Openlastproject"_s, u"Při startu otevřít naposledy editovaný projekt"_s);
    Linenumbering = check(u"Linenumbering"_s, u"Číslovat řádky"_s);
    Useuppercase = check(u"Useuppercase"_s, u"Vkládat tagy a parametry velkými písmeny"_s);
    Usebasefonts = check(u"Usebasefonts"_s, u"Načítat všechny fonty"_s);
    insertsmallfilenames = check(u"insertsmallfilenames"_s, u"Vkládat názvy souborů malými písmeny"_s);
    userelativepaths = check(u"userelativepaths"_s, u"Všechny cesty ukládat relativně"_s);
    Useautosaveall = check(u"Useautosaveall"_s, u"Automaticky ukládat při změně aktuálního souboru"_s);
    usefulltruefalseparam = check(u"usefulltruefalseparam"_s,
                                  u"Pro true/false tagy používat plný výpis(<FRAME NORESIZE=\"NORESIZE\">)"_s);
    usedivonendoftag = check(u"usedivonendoftag"_s, u"Nepárové tagy zakončovat na /"_s);

    defaultextension = Named(new QLineEdit, u"defaultextension"_s, u"Standartní přípona:"_s);
    defaultextension->setFixedWidth(80);
    auto *extensionRow = new QHBoxLayout;
    extensionRow->addWidget(Caption(u"Standartní přípona:"_s, defaultextension));
    extensionRow->addWidget(defaultextension);
    extensionRow->addStretch(1);

    auto *group = new QVBoxLayout(GroupBox1);
    group->addLayout(historyRow);
    for (QCheckBox *box : {Openlastproject, Linenumbering, Useuppercase, Usebasefonts,
                           insertsmallfilenames, userelativepaths, Useautosaveall,
                           usefulltruefalseparam})
        group->addWidget(box);
    group->addSpacing(6);
    group->addWidget(Caption(u"Podpora XHTML:"_s, usedivonendoftag));
    group->addWidget(usedivonendoftag);
    group->addSpacing(6);
    group->addLayout(extensionRow);

    auto *page = new QVBoxLayout(TabSheet1);
    page->addWidget(GroupBox1);
    page->addStretch(1);
    PageControl1->addTab(TabSheet1, u"Obecné"_s);
}

void TForm13::BuildShortcutsTab()
{
    TabSheet2 = Named(new QWidget, u"TabSheet2"_s, u"Klávesové Zkratky"_s);
    StringGrid1 = Named(new QTableWidget(0, 2), u"StringGrid1"_s, u"Klávesové Zkratky"_s);
    StringGrid1->setHorizontalHeaderLabels({u"Funkce"_s, u"Zkratka"_s});
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setColumnWidth(0, 190);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);

    Panel1 = Named(new QLabel, u"Panel1"_s, u"Funkce:"_s);
    Panel1->setTextFormat(Qt::PlainText);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setMinimumWidth(180);
    Panel1->setMinimumHeight(Panel1->fontMetrics().height() + 8);
    HotKey1 = Named(new THotKey, u"HotKey1"_s, u"Zkratka:"_s);
    Button3 = Named(new QPushButton(u"Použít"_s), u"Button3"_s, u"Použít"_s);
    Button4 = Named(new QPushButton(u"Vynulovat"_s), u"Button4"_s, u"Vynulovat"_s);

    auto *side = new QVBoxLayout;
    side->addWidget(Caption(u"Funkce:"_s));
    side->addWidget(Panel1);
    side->addWidget(Caption(u"Zkratka:"_s, HotKey1));
    side->addWidget(HotKey1);
    side->addWidget(Button3);
    side->addWidget(Button4);
    side->addStretch(1);

    auto *page = new QHBoxLayout(TabSheet2);
    page->addWidget(StringGrid1, 1);
    page->addLayout(side);
    PageControl1->addTab(TabSheet2, u"Klávesové Zkratky"_s);

    connect(StringGrid1, &QTableWidget::cellClicked, this,
            [this](int row, int column) { StringGrid1SelectCell(row, column); });
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGrid1SelectCell(row, column); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
}

void TForm13::BuildCodeFillerTab()
{
    TabSheet3 = Named(new QWidget, u"TabSheet3"_s, u"Code Filler"_s);
    Usecodefiller = Named(new QCheckBox(u"Používat Code Filler"_s), u"Usecodefiller"_s,
                          u"Používat Code Filler"_s);
    useparamseparator = Named(new QCheckBox(u"Při vložení HTML parametru přidat =\"\""_s),
                              u"useparamseparator"_s, u"Při vložení HTML parametru přidat =\"\""_s);

    Memo1 = Named(new QPlainTextEdit, u"Memo1"_s, u"Slovní zásoba Code Filleru:"_s);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Memo2 = Named(new QPlainTextEdit, u"Memo2"_s, u"Poznámka"_s);
    Memo2->setReadOnly(true);
    Memo2->setPlainText(u"Pravidla pro tvorbu vlastních\n"
                        u"slov byla v nové verzi zcela\n"
                        u"změněna. Vyčkejte prosím,\n"
                        u"další verze již bude obsahovat\n"
                        u"příslušnou dokumentaci."_s);
    Memo2->setFixedWidth(220);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *memos = new QHBoxLayout;
    memos->addWidget(Memo1, 1);
    memos->addWidget(Memo2, 0, Qt::AlignTop);

    auto *page = new QVBoxLayout(TabSheet3);
    page->addWidget(Usecodefiller);
    page->addWidget(useparamseparator);
    page->addWidget(Caption(u"Slovní zásoba Code Filleru:"_s, Memo1));
    page->addLayout(memos, 1);
    PageControl1->addTab(TabSheet3, u"Code Filler"_s);
}

void TForm13::BuildFilesTab()
{
    TabSheet4 = Named(new QWidget, u"TabSheet4"_s, u"Soubory a Adresáře"_s);

    GroupBox2 = Named(new QGroupBox(u"Výchozí Adresáře"_s), u"GroupBox2"_s, u"Výchozí Adresáře"_s);
    Projectfolder = Named(new QLineEdit, u"Projectfolder"_s, u"Adresář Projektů"_s);
    Filefolder = Named(new QLineEdit, u"Filefolder"_s, u"Adresář Souborů"_s);
    SpeedButton1 = Named(new QToolButton, u"SpeedButton1"_s, u"Vybrat Adresář Projektů"_s);
    SpeedButton2 = Named(new QToolButton, u"SpeedButton2"_s, u"Vybrat Adresář Souborů"_s);
    SpeedButton1->setText(u"..."_s);
    SpeedButton2->setText(u"..."_s);
    SpeedButton1->setToolTip(SpeedButton1->accessibleName());
    SpeedButton2->setToolTip(SpeedButton2->accessibleName());

    auto *folders = new QGridLayout(GroupBox2);
    folders->addWidget(Caption(u"Adresář Projektů"_s, Projectfolder), 0, 0, 1, 2);
    folders->addWidget(Projectfolder, 1, 0);
    folders->addWidget(SpeedButton1, 1, 1);
    folders->addWidget(Caption(u"Adresář Souborů"_s, Filefolder), 2, 0, 1, 2);
    folders->addWidget(Filefolder, 3, 0);
    folders->addWidget(SpeedButton2, 3, 1);

    GroupBox3 = Named(new QGroupBox(u"Podporované Koncovky"_s), u"GroupBox3"_s,
                      u"Podporované Koncovky"_s);
    ValueListEditor1 = Named(new QTableWidget(0, 2), u"ValueListEditor1"_s, u"Podporované Koncovky"_s);
    ValueListEditor1->setHorizontalHeaderLabels({u"Popis"_s, u"Koncovka"_s});
    ValueListEditor1->verticalHeader()->setVisible(false);
    ValueListEditor1->setColumnWidth(0, 215);
    ValueListEditor1->setColumnWidth(1, 244);
    ValueListEditor1->setMinimumWidth(215 + 244 + 2 * ValueListEditor1->frameWidth() + 20);
    ValueListEditor1->setMinimumHeight(160);
    ValueListEditor1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ValueListEditor1->setWordWrap(false);
    ValueListEditor1->horizontalHeader()->setStretchLastSection(true);
    Button5 = Named(new QPushButton(u"Přidat"_s), u"Button5"_s, u"Přidat"_s);

    auto *types = new QVBoxLayout(GroupBox3);
    types->addWidget(ValueListEditor1, 1);
    auto *addRow = new QHBoxLayout;
    addRow->addStretch(1);
    addRow->addWidget(Button5);
    types->addLayout(addRow);

    auto *page = new QVBoxLayout(TabSheet4);
    page->addWidget(GroupBox2);
    page->addWidget(GroupBox3, 1);
    PageControl1->addTab(TabSheet4, u"Soubory a Adresáře"_s);
}

void TForm13::BuildEditorTab()
{
    TabSheet5 = Named(new QWidget, u"TabSheet5"_s, u"Editor Kódu"_s);
    GroupBox4 = Named(new QGroupBox(u"Editor kódu"_s), u"GroupBox4"_s, u"Editor kódu"_s);

    tabulsize = Named(new QLineEdit, u"tabulsize"_s, u"Velikost Tabulátoru"_s);
    tabulsize->setFixedWidth(60);
    usewordwrap = Named(new QCheckBox(u"Automaticky zalamovat řádky"_s), u"usewordwrap"_s,
                        u"Automaticky zalamovat řádky"_s);
    usetab = Named(new QCheckBox(u"Používat tabulátor"_s), u"usetab"_s, u"Používat tabulátor"_s);
    usesyntaxcolouring = Named(new QCheckBox(u"Barevné zvýraznění syntaxe"_s), u"usesyntaxcolouring"_s,
                               u"Barevné zvýraznění syntaxe"_s);
    aligncenter1 = Named(new QLineEdit, u"aligncenter1"_s, u"Začátek:"_s);
    aligncenter2 = Named(new QLineEdit, u"aligncenter2"_s, u"Konec:"_s);
    bgcolor = Named(new QComboBox, u"bgcolor"_s, u"Barva Pozadí"_s);
    Textcolor = Named(new QComboBox, u"Textcolor"_s, u"Barva kódu:"_s);
    FillColours(bgcolor);
    FillColours(Textcolor);

    auto *form = new QFormLayout;
    form->addRow(Caption(u"Velikost Tabulátoru"_s, tabulsize), tabulsize);
    form->addRow(usewordwrap);
    form->addRow(usetab);
    form->addRow(usesyntaxcolouring);
    form->addRow(Caption(u"Při stisknutí zarovnání na střed použít tento text:"_s));
    form->addRow(Caption(u"Začátek:"_s, aligncenter1), aligncenter1);
    form->addRow(Caption(u"Konec:"_s, aligncenter2), aligncenter2);
    form->addRow(Caption(u"Barva Pozadí"_s, bgcolor), bgcolor);
    form->addRow(Caption(u"Barva kódu:"_s, Textcolor), Textcolor);

    // Each pair in its own box, so that each is exclusive on its own.
    auto radioPair = [](const QString &title, QRadioButton *a, QRadioButton *b) {
        auto *box = new QGroupBox(title);
        box->setAccessibleName(title);
        auto *l = new QVBoxLayout(box);
        l->addWidget(a);
        l->addWidget(b);
        return box;
    };
    usestrong = Named(new QRadioButton(u"<STRONG></STRONG>"_s), u"usestrong"_s, u"<STRONG></STRONG>"_s);
    RadioButton3 = Named(new QRadioButton(u"<B></B>"_s), u"RadioButton3"_s, u"<B></B>"_s);
    useem = Named(new QRadioButton(u"<EM></EM>"_s), u"useem"_s, u"<EM></EM>"_s);
    RadioButton2 = Named(new QRadioButton(u"<I></I>"_s), u"RadioButton2"_s, u"<I></I>"_s);
    auto *pairs = new QHBoxLayout;
    pairs->addWidget(radioPair(u"Pro tučné písmo používat:"_s, usestrong, RadioButton3));
    pairs->addWidget(radioPair(u"Pro kurzívu používat:"_s, useem, RadioButton2));

    auto *group = new QVBoxLayout(GroupBox4);
    group->addLayout(form);
    group->addLayout(pairs);

    auto *page = new QVBoxLayout(TabSheet5);
    page->addWidget(GroupBox4);
    page->addStretch(1);
    PageControl1->addTab(TabSheet5, u"Editor Kódu"_s);
}

void TForm13::SetValues(const TConfigValues &v)
{
    Historylength->setText(v.Delka);
    Openlastproject->setChecked(v.Otevritpristartuprojekt);
    Projectfolder->setText(v.Projekty);
    Filefolder->setText(v.Soubory);
    m_filterText = v.Filtr;
    m_lastOpenType = v.Posledniotevrtyp;
    Usecodefiller->setChecked(v.Pouzivat);
    Linenumbering->setChecked(v.Cislovatradky);
    Useuppercase->setChecked(v.Vkladatvelka);
    Usebasefonts->setChecked(v.Pouzivatzakladni);
    insertsmallfilenames->setChecked(v.Vkladatfilenamymalyli);
    userelativepaths->setChecked(v.pozivatrelatinicesty);
    Useautosaveall->setChecked(v.automatickyukladat);
    defaultextension->setText(v.defaultpripona);
    usewordwrap->setChecked(v.wordwrap);
    usetab->setChecked(v.usetab);
    usesyntaxcolouring->setChecked(v.Zvyraznovani);
    aligncenter1->setText(v.centertext1);
    aligncenter2->setText(v.centertext2);
    usestrong->setChecked(v.useStrong);
    RadioButton3->setChecked(!v.useStrong);
    useem->setChecked(v.useEm);
    RadioButton2->setChecked(!v.useEm);
    useparamseparator->setChecked(v.useparamsep);
    tabulsize->setText(v.Tabsize);
    SelectColour(bgcolor, v.BgColor);
    SelectColour(Textcolor, v.TextColor);
    usefulltruefalseparam->setChecked(v.Usefulltruefalseparam);
    usedivonendoftag->setChecked(v.useSlashAtEndOfTag);

    // The table shows exactly the pairs of the filter text; rows left empty
    // in an earlier session go, as the user expects after a reload.
    ValueListEditor1->setRowCount(0);
    for (const auto &[description, patterns] : FilterRowsFromText(m_filterText)) {
        const int row = ValueListEditor1->rowCount();
        ValueListEditor1->insertRow(row);
        ValueListEditor1->setItem(row, 0, new QTableWidgetItem(description));
        ValueListEditor1->setItem(row, 1, new QTableWidgetItem(patterns));
    }
}

TConfigValues TForm13::Values() const
{
    const TConfigValues d;
    TConfigValues v;
    v.Delka = Historylength->text();
    v.Otevritpristartuprojekt = Openlastproject->isChecked();
    v.Projekty = Projectfolder->text();
    v.Soubory = Filefolder->text();
    v.Filtr = m_filterText;
    v.Posledniotevrtyp = m_lastOpenType;
    v.Pouzivat = Usecodefiller->isChecked();
    v.Cislovatradky = Linenumbering->isChecked();
    v.Vkladatvelka = Useuppercase->isChecked();
    v.Pouzivatzakladni = Usebasefonts->isChecked();
    v.Vkladatfilenamymalyli = insertsmallfilenames->isChecked();
    v.pozivatrelatinicesty = userelativepaths->isChecked();
    v.automatickyukladat = Useautosaveall->isChecked();
    v.defaultpripona = defaultextension->text();
    v.wordwrap = usewordwrap->isChecked();
    v.usetab = usetab->isChecked();
    v.Zvyraznovani = usesyntaxcolouring->isChecked();
    v.centertext1 = aligncenter1->text();
    v.centertext2 = aligncenter2->text();
    v.useStrong = usestrong->isChecked();
    v.useEm = useem->isChecked();
    v.useparamsep = useparamseparator->isChecked();
    v.Tabsize = tabulsize->text();
    v.BgColor = ColourOf(bgcolor, d.BgColor);
    v.TextColor = ColourOf(Textcolor, d.TextColor);
    v.Usefulltruefalseparam = usefulltruefalseparam->isChecked();
    v.useSlashAtEndOfTag = usedivonendoftag->isChecked();
    return v;
}

QList<QPair<QString, QString>> TForm13::FilterRows() const
{
    QList<QPair<QString, QString>> rows;
    for (int r = 0; r < ValueListEditor1->rowCount(); ++r) {
        const QTableWidgetItem *description = ValueListEditor1->item(r, 0);
        const QTableWidgetItem *patterns = ValueListEditor1->item(r, 1);
        rows.append({description ? description->text() : QString(),
                     patterns ? patterns->text() : QString()});
    }
    return rows;
}

void TForm13::SetVocabularyLines(const QStringList &lines)
{
    m_vocabulary = lines;
    m_vocabularyPending = true;
    if (isVisible())
        FillVocabularyMemo();
}

void TForm13::FillVocabularyMemo() const
{
    if (!m_vocabularyPending)
        return;
    m_vocabularyPending = false;
    Memo1->setPlainText(m_vocabulary.join(u'\n'));
    Memo1->document()->setModified(false);
    m_vocabulary.clear();
}

QStringList TForm13::VocabularyLines() const
{
    // Read through the memo, so the lines are what it holds and shows.
    FillVocabularyMemo();
    // Read block by block: toPlainText() would turn no-break spaces into
    // plain ones and so change the user's entries.
    QStringList lines;
    const QTextDocument *doc = Memo1->document();
    if (doc->isEmpty())
        return lines;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        lines += b.text().split(QChar::LineSeparator);
    return lines;
}

void TForm13::DigitsOnly(QLineEdit *field)
{
    if (AllDigits(field->text()))
        return;
    // Setting "1" comes back here once and passes.
    field->setText(u"1"_s);
    Dialogs().Information(DigitsMessage());
}

void TForm13::HistorylengthChange()
{
    DigitsOnly(Historylength);
}

void TForm13::tabulsizeChange()
{
    DigitsOnly(tabulsize);
}

void TForm13::Button1Click()
{
    if (Historylength->text().isEmpty() || tabulsize->text().isEmpty()) {
        Dialogs().Information(InvalidMessage());
        return;
    }
    m_filterText = FilterTextFromRows(FilterRows());
    accept();
}

void TForm13::Button2Click()
{
    reject();
}

void TForm13::Button5Click()
{
    const int row = ValueListEditor1->rowCount();
    ValueListEditor1->insertRow(row);
    ValueListEditor1->setItem(row, 0, new QTableWidgetItem);
    ValueListEditor1->setItem(row, 1, new QTableWidgetItem);
    ValueListEditor1->setCurrentCell(row, 0);
}

void TForm13::PickFolder(QLineEdit *field, const QString &filter)
{
    // An open dialog serves as the folder chooser: the user moves to the
    // folder and confirms the preset name, which need not exist.
    TFileRequest request;
    request.title = field->accessibleName();
    request.filter = filter;
    request.initialDir = field->text();
    request.fileName = u"none.txt"_s;
    request.mustExist = false;
    const QStringList chosen = Dialogs().GetOpenFileNames(request);
    if (chosen.isEmpty())
        return;
    const QString path = chosen.first();
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (cut >= 0)
        field->setText(path.left(cut + 1));
}

void TForm13::SpeedButton1Click()
{
    PickFolder(Projectfolder, u"Soubor VPQ(*.vpq)|*.vpq|Všechny soubory(*.*)|*.*"_s);
}

void TForm13::SpeedButton2Click()
{
    PickFolder(Filefolder, FileFilter);
}

void TForm13::showEvent(QShowEvent *event)
{
    FillVocabularyMemo();
    PageControl1->setCurrentIndex(0);
    if (QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}
