// The settings dialog opened from the main window: OK saves and applies,
// Storno leaves everything as it was.
#include "app/application.h"
#include "app/f_main.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "settings/load_config.h"
#include "settings/settings_command.h"
#include "settings/userconfig.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

// Runs edit inside the dialog's modal loop, then presses button.
void WhileOpen(std::function<void()> edit, QPushButton *TForm13::*button)
{
    QTimer::singleShot(0, Form13, [edit, button] {
        edit();
        (Form13->*button)->click();
        if (Form13->isVisible()) // OK refused: leave with Storno
            Form13->Button2->click();
    });
    Form1->Uivatelsk1->trigger();
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        StartSession({});
    }
    void cleanup() { fx.reset(); }

    void okSavesAndAppliesEveryKindOfControl()
    {
        WhileOpen([] {
            QCOMPARE(Form13->PageControl1->currentIndex(), 0);
            Form13->usewordwrap->setChecked(true);           // a check box applied to the editor
            Form13->tabulsize->setText(QStringLiteral("3")); // a digit field
            Form13->usestrong->setChecked(true);             // a radio pair
            Form13->bgcolor->setCurrentText(QStringLiteral("clNavy")); // a colour box
            Form13->defaultextension->setText(QStringLiteral("html"));  // a text field
        }, &TForm13::Button1);
        QCOMPARE(Form2->HTMLEditor1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(Form2->HTMLEditor1->palette().color(QPalette::Base), QColor(0, 0, 0x80));
        const QByteArray ini = ReadBytes(fx->programDir() + QStringLiteral("/config.ini"));
        QVERIFY(ini.contains("wordwrap=1\r\n"));
        QVERIFY(ini.contains("Tabsize=3\r\n"));
        QVERIFY(ini.contains("use<STRONG>=1\r\n"));
        QVERIFY(ini.contains("BgColor=clNavy\r\n"));
        QVERIFY(ini.contains("defaultpripona=html\r\n"));

        // A new start finds the values.
        DestroyWindows();
        CreateWindows();
        StartSession({});
        QVERIFY(Form13->usewordwrap->isChecked());
        QCOMPARE(Form13->tabulsize->text(), QStringLiteral("3"));
        QVERIFY(Form13->usestrong->isChecked());
        QCOMPARE(Form13->defaultextension->text(), QStringLiteral("html"));
    }

    void stornoLeavesEverythingAsItWas()
    {
        const bool upper = Form13->Useuppercase->isChecked();
        WhileOpen([] {
            Form13->Useuppercase->toggle();
            Form13->tabulsize->setText(QStringLiteral("7"));
            Form13->PageControl1->setCurrentIndex(3);
        }, &TForm13::Button2);
        QCOMPARE(Form13->Useuppercase->isChecked(), upper);
        QCOMPARE(Form13->tabulsize->text(), QStringLiteral("5"));
        QVERIFY(!QFile::exists(fx->programDir() + QStringLiteral("/config.ini")));
        // It opens on the first tab again.
        WhileOpen([] { QCOMPARE(Form13->PageControl1->currentIndex(), 0); }, &TForm13::Button2);
    }

    void okWithAnEmptyNumberIsRefused()
    {
        WhileOpen([] { Form13->Historylength->clear(); }, &TForm13::Button1);
        QCOMPARE(fx->dialogs->asked,
                 QStringList{QStringLiteral("info: Některá ze zadaných hodnot není korektní, zkontrolujte prosím nastavení")});
        QVERIFY(!QFile::exists(fx->programDir() + QStringLiteral("/config.ini")));
        QCOMPARE(Form13->Historylength->text(), QStringLiteral("10"));
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settings_dialog.moc"
