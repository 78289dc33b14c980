// The main window's image-map commands.
#pragma once

#include <QString>

// "Vytvořit Image Mapu": the new-map dialog, then the editor on the new map.
void VytvoitImageMapu1Click();
// "Editovat Image Mapu": the editor on the MAP tag at the caret.
void EditovatImageMapu1Click();
// The editor on the map of that name: read first, "Tento obrázek neexistuje"
// when its picture is missing, else the editor modally. Nothing without a
// document.
void OpenMapEditor(const QString &mapName);
// Every document switch, open and close: the edit command waits for the
// caret to reach a MAP tag again.
void DisableMapEditCommand();
// At start: the shared parser and the inspector's way to the editor.
void InstallImageMaps();
