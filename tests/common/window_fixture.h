// Builds the program's windows over a temporary program folder for one test.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

class TScriptedDialogs;

class TWindowFixture
{
public:
    // Creates every window in the start order with ProgramDir in a fresh
    // temporary folder and scripted dialogs installed.
    // With createNow false only the folders and dialogs are prepared, and
    // create() makes the windows: a benchmark times just the program's start.
    explicit TWindowFixture(bool createNow = true);
    ~TWindowFixture();
    void create();

    // A folder for the test's documents.
    QString docDir() const { return m_docs.path(); }
    QString programDir() const { return m_program.path(); }
    TScriptedDialogs *dialogs = nullptr;

    // Writes bytes into docDir()/name and returns the path.
    QString writeDoc(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_program;
    QTemporaryDir m_docs;
};

// The file's bytes, once a write of it the working-copy writer has under way is done.
QByteArray ReadBytes(const QString &path);
