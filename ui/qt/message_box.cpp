// SPDX-License-Identifier: MIT
#include "message_box.h"

#include "utf8_text.h"

#include "core/program_info.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace ui::qt {
namespace {

const QString OkText = QStringLiteral("确定");
const QString YesText = QStringLiteral("是(&Y)");
const QString NoText = QStringLiteral("否(&N)");

// A Yes/No question has no cancel action: Esc and the close box do nothing. (Y and N answer
// it without Alt: QMessageBox matches a button's mnemonic on its own.)
class NoCancel final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

using platform::Answer;
using platform::MessageStyle;

Answer ShowMessage(QWidget* owner, const QString& text, MessageStyle style, const QString& title) {
    QMessageBox box(owner);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(title.isEmpty() ? ToQString(core::ProgramTitle) : title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);

    if (style == MessageStyle::YesNoExclamation) {
        box.setIcon(QMessageBox::Warning);
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        yes->setText(YesText);
        no->setText(NoText);
        box.setDefaultButton(yes);
        box.setWindowFlag(Qt::WindowCloseButtonHint, false);
        box.installEventFilter(new NoCancel(&box));
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }

    box.setIcon(style == MessageStyle::OkStop ? QMessageBox::Critical : QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    ok->setText(OkText);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return Answer::Ok;
}

} // namespace ui::qt
