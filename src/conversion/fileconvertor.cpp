#include "conversion/fileconvertor.h"

#include "app/dialogs.h"
#include "conversion/file_conversion.h"
#include "conversion/gp_text_file.h"
#include "documents/document_commands.h"
#include "settings/load_config.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QString HomeFolder()
{
    return QDir::homePath() + u'/';
}

QPushButton *MakeButton(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAccessibleName(caption);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFFileConvertor::TFFileConvertor(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FFileConvertor"));
    setWindowTitle(QStringLiteral("Kovertor Souborů"));
    setAccessibleName(windowTitle());
    setFixedSize(493, 437);

    auto *outer = new QVBoxLayout(this);

    GroupBox1 = new QGroupBox(QStringLiteral("Info"), this);
    auto *info = new QVBoxLayout(GroupBox1);
    // A rich edit, because the two lines are centred.
    Memo1 = new QTextEdit(GroupBox1);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setAccessibleName(GroupBox1->title());
    QFont small = Memo1->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    Memo1->setFont(small);
    Memo1->setPlainText(QStringLiteral("Tento nástroj vám umožňuje konvertovat vaše webové i jiné soubory do formátu\n"
                                       "Unicode. Tím se vyhnete problémům se znakovými sadami."));
    for (QTextBlock b = Memo1->document()->begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        QTextBlockFormat f = b.blockFormat();
        f.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(f);
    }
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 3 + 12);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    info->addWidget(Memo1);
    outer->addWidget(GroupBox1);

    GroupBox2 = new QGroupBox(QStringLiteral("Konvertor"), this);
    auto *grid = new QGridLayout(GroupBox2);
    Label1 = new QLabel(QStringLiteral("Vstupní Soubory"), GroupBox2);
    grid->addWidget(Label1, 0, 0, 1, 2);
    Memo2 = new QPlainTextEdit(GroupBox2);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setAccessibleName(Label1->text());
    Label1->setBuddy(Memo2);
    Memo2->setPlainText(FileConversion::NoFilesLine());
    grid->addWidget(Memo2, 1, 0, 4, 1);
    Button1 = MakeButton(QStringLiteral("Přidat..."), GroupBox2);
    Button2 = MakeButton(QStringLiteral("Odebrat"), GroupBox2);
    Button3 = MakeButton(QStringLiteral("Vymazat Vše"), GroupBox2);
    grid->addWidget(Button1, 1, 1);
    grid->addWidget(Button2, 2, 1);
    grid->addWidget(Button3, 3, 1);
    Button4 = MakeButton(QStringLiteral("Konvertovat"), GroupBox2);
    Button4->setMinimumHeight(48);
    QFont big = Button4->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    Button4->setFont(big);
    grid->addWidget(Button4, 5, 0, 1, 2);
    Label2 = new QLabel(QStringLiteral("Výstupní Adresář"), GroupBox2);
    grid->addWidget(Label2, 6, 0, 1, 2);
    auto *folderRow = new QHBoxLayout;
    Edit1 = new QLineEdit(GroupBox2);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(Label2->text());
    Label2->setBuddy(Edit1);
    folderRow->addWidget(Edit1, 1);
    SpeedButton1 = MakeButton(QStringLiteral("..."), GroupBox2);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    SpeedButton1->setText(QString());
    SpeedButton1->setAccessibleName(QStringLiteral("Vybrat výstupní adresář"));
    SpeedButton1->setToolTip(SpeedButton1->accessibleName());
    folderRow->addWidget(SpeedButton1);
    grid->addLayout(folderRow, 7, 0, 1, 2);
    grid->setRowStretch(4, 1);
    outer->addWidget(GroupBox2, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    Button5 = MakeButton(QStringLiteral("Zpět"), this);
    bottom->addWidget(Button5);
    outer->addLayout(bottom);

    connect(Button1, &QPushButton::clicked, this, &TFFileConvertor::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFFileConvertor::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFFileConvertor::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFFileConvertor::Button4Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TFFileConvertor::SpeedButton1Click);
    connect(Button5, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFFileConvertor::OutputDir() const
{
    return Edit1->text();
}

QStringList TFFileConvertor::Lines() const
{
    QStringList lines = Memo2->toPlainText().split(u'\n');
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

void TFFileConvertor::SetLines(const QStringList &lines)
{
    Memo2->setPlainText(lines.join(u'\n'));
}

bool TFFileConvertor::OutputDirExists() const
{
    return !Edit1->text().isEmpty() && QFileInfo(Edit1->text()).isDir();
}

void TFFileConvertor::FallBackToHome()
{
    Edit1->setText(HomeFolder());
    Dialogs().Information(QStringLiteral("Nastavený adresář neexistuje!"));
}

void TFFileConvertor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFFileConvertor::FormShow()
{
    Edit1->setText(ReadConverterOutput());
    if (!OutputDirExists())
        FallBackToHome();
}

void TFFileConvertor::Button1Click()
{
    TFileRequest r;
    r.title = QStringLiteral("Otevřít Soubor");
    r.filter = FileFilter;
    r.multiSelect = true;
    QStringList lines = Lines();
    for (const QString &path : Dialogs().GetOpenFileNames(r)) {
        bool listed = false;
        for (const QString &line : std::as_const(lines))
            listed = listed || (line != FileConversion::NoFilesLine()
                                && FileConversion::PathOfListLine(line) == path);
        if (listed)
            continue;
        bool unicode = false;
        try {
            unicode = FileConversion::IsUnicodeFile(path);
        } catch (const EGpHugeFile &) {
            Dialogs().Information(QStringLiteral("Soubor ") + path + QStringLiteral(" nelze přečíst."));
            continue;
        }
        lines << FileConversion::ListLine(path, unicode);
    }
    if (lines.size() > 1 && lines.first() == FileConversion::NoFilesLine())
        lines.removeFirst();
    if (lines.isEmpty())
        lines << FileConversion::NoFilesLine();
    SetLines(lines);
}

void TFFileConvertor::Button2Click()
{
    QStringList lines = Lines();
    const int row = Memo2->textCursor().blockNumber();
    if (row >= 0 && row < lines.size() && lines.at(row) != FileConversion::NoFilesLine())
        lines.removeAt(row);
    if (lines.isEmpty())
        lines << FileConversion::NoFilesLine();
    SetLines(lines);
}

void TFFileConvertor::Button3Click()
{
    SetLines({FileConversion::NoFilesLine()});
}

void TFFileConvertor::SpeedButton1Click()
{
    TFileRequest r;
    r.title = QStringLiteral("Výstupní Adresář");
    r.filter = QStringLiteral("Všechny soubory(*.*)|*.*");
    r.initialDir = OutputDir();
    r.fileName = QStringLiteral("none.txt");
    r.mustExist = false;
    const QStringList chosen = Dialogs().GetOpenFileNames(r);
    if (chosen.isEmpty())
        return;
    QString folder = QFileInfo(chosen.first()).absolutePath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    Edit1->setText(folder);
    if (!OutputDirExists())
        FallBackToHome();
}

void TFFileConvertor::Button4Click()
{
    if (!OutputDirExists())
        FallBackToHome();
    QStringList lines = Lines();
    if (lines.isEmpty() || lines.first() == FileConversion::NoFilesLine()) {
        Dialogs().Information(QStringLiteral("Nejsou vybrány žádné soubory!"));
        return;
    }
    // An error stops the run; the list is put back as it was, so the user can
    // correct the cause and convert again.
    const QStringList original = lines;
    try {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString input = FileConversion::PathOfListLine(lines.at(i));
            lines[i] = input;
            SetLines(lines);
            if (input.isEmpty())
                continue;
            const QString target = FileConversion::TargetPath(OutputDir(), input);
            if (FileConversion::SameFile(input, target)) {
                Dialogs().Information(QStringLiteral("Nelze zapisovat i číst do jednoho souboru - "
                                                     "Zvolte prosím jiný výstupní adresář"));
                continue;
            }
            FileConversion::ConvertFile(input, target);
        }
    } catch (...) {
        SetLines(original);
        throw;
    }
    SetLines({FileConversion::NoFilesLine()});
}

void TFFileConvertor::SaveOutputDir()
{
    try {
        WriteConverterOutput(OutputDir());
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Výstupní adresář se nepodařilo uložit."), e);
    }
}

void TFFileConvertor::done(int result)
{
    SaveOutputDir();
    QDialog::done(result);
}
