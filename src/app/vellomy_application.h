// The application object: hands every exception that no handler caught to
// the error report instead of ending the process.
#pragma once

#include <QApplication>

class TVellomyApplication : public QApplication
{
public:
    TVellomyApplication(int &argc, char **argv);
    ~TVellomyApplication() override;
    bool notify(QObject *receiver, QEvent *event) override;

    // The shipped data of an installed program, empty for a build-folder run.
    QString ShippedData() const { return m_shippedData; }

private:
    QString m_shippedData;
};
