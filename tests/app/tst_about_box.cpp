// The about box on the real windows, with memory figures put in place of the
// machine's, and the pictures of the splash and the about box.
#include "app/about_values.h"
#include "app/application.h"
#include "app/f_main.h"
#include "app/faboutvellomy.h"
#include "app/startup_splash.h"
#include "window_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
constexpr quint64 GiB = 1024 * 1024 * 1024;
}

class TUrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

struct TShownValues {
    bool shown = false;
    bool modal = false;
    QString memory, use, date, version, title;
};

class TestAboutBox : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    // Runs "O Programu" and reads the box while it is up, then presses OK.
    TShownValues ShowAbout()
    {
        TShownValues v;
        QTimer::singleShot(0, AboutVellomy, [&v] {
            v.shown = AboutVellomy->isVisible();
            v.modal = AboutVellomy->isModal();
            v.memory = AboutVellomy->Pamet->text();
            v.use = AboutVellomy->Vyuzito->text();
            v.date = AboutVellomy->Datum->text();
            v.version = AboutVellomy->Verze->text();
            v.title = AboutVellomy->windowTitle();
            AboutVellomy->Button1->click();
        });
        Form1->OProgramu1->trigger();
        return v;
    }

private slots:
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup()
    {
        fx.reset();
        SetMemoryStatusSource({});
        QLocale::setDefault(QLocale::system());
    }

    void showsTheFiguresOfTheMoment()
    {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        SetMemoryStatusSource([] { return TMemoryStatus{GiB, GiB / 4}; });
        QVERIFY(Form1->OProgramu1->isEnabled());
        const TShownValues first = ShowAbout();
        QVERIFY(first.shown);
        QVERIFY(first.modal);
        QCOMPARE(first.title, u"O Programu Vellomy"_s);
        const QString sep = QLocale().groupSeparator();
        QCOMPARE(first.memory, u"1"_s + sep + u"048"_s + sep + u"576 KB"_s);
        QCOMPARE(first.use, u"75 %"_s);
        QCOMPARE(first.version, ProductVersionString());
        QCOMPARE(first.version.count(u'.'), 3);
        const QDateTime built = QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
        QCOMPARE(first.date, GeneralDateTimeText(built, QLocale()));
        QVERIFY(first.date.contains(QLocale().toString(built.date(), QLocale::ShortFormat)));
        QVERIFY(!AboutVellomy->isVisible());

        // Computed again at every showing, not kept from the first.
        QLocale::setDefault(QLocale::c());
        SetMemoryStatusSource([] { return TMemoryStatus{2 * GiB, 2 * GiB / 5}; });
        const TShownValues second = ShowAbout();
        QCOMPARE(second.memory, u"2,097,152 KB"_s);
        QCOMPARE(second.use, u"80 %"_s);
    }

    void unknownMemoryIsSaidSo()
    {
        SetMemoryStatusSource([] { return TMemoryStatus{}; });
        const TShownValues v = ShowAbout();
        QCOMPARE(v.memory, u"nezjištěno"_s);
        QCOMPARE(v.use, u"nezjištěno"_s);
    }

    void holdsItsCaptionsAndAcknowledgements()
    {
        const QStringList captions = [] {
            QStringList out;
            for (const QLabel *l : AboutVellomy->findChildren<QLabel *>())
                out << l->text();
            return out;
        }();
        for (const QString &caption : {u"Naprogramoval:"_s, u"Verze Programu:"_s, u"Vytvořeno Dne:"_s,
                                       u"Velikost Fyzické Paměti:"_s, u"Využito:"_s})
            QVERIFY2(captions.contains(caption), qPrintable(caption));
        QVERIFY(AboutVellomy->Label8->text().startsWith(u"Aktualizace na "_s));
        QVERIFY(AboutVellomy->Label8->font().underline());
        QCOMPARE(AboutVellomy->Label8->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(AboutVellomy->Podpora->text(), SupportAddress());
        QVERIFY(!AboutVellomy->Autor->text().isEmpty());
        QVERIFY(AboutVellomy->Memo1->isReadOnly());
        QVERIFY(!AboutVellomy->Memo1->toPlainText().isEmpty());
        QCOMPARE(AboutVellomy->Button1->text(), u"OK"_s);
    }

    void linksOpenThePageAndAMail()
    {
        TUrlCatcher catcher;
        for (const QString scheme : {u"https"_s, u"http"_s, u"mailto"_s})
            QDesktopServices::setUrlHandler(scheme, &catcher, "open");
        AboutVellomy->show();
        QTest::mouseClick(AboutVellomy->Label8, Qt::LeftButton);
        QTest::mouseClick(AboutVellomy->Podpora, Qt::LeftButton);
        // Another button does nothing.
        QTest::mouseClick(AboutVellomy->Podpora, Qt::RightButton);
        AboutVellomy->hide();
        for (const QString scheme : {u"https"_s, u"http"_s, u"mailto"_s})
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(catcher.urls.size(), 2);
        QVERIFY(catcher.urls[0].host().contains(u"vellomy"_s));
        QVERIFY(AboutVellomy->Label8->text().endsWith(catcher.urls[0].host()));
        QCOMPARE(catcher.urls[1].toString(), u"mailto:"_s + SupportAddress() + u"?subject=&body="_s);
    }

    void picturesAreThere()
    {
        // Both pictures are drawn for the program and built into it.
        QCOMPARE(Form14->Image1->geometry(), QRect(0, 0, 400, 250));
        QVERIFY(Form14->Image1->hasScaledContents());
        const QPixmap splash = Form14->Image1->pixmap();
        QVERIFY(!splash.isNull());
        QCOMPARE(splash.size(), QSize(400, 250));
        // The about box's picture is decoded when the box is first shown.
        AboutVellomy->show();
        QCOMPARE(AboutVellomy->Image1->pixmap().size(), QSize(420, 96));
        AboutVellomy->hide();
        // The version and the address lie over the picture.
        QVERIFY(Form14->Label1->geometry().top() >= 70 && Form14->Label1->geometry().left() == 336);
        QCOMPARE(Form14->Label2->text(), SupportAddress());
        QVERIFY(Form14->Label2->geometry().bottom() < 250);
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
