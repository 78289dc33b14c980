#include "workpanel/file_properties.h"

#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>

QList<QPair<QString, QString>> FilePropertyRows(const QString &path)
{
    const QFileInfo fi(path);
    const QLocale locale;
    QList<QPair<QString, QString>> rows;
    rows << qMakePair(QStringLiteral("Název:"), fi.fileName());
    rows << qMakePair(QStringLiteral("Umístění:"), fi.absolutePath());
    rows << qMakePair(QStringLiteral("Velikost:"),
                      locale.toString(fi.size()) + QStringLiteral(" bajtů"));
    rows << qMakePair(QStringLiteral("Změněno:"),
                      locale.toString(fi.lastModified(), QLocale::ShortFormat));
    rows << qMakePair(QStringLiteral("Přístup:"),
                      fi.isWritable() ? QStringLiteral("čtení i zápis") : QStringLiteral("jen pro čtení"));
    return rows;
}

void ShowFileProperties(const QString &path, QWidget *parent)
{
    QDialog dlg(parent);
    dlg.setWindowTitle(QStringLiteral("Vlastnosti - ") + QFileInfo(path).fileName());
    auto *form = new QFormLayout(&dlg);
    for (const auto &[caption, value] : FilePropertyRows(path)) {
        auto *v = new QLabel(value, &dlg);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        v->setAccessibleName(caption);
        form->addRow(caption, v);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    form->addRow(buttons);
    dlg.exec();
}
