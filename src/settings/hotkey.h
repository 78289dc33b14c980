// The recorder of one key combination on the shortcuts tab. Every recorded
// combination holds Ctrl or Alt: a plain key or Shift alone gets Alt added.
#pragma once

#include <QKeySequence>
#include <QLineEdit>

class THotKey : public QLineEdit
{
    Q_OBJECT

public:
    explicit THotKey(QWidget *parent = nullptr);

    QKeySequence HotKey() const { return m_hotKey; }
    void SetHotKey(const QKeySequence &sequence); // empty for none

    // The combination a key press records, or none for a lone modifier.
    static QKeySequence Recorded(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    QKeySequence m_hotKey;
};
