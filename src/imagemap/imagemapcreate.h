// The new image map dialog "Vytvořit Novou Image Mapu": a map name and a
// picture; OK puts the picture tag and an empty MAP block at the caret.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

class TFNewMap : public QDialog
{
    Q_OBJECT

public:
    explicit TFNewMap(QWidget *parent = nullptr);

    QScrollArea *ScrollBox1 = nullptr; // the picture preview
    QLabel *Image1 = nullptr;
    QLineEdit *Edit1 = nullptr;        // map name
    QLineEdit *Edit2 = nullptr;        // picture path
    QToolButton *SpeedButton1 = nullptr; // browse for the picture
    QPushButton *Button1 = nullptr;    // "OK"
    QPushButton *Button2 = nullptr;    // "Storno"

    // True after OK until the next showing: the tags are in the document.
    bool Inserted = false;

    void FormShow();
    void EditChange();
    void Edit2Change();
    void SpeedButton1Click();
    void Button1Click();
    // The last step of OK, once the dialog is closed: the map editor on the
    // new map, or "Tento obrázek neexistuje".
    void OpenEditorOnNewMap();

protected:
    void showEvent(QShowEvent *event) override;
};
