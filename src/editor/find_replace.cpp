#include "editor/find_replace.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "editor/workarea.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPointer<TFindDialog> &FindStore()
{
    static QPointer<TFindDialog> d;
    return d;
}

QPointer<TReplaceDialog> &ReplaceStore()
{
    static QPointer<TReplaceDialog> d;
    return d;
}

QCheckBox *Box(const QString &caption, QWidget *parent)
{
    auto *b = new QCheckBox(caption, parent);
    b->setAccessibleName(caption);
    return b;
}

QPushButton *Button(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setAccessibleName(caption);
    return b;
}

} // namespace

TFindDialog::TFindDialog(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Najít"));
    auto *grid = new QGridLayout(this);
    auto *label = new QLabel(QStringLiteral("Najít:"), this);
    FindWhat = new QLineEdit(this);
    FindWhat->setAccessibleName(QStringLiteral("Najít"));
    label->setBuddy(FindWhat);
    WholeWord = Box(QStringLiteral("Pouze celá slova"), this);
    MatchCase = Box(QStringLiteral("Rozlišovat velká a malá písmena"), this);
    FindButton = Button(QStringLiteral("Najít další"), this);
    FindButton->setDefault(true);
    QPushButton *cancel = Button(QStringLiteral("Zrušit"), this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(FindWhat, 0, 1);
    grid->addWidget(FindButton, 0, 2);
    grid->addWidget(WholeWord, 1, 0, 1, 2);
    grid->addWidget(cancel, 1, 2);
    grid->addWidget(MatchCase, 2, 0, 1, 2);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

TFindOptions TFindDialog::Options() const
{
    return {WholeWord->isChecked(), MatchCase->isChecked()};
}

TReplaceDialog::TReplaceDialog(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Nahradit"));
    auto *grid = new QGridLayout(this);
    auto *l1 = new QLabel(QStringLiteral("Najít:"), this);
    auto *l2 = new QLabel(QStringLiteral("Nahradit čím:"), this);
    FindWhat = new QLineEdit(this);
    FindWhat->setAccessibleName(QStringLiteral("Najít"));
    ReplaceWith = new QLineEdit(this);
    ReplaceWith->setAccessibleName(QStringLiteral("Nahradit čím"));
    l1->setBuddy(FindWhat);
    l2->setBuddy(ReplaceWith);
    WholeWord = Box(QStringLiteral("Pouze celá slova"), this);
    MatchCase = Box(QStringLiteral("Rozlišovat velká a malá písmena"), this);
    FindNextButton = Button(QStringLiteral("Najít další"), this);
    FindNextButton->setDefault(true);
    ReplaceButton = Button(QStringLiteral("Nahradit"), this);
    ReplaceAllButton = Button(QStringLiteral("Nahradit vše"), this);
    QPushButton *cancel = Button(QStringLiteral("Zrušit"), this);
    grid->addWidget(l1, 0, 0);
    grid->addWidget(FindWhat, 0, 1);
    grid->addWidget(FindNextButton, 0, 2);
    grid->addWidget(l2, 1, 0);
    grid->addWidget(ReplaceWith, 1, 1);
    grid->addWidget(ReplaceButton, 1, 2);
    grid->addWidget(WholeWord, 2, 0, 1, 2);
    grid->addWidget(ReplaceAllButton, 2, 2);
    grid->addWidget(MatchCase, 3, 0, 1, 2);
    grid->addWidget(cancel, 3, 2);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

TFindOptions TReplaceDialog::Options() const
{
    return {WholeWord->isChecked(), MatchCase->isChecked()};
}

namespace FindReplace {

namespace {

// Steps 2 to 4 of a search: from after the selection, selection cleared.
int Search(THTMLEdit *editor, const QString &what, TFindOptions options)
{
    int start = editor->SelStart();
    if (editor->SelLength() > 0)
        start += editor->SelLength();
    const int length = editor->TextLength();
    editor->SetSelStart(start);
    return editor->FindText(what, start, length, options);
}

void Select(THTMLEdit *editor, int pos, const QString &what)
{
    editor->SetSelStart(pos);
    editor->SetSelLength(int(what.size()));
    editor->ScrollCaret();
}

} // namespace

bool FindNext(THTMLEdit *editor, const QString &what, TFindOptions options)
{
    const int pos = Search(editor, what, options);
    if (pos < 0) {
        Dialogs().Information(QStringLiteral("Nenašel jsem"));
        return false;
    }
    editor->setFocus();
    Select(editor, pos, what);
    return true;
}

bool ReplaceNext(THTMLEdit *editor, const QString &what, const QString &with, TFindOptions options,
                 bool all)
{
    bool ask = true;
    int count = 0;
    for (;;) {
        ++count;
        const int pos = Search(editor, what, options);
        if (pos < 0) {
            if (!all || count == 1)
                Dialogs().Information(QStringLiteral("Nenašel jsem"));
            break;
        }
        Select(editor, pos, what);
        bool replace = true;
        if (all && ask) {
            switch (Dialogs().Confirm(QStringLiteral("Nahradit?"), TButtons::YesNoCancelYesToAll)) {
            case TAnswer::YesToAll:
                ask = false;
                break;
            case TAnswer::Cancel:
                return false;
            case TAnswer::No:
                replace = false;
                break;
            case TAnswer::Yes:
                break;
            }
        }
        if (replace) {
            Select(editor, pos, what);
            editor->SetSelText(with);
        }
        if (!all)
            break;
    }
    return true;
}

} // namespace FindReplace

TFindDialog *FindDialog1()
{
    auto &d = FindStore();
    if (!d) {
        d = new TFindDialog(Form1);
        QObject::connect(d->FindButton, &QPushButton::clicked, d, [] {
            if (!Docs.HasDocuments())
                return; // the placeholder text is not searched
            FindReplace::FindNext(Form2->HTMLEditor1, FindStore()->FindWhat->text(), FindStore()->Options());
            FindStore()->hide();
        });
    }
    return d;
}

TReplaceDialog *ReplaceDialog1()
{
    auto &d = ReplaceStore();
    if (!d) {
        d = new TReplaceDialog(Form1);
        QObject::connect(d->FindNextButton, &QPushButton::clicked, d, [] {
            if (!Docs.HasDocuments())
                return;
            FindReplace::FindNext(Form2->HTMLEditor1, ReplaceStore()->FindWhat->text(), ReplaceStore()->Options());
        });
        const auto replace = [](bool all) {
            if (!Docs.HasDocuments())
                return;
            TReplaceDialog *r = ReplaceStore();
            const bool finished = FindReplace::ReplaceNext(Form2->HTMLEditor1, r->FindWhat->text(),
                                                           r->ReplaceWith->text(), r->Options(), all);
            // After a Cancel the dialog stays closed, the match selected.
            if (finished) {
                r->show();
                r->raise();
            } else {
                r->hide();
            }
        };
        QObject::connect(d->ReplaceButton, &QPushButton::clicked, d, [replace] { replace(false); });
        QObject::connect(d->ReplaceAllButton, &QPushButton::clicked, d, [replace] { replace(true); });
    }
    return d;
}

void OpenFindDialog()
{
    TFindDialog *d = FindDialog1();
    d->show();
    d->raise();
    d->activateWindow();
}

void FindNextCommand()
{
    if (!Docs.HasDocuments())
        return;
    TFindDialog *d = FindDialog1();
    FindReplace::FindNext(Form2->HTMLEditor1, d->FindWhat->text(), d->Options());
}

void OpenReplaceDialog()
{
    if (Form2->PageControl1->currentIndex() != 0)
        return;
    TReplaceDialog *d = ReplaceDialog1();
    d->show();
    d->raise();
    d->activateWindow();
}

void DestroyFindDialogs()
{
    delete FindStore();
    delete ReplaceStore();
}
