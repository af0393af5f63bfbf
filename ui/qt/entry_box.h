// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace ui::qt {

// The entry box of the main window. It admits ASCII digits only, whether typed, pasted or
// dropped, refuses every other character and the Ctrl shortcuts, and tells the window when the
// focus comes to it from another control (not when it comes back from another window). A paste
// or a drop is judged whole, before the length limit cuts it to the room left.
class EntryBox final : public QLineEdit {
    Q_OBJECT

public:
    explicit EntryBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void focusEnteredFromForm();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool m_keepSelectionOnPress = false;
};

} // namespace ui::qt
