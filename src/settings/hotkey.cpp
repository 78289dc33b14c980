#include "settings/hotkey.h"

#include "settings/shortcuts.h"

#include <QKeyEvent>

THotKey::THotKey(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    // Read-only line edits still show no caret; the field must look editable.
    setFocusPolicy(Qt::StrongFocus);
    SetHotKey(QKeySequence());
}

void THotKey::SetHotKey(const QKeySequence &sequence)
{
    m_hotKey = sequence.isEmpty() ? QKeySequence() : QKeySequence(sequence[0]);
    setText(m_hotKey.isEmpty() ? QStringLiteral("Žádná") : Shortcuts::Format(m_hotKey));
}

QKeySequence THotKey::Recorded(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_unknown:
    case 0:
        return QKeySequence();
    default:
        break;
    }
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier)))
        modifiers |= Qt::AltModifier;
    if (key == Qt::Key_Backtab)
        key = Qt::Key_Tab;
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(key)));
}

bool THotKey::event(QEvent *event)
{
    // Ctrl+Tab and Alt+Tab are combinations to record, not focus moves.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void THotKey::keyPressEvent(QKeyEvent *event)
{
    // A plain Tab still moves on to the next control.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QKeySequence recorded = Recorded(event->key(), event->modifiers());
    if (!recorded.isEmpty())
        SetHotKey(recorded);
    event->accept();
}
