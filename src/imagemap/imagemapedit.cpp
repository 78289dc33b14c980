#include "imagemap/imagemapedit.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "imagemap/html_parser.h"
#include "imagemap/imagemap_model.h"
#include "imaging/picture_file.h"
#include "inspector/tag_hand_off.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QString Placeholder = u"Žádné"_s;

QColor Lime()
{
    return QColor(0, 255, 0);
}

// The pictures of the three drawing modes.
QIcon ToolIcon(int kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGreen, 1.5));
    if (kind == 0) {
        p.drawRect(QRectF(2.5, 3.5, 11, 9));
    } else if (kind == 1) {
        p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    } else {
        const QPointF pts[] = {{2.5, 12.5}, {5.5, 2.5}, {13.5, 6.5}, {10.5, 13.5}};
        p.drawPolygon(pts, 4);
        p.setBrush(Qt::darkGreen);
        for (const QPointF &pt : pts)
            p.drawRect(QRectF(pt.x() - 1, pt.y() - 1, 2, 2));
    }
    return QIcon(pixmap);
}

} // namespace

TMapImage::TMapImage(QWidget *parent) : QWidget(parent)
{
    resize(0, 0);
}

void TMapImage::SetPicture(const QImage &picture)
{
    Picture = picture;
    resize(picture.size());
    update();
}

void TMapImage::paintEvent(QPaintEvent *)
{
    if (Picture.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, Picture);
}

void TMapImage::mousePressEvent(QMouseEvent *event)
{
    if (OnMouseDown)
        OnMouseDown(event);
}

void TMapImage::mouseMoveEvent(QMouseEvent *event)
{
    if (OnMouseMove)
        OnMouseMove(event);
}

void TMapImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (OnMouseUp)
        OnMouseUp(event);
}

TMapShape::TMapShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TMapShape::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    p.setPen(QPen(Lime(), 1));
    p.setBrush(Qt::NoBrush);
    const QRect r(0, 0, width() - 1, height() - 1);
    if (Circle)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

TFMapcreate::TFMapcreate(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"FMapcreate"_s);
    setWindowTitle(u"Editovat Image Mapu"_s);
    setAccessibleName(windowTitle());
    setFixedSize(611, 314);

    const auto label = [this](const QString &text, int x, int y, QWidget *buddy = nullptr) {
        auto *l = new QLabel(text, this);
        l->move(x, y);
        l->adjustSize();
        if (buddy)
            l->setBuddy(buddy);
        return l;
    };
    const auto edit = [this](const char *name, const QString &caption, const QRect &geometry) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setAccessibleName(caption);
        e->setGeometry(geometry);
        return e;
    };
    const auto button = [this](const char *name, const QString &caption, const QRect &geometry) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(caption);
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        return b;
    };
    const auto tool = [this](const char *name, const QString &hint, const QIcon &icon, const QRect &g) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setIcon(icon);
        b->setGeometry(g);
        return b;
    };

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(u"ScrollBox1"_s);
    ScrollBox1->setAccessibleName(u"Obrázek mapy"_s);
    ScrollBox1->setGeometry(6, 12, 353, 289);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new TMapImage;
    Image1->setObjectName(u"Image1"_s);
    ScrollBox1->setWidget(Image1);
    Shape1 = new TMapShape(Image1);
    Shape1->setObjectName(u"Shape1"_s);
    Shape1->hide();
    Image2 = new TMapImage(Image1);
    Image2->setObjectName(u"Image2"_s);
    Image1->OnMouseDown = [this](QMouseEvent *e) { Image1MouseDown(e); };
    Image1->OnMouseMove = [this](QMouseEvent *e) { Image1MouseMove(e); };
    Image1->OnMouseUp = [this](QMouseEvent *e) { Image1MouseUp(e); };
    Image2->OnMouseDown = [this](QMouseEvent *e) { Image2MouseDown(e); };

    const int x = 368;
    // A field follows its label, however wide the font makes the label.
    const auto afterLabel = [x](QLineEdit *e, const QLabel *l, int y) {
        const int left = qMax(x + 108, l->geometry().right() + 6);
        e->setGeometry(left, y, x + 238 - left, 22);
    };
    Edit1 = edit("Edit1", u"Název Image Mapy:"_s, QRect());
    afterLabel(Edit1, label(u"Název Image Mapy:"_s, x, 8, Edit1), 4);

    label(u"Seznam Oblastí Mapy"_s, x, 32);
    StringGrid1 = new QTableWidget(1, 1, this);
    StringGrid1->setObjectName(u"StringGrid1"_s);
    StringGrid1->setAccessibleName(u"Seznam Oblastí Mapy"_s);
    StringGrid1->setGeometry(x, 48, 118, 112);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setItem(0, 0, new QTableWidgetItem(Placeholder));
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row) { StringGrid1SelectCell(row); });
    connect(StringGrid1, &QTableWidget::cellClicked, this, [this](int row) { StringGrid1SelectCell(row); });

    Button1 = button("Button1", u"Nová Oblast"_s, QRect(x + 124, 48, 114, 25));
    Button5 = button("Button5", u"Uložit"_s, QRect(x + 124, 77, 114, 25));
    Button2 = button("Button2", u"Odebrat Zvolený"_s, QRect(x + 124, 106, 114, 25));
    connect(Button1, &QPushButton::clicked, this, &TFMapcreate::Button1Click);
    connect(Button5, &QPushButton::clicked, this, &TFMapcreate::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &TFMapcreate::Button2Click);

    label(u"Typ Volby Mapy"_s, x + 124, 138);
    SpeedButton2 = tool("SpeedButton2", u"Definice Pomcí Čtverce"_s, ToolIcon(0), QRect(x + 124, 154, 25, 25));
    SpeedButton3 = tool("SpeedButton3", u"Definice Pomocí Kružnice"_s, ToolIcon(1),
                        QRect(x + 152, 154, 25, 25));
    SpeedButton4 = tool("SpeedButton4", u"Definice Pomocí Bodů"_s, ToolIcon(2), QRect(x + 180, 154, 25, 25));
    m_tools = new QButtonGroup(this);
    m_tools->setExclusive(true);
    for (QToolButton *b : {SpeedButton2, SpeedButton3, SpeedButton4}) {
        b->setCheckable(true);
        b->setAutoRaise(true);
        m_tools->addButton(b);
        connect(b, &QToolButton::clicked, this, [this, b] { ToolButtonClick(b); });
    }
    SpeedButton2->setChecked(true);

    Edit6 = edit("Edit6", u"Alt:"_s, QRect(x + 60, 186, 178, 22));
    label(u"Alt:"_s, x, 190, Edit6);
    Edit3 = edit("Edit3", u"Akuální koordináty"_s, QRect());
    Edit3->setReadOnly(true);
    afterLabel(Edit3, label(u"Akuální koordináty"_s, x, 216, Edit3), 212);
    Edit2 = edit("Edit2", u"Href"_s, QRect(x + 60, 238, 150, 22));
    label(u"Href"_s, x, 242, Edit2);
    SpeedButton1 = tool("SpeedButton1", u"Vybrat soubor odkazu"_s, QIcon(), QRect(x + 213, 238, 25, 22));
    SpeedButton1->setText(u"..."_s);
    connect(SpeedButton1, &QToolButton::clicked, this, &TFMapcreate::SpeedButton1Click);
    Edit5 = edit("Edit5", u"Acceskey"_s, QRect(x + 60, 264, 44, 22));
    label(u"Acceskey"_s, x, 268, Edit5);
    Edit4 = edit("Edit4", u"Tabindex"_s, QRect(x + 166, 264, 44, 22));
    label(u"Tabindex"_s, x + 112, 268, Edit4);
    CheckBox1 = new QCheckBox(u"No Href"_s, this);
    CheckBox1->setObjectName(u"CheckBox1"_s);
    CheckBox1->setAccessibleName(CheckBox1->text());
    CheckBox1->setGeometry(x, 290, 90, 20);

    Button3 = button("Button3", u"Vložit"_s, QRect(x + 96, 288, 68, 24));
    Button4 = button("Button4", u"Storno"_s, QRect(x + 170, 288, 68, 24));
    connect(Button3, &QPushButton::clicked, this, &TFMapcreate::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);

    ShapeTool = ImageMap::Rectangle;
    ShrinkOverlay();
}

void TFMapcreate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A window restored by the window system keeps what the user has done.
    if (event->spontaneous())
        return;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TFMapcreate::hideEvent(QHideEvent *event)
{
    Dragging = false;
    QDialog::hideEvent(event);
}

void TFMapcreate::FormShow()
{
    LastTag1.clear();
    {
        QScopedValueRollback loading(AreasLoading, true);
        MapAreas.clear();
        Edit1->setText(InspectorMapName);
        ClearFields();
        ShowPlaceholderRow();
        ShapeTool = ImageMap::Rectangle;
        SpeedButton2->setChecked(true);
        Dragging = false;
        DragStart = QPoint(0, 0);
        PolyFirst = QPoint(-1, -1);
        PolyLast = QPoint(-1, -1);
        Shape1->setGeometry(0, 0, 0, 0);
        Shape1->hide();
        ShrinkOverlay();
        Prectizezdrojakumapu();
    }
    StringGrid1->setCurrentCell(0, 0);
    StringGrid1SelectCell(0);
}

void TFMapcreate::ClearFields()
{
    for (QLineEdit *e : {Edit2, Edit3, Edit4, Edit5, Edit6})
        e->clear();
    CheckBox1->setChecked(false);
}

void TFMapcreate::ShowPlaceholderRow()
{
    QScopedValueRollback loading(AreasLoading, true);
    StringGrid1->setRowCount(1);
    StringGrid1->setItem(0, 0, new QTableWidgetItem(Placeholder));
}

// The list holds the placeholder exactly while there are no areas; an area
// whose label happens to read "Žádné" is still an area.
bool TFMapcreate::ShowsPlaceholder() const
{
    return MapAreas.isEmpty();
}

void TFMapcreate::AppendListRow(const QString &label)
{
    QScopedValueRollback loading(AreasLoading, true);
    if (MapAreas.size() <= 1) {
        StringGrid1->setRowCount(1);
        StringGrid1->setItem(0, 0, new QTableWidgetItem(label));
        return;
    }
    const int row = StringGrid1->rowCount();
    StringGrid1->insertRow(row);
    StringGrid1->setItem(row, 0, new QTableWidgetItem(label));
}

void TFMapcreate::PressTool(const QString &shape)
{
    if (shape == ImageMap::Circle)
        SpeedButton3->setChecked(true);
    else if (shape == ImageMap::Poly)
        SpeedButton4->setChecked(true);
    else
        SpeedButton2->setChecked(true);
}

QString TFMapcreate::PressedShape() const
{
    if (SpeedButton3->isChecked())
        return ImageMap::Circle;
    if (SpeedButton4->isChecked())
        return ImageMap::Poly;
    return ImageMap::Rectangle;
}

void TFMapcreate::ShrinkOverlay()
{
    Image2->setGeometry(0, 0, 0, 0);
}

void TFMapcreate::LayOverlay()
{
    QImage canvas(Image1->size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    Image2->SetPicture(canvas);
    Image2->setGeometry(0, 0, Image1->width(), Image1->height());
    Image2->raise();
    Image2->show();
}

bool TFMapcreate::Prectizezdrojakumapu()
{
    bool result = true;
    PictureError.clear();
    Image1->SetPicture(QImage());
    ShrinkOverlay();
    QByteArray bytes;
    QString folder;
    Codec::TextEncoding encoding = Codec::TextEncoding::Windows1250;
    if (Docs.HasDocuments() && Form2) {
        try {
            Form2->Ulozsoubor(Docs.ActiveFile());
        } catch (const EInOutError &e) {
            ReportIoError(u"Pracovní kopii se nepodařilo zapsat."_s, e);
        }
        // The bytes the working copy holds, taken from the editor itself so
        // that a failed write still reads what the user sees.
        encoding = Docs.Active().Encoding;
        bytes = Codec::Encode(Codec::JoinLinesCrLf(Form2->HTMLEditor1->Lines()), encoding);
        folder = ExtractFilePath(Docs.ActiveFile());
    }
    if (!SharedParser)
        SharedParser = new THTMLParser;
    const ImageMap::TMapReading reading =
        ImageMap::ReadMap(*SharedParser, bytes, Edit1->text(), encoding);

    for (const QString &src : reading.pictures) {
        const QString file = ImageMap::ResolvePicture(src, folder);
        if (file.isEmpty()) {
            result = false;
            continue;
        }
        QString error;
        const QImage picture = PictureFile::Load(file, &error);
        if (picture.isNull()) {
            PictureError = error;
            result = false;
            continue;
        }
        Image1->SetPicture(picture);
    }

    QScopedValueRollback loading(AreasLoading, true);
    for (const TImagemapinfo &area : reading.areas) {
        MapAreas.append(area);
        AppendListRow(area.Alt);
        if (MapAreas.size() == 1) {
            Edit2->setText(area.Href);
            Edit3->setText(area.Coords);
            Edit6->setText(area.Alt);
            Edit5->setText(area.AccessKey);
            Edit4->setText(area.TabIndex);
            CheckBox1->setChecked(area.NoHref);
            PressTool(area.Shape);
        }
    }
    return result;
}

void TFMapcreate::StringGrid1SelectCell(int row)
{
    if (AreasLoading || ShowsPlaceholder() || row < 0 || row >= MapAreas.size())
        return;
    const TImagemapinfo &area = MapAreas[row];
    Edit2->setText(area.Href);
    Edit3->setText(area.Coords);
    Edit4->setText(area.TabIndex);
    Edit5->setText(area.AccessKey);
    Edit6->setText(area.Alt);
    CheckBox1->setChecked(area.NoHref);
    if (area.Shape != ImageMap::Poly)
        ShrinkOverlay();

    QList<int> n;
    const bool numbers = ImageMap::CoordNumbers(area.Coords, &n);
    Shape1->hide();
    if (area.Shape == ImageMap::Poly) {
        // A polygon is drawn from its complete pairs; other text shows none.
        LayOverlay();
        if (numbers)
            DrawPolygon(n);
    } else if (numbers && area.Shape == ImageMap::Circle && n.size() >= 3) {
        Shape1->Circle = true;
        Shape1->setGeometry(n[0] - n[2], n[1] - n[2], qMax(0, 2 * n[2]), qMax(0, 2 * n[2]));
        Shape1->show();
    } else if (numbers && n.size() >= 4) {
        Shape1->Circle = false;
        Shape1->setGeometry(qMin(n[0], n[2]), qMin(n[1], n[3]), std::abs(n[2] - n[0]), std::abs(n[3] - n[1]));
        Shape1->show();
    }
    PressTool(area.Shape);
    ShapeTool = area.Shape;
}

void TFMapcreate::DrawPolygon(const QList<int> &numbers)
{
    QPainter p(&Image2->Picture);
    p.setPen(QPen(Lime(), 1));
    QList<QPoint> points;
    for (qsizetype i = 0; i + 1 < numbers.size(); i += 2)
        points << QPoint(numbers[i], numbers[i + 1]);
    for (qsizetype i = 0; i < points.size(); ++i) {
        p.drawRect(points[i].x() - 1, points[i].y() - 1, 2, 2);
        if (i > 0)
            p.drawLine(points[i - 1], points[i]);
    }
    if (!points.isEmpty()) {
        p.drawLine(points.last(), points.first());
        PolyFirst = points.first();
        PolyLast = points.last();
    }
    Image2->update();
}

void TFMapcreate::ToolButtonClick(QToolButton *button)
{
    Shape1->hide();
    Edit3->clear();
    if (button == SpeedButton4) {
        ShapeTool = ImageMap::Poly;
        LayOverlay();
        PolyFirst = PolyLast = QPoint(-1, -1);
        return;
    }
    ShapeTool = button == SpeedButton3 ? ImageMap::Circle : ImageMap::Rectangle;
    ShrinkOverlay();
}

void TFMapcreate::Image1MouseDown(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || ShapeTool == ImageMap::Poly)
        return;
    if (!Dragging) {
        Dragging = true;
        DragStart = DragOrigin = event->position().toPoint();
        Shape1->Circle = ShapeTool == ImageMap::Circle;
        Shape1->setGeometry(QRect(DragStart, QSize(0, 0)));
        Shape1->show();
        Shape1->update();
    }
    UpdateCoordsText();
}

void TFMapcreate::Image1MouseMove(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !Dragging)
        return;
    Shape1->Circle = ShapeTool == ImageMap::Circle;
    Shape1->setGeometry(
        ImageMap::DraggedOutline(DragStart, event->position().toPoint(), Shape1->Circle));
    Shape1->update();
    UpdateCoordsText();
}

void TFMapcreate::Image1MouseUp(QMouseEvent *)
{
    Dragging = false;
}

void TFMapcreate::UpdateCoordsText()
{
    const QRect outline = Shape1->geometry();
    if (ShapeTool == ImageMap::Rectangle) {
        if (Shape1->isVisibleTo(Image1))
            Edit3->setText(ImageMap::RectangleCoords(outline));
    } else if (ShapeTool == ImageMap::Circle) {
        Edit3->setText(ImageMap::CircleCoords(outline));
    }
}

void TFMapcreate::Image2MouseDown(QMouseEvent *event)
{
    if (ShapeTool != ImageMap::Poly) {
        ShrinkOverlay();
        return;
    }
    const QPoint pt = event->position().toPoint();
    QPainter p(&Image2->Picture);
    p.setPen(QPen(Lime(), 1));
    if (event->button() == Qt::LeftButton) {
        p.drawRect(pt.x() - 1, pt.y() - 1, 2, 2);
        if (!Edit3->text().isEmpty()) {
            if (PolyLast.x() >= 0)
                p.drawLine(PolyLast, pt);
            Edit3->setText(Edit3->text() + u","_s + QString::number(pt.x()) + u","_s
                           + QString::number(pt.y()));
        } else {
            Edit3->setText(QString::number(pt.x()) + u","_s + QString::number(pt.y()));
            PolyFirst = pt;
        }
        PolyLast = pt;
    } else if (event->button() == Qt::RightButton && PolyFirst.x() >= 0 && PolyLast.x() >= 0) {
        p.drawLine(PolyLast, PolyFirst); // display only
    }
    Image2->update();
}

void TFMapcreate::Button1Click()
{
    MapAreas.append(ImageMap::NewArea(int(MapAreas.size()) + 1));
    const QString label = MapAreas.last().Alt;
    Edit6->setText(label);
    AppendListRow(label);
    SpeedButton2->setChecked(true);
    ShrinkOverlay();
    const int row = int(MapAreas.size()) - 1;
    {
        QScopedValueRollback loading(AreasLoading, true);
        StringGrid1->setCurrentCell(row, 0);
    }
    StringGrid1SelectCell(row);
}

void TFMapcreate::Button5Click()
{
    const int r = StringGrid1->currentRow();
    if (ShowsPlaceholder() || r < 0 || r >= MapAreas.size())
        return;
    TImagemapinfo &area = MapAreas[r];
    area.Href = Edit2->text();
    StringGrid1->item(r, 0)->setText(Edit6->text());
    area.Coords = Edit3->text();
    area.TabIndex = Edit4->text();
    area.AccessKey = Edit5->text();
    area.Alt = Edit6->text();
    area.NoHref = CheckBox1->isChecked();
    area.Shape = PressedShape();
}

void TFMapcreate::Button2Click()
{
    const int r = StringGrid1->currentRow();
    if (ShowsPlaceholder() || r < 0 || r >= MapAreas.size())
        return;
    if (MapAreas.size() == 1) {
        MapAreas.clear();
        ShowPlaceholderRow();
        ClearFields();
        SpeedButton2->setChecked(true);
        ShapeTool = ImageMap::Rectangle;
        Shape1->hide();
        ShrinkOverlay();
        return;
    }
    MapAreas.removeAt(r);
    {
        QScopedValueRollback loading(AreasLoading, true);
        StringGrid1->removeRow(r);
        StringGrid1->setCurrentCell(0, 0);
    }
    StringGrid1SelectCell(0);
}

void TFMapcreate::SpeedButton1Click()
{
    TFileRequest request;
    request.title = u"Otevřít Soubor"_s;
    request.filter = FileFilter;
    request.initialDir = Docs.HasDocuments() ? ExtractFilePath(Docs.ActiveFile()) : QString();
    const QStringList chosen = Dialogs().GetOpenFileNames(request);
    if (!chosen.isEmpty())
        Edit2->setText(chosen.first());
}

void TFMapcreate::Button3Click()
{
    THTMLEdit *editor = Form2 ? Form2->HTMLEditor1 : nullptr;
    if (!editor || !Docs.HasDocuments()) {
        reject();
        return;
    }
    const QPoint caret = editor->CaretPos();
    const int caretOffset = editor->LineIndex(caret.y()) + caret.x();
    const bool upper = Form13 && Form13->Useuppercase->isChecked();
    const ImageMap::TMapWrite w =
        ImageMap::WriteMap(editor->Text(), caretOffset, Edit1->text(), MapAreas, upper);
    if (w.target == ImageMap::TMapTarget::None) {
        // Nothing to write into: the areas stay in the editor for the user.
        Dialogs().Information(u"Blok MAP s názvem \""_s + Edit1->text()
                              + u"\" nebyl v dokumentu nalezen, oblasti nebyly vloženy."_s);
        return;
    }
    editor->setFocus();
    {
        QScopedValueRollback guard(SourceSyncGuard, true);
        editor->ReplaceText(w.text);
        editor->SetSelStart(w.caretOffset);
    }
    LastTag1.clear();
    reject();
}
