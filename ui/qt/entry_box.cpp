// SPDX-License-Identifier: MIT
#include "entry_box.h"

#include "ui/main/entry_rules.h"
#include "utf8_text.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

namespace ui::qt {
namespace {

using form1::AdmitsCharacter;

bool admitsInsertion(const QString& text) {
    return form1::AdmitsInsertion(ToUtf8(text));
}

bool clipboardAdmitted(QClipboard::Mode mode) {
    return admitsInsertion(QGuiApplication::clipboard()->text(mode));
}

// What reaches the text in any other way (an input method, say) is checked as well.
class AsciiDigitsValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*position*/) const override {
        return admitsInsertion(input) ? Acceptable : Invalid;
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

// True when the key filter admits the character this key types, or the key only moves the
// cursor or selects.
bool admitsKey(const QKeyEvent& event) {
    if (isNavigationKey(event.key()))
        return true; // Shift+Insert pastes, which is judged as a paste
    // With Ctrl held a key types a control code: Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z and the rest, and
    // Ctrl+Backspace too.
    if (event.modifiers().testFlag(Qt::ControlModifier))
        return false;
    if (event.key() == Qt::Key_Backspace)
        return AdmitsCharacter(U'\b');
    return event.text().size() == 1 && AdmitsCharacter(event.text().at(0).unicode());
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
    if (pastes ? clipboardAdmitted(QClipboard::Clipboard) : admitsKey(*event)) {
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
    if (event->button() == Qt::MiddleButton && !clipboardAdmitted(QClipboard::Selection)) {
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
            item->setEnabled(item->isEnabled() && clipboardAdmitted(QClipboard::Clipboard));
    }
    menu->popup(event->globalPos());
}

void EntryBox::dropEvent(QDropEvent* event) {
    if (!admitsInsertion(event->mimeData()->text())) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

} // namespace ui::qt
