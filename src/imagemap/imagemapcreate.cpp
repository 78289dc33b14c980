#include "imagemap/imagemapcreate.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "imagemap/imagemap_commands.h"
#include "imagemap/imagemap_model.h"
#include "imaging/picture_file.h"
#include "inspector/tag_hand_off.h"
#include "markup/insertion_commands.h"
#include "settings/userconfig.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QString DocumentFolder()
{
    return Docs.HasDocuments() ? ExtractFilePath(Docs.ActiveFile()) : QString();
}

} // namespace

TFNewMap::TFNewMap(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"FNewMap"_s);
    setWindowTitle(u"Vytvořit Novou Image Mapu"_s);
    setAccessibleName(windowTitle());
    setFixedSize(452, 233);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(u"ScrollBox1"_s);
    ScrollBox1->setAccessibleName(u"Náhled obrázku"_s);
    ScrollBox1->setGeometry(8, 8, 200, 217);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new QLabel;
    Image1->setObjectName(u"Image1"_s);
    ScrollBox1->setWidget(Image1);
    ScrollBox1->hide();

    const auto label = [this](const QString &text, int x, int y, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->move(x, y);
        l->adjustSize();
        l->setBuddy(buddy);
    };
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(u"Edit1"_s);
    Edit1->setAccessibleName(u"Název Image Mapy"_s);
    Edit1->setGeometry(218, 28, 226, 22);
    label(u"Název Image Mapy"_s, 218, 10, Edit1);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(u"Edit2"_s);
    Edit2->setAccessibleName(u"Obrázek"_s);
    Edit2->setGeometry(218, 80, 198, 22);
    label(u"Obrázek"_s, 218, 62, Edit2);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(u"SpeedButton1"_s);
    SpeedButton1->setText(u"..."_s);
    SpeedButton1->setToolTip(u"Vybrat obrázek"_s);
    SpeedButton1->setAccessibleName(SpeedButton1->toolTip());
    SpeedButton1->setGeometry(420, 80, 24, 22);

    Button1 = new QPushButton(u"OK"_s, this);
    Button1->setObjectName(u"Button1"_s);
    Button1->setAccessibleName(Button1->text());
    Button1->setGeometry(276, 199, 80, 26);
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(u"Storno"_s, this);
    Button2->setObjectName(u"Button2"_s);
    Button2->setAccessibleName(Button2->text());
    Button2->setGeometry(364, 199, 80, 26);
    Button2->setAutoDefault(false);

    connect(Edit1, &QLineEdit::textChanged, this, &TFNewMap::EditChange);
    connect(Edit2, &QLineEdit::textChanged, this, &TFNewMap::Edit2Change);
    connect(SpeedButton1, &QToolButton::clicked, this, &TFNewMap::SpeedButton1Click);
    connect(Button1, &QPushButton::clicked, this, &TFNewMap::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFNewMap::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A window restored by the window system keeps what the user has done.
    if (event->spontaneous())
        return;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TFNewMap::FormShow()
{
    LastTag1.clear();
    Inserted = false;
    Edit1->clear();
    Edit2->clear();
    Button1->setEnabled(false);
    ScrollBox1->hide();
}

void TFNewMap::EditChange()
{
    Button1->setEnabled(!Edit1->text().isEmpty() && !Edit2->text().isEmpty());
}

void TFNewMap::Edit2Change()
{
    EditChange();
    // The preview shows what the path names now; a path that names nothing
    // hides it rather than keep an earlier picture.
    const QString file = ImageMap::ResolvePicture(Edit2->text(), DocumentFolder());
    const QImage picture = file.isEmpty() ? QImage() : PictureFile::Load(file);
    if (picture.isNull()) {
        ScrollBox1->hide();
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->resize(picture.size());
    ScrollBox1->show();
}

void TFNewMap::SpeedButton1Click()
{
    TFileRequest request;
    request.title = u"Otevřít Obrázek"_s;
    request.filter = PictureFile::OpenFilter();
    request.initialDir = DocumentFolder();
    const QStringList chosen = Dialogs().GetOpenFileNames(request);
    if (chosen.isEmpty())
        return;
    Edit2->setText(Docs.HasDocuments() ? RelativeLinkPath(Docs.ActiveFile(), chosen.first())
                                       : chosen.first());
}

void TFNewMap::Button1Click()
{
    if (!Form2 || !Docs.HasDocuments()) {
        reject();
        return;
    }
    THTMLEdit *editor = Form2->HTMLEditor1;
    const QPoint caret = editor->CaretPos();
    const bool upper = Form13 && Form13->Useuppercase->isChecked();
    const ImageMap::TNewMapInsert ins =
        ImageMap::InsertNewMap(editor->Text(), editor->LineIndex(caret.y()) + caret.x(), Edit1->text(),
                               Edit2->text(), upper);
    {
        QScopedValueRollback guard(SourceSyncGuard, true);
        editor->ReplaceText(ins.text);
        editor->SetSelStart(ins.caretOffset);
    }
    try {
        Form2->Ulozsoubor(Docs.ActiveFile());
    } catch (const EInOutError &e) {
        ReportIoError(u"Pracovní kopii se nepodařilo zapsat."_s, e);
    }
    LastTag1.clear();
    Inserted = true;
    reject();
}

void TFNewMap::OpenEditorOnNewMap()
{
    if (!Inserted)
        return;
    Inserted = false;
    if (ImageMap::ResolvePicture(Edit2->text(), DocumentFolder()).isEmpty()) {
        Dialogs().Information(u"Tento obrázek neexistuje"_s);
        return;
    }
    EditovatImageMapu1Click();
}
