#include "templates/newfiledialog.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/help_form.h"
#include "app/program_dir.h"
#include "conversion/text_file.h"
#include "documents/document_commands.h"
#include "documents/file_filter.h"
#include "documents/project_commands.h"
#include "errorreport/io_error.h"
#include "preview/web_browser.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"
#include "templates/template_file.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString &Unavailable()
{
    static const QString text = QStringLiteral("Nedostupné v této šabloně");
    return text;
}

QString DefaultExtension()
{
    return Form13 ? Form13->defaultextension->text() : QStringLiteral("htm");
}

QString FileFolder()
{
    return Form13 ? Form13->Filefolder->text() : QString();
}

} // namespace

TForm4::TForm4(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Vytvořit Nový Soubor"));
    setAccessibleName(windowTitle());

    const auto named = [](QWidget *w, const char *name, const QString &caption) {
        w->setObjectName(QString::fromLatin1(name));
        w->setAccessibleName(caption);
    };

    auto *group1 = new QGroupBox(QStringLiteral("Povinná Charakteristika Souboru"), this);
    named(group1, "GroupBox1", group1->title());
    Edit1 = new QLineEdit(group1);
    named(Edit1, "Edit1", QStringLiteral("Název Souboru"));
    Button4 = new QPushButton(QStringLiteral("..."), group1);
    named(Button4, "Button4", QStringLiteral("Vybrat soubor"));
    Button4->setToolTip(QStringLiteral("Vybrat soubor"));
    Button4->setFixedWidth(30);
    ComboBox1 = new QComboBox(group1);
    named(ComboBox1, "ComboBox1", QStringLiteral("Použítá Šablona"));
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox1->setMinimumContentsLength(24);
    Edit3 = new QLineEdit(QStringLiteral("cz"), group1);
    named(Edit3, "Edit3", QStringLiteral("Jazyk (značka)"));
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(Edit1, 1);
    nameRow->addWidget(Button4);
    auto *form1 = new QFormLayout(group1);
    form1->addRow(QStringLiteral("Název Souboru"), nameRow);
    form1->addRow(QStringLiteral("Použítá Šablona"), ComboBox1);
    form1->addRow(QStringLiteral("Jazyk (značka)"), Edit3);

    auto *group2 = new QGroupBox(QStringLiteral("Doplňující Charakteristika(Doporučuje se vyplnit)"), this);
    named(group2, "GroupBox2", group2->title());
    Edit2 = new QLineEdit(group2);
    named(Edit2, "Edit2", QStringLiteral("Jméno Autora Stránky"));
    Memo1 = new QPlainTextEdit(group2);
    named(Memo1, "Memo1", QStringLiteral("Popis Stránky"));
    Memo1->setTabChangesFocus(true);
    Memo1->setFixedHeight(60);
    Edit4 = new QLineEdit(group2);
    named(Edit4, "Edit4", QStringLiteral("Klíčová Slova"));
    CheckBox1 = new QCheckBox(QStringLiteral("Chci aby stránka byla indexována ve vyhledávačích (INDEX)"), group2);
    named(CheckBox1, "CheckBox1", CheckBox1->text());
    CheckBox1->setChecked(true);
    CheckBox2 = new QCheckBox(QStringLiteral("Chci aby byly prouzkoumány odkazy (FOLLOW)"), group2);
    named(CheckBox2, "CheckBox2", CheckBox2->text());
    CheckBox2->setChecked(true);
    auto *form2 = new QFormLayout(group2);
    form2->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form2->addRow(QStringLiteral("Jméno Autora Stránky"), Edit2);
    form2->addRow(QStringLiteral("Popis Stránky"), Memo1);
    form2->addRow(QStringLiteral("Klíčová Slova"), Edit4);
    form2->addRow(CheckBox1);
    form2->addRow(CheckBox2);

    auto *group3 = new QGroupBox(QStringLiteral("Náhled"), this);
    named(group3, "GroupBox3", group3->title());
    PageControl1 = new QTabWidget(group3);
    named(PageControl1, "PageControl1", QStringLiteral("Náhled"));
    Memo2 = new QPlainTextEdit;
    named(Memo2, "Memo2", QStringLiteral("HTML Kód"));
    Memo2->setReadOnly(true);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    WebBrowser1 = new TWebBrowser;
    named(WebBrowser1, "WebBrowser1", QStringLiteral("Vzhled"));
    PageControl1->addTab(Memo2, QStringLiteral("HTML Kód"));
    PageControl1->addTab(WebBrowser1, QStringLiteral("Vzhled"));
    auto *previewLayout = new QVBoxLayout(group3);
    previewLayout->addWidget(PageControl1);

    Button3 = new QPushButton(QStringLiteral("Jak Vytvořit Vlastní Šablonu?"), this);
    named(Button3, "Button3", Button3->text());
    Button1 = new QPushButton(QStringLiteral("Vytvořit "), this);
    named(Button1, "Button1", QStringLiteral("Vytvořit"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Storno"), this);
    named(Button2, "Button2", Button2->text());

    auto *left = new QVBoxLayout;
    left->addWidget(group1);
    left->addWidget(group2);
    left->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 0);
    top->addWidget(group3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button3);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(900, 520);

    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    connect(Button4, &QPushButton::clicked, this, &TForm4::Button4Click);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
}

QString TForm4::TemplateFolder()
{
    return ProgramDir() + QStringLiteral("Sablony/");
}

QString TForm4::PreviewPath()
{
    return TemplateFolder() + QStringLiteral("aktual.htm");
}

void TForm4::Nov1Click()
{
    Prepare();
    exec();
}

void TForm4::Prepare()
{
    Edit1->clear();
    vyplncombobox();
    if (ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);
    CheckTemplateFields();
    Edit2->clear();
    Edit4->clear();
    Edit3->setText(QStringLiteral("cz"));
    ComboBox1Change();
}

void TForm4::vyplncombobox()
{
    ComboBox1->clear();
    TemplateFiles.clear();
    for (const TTemplateEntry &entry : TemplateFile::List(TemplateFolder())) {
        ComboBox1->addItem(entry.Description);
        TemplateFiles << entry.FileName;
    }
}

void TForm4::SetAvailable(QLineEdit *edit, bool available)
{
    edit->setEnabled(available);
    edit->setText(available ? QString() : Unavailable());
}

void TForm4::CheckTemplateFields()
{
    QSet<QChar> found;
    const int index = ComboBox1->currentIndex();
    if (index >= 0 && index < TemplateFiles.size()) {
        try {
            found = TemplateFile::PlaceholdersIn(TextFile::Read(TemplateFolder() + TemplateFiles[index]).lines);
        } catch (const EInOutError &) {
            // Reported when the template is used; with nothing read, nothing is offered.
        }
    }
    Edit3->setEnabled(found.contains(u'j'));
    SetAvailable(Edit2, found.contains(u'a'));
    Memo1->setEnabled(found.contains(u'p'));
    Memo1->setPlainText(found.contains(u'p') ? QString() : Unavailable());
    SetAvailable(Edit4, found.contains(u'k'));
    CheckBox1->setEnabled(found.contains(u'r'));
    CheckBox2->setEnabled(found.contains(u'r'));
}

void TForm4::ComboBox1Change()
{
    CheckTemplateFields();
    const int index = ComboBox1->currentIndex();
    if (index < 0 || index >= TemplateFiles.size()) {
        Memo2->setPlainText(QStringLiteral("Ve složce Sablony není žádná šablona."));
        return;
    }
    try {
        const TTextFileContent content = TextFile::Read(TemplateFolder() + TemplateFiles[index]);
        const QStringList page = content.lines.mid(1);
        TextFile::Write(PreviewPath(), page, content.encoding);
        Memo2->setPlainText(TextFile::Read(PreviewPath(), content.encoding).lines.join(u'\n'));
        WebBrowser1->Navigate(PreviewPath());
    } catch (const EInOutError &e) {
        Memo2->clear();
        ReportIoError(QStringLiteral("Náhled šablony se nepodařilo připravit."), e);
    }
}

void TForm4::Button4Click()
{
    TFileRequest r;
    r.title = QStringLiteral("Vytvořit Soubor");
    r.initialDir = FileFolder();
    r.defaultExtension = DefaultExtension();
    r.filter = FileFilter;
    r.mustExist = false;
    const auto choice = Dialogs().GetSaveFileName(r);
    if (!choice)
        return;
    Edit1->setText(AddExtensionFromFilter(choice->fileName, FileFilter, choice->filterIndex, DefaultExtension()));
}

TTemplateFields TForm4::Fields() const
{
    TTemplateFields f;
    f.Author = Edit2->text();
    f.Language = Edit3->text();
    f.Keywords = Edit4->text();
    f.Description = Memo1->toPlainText().split(u'\n').join(QString());
    f.Robots = TemplateFile::RobotsText(CheckBox1->isChecked(), CheckBox2->isChecked());
    return f;
}

void TForm4::Pouzijsablonu(const QString &templateFile, const QString &target) const
{
    const TTextFileContent content = TextFile::Read(TemplateFolder() + templateFile);
    const QStringList page = content.lines.mid(1);
    TextFile::Write(target, TemplateFile::Fill(page, Fields()),
                    TemplateFile::PageEncoding(page, content.encoding));
}

void TForm4::Button1Click()
{
    QString name = Edit1->text();
    if (name.isEmpty()) {
        Dialogs().Information(QStringLiteral("Musíte zadat název souboru!"));
        return;
    }
    const int index = ComboBox1->currentIndex();
    if (index < 0 || index >= TemplateFiles.size()) {
        Dialogs().Information(QStringLiteral("Ve složce Sablony není žádná šablona, ze které by šlo soubor vytvořit."));
        return;
    }
    if (!name.contains(u'/') && !name.contains(u'\\')) {
        // A folder typed without its closing separator still means that folder.
        QString folder = FileFolder();
        if (folder.isEmpty())
            folder = QDir::homePath();
        if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
            folder += u'/';
        name = folder + name;
    }
    if (QFileInfo(name).suffix().isEmpty() && !QFileInfo(name).fileName().endsWith(u'.'))
        name += u'.' + DefaultExtension();
    const QString target = QFileInfo(name).absoluteFilePath();
    // Writing over a file that is open would leave its entry showing the old text.
    if (Docs.IndexOfDocument(target)) {
        Dialogs().Information(QStringLiteral("Soubor ") + target
                              + QStringLiteral(" je právě otevřen. Nejprve jej zavřete."));
        return;
    }
    if (QFileInfo::exists(target)
        && Dialogs().Confirm(QStringLiteral("Soubor již existuje.Přepsat?"), TButtons::YesNo) != TAnswer::Yes)
        return;
    try {
        Pouzijsablonu(TemplateFiles[index], target);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Soubor ") + target + QStringLiteral(" se nepodařilo vytvořit."), e);
        return;
    }
    OpenDocument(target);
    MarkProjectModified(QStringLiteral(" "));
    accept();
}

void TForm4::Button3Click()
{
    if (FHelpForm)
        FHelpForm->ShowHelpPage(QStringLiteral("sablony.htm"));
}
