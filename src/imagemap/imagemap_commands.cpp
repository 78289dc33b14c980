#include "imagemap/imagemap_commands.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "imagemap/html_parser.h"
#include "imagemap/imagemap_model.h"
#include "imagemap/imagemapcreate.h"
#include "imagemap/imagemapedit.h"
#include "inspector/tag_hand_off.h"

#include <QAction>
#include <QLineEdit>

using namespace Qt::StringLiterals;

void VytvoitImageMapu1Click()
{
    if (!Docs.HasDocuments() || !FNewMap)
        return;
    FNewMap->exec();
    FNewMap->OpenEditorOnNewMap();
}

void EditovatImageMapu1Click()
{
    if (!Docs.HasDocuments() || !Form2)
        return;
    const THTMLEdit *editor = Form2->HTMLEditor1;
    const QPoint caret = editor->CaretPos();
    const QString name =
        ImageMap::MapNameAtCaret(editor->Text(), editor->LineIndex(caret.y()) + caret.x());
    // The command belongs to a MAP tag; elsewhere there is no map to edit.
    if (name.isNull())
        return;
    OpenMapEditor(name);
}

void OpenMapEditor(const QString &mapName)
{
    if (!Docs.HasDocuments() || !FMapcreate)
        return;
    FMapcreate->InspectorMapName = mapName;
    FMapcreate->Edit1->setText(mapName);
    if (!FMapcreate->Prectizezdrojakumapu()) {
        Dialogs().Information(FMapcreate->PictureError.isEmpty() ? u"Tento obrázek neexistuje"_s
                                                                 : FMapcreate->PictureError);
        return;
    }
    FMapcreate->exec();
}

void DisableMapEditCommand()
{
    if (Form1 && Form1->EditovatImageMapu1)
        Form1->EditovatImageMapu1->setEnabled(false);
}

void InstallImageMaps()
{
    if (!SharedParser)
        SharedParser = new THTMLParser;
    EditImageMapNamed = [](const QString &mapName) { OpenMapEditor(mapName); };
}
