#include "templates/savetemplate.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/program_dir.h"
#include "conversion/text_file.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "templates/template_file.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm5::TForm5(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Uložit Šablonu"));
    setAccessibleName(windowTitle());

    Label1 = new QLabel(QStringLiteral("Popis Šablony:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMinimumWidth(260);
    Edit2->setAccessibleName(Label1->text());
    Label1->setBuddy(Edit2);
    Button1 = new QPushButton(QStringLiteral("Vytvořit"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setAccessibleName(Button1->text());
    Button2 = new QPushButton(QStringLiteral("Storno"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAccessibleName(Button2->text());

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // sized to its contents

    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm5::showEvent(QShowEvent *event)
{
    Edit2->clear();
    Edit2->setFocus();
    QDialog::showEvent(event);
}

bool TForm5::Run(const QString &label, const QString &caption, TCreateAction create)
{
    Label1->setText(label);
    Edit2->setAccessibleName(label);
    if (!caption.isEmpty())
        setWindowTitle(caption);
    Edit2->clear();
    m_create = std::move(create);
    const bool created = exec() == QDialog::Accepted;
    m_create = nullptr;
    return created;
}

bool TForm5::RunFolderPrompt(const std::function<void(const QString &name)> &createFolder)
{
    return Run(QStringLiteral("Název Adresáře:"), QString(), [createFolder](const QString &name) {
        if (name.isEmpty())
            return false;
        createFolder(name);
        return true;
    });
}

void TForm5::Button1Click()
{
    if (!m_create || m_create(Edit2->text()))
        accept();
}

void TForm5::UloitJakoablonu1Click()
{
    if (!Docs.HasDocuments())
        return;
    Run(QStringLiteral("Popis Šablony:"), QStringLiteral("Uložit Šablonu"), [this](const QString &) {
        // A failed write has been reported; the prompt stays so the user may retry or cancel.
        return !SaveAsTemplate().isEmpty();
    });
}

QString TForm5::SaveAsTemplate()
{
    const QString folder = ProgramDir() + QStringLiteral("Sablony/");
    QString path;
    try {
        if (!QDir().mkpath(folder))
            throw EInOutError(folder, QStringLiteral("Složku nelze vytvořit"));
        path = folder + TemplateFile::NextTemplateName(folder);
        QStringList lines{Edit2->text()};
        lines << Form2->HTMLEditor1->Lines();
        const Codec::TextEncoding encoding = Docs.HasDocuments() ? Docs.Active().Encoding
                                                                 : Codec::TextEncoding::Windows1250;
        TextFile::Write(path, lines, encoding);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Šablonu se nepodařilo uložit."), e);
        return {};
    }
    return path;
}
