#include "errorreport/exception_dialog.h"

#include "app/program_dir.h"
#include "errorreport/error_log.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>

namespace {
const char *const kSupportAddress = "podpora@vellomy.cz";
constexpr int kClientWidth = 432;
constexpr int kClientHeight = 231;
constexpr int kCollapsedHeight = 96; // down to the separating line

QString CrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

QString ButtonBase(const QString &caption)
{
    QString text = caption;
    text.remove(u'<');
    text.remove(u'>');
    return text.trimmed();
}

QList<TControlInfo> FocusChain()
{
    QList<TControlInfo> controls;
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
        controls.append({QString::fromLatin1(w->metaObject()->className()), w->objectName()});
    return controls;
}
} // namespace

QString TExceptionDialog::FixedText()
{
    return QStringLiteral("Bohužel došlo k interní chybě - Odešlete prosím soubor Debug.log na technickou podporu (")
           + QString::fromLatin1(kSupportAddress) + QStringLiteral(").");
}

TExceptionDialog::TExceptionDialog(const TErrorInfo &error, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint), m_error(error)
{
    setObjectName(QStringLiteral("ExceptionDialog"));
    setSizeGripEnabled(true);
    resize(kClientWidth, kClientHeight);

    ErrorIcon = new QLabel(this);
    ErrorIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    ErrorIcon->setGeometry(8, 8, 32, 32);

    TextLabel = new QTextEdit(this);
    TextLabel->setObjectName(QStringLiteral("TextLabel"));
    TextLabel->setReadOnly(true);
    TextLabel->setFrameShape(QFrame::NoFrame);
    TextLabel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextLabel->setGeometry(48, 8, 288, 80);

    OkBtn = new QPushButton(QStringLiteral("&OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    OkBtn->setGeometry(348, 8, 75, 25);
    DetailsBtn = new QPushButton(QStringLiteral("&Details"), this);
    DetailsBtn->setObjectName(QStringLiteral("DetailsBtn"));
    DetailsBtn->setToolTip(QStringLiteral("Show or hide additional information"));
    DetailsBtn->setEnabled(false);
    DetailsBtn->setGeometry(348, 40, 75, 25);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(0, kCollapsedHeight - 2, kClientWidth, 2);

    DetailsMemo = new QPlainTextEdit(this);
    DetailsMemo->setObjectName(QStringLiteral("DetailsMemo"));
    DetailsMemo->setReadOnly(true);
    DetailsMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    DetailsMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DetailsMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DetailsMemo->setGeometry(0, kCollapsedHeight, kClientWidth, kClientHeight - kCollapsedHeight);

    // Keyboard preview: Ctrl+C copies the report whichever control has focus.
    for (QWidget *w : {static_cast<QWidget *>(TextLabel), static_cast<QWidget *>(DetailsMemo),
                       static_cast<QWidget *>(OkBtn), static_cast<QWidget *>(DetailsBtn)})
        w->installEventFilter(this);
    connect(OkBtn, &QPushButton::clicked, this, &TExceptionDialog::OkBtnClick);
    connect(DetailsBtn, &QPushButton::clicked, this, &TExceptionDialog::DetailsBtnClick);

    setWindowTitle(QStringLiteral("%1 - application error").arg(QGuiApplication::applicationDisplayName()));
    QString message = m_error.message;
    if (!message.endsWith(u'.'))
        message += u'.';
    TextLabel->setPlainText(CrLf(message));
    TextLabel->setAlignment(Qt::AlignCenter);
    DetailsMemo->setPlainText(ReportHeadLines(m_error).join(u'\n'));

    m_expandedHeight = kClientHeight;
    SetExpanded(false);
    UpdateLabelScrollBar();
}

void TExceptionDialog::UpdateLabelScrollBar()
{
    // Line height measured with "Wg", as many lines as the text holds.
    const int lineHeight = QFontMetrics(TextLabel->font()).boundingRect(QStringLiteral("Wg")).height();
    const int lines = int(TextLabel->document()->size().height()) / qMax(1, lineHeight);
    TextLabel->setVerticalScrollBarPolicy(lines * lineHeight > TextLabel->height() ? Qt::ScrollBarAlwaysOn
                                                                                  : Qt::ScrollBarAlwaysOff);
}

void TExceptionDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowTitle(QStringLiteral("Nastala Chyba"));
    TextLabel->setPlainText(FixedText());
    TextLabel->selectAll();
    TextLabel->setAlignment(Qt::AlignCenter);
    TextLabel->moveCursor(QTextCursor::Start);
    UpdateLabelScrollBar();
    OkBtn->setEnabled(false);
    DetailsBtn->setEnabled(false);
    // Just after the window has appeared, so the user sees it at once.
    QTimer::singleShot(0, this, &TExceptionDialog::CompleteReport);
}

void TExceptionDialog::CompleteReport()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QDateTime now = QDateTime::currentDateTime();
    QStringList lines;
    lines << StackSection(now, m_error.stack);
    lines << SystemSection(CurrentSystemInfo());
    lines << ModuleSection(LoadedModules());
    lines << ControlsSection(FocusChain());
    DetailsMemo->appendPlainText(lines.join(u'\n'));
    if (Tag == 1) {
        AppendErrLog(ErrLogPath(ProgramDir(), QCoreApplication::applicationFilePath()), now,
                     TextLabel->toPlainText(), DetailsMemo->toPlainText());
    }
    DetailsMemo->moveCursor(QTextCursor::Start);
    QApplication::restoreOverrideCursor();
    OkBtn->setEnabled(true);
    DetailsBtn->setEnabled(true);
    OkBtn->setFocus();
    m_ready = true;
}

void TExceptionDialog::SetExpanded(bool expanded)
{
    const QString base = ButtonBase(DetailsBtn->text());
    if (expanded) {
        DetailsBtn->setText(QStringLiteral("<< ") + base);
        int maxHeight = QWIDGETSIZE_MAX;
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            maxHeight = screen->availableGeometry().height();
        const int height = qBound(kCollapsedHeight + 100, m_expandedHeight, maxHeight);
        setMinimumHeight(kCollapsedHeight + 100);
        setMaximumHeight(QWIDGETSIZE_MAX);
        DetailsMemo->show();
        resize(width(), height);
    } else {
        if (m_expanded)
            m_expandedHeight = height();
        DetailsBtn->setText(base + QStringLiteral(" >>"));
        DetailsMemo->hide();
        setFixedHeight(kCollapsedHeight);
    }
    m_expanded = expanded;
}

void TExceptionDialog::DetailsBtnClick()
{
    SetExpanded(!m_expanded);
}

QString TExceptionDialog::ClipboardText() const
{
    return CrLf(TextLabel->toPlainText() + QStringLiteral("\r\n") + DetailsMemo->toPlainText());
}

bool TExceptionDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy)) {
            if (event->type() == QEvent::KeyPress)
                keyPressEvent(key);
            else
                event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TExceptionDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(ClipboardText());
        QApplication::beep();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TExceptionDialog::OkBtnClick()
{
    AppendDebugLog(ProgramDir() + QStringLiteral("debug.log"), DetailsMemo->toPlainText());
    accept();
}

void TExceptionDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    DetailsMemo->setGeometry(0, kCollapsedHeight, width(), qMax(0, height() - kCollapsedHeight));
}
