#include "app/faboutvellomy.h"

#include "app/about_values.h"
#include "app/startup_splash.h"
#include "markup/insertion_commands.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString AuthorName()
{
    return u"Tým Vellomy"_s;
}

// The host part of the maker's address, as a reader writes it.
QString MakerAddressText()
{
    return QUrl(MakerPageUrl()).host();
}

QLabel *LinkLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(0x0B, 0x4F, 0x9C));
    label->setPalette(p);
    label->setCursor(Qt::PointingHandCursor);
    label->setAccessibleName(text);
    return label;
}

const char *Acknowledgements()
{
    return "Děkujeme všem, kdo program zkoušeli a posílali nám své připomínky, "
           "hlášení chyb a nápady na nová vylepšení.\n\n"
           "Program je napsán v jazyce C++ nad knihovnou Qt; náhledy stránek "
           "zobrazuje Qt WebEngine (Chromium). Obrázky dekódují moduly Qt, "
           "které využívají knihovny zlib a libjpeg.\n\n"
           "Popisy značek v nápovědě vycházejí z veřejných doporučení W3C "
           "a standardu HTML organizace WHATWG.";
}

} // namespace

TAboutVellomy::TAboutVellomy(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("AboutVellomy"));
    setWindowTitle(QStringLiteral("O Programu Vellomy"));
    setAccessibleName(windowTitle());
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    // The picture is decoded when the box is first shown, not at every start.
    Image1->setFixedSize(420, 96);
    Image1->setScaledContents(true);
    layout->addWidget(Image1);

    Label8 = LinkLabel(u"Aktualizace na "_s + MakerAddressText(), this);
    Label8->setObjectName(u"Label8"_s);
    Label8->installEventFilter(this);
    layout->addWidget(Label8);

    auto *info = new QGroupBox(u"Info:"_s, this);
    info->setObjectName(u"GroupBox1"_s);
    auto *grid = new QGridLayout(info);
    const auto row = [&](int r, const QString &caption, const char *name) {
        auto *c = new QLabel(caption, info);
        grid->addWidget(c, r, 0);
        auto *v = new QLabel(info);
        v->setObjectName(QString::fromLatin1(name));
        v->setAccessibleName(caption);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(v, r, 1);
        return v;
    };
    Autor = row(0, u"Naprogramoval:"_s, "Autor");
    Autor->setText(AuthorName());
    Verze = row(1, u"Verze Programu:"_s, "Verze");
    Datum = row(2, u"Vytvořeno Dne:"_s, "Datum");
    Pamet = row(3, u"Velikost Fyzické Paměti:"_s, "Pamet");
    Vyuzito = row(4, u"Využito:"_s, "Vyuzito");
    Podpora = LinkLabel(SupportAddress(), info);
    Podpora->setObjectName(u"Podpora"_s);
    Podpora->installEventFilter(this);
    grid->addWidget(Podpora, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(info);

    auto *thanks = new QGroupBox(u"Poděkování"_s, this);
    thanks->setObjectName(u"GroupBox2"_s);
    auto *thanksLayout = new QVBoxLayout(thanks);
    Memo1 = new QPlainTextEdit(thanks);
    Memo1->setObjectName(u"Memo1"_s);
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QString::fromUtf8(Acknowledgements()));
    Memo1->setFixedHeight(96);
    Memo1->setAccessibleName(thanks->title());
    thanksLayout->addWidget(Memo1);
    layout->addWidget(thanks);

    Button1 = new QPushButton(u"OK"_s, this);
    Button1->setObjectName(u"Button1"_s);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutVellomy::FormShow()
{
    const QLocale locale;
    const TMemoryStatus memory = CurrentMemoryStatus();
    Pamet->setText(MemorySizeText(memory, locale));
    Vyuzito->setText(MemoryUseText(memory));
    const QString exe = QCoreApplication::applicationFilePath();
    Datum->setText(GeneralDateTimeText(QFileInfo(exe).lastModified(), locale));
    Verze->setText(ProductVersionString());
}

void TAboutVellomy::Label8Click()
{
    QDesktopServices::openUrl(QUrl(MakerPageUrl()));
}

void TAboutVellomy::PodporaClick()
{
    QDesktopServices::openUrl(QUrl(u"mailto:"_s + SupportAddress() + u"?subject=&body="_s));
}

void TAboutVellomy::showEvent(QShowEvent *event)
{
    if (Image1->pixmap().isNull())
        Image1->setPixmap(QPixmap(u":/pictures/about.png"_s));
    FormShow();
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

bool TAboutVellomy::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == Label8)
            Label8Click();
        else if (watched == Podpora)
            PodporaClick();
    }
    return QDialog::eventFilter(watched, event);
}
