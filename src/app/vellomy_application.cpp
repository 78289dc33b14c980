#include "app/vellomy_application.h"

#include "app/dialogs.h"
#include "errorreport/io_error.h"

#include <QDebug>

TVellomyApplication::TVellomyApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vellomy"));
    setApplicationVersion(QString::fromLatin1(VELLOMY_VERSION));
}

bool TVellomyApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EInOutError &e) {
        qWarning().noquote() << "I/O error:" << e.text();
        Dialogs().Information(QStringLiteral("Chyba při práci se souborem:\n") + e.text());
    } catch (const std::exception &e) {
        qWarning() << "error:" << e.what();
        Dialogs().Information(QStringLiteral("Nastala neočekávaná chyba:\n") + QString::fromLocal8Bit(e.what()));
    }
    return false;
}
