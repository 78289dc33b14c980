#include "markup/tablesize.h"

#include "app/application.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "inspector/tag_hand_off.h"
#include "markup/insert_tag_program.h"
#include "markup/insert_tag.h"
#include "translator/dhtml_safe.h"
#include "translator/html_translator.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QTabWidget>

namespace {

constexpr int Square = 20;

// The table as lines into editor at its caret, as one edit.
void WriteTable(THTMLEdit *editor, TTableSize size, bool upperCase)
{
    const QPoint caret = editor->CaretPos();
    const QString line = editor->Line(caret.y());
    const QStringList block = TableBlock(line, caret.x(), size, upperCase);
    const int start = editor->LineIndex(caret.y());
    editor->SetSelStart(start);
    editor->SetSelLength(int(line.size()));
    editor->SetSelText(block.join(QStringLiteral("\r\n")));
    const QPoint at = TableBlockCaret(caret.x(), size);
    editor->SetSelStart(editor->LineIndex(caret.y() + at.y()) + at.x());
    editor->setFocus();
}

} // namespace

TForm6::TForm6(QWidget *parent) : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form6"));
    setAccessibleName(QStringLiteral("Velikost tabulky"));
    setMouseTracking(true);
    resize(115, 73);
    Panel1 = new QLabel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    PlacePanel();
}

void TForm6::PlacePanel()
{
    Panel1->setGeometry(0, height() - 15, width(), 15);
}

void TForm6::ShowTablePicker(const QString &target)
{
    if (target == QStringLiteral("RICH") && !Docs.HasDocuments())
        return;
    TableTarget = target;
    resize(45, 45);
    // The pointer stays put: the window comes to it, its first square under it.
    move(QCursor::pos() - QPoint(19, 20));
    PickCols = 1;
    PickRows = 0;
    Panel1->setText(TableSizeText({PickCols, PickRows}));
    PlacePanel();
    show();
    raise();
    activateWindow();
    PickAt(19, 20);
}

void TForm6::PickAt(int x, int y)
{
    const int w = x > 0 ? x + Square : width();
    const int h = y > 0 ? y + Square : height();
    resize(w, h);
    const TTableSize size = TableSizeAt(x, y);
    PickCols = size.cols;
    PickRows = size.rows;
    Panel1->setText(TableSizeText(size));
    PlacePanel();
    update();
}

void TForm6::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    // The squares of the size chosen; before any choice, one square.
    const int cols = std::max(PickCols, 1);
    const int rows = std::max(PickRows, PickCols > 0 ? PickRows : 1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            p.drawRect((c - 1) * Square, (r - 1) * Square, Square, Square);
}

void TForm6::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    PickAt(at.x(), at.y());
}

void TForm6::mousePressEvent(QMouseEvent *event)
{
    // A press outside the window closes the popup (Qt does that itself).
    if (!rect().contains(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (event->button() == Qt::RightButton) {
        hide();
        return;
    }
    m_pressedLeft = event->button() == Qt::LeftButton;
}

void TForm6::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressedLeft && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        m_pressedLeft = false;
        FormClick();
    }
    m_pressedLeft = false;
}

void TForm6::FormClick()
{
    if (Docs.HasDocuments() && Form2) {
        const int tab = Form2->PageControl1->currentIndex();
        const TTableSize size{PickCols, PickRows};
        QScopedValueRollback sync(SourceSyncGuard, true);
        if (tab == 0) {
            WriteTable(Form2->HTMLEditor1, size, CurrentMarkupStyle().upperCase);
        } else if (tab == 2 && TableTarget == QStringLiteral("RICH")) {
            WriteTable(Form2->HTMLEditor2, size, CurrentMarkupStyle().upperCase);
        } else if (tab == 2 && TableTarget == QStringLiteral("DHTML") && Form2->Translator) {
            TDHTMLSafe *visual = Form2->Translator->DHTMLEdit1;
            if (visual->QueryStatus(DECMD::INSERTTABLE) == DECMDF::ENABLED) {
                visual->InsertTable({PickRows, PickCols, QStringLiteral("border=1 cellPadding=1 cellSpacing=1")});
                visual->setFocus();
            }
        }
    }
    hide();
}
