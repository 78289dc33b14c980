// Errors thrown from event handlers, delivered through the real application
// object, reach the report dialog; a second one meanwhile gets a message box.
#include "app/program_dir.h"
#include "app/vellomy_application.h"
#include "errorreport/error_log.h"
#include "errorreport/error_report.h"
#include "errorreport/exception_dialog.h"
#include "errorreport/io_error.h"
#include "scripted_dialogs.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {
class TThrower : public QObject
{
public:
    QString message;
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw EInOutError(QStringLiteral("/data/page.htm"), message);
        return QObject::event(e);
    }
};

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Raise(const QString &message)
{
    TThrower thrower;
    thrower.message = message;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
}
} // namespace

class TestErrorReport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    TScriptedDialogs *m_dialogs = nullptr;

    QString ErrLog() const
    {
        return m_dir.filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                              + QStringLiteral("_Err.log"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        SetProgramDir(m_dir.path());
        TErrorReportTesting::noModalLoop = true;
    }
    void init() { m_dialogs = InstallScriptedDialogs(); }
    void cleanup()
    {
        if (TErrorReportTesting::lastDialog)
            TErrorReportTesting::lastDialog->reject();
        QTRY_VERIFY(!ErrorReportShowing());
    }

    void firstErrorOpensReport_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("plain") << QStringLiteral("Disk full");
        QTest::newRow("multi-line") << QStringLiteral("Line one\nline two.");
    }
    void firstErrorOpensReport()
    {
        QFETCH(QString, message);
        const QByteArray before = ReadAll(ErrLog());
        Raise(message);
        QPointer<TExceptionDialog> dialog = TErrorReportTesting::lastDialog;
        QVERIFY(dialog);
        QVERIFY(ErrorReportShowing());
        QVERIFY(dialog->isVisible());
        QVERIFY(m_dialogs->asked.isEmpty());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Nastala Chyba"));
        QCOMPARE(dialog->TextLabel->toPlainText(), TExceptionDialog::FixedText());
        QVERIFY(dialog->TextLabel->toPlainText().startsWith(
            QStringLiteral("Bohužel došlo k interní chybě - Odešlete prosím soubor Debug.log na technickou podporu (")));
        QTRY_VERIFY(dialog->ReportReady());
        QVERIFY(dialog->OkBtn->isEnabled());
        QVERIFY(dialog->DetailsBtn->isEnabled());

        const QString report = dialog->DetailsMemo->toPlainText();
        QVERIFY(report.startsWith(QStringLiteral("Exception class: EInOutError\nException address: ")));
        QVERIFY(report.contains(QStringLiteral("Exception message: ") + message + QStringLiteral(": /data/page.htm")));
        for (const char *title : {"Stack list, generated ", "System   : ", "Processor: ", "Display  : ",
                                  "List of loaded modules:", "Active Controls hiearchy:"})
            QVERIFY2(report.contains(QString::fromLatin1(title)), title);

        // The log grew by exactly one report, after what was there.
        const QByteArray after = ReadAll(ErrLog());
        QVERIFY(after.startsWith(before));
        const QByteArray added = after.mid(before.size());
        const QByteArray head = (before.isEmpty() ? QByteArray() : QByteArray("\r\n")) + QByteArray(100, '=') + "\r\n= ";
        QVERIFY(added.startsWith(head));
        QVERIFY(added.contains("\r\nException class: EInOutError\r\n"));
        QVERIFY(added.endsWith(QByteArray(100, '-') + "\r\n"));
    }

    void secondErrorGetsMessageBox()
    {
        Raise(QStringLiteral("First"));
        QPointer<TExceptionDialog> first = TErrorReportTesting::lastDialog;
        QVERIFY(first);
        Raise(QStringLiteral("Second"));
        QCOMPARE(TErrorReportTesting::lastDialog.data(), first.data());
        QCOMPARE(m_dialogs->asked, QStringList{QStringLiteral("info: Second: /data/page.htm")});
        first->reject();
        QTRY_VERIFY(!ErrorReportShowing());
        Raise(QStringLiteral("Third"));
        QVERIFY(TErrorReportTesting::lastDialog);
        QVERIFY(TErrorReportTesting::lastDialog.data() != first.data() || !first);
        QCOMPARE(m_dialogs->asked.size(), 1);
    }

    void detailsToggle()
    {
        Raise(QStringLiteral("x"));
        TExceptionDialog *d = TErrorReportTesting::lastDialog;
        QTRY_VERIFY(d->ReportReady());
        QVERIFY(!d->DetailsShown());
        QCOMPARE(d->DetailsBtn->text(), QStringLiteral("&Details >>"));
        const int collapsed = d->height();
        QCOMPARE(d->minimumHeight(), d->maximumHeight());
        d->DetailsBtn->click();
        QVERIFY(d->DetailsShown());
        QCOMPARE(d->DetailsBtn->text(), QStringLiteral("<< &Details"));
        QVERIFY(d->height() >= collapsed + 100);
        QVERIFY(d->DetailsMemo->isVisible());
        d->DetailsBtn->click();
        QCOMPARE(d->DetailsBtn->text(), QStringLiteral("&Details >>"));
        QCOMPARE(d->height(), collapsed);
    }

    void ctrlCCopiesReport()
    {
        Raise(QStringLiteral("x"));
        TExceptionDialog *d = TErrorReportTesting::lastDialog;
        QTRY_VERIFY(d->ReportReady());
        QApplication::clipboard()->clear();
        QTest::keyClick(d->OkBtn, Qt::Key_C, Qt::ControlModifier);
        const QString copied = QApplication::clipboard()->text();
        QVERIFY(copied.startsWith(TExceptionDialog::FixedText() + QStringLiteral("\r\nException class: EInOutError\r\n")));
        QVERIFY(!copied.contains(QStringLiteral("\r\r")));
    }

    void okWritesDebugLog()
    {
        const QString debugLog = m_dir.filePath(QStringLiteral("debug.log"));
        QFile::remove(debugLog);
        Raise(QStringLiteral("x"));
        TExceptionDialog *d = TErrorReportTesting::lastDialog;
        QTRY_VERIFY(d->ReportReady());
        const QString report = d->DetailsMemo->toPlainText();
        d->OkBtn->click();
        QTRY_VERIFY(!ErrorReportShowing());
        const QByteArray log = ReadAll(debugLog);
        QVERIFY(log.startsWith("Exception class: EInOutError\r\n"));
        QVERIFY(log.contains("Active Controls hiearchy:\r\n"));
        QCOMPARE(log, TrimmedCrLfLines(report));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TVellomyApplication app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_error_report.moc"
