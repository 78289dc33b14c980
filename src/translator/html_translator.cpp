#include "translator/html_translator.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/program_dir.h"
#include "colours/html_colour.h"
#include "colours/palette.h"
#include "colours/palette_hand_off.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "inspector/tag_hand_off.h"
#include "markup/tablesize.h"
#include "preview/web_browser.h"
#include "app/help_form.h"
#include "settings/userconfig.h"
#include "translator/body_code.h"
#include "translator/dhtml_safe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QToolButton *MakeButton(QWidget *parent, const char *name, const QString &hint, const QString &text)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setText(text);
    b->setAutoRaise(true);
    b->setFixedSize(24, 22);
    return b;
}

QComboBox *ColourBox(QWidget *parent, const char *name, const QString &label, const QString &initial)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(label);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(HtmlColourNamesSorted());
    box->setCurrentText(initial);
    box->setMinimumContentsLength(7);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QIcon Swatch(const QColor &c)
{
    QPixmap pm(14, 14);
    pm.fill(c);
    QPainter p(&pm);
    p.setPen(QColor(0x60, 0x60, 0x60));
    p.drawRect(0, 0, 13, 13);
    return QIcon(pm);
}

// An arrow over the splitter: right (code to visual is left) or left.
QIcon ArrowIcon(bool pointsLeft)
{
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x20, 0x60, 0xB0));
    p.setPen(Qt::NoPen);
    QPolygon arrow;
    if (pointsLeft)
        arrow << QPoint(2, 9) << QPoint(9, 2) << QPoint(9, 6) << QPoint(16, 6) << QPoint(16, 12)
              << QPoint(9, 12) << QPoint(9, 16);
    else
        arrow << QPoint(16, 9) << QPoint(9, 2) << QPoint(9, 6) << QPoint(2, 6) << QPoint(2, 12)
              << QPoint(9, 12) << QPoint(9, 16);
    p.drawPolygon(arrow);
    return QIcon(pm);
}

QIcon AlignIcon(int which)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QPen(Qt::black, 1));
    const int widths[4] = {12, 8, 12, 8};
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        const int x = which == 0 ? 2 : which == 1 ? (16 - w) / 2 : 14 - w;
        p.drawLine(x, 3 + i * 3, x + w - 1, 3 + i * 3);
    }
    return QIcon(pm);
}

const char *const kCodeColourButtons[] = {"SpeedButton57", "SpeedButton58", "SpeedButton59",
                                          "SpeedButton60", "SpeedButton61", "SpeedButton62",
                                          "SpeedButton63", "SpeedButton64", "SpeedButton65",
                                          "SpeedButton66", "SpeedButton67", "SpeedButton68",
                                          "SpeedButton69", "SpeedButton70", "SpeedButton71"};

} // namespace

QIcon TableGlyph(int index)
{
    QPixmap pm(18, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QColor mark = index <= 2 ? QColor(0x00, 0x90, 0x30) : QColor(0xC0, 0x20, 0x20);
    // A 3 x 3 grid with the row, column or cell concerned filled.
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QRect cell(1 + c * 4, 1 + r * 4, 4, 4);
            const bool hit = (index % 3 == 0 && r == 1) || (index % 3 == 1 && c == 1)
                || (index % 3 == 2 && r == 1 && c == 1);
            p.fillRect(cell, index == 7 ? QColor(0xF0, 0xF0, 0xF0) : hit ? mark.lighter(150) : Qt::white);
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.drawRect(cell);
        }
    }
    p.setPen(QPen(index == 7 ? QColor(0x20, 0x60, 0xB0) : mark, 2));
    if (index == 7) { // split and merge: a double arrow across a cell wall
        p.drawLine(2, 14, 12, 14);
        p.drawLine(2, 14, 4, 12);
        p.drawLine(12, 14, 10, 12);
    } else {
        p.drawLine(13, 11, 17, 11);
        if (index <= 2)
            p.drawLine(15, 9, 15, 13);
    }
    return QIcon(pm);
}

THTMLTranslator::THTMLTranslator(THTMLEdit *codeEditor, QWidget *parent)
    : QWidget(parent), HTMLEditor2(codeEditor)
{
    setObjectName(QStringLiteral("HTMLTranslator"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(2, 2, 2, 2);
    outer->setSpacing(2);

    // BODY settings.
    GroupBox1 = new QGroupBox(QStringLiteral("Nastavení Body(Nemá vliv na výstupní kód)"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    {
        auto *g = new QGridLayout(GroupBox1);
        g->setContentsMargins(4, 2, 4, 2);
        g->setHorizontalSpacing(2);
        g->setVerticalSpacing(2);
        g->addWidget(new QLabel(QStringLiteral("Pozadí"), GroupBox1), 0, 0);
        ComboBox1 = ColourBox(GroupBox1, "ComboBox1", QStringLiteral("Pozadí"), QStringLiteral("White"));
        g->addWidget(ComboBox1, 0, 1);
        SpeedButton40 = MakeButton(GroupBox1, "SpeedButton40", QStringLiteral("Vložit barvu z palety"), QStringLiteral("P"));
        SpeedButton41 = MakeButton(GroupBox1, "SpeedButton41", QStringLiteral("Vložit vlastní barvu"), QStringLiteral("…"));
        g->addWidget(SpeedButton40, 0, 2);
        g->addWidget(SpeedButton41, 0, 3);
        g->addWidget(new QLabel(QStringLiteral(" Odkaz"), GroupBox1), 0, 4);
        ComboBox3 = ColourBox(GroupBox1, "ComboBox3", QStringLiteral("Odkaz"), QStringLiteral("Blue"));
        g->addWidget(ComboBox3, 0, 5);
        SpeedButton42 = MakeButton(GroupBox1, "SpeedButton42", QStringLiteral("Vložit barvu z palety"), QStringLiteral("P"));
        SpeedButton43 = MakeButton(GroupBox1, "SpeedButton43", QStringLiteral("Vložit vlastní barvu"), QStringLiteral("…"));
        g->addWidget(SpeedButton42, 0, 6);
        g->addWidget(SpeedButton43, 0, 7);
        g->addWidget(new QLabel(QStringLiteral("Obrázek na pozadí"), GroupBox1), 1, 0, 1, 2);
        Edit1 = new QLineEdit(QStringLiteral("Není"), GroupBox1);
        Edit1->setObjectName(QStringLiteral("Edit1"));
        Edit1->setAccessibleName(QStringLiteral("Obrázek na pozadí"));
        g->addWidget(Edit1, 1, 2, 1, 5);
        SpeedButton36 = MakeButton(GroupBox1, "SpeedButton36", QStringLiteral("Vybrat obrázek na pozadí"), QStringLiteral("…"));
        g->addWidget(SpeedButton36, 1, 7);
        g->setColumnStretch(8, 1);
    }

    // Formatting of the visual editor's selection.
    GroupBox2 = new QGroupBox(QStringLiteral("Editor Formátovaného Textu"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    {
        auto *g = new QVBoxLayout(GroupBox2);
        g->setContentsMargins(4, 2, 4, 2);
        g->setSpacing(2);
        auto *one = new QHBoxLayout;
        one->setSpacing(2);
        ComboBox5 = new QComboBox(GroupBox2);
        ComboBox5->setObjectName(QStringLiteral("ComboBox5"));
        ComboBox5->setAccessibleName(QStringLiteral("Písmo"));
        ComboBox5->setEditable(true);
        ComboBox5->setInsertPolicy(QComboBox::NoInsert);
        ComboBox5->addItems(QFontDatabase::families());
        ComboBox5->setCurrentText(QStringLiteral("Times New Roman"));
        ComboBox5->setMinimumContentsLength(12);
        ComboBox5->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        one->addWidget(ComboBox5);
        ComboBox6 = new QComboBox(GroupBox2);
        ComboBox6->setObjectName(QStringLiteral("ComboBox6"));
        ComboBox6->setAccessibleName(QStringLiteral("Velikost písma"));
        for (int i = 1; i <= 7; ++i)
            ComboBox6->addItem(QString::number(i));
        ComboBox6->setCurrentText(QStringLiteral("3"));
        one->addWidget(ComboBox6);
        const auto toggle = [this](const char *name, const QString &hint, const QString &text) {
            QToolButton *b = MakeButton(GroupBox2, name, hint, text);
            b->setCheckable(true);
            return b;
        };
        SpeedButton30 = toggle("SpeedButton30", QStringLiteral("Tučné písmo"), QStringLiteral("B"));
        SpeedButton31 = toggle("SpeedButton31", QStringLiteral("Kurzíva"), QStringLiteral("I"));
        SpeedButton32 = toggle("SpeedButton32", QStringLiteral("Podtržení"), QStringLiteral("U"));
        QFont f = SpeedButton30->font();
        f.setBold(true);
        SpeedButton30->setFont(f);
        f.setBold(false);
        f.setItalic(true);
        SpeedButton31->setFont(f);
        f.setItalic(false);
        f.setUnderline(true);
        SpeedButton32->setFont(f);
        SpeedButton37 = toggle("SpeedButton37", QStringLiteral("Zarovnat vlevo"), QString());
        SpeedButton38 = toggle("SpeedButton38", QStringLiteral("Zarovnat na střed"), QString());
        SpeedButton39 = toggle("SpeedButton39", QStringLiteral("Zarovnat vpravo"), QString());
        SpeedButton37->setIcon(AlignIcon(0));
        SpeedButton38->setIcon(AlignIcon(1));
        SpeedButton39->setIcon(AlignIcon(2));
        for (QToolButton *b : {SpeedButton30, SpeedButton31, SpeedButton32, SpeedButton37, SpeedButton38, SpeedButton39})
            one->addWidget(b);
        one->addSpacing(6);
        one->addWidget(new QLabel(QStringLiteral("Barva"), GroupBox2));
        ComboBox2 = ColourBox(GroupBox2, "ComboBox2", QStringLiteral("Barva písma"), QStringLiteral("Black"));
        one->addWidget(ComboBox2);
        SpeedButton44 = MakeButton(GroupBox2, "SpeedButton44", QStringLiteral("Vložit barvu z palety"), QStringLiteral("P"));
        SpeedButton45 = MakeButton(GroupBox2, "SpeedButton45", QStringLiteral("Vložit vlastní barvu"), QStringLiteral("…"));
        one->addWidget(SpeedButton44);
        one->addWidget(SpeedButton45);
        one->addStretch(1);
        g->addLayout(one);

        auto *two = new QHBoxLayout;
        two->setSpacing(2);
        two->addWidget(new QLabel(QStringLiteral("Vložit:"), GroupBox2));
        SpeedButton28 = MakeButton(GroupBox2, "SpeedButton28", QStringLiteral("Vložit obrázek..."), QStringLiteral("IMG"));
        SpeedButton46 = MakeButton(GroupBox2, "SpeedButton46", QStringLiteral("Vložit Tabulku"), QStringLiteral("TAB"));
        SpeedButton28->setFixedWidth(34);
        SpeedButton46->setFixedWidth(34);
        two->addWidget(SpeedButton28);
        two->addWidget(SpeedButton46);
        SpeedButton47 = MakeButton(GroupBox2, "SpeedButton47", QStringLiteral("Vložit řadu"), QString());
        SpeedButton48 = MakeButton(GroupBox2, "SpeedButton48", QStringLiteral("Vložit sloupec"), QString());
        SpeedButton49 = MakeButton(GroupBox2, "SpeedButton49", QStringLiteral("Vložit buňku"), QString());
        SpeedButton50 = MakeButton(GroupBox2, "SpeedButton50", QStringLiteral("Smazat řadu"), QString());
        SpeedButton51 = MakeButton(GroupBox2, "SpeedButton51", QStringLiteral("Smazat sloupec"), QString());
        SpeedButton52 = MakeButton(GroupBox2, "SpeedButton52", QStringLiteral("Smazat buňku"), QString());
        SpeedButton53 = MakeButton(GroupBox2, "SpeedButton53", QStringLiteral("Rozdělit buňku"), QString());
        SpeedButton54 = MakeButton(GroupBox2, "SpeedButton54", QStringLiteral("Sloučit buňky"), QString());
        int glyph = 0;
        for (QToolButton *b : {SpeedButton47, SpeedButton48, SpeedButton49, SpeedButton50, SpeedButton51,
                               SpeedButton52, SpeedButton53, SpeedButton54}) {
            b->setIcon(TableGlyph(glyph < 6 ? glyph++ : 7));
            b->setEnabled(false);
            two->addWidget(b);
        }
        two->addStretch(1);
        g->addLayout(two);
    }

    // Colours into the code editor, as the workspace's colour bar.
    GroupBox3 = new QGroupBox(QStringLiteral("Editor Kódu (Vloží barvu)"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    {
        auto *g = new QHBoxLayout(GroupBox3);
        g->setContentsMargins(4, 2, 4, 2);
        g->setSpacing(1);
        QToolButton *palette = MakeButton(GroupBox3, "SpeedButton55", QStringLiteral("Barva z palety..."), QStringLiteral("P"));
        QToolButton *custom = MakeButton(GroupBox3, "SpeedButton56", QStringLiteral("Vlastní barva..."), QStringLiteral("…"));
        CodeColourButtons << palette << custom;
        g->addWidget(palette);
        g->addWidget(custom);
        connect(custom, &QToolButton::clicked, this, [] {
            if (Form2)
                Form2->CustomColourClick();
        });
        connect(palette, &QToolButton::clicked, this, [] {
            // The workspace bar's palette button serves both bars.
            if (Form2 && Form2->ColourButtons.size() > 1 && Form2->ColourButtons[1]->isEnabled())
                Form2->ColourButtons[1]->click();
        });
        static const char *const names[] = {"Black", "White", "Blue", "Fuchsia", "Gray", "Green", "Lime", "Maroon",
                                            "Navy", "Olive", "Purple", "Red", "Silver", "Teal", "Yellow"};
        for (int i = 0; i < 15; ++i) {
            const QString name = QString::fromLatin1(names[i]);
            QToolButton *b = MakeButton(GroupBox3, kCodeColourButtons[i], name, QString());
            b->setIcon(Swatch(QColor::fromRgb(HtmlToColor(name) & 0xFF, (HtmlToColor(name) >> 8) & 0xFF,
                                              (HtmlToColor(name) >> 16) & 0xFF)));
            b->setFixedWidth(20);
            connect(b, &QToolButton::clicked, this, [name] {
                if (Form2)
                    Form2->ColourButtonClick(name);
            });
            CodeColourButtons << b;
            g->addWidget(b);
        }
    }

    Button1 = new QPushButton(QStringLiteral("Vložit do kódu (Na pozici kurzoru)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAccessibleName(Button1->text());

    // The controls scroll sideways on a narrow workspace instead of widening it.
    auto *controls = new QWidget;
    auto *rows = new QVBoxLayout(controls);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto *top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(GroupBox2, 3);
    top->addWidget(GroupBox1, 2);
    rows->addLayout(top);
    auto *second = new QHBoxLayout;
    second->setSpacing(4);
    second->addWidget(GroupBox3);
    second->addStretch(1);
    second->addWidget(Button1);
    rows->addLayout(second);
    for (QWidget *w : {static_cast<QWidget *>(GroupBox1), static_cast<QWidget *>(GroupBox2),
                       static_cast<QWidget *>(GroupBox3), static_cast<QWidget *>(Button1)})
        w->setParent(controls);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("TranslatorControls"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setWidget(controls);
    scroll->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    const int controlsHeight = controls->sizeHint().height();
    scroll->setFixedHeight(controlsHeight + scroll->horizontalScrollBar()->sizeHint().height());
    outer->addWidget(scroll);

    // The two editors with the copy buttons between them.
    DHTMLEdit1 = new TDHTMLSafe(this);
    DHTMLEdit1->setObjectName(QStringLiteral("DHTMLEdit1"));
    DHTMLEdit1->setAccessibleName(QStringLiteral("Editor Formátovaného Textu"));
    Label2 = new QLabel(QStringLiteral("Editor Formátovaného Textu:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label6 = new QLabel(QStringLiteral("Editor Kódu (Pouze část BODY)"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    // Panel2 is the splitter's handle: dragging it shares the width between
    // the two editors, and the copy buttons ride on it.
    auto *splitter = m_splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("EditorSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->setHandleWidth(40);
    auto *leftPane = new QWidget(splitter);
    auto *left = new QVBoxLayout(leftPane);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(1);
    left->addWidget(Label2);
    left->addWidget(DHTMLEdit1, 1);
    HTMLEditor2->setParent(this);
    auto *rightPane = new QWidget(splitter);
    auto *right = new QVBoxLayout(rightPane);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(1);
    right->addWidget(Label6);
    right->addWidget(HTMLEditor2, 1);
    splitter->addWidget(leftPane);
    splitter->addWidget(rightPane);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    Panel2 = splitter->handle(1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    SpeedButton33 = MakeButton(Panel2, "SpeedButton33", QStringLiteral("Kód do editoru formátovaného textu"), QString());
    SpeedButton34 = MakeButton(Panel2, "SpeedButton34", QStringLiteral("Formátovaný text do kódu"), QString());
    SpeedButton35 = MakeButton(Panel2, "SpeedButton35", QStringLiteral("Nápověda k HTML Translatoru"), QStringLiteral("?"));
    SpeedButton33->setIcon(ArrowIcon(true));
    SpeedButton34->setIcon(ArrowIcon(false));
    for (QToolButton *b : {SpeedButton33, SpeedButton34, SpeedButton35}) {
        b->setFixedSize(30, 30);
        b->setCursor(Qt::ArrowCursor);
    }
    {
        auto *p = new QVBoxLayout(Panel2);
        p->setContentsMargins(5, 0, 5, 0);
        p->setSpacing(10);
        p->addStretch(1);
        p->addWidget(SpeedButton35);
        p->addWidget(SpeedButton33);
        p->addWidget(SpeedButton34);
        p->addStretch(1);
    }
    outer->addWidget(splitter, 1);

    connect(SpeedButton33, &QToolButton::clicked, this, &THTMLTranslator::PushCodeToVisual);
    connect(SpeedButton34, &QToolButton::clicked, this, &THTMLTranslator::PullVisualToCode);
    connect(SpeedButton35, &QToolButton::clicked, this, &THTMLTranslator::HelpClick);
    connect(Button1, &QPushButton::clicked, this, &THTMLTranslator::Button1Click);
    connect(DHTMLEdit1, &TDHTMLSafe::OnDisplayChanged, this, &THTMLTranslator::DHTMLEdit1DisplayChanged);
    connect(HTMLEditor2, &THTMLEdit::OnSelectionChange, this, &THTMLTranslator::HTMLEditor2SelectionChange);

    const struct { QToolButton *button; int command; } formats[] = {
        {SpeedButton30, DECMD::BOLD}, {SpeedButton31, DECMD::ITALIC}, {SpeedButton32, DECMD::UNDERLINE},
        {SpeedButton37, DECMD::JUSTIFYLEFT}, {SpeedButton38, DECMD::JUSTIFYCENTER},
        {SpeedButton39, DECMD::JUSTIFYRIGHT},
    };
    for (const auto &f : formats) {
        QToolButton *b = f.button;
        const int command = f.command;
        connect(b, &QToolButton::clicked, this, [this, b, command] { FormatButtonClick(b, command); });
    }
    connect(SpeedButton28, &QToolButton::clicked, this, &THTMLTranslator::PictureClick);
    const struct { QToolButton *button; int command; } tables[] = {
        {SpeedButton47, DECMD::INSERTROW}, {SpeedButton48, DECMD::INSERTCOL}, {SpeedButton49, DECMD::INSERTCELL},
        {SpeedButton50, DECMD::DELETEROWS}, {SpeedButton51, DECMD::DELETECOLS}, {SpeedButton52, DECMD::DELETECELLS},
        {SpeedButton53, DECMD::SPLITCELL}, {SpeedButton54, DECMD::MERGECELLS},
    };
    for (const auto &t : tables) {
        const int command = t.command;
        connect(t.button, &QToolButton::clicked, this, [this, command] {
            DHTMLEdit1->ExecCommand(command);
            DHTMLEdit1->setFocus();
        });
    }
    connect(SpeedButton46, &QToolButton::clicked, this, [] {
        if (Form6)
            Form6->ShowTablePicker(QStringLiteral("DHTML"));
    });

    connect(ComboBox1, &QComboBox::currentTextChanged, this, &THTMLTranslator::ComboBox1Change);
    connect(ComboBox3, &QComboBox::currentTextChanged, this, &THTMLTranslator::ComboBox3Change);
    connect(ComboBox2, &QComboBox::currentTextChanged, this, [this] {
        if (!m_displayUpdating)
            ComboBox2Change();
    });
    connect(ComboBox5, &QComboBox::textActivated, this, &THTMLTranslator::ComboBox5Select);
    connect(ComboBox6, &QComboBox::textActivated, this, &THTMLTranslator::ComboBox6Select);
    connect(Edit1, &QLineEdit::textChanged, this, &THTMLTranslator::Edit1Change);
    connect(SpeedButton36, &QToolButton::clicked, this, &THTMLTranslator::BackgroundPictureClick);
    connect(SpeedButton41, &QToolButton::clicked, this, [this] { CustomColourFor(ComboBox1); });
    connect(SpeedButton43, &QToolButton::clicked, this, [this] { CustomColourFor(ComboBox3); });
    connect(SpeedButton45, &QToolButton::clicked, this, [this] { CustomColourFor(ComboBox2); });
    connect(SpeedButton40, &QToolButton::clicked, this, [this] { PaletteFor(QStringLiteral("Pozadi")); });
    connect(SpeedButton42, &QToolButton::clicked, this, [this] { PaletteFor(QStringLiteral("Odkaz")); });
    connect(SpeedButton44, &QToolButton::clicked, this, [this] { PaletteFor(QStringLiteral("Pismo")); });

    ApplyTranslatorColour = [this](const QString &target, const QString &colour) { ApplyColour(target, colour); };
}

THTMLTranslator::~THTMLTranslator()
{
    ApplyTranslatorColour = nullptr;
}

void THTMLTranslator::PushCodeToVisual()
{
    if (TranslatorGuard)
        return;
    QScopedValueRollback guard(TranslatorGuard, true);
    if (Docs.HasDocuments())
        DHTMLEdit1->SetBaseUrl(QUrl::fromLocalFile(Docs.ActiveFile()));
    DHTMLEdit1->SetDocumentHTML(VisualDocument(ComboBox1->currentText(), ComboBox3->currentText(), HTMLEditor2->Text()));
}

void THTMLTranslator::PullVisualToCode()
{
    if (TranslatorGuard)
        return;
    {
        QScopedValueRollback guard(TranslatorGuard, true);
        QScopedValueRollback sync(SourceSyncGuard, true);
        const bool useStrong = Form13 && Form13->usestrong->isChecked();
        const bool useEm = Form13 && Form13->useem->isChecked();
        const bool upper = !Form13 || Form13->Useuppercase->isChecked();
        // The text stays Unicode: the document's own writing decides what a
        // character its code page lacks becomes.
        HTMLEditor2->ReplaceText(BodyCodeFromDocument(DHTMLEdit1->DocumentHTML(), useStrong, useEm, upper));
    }
    LastTag2.clear();
}

void THTMLTranslator::Button1Click()
{
    if (!Form2 || !Docs.HasDocuments())
        return; // no document to insert into: the code stays where it is
    THTMLEdit *main = Form2->HTMLEditor1;
    {
        QScopedValueRollback sync(SourceSyncGuard, true);
        main->SetSelText(HTMLEditor2->Text());
    }
    {
        QScopedValueRollback guard(TranslatorGuard, true);
        QScopedValueRollback sync(SourceSyncGuard, true);
        HTMLEditor2->ReplaceText(QString());
        DHTMLEdit1->Clear();
    }
    Form2->PageControl1->setCurrentIndex(0);
    main->setFocus();
}

void THTMLTranslator::HelpClick()
{
    if (FHelpForm)
        FHelpForm->ShowHelpPage(QStringLiteral("htmltrans.htm"));
}

void THTMLTranslator::ResetBodySettings()
{
    QScopedValueRollback updating(m_displayUpdating, true);
    if (ComboBox1->currentText() != QStringLiteral("White"))
        ComboBox1->setCurrentText(QStringLiteral("White"));
    if (ComboBox3->currentText() != QStringLiteral("Blue"))
        ComboBox3->setCurrentText(QStringLiteral("Blue"));
    ComboBox2->setCurrentText(QStringLiteral("Black"));
    ComboBox5->setCurrentText(QStringLiteral("Times New Roman"));
    ComboBox6->setCurrentText(QStringLiteral("3"));
    if (Edit1->text() != QStringLiteral("Není"))
        Edit1->setText(QStringLiteral("Není"));
}

void THTMLTranslator::SetButtonGlyph(QToolButton *button, int glyph, bool enabled)
{
    // Disabled buttons keep their glyph, greyed, so the row stays readable.
    button->setIcon(TableGlyph(glyph));
    button->setEnabled(enabled);
}

void THTMLTranslator::DHTMLEdit1DisplayChanged()
{
    QScopedValueRollback updating(m_displayUpdating, true);
    TDHTMLSafe *e = DHTMLEdit1;
    SpeedButton30->setChecked(e->QueryStatus(DECMD::BOLD) == DECMDF::LATCHED);
    SpeedButton31->setChecked(e->QueryStatus(DECMD::ITALIC) == DECMDF::LATCHED);
    SpeedButton32->setChecked(e->QueryStatus(DECMD::UNDERLINE) == DECMDF::LATCHED);
    if (e->QueryStatus(DECMD::GETFONTNAME) == DECMDF::ENABLED) {
        const QString font = e->ExecCommand(DECMD::GETFONTNAME).toString();
        if (!font.isEmpty())
            ComboBox5->setCurrentText(font);
    }
    if (e->QueryStatus(DECMD::GETFONTSIZE) == DECMDF::ENABLED) {
        const QString size = e->ExecCommand(DECMD::GETFONTSIZE).toString();
        if (!size.isEmpty())
            ComboBox6->setCurrentText(size);
    }
    if (e->QueryStatus(DECMD::GETFORECOLOR) == DECMDF::ENABLED) {
        const QString colour = e->ExecCommand(DECMD::GETFORECOLOR).toString();
        if (!colour.isEmpty())
            ComboBox2->setCurrentText(DisplayColourName(colour));
    }
    SpeedButton37->setChecked(e->QueryStatus(DECMD::JUSTIFYLEFT) == DECMDF::LATCHED);
    SpeedButton38->setChecked(e->QueryStatus(DECMD::JUSTIFYCENTER) == DECMDF::LATCHED);
    SpeedButton39->setChecked(e->QueryStatus(DECMD::JUSTIFYRIGHT) == DECMDF::LATCHED);
    const bool inTable = e->QueryStatus(DECMD::INSERTROW) == DECMDF::ENABLED;
    QToolButton *rowButtons[] = {SpeedButton47, SpeedButton48, SpeedButton49,
                                 SpeedButton50, SpeedButton51, SpeedButton52};
    for (int i = 0; i < 6; ++i)
        SetButtonGlyph(rowButtons[i], i, inTable);
    SetButtonGlyph(SpeedButton53, 7, e->QueryStatus(DECMD::SPLITCELL) == DECMDF::ENABLED);
    SetButtonGlyph(SpeedButton54, 7, e->QueryStatus(DECMD::MERGECELLS) == DECMDF::ENABLED);
}

void THTMLTranslator::HTMLEditor2SelectionChange()
{
    if (SourceSyncGuard)
        return;
    if (HTMLEditor2->Overwrite() && HTMLEditor2->SelLength() == 0)
        HTMLEditor2->SetSelLength(1);
    if (HTMLEditor2->SelLength() > 0)
        LastTag2.clear();
    if (Form2) {
        const QPoint caret = HTMLEditor2->CaretPos();
        Form2->SetPanelText(0, QString::number(caret.y() + 1) + QStringLiteral(": ") + QString::number(caret.x() + 1));
    }
}

void THTMLTranslator::FormatButtonClick(QToolButton *button, int command)
{
    // The button shows the editor's state, not the click: the display
    // update sets it once the command has run.
    button->setChecked(DHTMLEdit1->QueryStatus(command) == DECMDF::LATCHED);
    if (DHTMLEdit1->QueryStatus(command) == DECMDF::ENABLED)
        DHTMLEdit1->ExecCommand(command);
    DHTMLEdit1->setFocus();
}

void THTMLTranslator::ComboBox1Change()
{
    QScopedValueRollback guard(TranslatorGuard, true);
    DHTMLEdit1->SetBgColor(ComboBox1->currentText());
}

void THTMLTranslator::ComboBox3Change()
{
    QScopedValueRollback guard(TranslatorGuard, true);
    DHTMLEdit1->SetLinkColor(ComboBox3->currentText());
}

void THTMLTranslator::ComboBox2Change()
{
    if (DHTMLEdit1->QueryStatus(DECMD::SETFORECOLOR) == DECMDF::ENABLED)
        DHTMLEdit1->ExecCommand(DECMD::SETFORECOLOR, ComboBox2->currentText());
}

void THTMLTranslator::ComboBox5Select(const QString &font)
{
    if (DHTMLEdit1->QueryStatus(DECMD::SETFONTNAME) == DECMDF::ENABLED)
        DHTMLEdit1->ExecCommand(DECMD::SETFONTNAME, font);
}

void THTMLTranslator::ComboBox6Select(const QString &size)
{
    if (DHTMLEdit1->QueryStatus(DECMD::SETFONTSIZE) == DECMDF::ENABLED)
        DHTMLEdit1->ExecCommand(DECMD::SETFONTSIZE, size.toInt());
}

void THTMLTranslator::Edit1Change()
{
    const QString name = Edit1->text();
    if (name.isEmpty() || !QFileInfo(name).isFile())
        return;
    DHTMLEdit1->SetDocumentHTML(WithBackgroundPicture(DHTMLEdit1->DocumentHTML(), name));
}

void THTMLTranslator::CustomColourFor(QComboBox *box)
{
    const std::optional<QColor> chosen = Dialogs().GetColor(QColor(Qt::white));
    if (chosen) {
        QScopedValueRollback updating(m_displayUpdating, true);
        box->setCurrentText(ColorToHtml(ToTColor(*chosen)));
    }
    if (box == ComboBox1)
        ComboBox1Change();
    else if (box == ComboBox3)
        ComboBox3Change();
    else
        ComboBox2Change();
}

void THTMLTranslator::PaletteFor(const QString &target)
{
    PaletteTarget = target;
    if (Form9)
        Form9->exec();
}

void THTMLTranslator::ApplyColour(const QString &target, const QString &colour)
{
    QComboBox *box = target == QStringLiteral("Pozadi") ? ComboBox1
        : target == QStringLiteral("Odkaz")             ? ComboBox3
        : target == QStringLiteral("Pismo")             ? ComboBox2
                                                        : nullptr;
    if (!box)
        return;
    {
        QScopedValueRollback updating(m_displayUpdating, true);
        box->setCurrentText(colour);
    }
    if (box == ComboBox1)
        ComboBox1Change();
    else if (box == ComboBox3)
        ComboBox3Change();
    else
        ComboBox2Change();
}

void THTMLTranslator::PictureClick()
{
    if (DHTMLEdit1->QueryStatus(DECMD::IMAGE) != DECMDF::ENABLED)
        return;
    TFileRequest request;
    request.title = QStringLiteral("Vložit obrázek");
    request.filter = QStringLiteral("Obrázky|*.gif;*.jpg;*.jpeg;*.png;*.bmp|Všechny soubory|*.*");
    request.mustExist = true;
    const QStringList files = Dialogs().GetOpenFileNames(request);
    if (files.isEmpty())
        return;
    DHTMLEdit1->ExecCommand(DECMD::IMAGE, QUrl::fromLocalFile(files.first()).toString());
    DHTMLEdit1->setFocus();
}

void THTMLTranslator::BackgroundPictureClick()
{
    TFileRequest request;
    request.title = QStringLiteral("Obrázek na pozadí");
    request.filter = QStringLiteral("Obrázky|*.gif;*.jpg;*.jpeg;*.png;*.bmp|Všechny soubory|*.*");
    request.mustExist = true;
    const QStringList files = Dialogs().GetOpenFileNames(request);
    if (!files.isEmpty())
        Edit1->setText(files.first());
}

void THTMLTranslator::SplitInHalves()
{
    // The visual editor starts on half the width, as the code editor.
    if (m_splitSet || !isVisible() || m_splitter->width() <= 100)
        return;
    m_splitSet = true;
    const int half = (m_splitter->width() - m_splitter->handleWidth()) / 2;
    m_splitter->setSizes({half, half});
}

void THTMLTranslator::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    SplitInHalves();
}

void THTMLTranslator::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    SplitInHalves();
}
