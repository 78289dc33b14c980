#include "inspector/taginsp_panel.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "colours/html_colour.h"
#include "colours/palette.h"
#include "colours/palette_hand_off.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/error_report.h"
#include "inspector/tag_hand_off.h"
#include "inspector/tag_rewrite.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

bool Setting(QCheckBox *TForm13::*control)
{
    return Form13 && (Form13->*control) && (Form13->*control)->isChecked();
}

QString LowerKeepingPositions(QString text)
{
    for (QChar &c : text)
        c = c.toLower();
    return text;
}

// The folder of the active document (its working copy lies beside it).
QString ActiveDocumentFolder()
{
    if (!Docs.HasDocuments())
        return {};
    return QFileInfo(Docs.ActiveFile()).absolutePath();
}

const QString kPictureFilter =
    u"Obrázky (*.gif;*.png;*.jpg;*.jpeg;*.bmp)|*.gif;*.png;*.jpg;*.jpeg;*.bmp|Všechny soubory(*.*)|*.*"_s;

} // namespace

void TInspectorCombo::showPopup()
{
    if (OnDropDown)
        OnDropDown();
    QComboBox::showPopup();
}

TTagInspector::TTagInspector(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"TagInspector"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Label2 = new QLabel(u"Inspektor Tagů:"_s, this);
    layout->addWidget(Label2);

    Valuelisteditor1 = new QTableWidget(0, 2, this);
    Valuelisteditor1->setObjectName(u"Valuelisteditor1"_s);
    Valuelisteditor1->setAccessibleName(Label2->text());
    Label2->setBuddy(Valuelisteditor1);
    Valuelisteditor1->setHorizontalHeaderLabels({u"Vlastnost"_s, u"Hodnota"_s});
    Valuelisteditor1->verticalHeader()->hide();
    Valuelisteditor1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Valuelisteditor1->verticalHeader()->setDefaultSectionSize(RowPitch);
    Valuelisteditor1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    Valuelisteditor1->horizontalHeader()->resizeSection(0, KeyColumnWidth);
    Valuelisteditor1->horizontalHeader()->setStretchLastSection(true);
    Valuelisteditor1->horizontalHeader()->setFixedHeight(RowPitch);
    Valuelisteditor1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Valuelisteditor1->setSelectionMode(QAbstractItemView::NoSelection);
    Valuelisteditor1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Valuelisteditor1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Nine attribute rows below the title row fit without scrolling.
    Valuelisteditor1->setFixedHeight(RowPitch * (VisibleRows + 1) + 2 * Valuelisteditor1->frameWidth());
    Valuelisteditor1->setEnabled(false);
    Valuelisteditor1->viewport()->installEventFilter(this);
    Valuelisteditor1->installEventFilter(this);
    layout->addWidget(Valuelisteditor1);

    QWidget *host = Valuelisteditor1->viewport();
    Edit2 = new QLineEdit(host);
    Edit2->setObjectName(u"Edit2"_s);
    Edit2->setAccessibleName(u"Hodnota"_s);
    CheckBox1 = new QCheckBox(host);
    CheckBox1->setObjectName(u"CheckBox1"_s);
    CheckBox1->setAccessibleName(u"Hodnota"_s);
    CheckBox1->setAutoFillBackground(true);
    Edit1 = new QLineEdit(host);
    Edit1->setObjectName(u"Edit1"_s);
    Edit1->setAccessibleName(u"Hodnota"_s);
    Button1 = new QPushButton(u"..."_s, host);
    Button1->setObjectName(u"Button1"_s);
    Button1->setAccessibleName(u"Vybrat soubor"_s);
    Button1->setToolTip(u"Vybrat soubor"_s);
    ComboBox1 = new TInspectorCombo(host);
    ComboBox1->setObjectName(u"ComboBox1"_s);
    ComboBox1->setAccessibleName(u"Hodnota"_s);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(19);
    ComboBox1->OnDropDown = [this] { ComboBox1DropDown(); };
    HideEditors();

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setAccessibleName(u"Náhled obrázku"_s);
    Image1->setFixedSize(217, 137);
    Image1->setScaledContents(true);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->hide();
    layout->addWidget(Image1, 0, Qt::AlignLeft);
    layout->addStretch(1);

    connect(Edit2, &QLineEdit::textChanged, this, &TTagInspector::Edit2Change);
    connect(Edit1, &QLineEdit::textChanged, this, &TTagInspector::Edit1Change);
    // Typing changes the value; a pick from the list is handled as a choice.
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TTagInspector::ComboBox1Change);
    connect(ComboBox1, &QComboBox::activated, this, &TTagInspector::ComboBox1Select);
    connect(CheckBox1, &QCheckBox::toggled, this, &TTagInspector::CheckBox1Click);
    connect(Button1, &QPushButton::clicked, this, &TTagInspector::Button1Click);
    // The editors would no longer lie over their row.
    connect(Valuelisteditor1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { HideEditors(); });

    TagInspector = this;
    ::ApplyPaletteColour = [](const QString &colour) {
        if (TagInspector)
            TagInspector->ApplyPaletteColour(colour);
    };
    ArrangeInspectorEditors();
}

TTagInspector::~TTagInspector()
{
    if (TagInspector == this) {
        TagInspector = nullptr;
        ::ApplyPaletteColour = nullptr;
        InspectedAttributeNames.clear();
    }
}

int TTagInspector::RowCount() const
{
    return Valuelisteditor1->rowCount();
}

QString TTagInspector::RowName(int row) const
{
    const QTableWidgetItem *item = Valuelisteditor1->item(row - 1, 0);
    return item ? item->text() : QString();
}

QString TTagInspector::RowValue(int row) const
{
    const QTableWidgetItem *item = Valuelisteditor1->item(row - 1, 1);
    return item ? item->text() : QString();
}

void TTagInspector::SetRowValue(int row, const QString &value)
{
    if (row < 1 || row > RowCount())
        return;
    if (QTableWidgetItem *item = Valuelisteditor1->item(row - 1, 1))
        item->setText(value);
}

void TTagInspector::InspectTag(const QString &tagText)
{
    const QString name = TagNameOf(LowerKeepingPositions(tagText));
    if (!HasTagDefinition(name)) {
        ClearInspector();
        return;
    }
    Valuelisteditor1->setEnabled(true);
    ClearInspector(); // also empties the row lists
    LoadTagDefinition(TagNameOf(tagText));
    ArrangeInspectorEditors();
    FillAttributeValues(tagText);
}

void TTagInspector::LoadTagDefinition(const QString &name)
{
    const QString path = TagData::DefinitionPath(TagData::InspectorFolder(ProgramDir()), name);
    const QList<TDefinitionRow> rows = ParseTagDefinition(TagData::ReadLines(path), path, FontChoices);
    QScopedValueRollback loading(InspectorLoading, true);
    for (const TDefinitionRow &r : rows) {
        const int row = RowCount() + 1;
        Valuelisteditor1->insertRow(row - 1);
        auto *key = new QTableWidgetItem(r.Name);
        key->setFlags(Qt::ItemIsEnabled);
        auto *value = new QTableWidgetItem;
        value->setFlags(Qt::ItemIsEnabled);
        Valuelisteditor1->setItem(row - 1, 0, key);
        Valuelisteditor1->setItem(row - 1, 1, value);
        switch (r.Kind) {
        case TRowKind::Text:
            break;
        case TRowKind::Checkbox:
            CheckRows << row;
            break;
        case TRowKind::Button:
            ButtonRows << Tmujbutton{row, r.DialogKind};
            break;
        case TRowKind::Combo:
            ComboRows << Tumisteni{row, r.Choices};
            break;
        }
        InspectedAttributeNames << r.Name;
    }
}

void TTagInspector::FillAttributeValues(const QString &tagText)
{
    const QString lower = LowerKeepingPositions(tagText);
    const QStringList checks = TagData::ReadLines(TagData::CheckIndexPath(ProgramDir()));
    QScopedValueRollback loading(InspectorLoading, true);
    for (int row = 1; row <= RowCount(); ++row) {
        const QString key = LowerKeepingPositions(RowName(row));
        const int pos = FindAttribute(key, lower);
        QString value;
        if (checks.contains(key))
            value = pos != 0 ? u"Ano"_s : u"Ne"_s;
        else if (pos != 0)
            value = AttributeValueAfter(tagText, pos + int(key.size()));
        SetRowValue(row, value);
    }
}

void TTagInspector::ArrangeInspectorEditors()
{
    const bool scrolls = RowCount() > VisibleRows;
    const int scrollBar = scrolls ? Valuelisteditor1->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int inner = Valuelisteditor1->width() - 2 * Valuelisteditor1->frameWidth();
    m_editorWidth = std::max(40, inner - KeyColumnWidth - scrollBar);
}

void TTagInspector::HideEditors()
{
    Button1->hide();
    ComboBox1->hide();
    Edit1->hide();
    Edit2->hide();
    CheckBox1->hide();
}

void TTagInspector::ClearInspector()
{
    QScopedValueRollback loading(InspectorLoading, true);
    Valuelisteditor1->setRowCount(0);
    HideEditors();
    ComboBox1->clear();
    ComboBox1->setEditText(QString());
    Edit1->clear();
    Edit2->clear();
    CheckBox1->setChecked(false);
    CheckRows.clear();
    ButtonRows.clear();
    ComboRows.clear();
    CurrentRow = 0;
    InspectedAttributeNames.clear();
}

void TTagInspector::PlaceEditor(QWidget *editor, int row, int width)
{
    const int top = Valuelisteditor1->rowViewportPosition(row - 1);
    const int left = Valuelisteditor1->columnViewportPosition(1);
    editor->setGeometry(left, top, width, Valuelisteditor1->rowHeight(row - 1));
    editor->show();
    editor->raise();
}

void TTagInspector::Valuelisteditor1MouseDown(int row)
{
    if (row <= 0 || row > RowCount() || RowName(row).isEmpty())
        return;
    ArrangeInspectorEditors();
    QScopedValueRollback loading(InspectorLoading, true);
    CurrentRow = row;
    HideEditors();
    const QString value = RowValue(row);
    const auto combo = std::find_if(ComboRows.cbegin(), ComboRows.cend(),
                                    [row](const Tumisteni &c) { return c.Row == row; });
    const bool button = std::any_of(ButtonRows.cbegin(), ButtonRows.cend(),
                                    [row](const Tmujbutton &b) { return b.Row == row; });
    if (CheckRows.contains(row)) {
        PlaceEditor(CheckBox1, row, m_editorWidth);
        CheckBox1->setChecked(value == u"Ano"_s);
        CheckBox1->setFocus();
    } else if (button) {
        PlaceEditor(Edit1, row, m_editorWidth - m_buttonWidth);
        PlaceEditor(Button1, row, m_buttonWidth);
        Button1->move(Edit1->geometry().right() + 1, Edit1->y());
        Edit1->setText(value);
        Edit1->setFocus();
        Edit1->setCursorPosition(0);
    } else if (combo != ComboRows.cend()) {
        PlaceEditor(ComboBox1, row, m_editorWidth);
        ComboBox1->clear();
        ComboBox1->addItems(combo->Choices);
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(value);
        ComboBox1->setFocus();
        ComboBox1->lineEdit()->deselect();
    } else {
        PlaceEditor(Edit2, row, m_editorWidth);
        Edit2->setText(value);
        Edit2->setFocus();
        Edit2->setCursorPosition(0);
        Edit2->deselect();
    }
}

bool TTagInspector::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Valuelisteditor1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        const int row = Valuelisteditor1->rowAt(int(press->position().y())) + 1;
        Valuelisteditor1MouseDown(row);
        return true; // the list itself has nothing to edit in place
    }
    if (watched == Valuelisteditor1 && event->type() == QEvent::KeyPress) {
        // Enter opens the current row's editor for those who use the keyboard.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && Valuelisteditor1->currentRow() >= 0) {
            Valuelisteditor1MouseDown(Valuelisteditor1->currentRow() + 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

THTMLEdit *TTagInspector::ActiveSourceEditor() const
{
    if (!Form2)
        return nullptr;
    switch (Form2->PageControl1->currentIndex()) {
    case 0:
        return Form2->HTMLEditor1;
    case 2:
        return Form2->HTMLEditor2;
    default:
        return nullptr; // preview and help: the cell changes, the source does not
    }
}

void TTagInspector::WriteBackAttribute(int line)
{
    THTMLEdit *editor = ActiveSourceEditor();
    if (!editor || CurrentRow < 1 || CurrentRow > RowCount())
        return;
    const QString text = editor->Line(line);
    if (text.isEmpty())
        return;
    const auto [start, end] = FindTagAtCaret(text, editor->CaretPos().x());
    if (start == 0 || end == 0)
        return;
    const QString tag = text.mid(start, end - start - 1);
    // A ">" inside a value cut the tag short: rewriting it would mangle the line.
    if (!QuotesBalanced(tag))
        return;
    const QString name = RowName(CurrentRow);
    const TRewriteOptions options{Setting(&TForm13::Useuppercase), Setting(&TForm13::usefulltruefalseparam)};
    const QString newTag = ReplaceAttribute(tag, name, RowValue(CurrentRow),
                                            IsCheckAttribute(LowerKeepingPositions(name)), options);
    if (newTag == tag)
        return;
    QScopedValueRollback guard(SourceSyncGuard, true);
    const int selStart = editor->SelStart();
    editor->SetLine(line, text.left(start) + newTag + text.mid(end - 1));
    editor->SetSelStart(selStart);
}

void TTagInspector::WriteBackFromActiveEditor()
{
    if (THTMLEdit *editor = ActiveSourceEditor())
        WriteBackAttribute(editor->CaretPos().y());
}

void TTagInspector::Edit2Change()
{
    if (InspectorLoading)
        return;
    LastTag1.clear();
    LastTag2.clear();
    SetRowValue(CurrentRow, Edit2->text());
    WriteBackFromActiveEditor();
}

void TTagInspector::ComboBox1Change()
{
    if (InspectorLoading)
        return;
    LastTag1.clear();
    LastTag2.clear();
    SetRowValue(CurrentRow, ComboBox1->currentText());
    WriteBackFromActiveEditor();
}

void TTagInspector::CheckBox1Click()
{
    if (InspectorLoading)
        return;
    LastTag1.clear();
    LastTag2.clear();
    SetRowValue(CurrentRow, CheckBox1->isChecked() ? u"Ano"_s : u"Ne"_s);
    WriteBackFromActiveEditor();
}

void TTagInspector::Edit1Change()
{
    if (InspectorLoading)
        return;
    LastTag1.clear();
    LastTag2.clear();
    const auto button = std::find_if(ButtonRows.cbegin(), ButtonRows.cend(),
                                     [this](const Tmujbutton &b) { return b.Row == CurrentRow; });
    if (button != ButtonRows.cend() && button->DialogKind.toLower() == u"openmapedit"_s) {
        // That row is the way to the map editor, not an attribute.
        QScopedValueRollback loading(InspectorLoading, true);
        Edit1->clear();
        return;
    }
    SetRowValue(CurrentRow, Edit1->text());
    WriteBackFromActiveEditor();
}

void TTagInspector::ComboBox1DropDown()
{
    ComboTextBeforeDrop = ComboBox1->currentText();
}

void TTagInspector::ComboBox1Select(int index)
{
    if (InspectorLoading)
        return;
    if (ComboBox1->itemText(0) != u"Vlastní..."_s) {
        ComboBox1Change();
        return;
    }
    const QString picked = ComboBox1->itemText(index);
    const auto restoreText = [this] {
        QScopedValueRollback loading(InspectorLoading, true);
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(ComboTextBeforeDrop);
    };
    if (picked == u"Vlastní..."_s) {
        restoreText();
        const QColor initial = IsHtmlColour(ComboTextBeforeDrop)
                                   ? TColors::ToQColor(HtmlToColor(ComboTextBeforeDrop))
                                   : QColor(Qt::white);
        if (const auto colour = Dialogs().GetColor(initial)) {
            {
                QScopedValueRollback loading(InspectorLoading, true);
                ComboBox1->setEditText(ColorToHtml(ToTColor(*colour)));
            }
            ComboBox1Change();
        }
    } else if (picked == u"Z Palety..."_s) {
        restoreText();
        PaletteRow = CurrentRow;
        PaletteReturnY = ComboBox1->mapToGlobal(QPoint(0, 0)).y() + 45;
        PaletteTarget = u"Combo"_s;
        if (Form9)
            Form9->exec();
    } else if (picked == u"------------"_s) {
        restoreText();
    } else {
        ComboBox1Change();
    }
    LastTag1.clear();
    LastTag2.clear();
    RunSelectionChangeOfActiveEditor();
}

void TTagInspector::RunSelectionChangeOfActiveEditor()
{
    if (!Form2)
        return;
    const int tab = Form2->PageControl1->currentIndex();
    if (tab == 0)
        Form2->HTMLEditor1SelectionChange();
    else if (tab == 2 && !SourceSyncGuard)
        RefreshInspector(Form2->HTMLEditor2);
}

void TTagInspector::Button1Click()
{
    if (ButtonRows.isEmpty())
        return;
    auto button = std::find_if(ButtonRows.cbegin(), ButtonRows.cend(),
                               [this](const Tmujbutton &b) { return b.Row == CurrentRow; });
    if (button == ButtonRows.cend())
        button = ButtonRows.cbegin();
    const QString kind = button->DialogKind.toLower();
    if (kind == u"openmapedit"_s) {
        if (Form2 && Form2->PageControl1->currentIndex() == 0 && EditImageMapNamed)
            EditImageMapNamed(RowValue(1));
        return;
    }
    TFileRequest request;
    request.title = u"Otevřít Soubor"_s;
    request.initialDir = Form13 ? Form13->Filefolder->text() : QString();
    if (kind == u"openjavascript"_s) {
        request.filter = u"Soubory Skriptů(*.js;*.php*;*.vb)|*.js;*.php*;*.vb|Všechny soubory(*.*)|*.*"_s;
    } else if (kind == u"picturedialog"_s) {
        request.title = u"Otevřít Obrázek"_s;
        request.filter = kPictureFilter;
        request.initialDir = ActiveDocumentFolder();
    } else if (kind == u"opensound"_s) {
        request.filter = u"Soubor Wav(*.wav)|*.wav|Všechny soubory(*.*)|*.*"_s;
    } else if (kind == u"openhtml"_s) {
        request.filter = FileFilter;
    } else {
        return; // a word the program does not know: the button does nothing
    }
    const QStringList chosen = Dialogs().GetOpenFileNames(request);
    if (chosen.isEmpty())
        return;
    QString path = QDir::cleanPath(chosen.first());
    const QString folder = ActiveDocumentFolder();
    if (Setting(&TForm13::userelativepaths) && !folder.isEmpty())
        path = QDir(folder).relativeFilePath(path);
    if (Setting(&TForm13::insertsmallfilenames))
        path = path.toLower();
    Edit1->setText(path);
}

void TTagInspector::ApplyPaletteColour(const QString &colour)
{
    if (PaletteRow < 1 || PaletteRow > RowCount())
        return;
    SetRowValue(PaletteRow, colour);
    CurrentRow = PaletteRow;
    WriteBackFromActiveEditor();
    // The pointer is never moved: the row's editor opens again directly.
    Valuelisteditor1MouseDown(PaletteRow);
}

void TTagInspector::ShowPicture(bool showWidget)
{
    if (showWidget)
        Image1->show();
    const QString value = RowValue(1);
    if (value.isEmpty())
        return;
    QString file;
    const QString folder = ActiveDocumentFolder();
    if (!folder.isEmpty() && QFileInfo(folder + u'/' + value).isFile())
        file = folder + u'/' + value;
    if (QFileInfo(value).isAbsolute() && QFileInfo(value).isFile())
        file = value; // a full path wins
    if (file.isEmpty())
        return; // the previous picture stays
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull()) {
        // Only a preview: a broken picture says so instead of stopping the user.
        Image1->setPixmap(QPixmap());
        Image1->setText(u"Obrázek nelze zobrazit"_s);
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(image));
}

void TTagInspector::RefreshInspector(THTMLEdit *editor)
{
    if (!editor || !Form2)
        return;
    const bool first = editor == Form2->HTMLEditor1;
    QString &last = first ? LastTag1 : LastTag2;
    if (editor->SelLength() > 0) {
        ClearInspector();
        last.clear();
    }
    if (SourceSyncGuard)
        return;
    Valuelisteditor1->setEnabled(false);
    const QPoint caret = editor->CaretPos();
    const QString line = editor->Line(caret.y());
    if (line.isEmpty()) {
        last.clear();
        ClearInspector();
        if (first)
            Image1->hide();
        return;
    }
    if (editor->SelLength() > 0)
        return;
    QPair<int, int> span{0, 0};
    if (line.contains(u'<') && line.contains(u'>'))
        span = FindTagAtCaret(line, caret.x());
    QString tag;
    bool changed = true;
    if (span.first != 0 && span.second != 0) {
        tag = line.mid(span.first, span.second - span.first - 1);
        changed = tag != last;
        if (changed) {
            last = tag;
            ClearInspector();
            try {
                InspectTag(tag + u' ');
            } catch (const std::exception &e) {
                // A broken data file is reported here, so the caller's own
                // work (opening a document, switching) still completes.
                ShowErrorReport(ErrorInfoFrom(e));
            }
        }
        Valuelisteditor1->setEnabled(true);
    } else {
        last.clear();
        ClearInspector();
    }
    const QString upper = tag.toUpper();
    if (first) {
        if (!changed)
            return;
        if (Form1)
            Form1->EditovatImageMapu1->setEnabled(upper.startsWith(u"MAP"_s));
        if (upper.startsWith(u"IMG"_s))
            ShowPicture(true);
        else
            Image1->hide();
    } else {
        if (Form1)
            Form1->EditovatImageMapu1->setEnabled(false);
        if (upper.startsWith(u"IMG"_s))
            ShowPicture(false);
    }
}

void ClearInspector()
{
    if (TagInspector)
        TagInspector->ClearInspector();
}

void RefreshInspector(THTMLEdit *editor)
{
    if (TagInspector)
        TagInspector->RefreshInspector(editor);
}

bool HasTagDefinition(const QString &name)
{
    return !name.isEmpty() && TagData::FileListsName(TagData::IndexPath(ProgramDir()), name);
}

bool IsCheckAttribute(const QString &name)
{
    return !name.isEmpty() && TagData::FileListsName(TagData::CheckIndexPath(ProgramDir()), name);
}

QStringList FontChoices()
{
    if (Setting(&TForm13::Usebasefonts)) {
        QStringList families = QFontDatabase::families();
        families.sort(Qt::CaseInsensitive);
        return families;
    }
    return TagData::ReadLines(TagData::BaseFontsPath(ProgramDir()));
}

QString InspectorValue(int row)
{
    return TagInspector ? TagInspector->RowValue(row) : QString();
}
