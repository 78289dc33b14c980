// The tab "Klávesové Zkratky" of the settings dialog: choosing a function,
// recording its combination, "Použít" and "Vynulovat". Nothing reaches the
// menus before OK.
#include "app/dialogs.h"
#include "settings/hotkey.h"
#include "settings/shortcuts.h"
#include "settings/userconfig.h"

#include <QLabel>
#include <QTableWidget>

void TForm13::StringGrid1SelectCell(int row, int column)
{
    const QTableWidgetItem *label = StringGrid1->item(row, 0);
    const QTableWidgetItem *keys = StringGrid1->item(row, 1);
    if (!label)
        return;
    Panel1->setText(label->text());
    HotKey1->SetHotKey(Shortcuts::Parse(keys ? keys->text() : QString()));
    if (column == 1)
        HotKey1->setFocus();
}

void TForm13::PageControl1Change(int index)
{
    if (index != PageControl1->indexOf(TabSheet2) || StringGrid1->rowCount() == 0)
        return;
    StringGrid1->setCurrentCell(0, 0);
    StringGrid1SelectCell(0, 0);
}

void TForm13::Button3Click()
{
    const int row = StringGrid1->currentRow();
    if (row < 0)
        return;
    const QString wanted = Shortcuts::Format(HotKey1->HotKey());
    for (int k = 0; k < StringGrid1->rowCount(); ++k) {
        const QTableWidgetItem *keys = StringGrid1->item(k, 1);
        // An empty recorder matches a row without shortcut, as it always did.
        if ((keys ? keys->text() : QString()) == wanted) {
            Dialogs().Information(QStringLiteral("Bohužel tato zkratka je již použita"));
            HotKey1->SetHotKey(QKeySequence());
            return;
        }
    }
    if (QTableWidgetItem *keys = StringGrid1->item(row, 1))
        keys->setText(wanted);
}

void TForm13::Button4Click()
{
    const int row = StringGrid1->currentRow();
    if (row < 0)
        return;
    if (QTableWidgetItem *keys = StringGrid1->item(row, 1))
        keys->setText(QString());
    HotKey1->SetHotKey(QKeySequence());
}
