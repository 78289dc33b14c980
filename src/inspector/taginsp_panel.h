// The tag inspector: the property list of the tag under the caret on the
// work panel's "Projekt" page, its floating editors and the write-back of
// every edit into the source.
#pragma once

#include "inspector/tag_definition.h"

#include <QComboBox>
#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class THTMLEdit;

// The combo editor; reports when its list drops down.
class TInspectorCombo : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    std::function<void()> OnDropDown;
    void showPopup() override;
};

class TTagInspector : public QWidget
{
    Q_OBJECT

public:
    explicit TTagInspector(QWidget *parent = nullptr);
    ~TTagInspector() override;

    // Attribute rows the list shows without scrolling.
    static constexpr int VisibleRows = 9;
    static constexpr int RowPitch = 22;
    static constexpr int KeyColumnWidth = 86;

    QLabel *Label2 = nullptr;                // "Inspektor Tagů:"
    QTableWidget *Valuelisteditor1 = nullptr; // "Vlastnost" / "Hodnota"
    QLineEdit *Edit2 = nullptr;              // free text
    QCheckBox *CheckBox1 = nullptr;          // yes/no
    QLineEdit *Edit1 = nullptr;              // text with a dialog
    QPushButton *Button1 = nullptr;          // "..."
    TInspectorCombo *ComboBox1 = nullptr;    // choices with free text
    QLabel *Image1 = nullptr;                // picture of an IMG tag

    QList<int> CheckRows;
    QList<Tmujbutton> ButtonRows;
    QList<Tumisteni> ComboRows;
    int CurrentRow = 0;
    bool InspectorLoading = false;
    QString ComboTextBeforeDrop;

    // Rows count from 1, as the definition file orders them.
    int RowCount() const;
    QString RowName(int row) const;
    QString RowValue(int row) const;
    void SetRowValue(int row, const QString &value);

    void InspectTag(const QString &tagText);
    void LoadTagDefinition(const QString &name);
    void FillAttributeValues(const QString &tagText);
    void ArrangeInspectorEditors();
    void ClearInspector();
    void RefreshInspector(THTMLEdit *editor);
    // Rewrites the tag around the caret of the active source editor (the
    // caret is on line) with the value of CurrentRow.
    void WriteBackAttribute(int line);
    void ApplyPaletteColour(const QString &colour);

    // Handlers.
    void Valuelisteditor1MouseDown(int row);
    void Edit1Change();
    void Edit2Change();
    void ComboBox1Change();
    void ComboBox1Select(int index);
    void ComboBox1DropDown();
    void CheckBox1Click();
    void Button1Click();

    // Editor widths of the moment (narrower while a scroll bar shows).
    int EditorWidth() const { return m_editorWidth; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void HideEditors();
    void PlaceEditor(QWidget *editor, int row, int width);
    // The source editor of the workspace tab shown; null on the other tabs.
    THTMLEdit *ActiveSourceEditor() const;
    void WriteBackFromActiveEditor();
    void ShowPicture(bool showWidget);
    void RunSelectionChangeOfActiveEditor();

    int m_editorWidth = 0;
    int m_buttonWidth = 22;
};

// The one inspector, on the work panel; null before it exists.
inline TTagInspector *TagInspector = nullptr;

// Entry points for the rest of the program; they do nothing while the
// inspector does not exist.
void ClearInspector();
void RefreshInspector(THTMLEdit *editor);

// index.if, checkindex.if and basefonts.dat of the program folder, read now.
bool HasTagDefinition(const QString &name);
bool IsCheckAttribute(const QString &name);
// The choices of a "[<font>]" row by the setting "Načítat všechny fonty".
QStringList FontChoices();
// The value shown in attribute row (from 1) of the inspector; empty when
// there is no such row. The image-map editor takes the map name from row 1.
QString InspectorValue(int row);
