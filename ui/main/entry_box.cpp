// SPDX-License-Identifier: MIT
#include "entry_box.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

#include <algorithm>

namespace ui {
namespace {

bool isAsciiDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool clipboardHoldsDigits(QClipboard::Mode mode) {
    return isAsciiDigits(QGuiApplication::clipboard()->text(mode));
}

// What reaches the text in any other way (an input method, say) is checked as well.
class AsciiDigitsValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*position*/) const override {
        return isAsciiDigits(input) ? Acceptable : Invalid;
    }
};

bool isNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    default:
        return false;
    }
}

// True when typing this key may change the text: digits, backspace, and keys that only move
// the cursor or select.
bool admitsKey(const QKeyEvent& event) {
    const int key = event.key();
    const bool control = event.modifiers().testFlag(Qt::ControlModifier);
    if (key == Qt::Key_Backspace)
        return !control; // Ctrl+Backspace types a control code, not a backspace
    if (isNavigationKey(key))
        return true; // Shift+Insert pastes, which the validator filters
    if (control)
        return false; // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and the rest type control codes
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !event.text().isEmpty())
        return event.text().at(0) >= u'0' && event.text().at(0) <= u'9';
    return false;
}

} // namespace

EntryBox::EntryBox(QWidget* parent)
    : QLineEdit(parent) {
    setValidator(new AsciiDigitsValidator(this));
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        event->ignore(); // the window's default and cancel buttons, and the focus chain
        return;
    default:
        break;
    }
    const bool pastes =
        event->matches(QKeySequence::Paste) && !event->modifiers().testFlag(Qt::ControlModifier);
    if (pastes ? clipboardHoldsDigits(QClipboard::Clipboard) : admitsKey(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->text().isEmpty() || event->modifiers().testFlag(Qt::ControlModifier))
        QApplication::beep();
}

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::MouseFocusReason:
        m_keepSelectionOnPress = true;
        Q_EMIT focusEnteredFromForm();
        break;
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        Q_EMIT focusEnteredFromForm();
        break;
    default:
        break; // back from another window, a menu or a message box
    }
}

// The click that brings the focus would otherwise place the cursor and drop the selection
// that the window has just made.
void EntryBox::mousePressEvent(QMouseEvent* event) {
    if (!m_keepSelectionOnPress) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    m_keepSelectionOnPress = false;
    const int start = selectionStart();
    const int length = selectedText().size();
    QLineEdit::mousePressEvent(event);
    if (start >= 0)
        setSelection(start, length);
}

// The X11 selection, pasted by the middle button.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !clipboardHoldsDigits(QClipboard::Selection)) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The paste item is known by the shortcut its caption shows, whatever the language.
    const QString pasteKey =
        u'\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* item : menu->actions()) {
        if (item->text().endsWith(pasteKey))
            item->setEnabled(item->isEnabled() && clipboardHoldsDigits(QClipboard::Clipboard));
    }
    menu->popup(event->globalPos());
}

void EntryBox::dropEvent(QDropEvent* event) {
    if (!isAsciiDigits(event->mimeData()->text())) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

} // namespace ui
