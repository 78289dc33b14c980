// The image map editor "Editovat Image Mapu": the map's picture at its own
// size, the areas drawn over it, their list and fields, and "Vložit" that
// writes the MAP block back into the source.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QToolButton;

// Set while the area list is being filled: row selection then does nothing.
inline bool AreasLoading = false;

// A picture surface: the map's picture (Image1) or the transparent overlay
// on which polygons are drawn (Image2). Mouse input goes to the window.
class TMapImage : public QWidget
{
    Q_OBJECT

public:
    explicit TMapImage(QWidget *parent = nullptr);

    QImage Picture;
    std::function<void(QMouseEvent *)> OnMouseDown;
    std::function<void(QMouseEvent *)> OnMouseMove;
    std::function<void(QMouseEvent *)> OnMouseUp;

    // Shows picture at its own size, one screen pixel per picture pixel.
    void SetPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The outline of a rectangle or circle: lime pen, transparent fill. Presses
// on it reach the picture below.
class TMapShape : public QWidget
{
    Q_OBJECT

public:
    explicit TMapShape(QWidget *parent = nullptr);
    bool Circle = false;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class TFMapcreate : public QDialog
{
    Q_OBJECT

public:
    explicit TFMapcreate(QWidget *parent = nullptr);

    QLineEdit *Edit1 = nullptr;        // map name
    QScrollArea *ScrollBox1 = nullptr;
    TMapImage *Image1 = nullptr;       // the picture, in picture coordinates
    TMapShape *Shape1 = nullptr;       // rectangle or circle outline
    TMapImage *Image2 = nullptr;       // the polygon overlay
    QTableWidget *StringGrid1 = nullptr; // the area list
    QPushButton *Button1 = nullptr;    // "Nová Oblast"
    QPushButton *Button5 = nullptr;    // "Uložit"
    QPushButton *Button2 = nullptr;    // "Odebrat Zvolený"
    QLineEdit *Edit6 = nullptr;        // alt
    QToolButton *SpeedButton2 = nullptr; // rectangle
    QToolButton *SpeedButton3 = nullptr; // circle
    QToolButton *SpeedButton4 = nullptr; // points
    QLineEdit *Edit3 = nullptr;        // coordinates, read-only
    QLineEdit *Edit2 = nullptr;        // href
    QToolButton *SpeedButton1 = nullptr; // browse for the link
    QLineEdit *Edit5 = nullptr;        // access key
    QLineEdit *Edit4 = nullptr;        // tab index
    QCheckBox *CheckBox1 = nullptr;    // "No Href"
    QPushButton *Button3 = nullptr;    // "Vložit"
    QPushButton *Button4 = nullptr;    // "Storno"

    // The name the editor is opened for (the MAP tag at the caret).
    QString InspectorMapName;

    QString ShapeTool;
    QPoint DragOrigin;
    bool Dragging = false;
    QPoint DragStart;
    QPoint PolyFirst{-1, -1};
    QPoint PolyLast{-1, -1};

    // Reads the map named in Edit1 from the active document: picture, areas,
    // list and the first area's fields. False only when the map's picture is
    // named but cannot be found (or read: PictureError then says why).
    bool Prectizezdrojakumapu();
    QString PictureError;

    // Writes the areas into the document and closes.
    void Button3Click();
    void UpdateCoordsText();

    // Handlers.
    void FormShow();
    void StringGrid1SelectCell(int row);
    void Button1Click();
    void Button5Click();
    void Button2Click();
    void SpeedButton1Click();
    void ToolButtonClick(QToolButton *button);
    void Image1MouseDown(QMouseEvent *event);
    void Image1MouseMove(QMouseEvent *event);
    void Image1MouseUp(QMouseEvent *event);
    void Image2MouseDown(QMouseEvent *event);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QButtonGroup *m_tools = nullptr;

    void ClearFields();
    void ShowPlaceholderRow();
    bool ShowsPlaceholder() const;
    void AppendListRow(const QString &label);
    void PressTool(const QString &shape);
    QString PressedShape() const;
    void ShrinkOverlay();
    void LayOverlay();
    void DrawPolygon(const QList<int> &numbers);
};
