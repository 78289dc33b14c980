// The error report window, made for each error and freed when it closes.
#pragma once

#include "errorreport/report_text.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

class TExceptionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TExceptionDialog(const TErrorInfo &error, QWidget *parent = nullptr);

    QTextEdit *TextLabel = nullptr;
    QLabel *ErrorIcon = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *DetailsBtn = nullptr;
    QFrame *Bevel1 = nullptr;
    QPlainTextEdit *DetailsMemo = nullptr;
    // The window's tag: 1 writes the _Err.log.
    int Tag = 1;

    bool ReportReady() const { return m_ready; }
    bool DetailsShown() const { return m_expanded; }
    // The label, CR LF and the report, as Ctrl+C copies it.
    QString ClipboardText() const;
    // The text the dialog shows once it is on screen.
    static QString FixedText();

    void DetailsBtnClick();
    void OkBtnClick();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CompleteReport();
    void SetExpanded(bool expanded);
    void UpdateLabelScrollBar();

    TErrorInfo m_error;
    bool m_ready = false;
    bool m_started = false;
    bool m_expanded = true;
    int m_expandedHeight = 0;
};
