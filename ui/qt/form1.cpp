// SPDX-License-Identifier: MIT
#include "form1.h"

#include "controls.h"
#include "design_font.h"
#include "design_label.h"
#include "entry_box.h"
#include "fabout.h"
#include "form2.h"
#include "icons.h"
#include "picture_box.h"
#include "placement.h"
#include "translations.h"
#include "utf8_text.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

namespace ui::qt {

using namespace form1;

namespace {

// A plain top-level QWidget is exposed as a filler; a screen reader should meet a window.
QAccessibleInterface* mainWindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::qt::Form1") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

MouseButton mouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

} // namespace

Form1::Form1(platform::PlatformServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_services(services)
    , m_rules(*this, services) {
    // Once for the program: a screen reader meets this window as a window, and Qt's own texts
    // are in Chinese too.
    static const bool prepared =
        (QAccessible::installFactory(mainWindowAccessible), InstallQtTranslations(), true);
    Q_UNUSED(prepared);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(Caption()));
    setFont(DesignFont(WindowFont));
    resize(ToQSize(PixelSize(ClientWidth, ClientHeight)));

    m_controls[Text1] = new EntryBox(this);
    BuildControls(this, Controls, m_controls);
    control<QLabel>(Label3)->setBuddy(control(Text1)); // the entry's prompt, for screen readers
    m_pictureStartSize = control(Picture1)->size();
    control(Picture1)->setAccessibleName(ToQString(NoPictureName));

    m_modes = new QButtonGroup(this);
    for (const ModeRow& row : Modes)
        m_modes->addButton(control<QRadioButton>(row.option), static_cast<int>(row.mode));
    connect(m_modes, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_rules.SelectMode(static_cast<core::QueryMode>(id));
    });
    connect(control<EntryBox>(Text1), &EntryBox::focusEnteredFromForm, this,
            [this] { m_rules.OnTextFocus(); });
    connect(control<QPushButton>(Command1), &QPushButton::clicked, this,
            [this] { m_rules.RunQuery(); });
    connect(control<QPushButton>(Command2), &QPushButton::clicked, this, &Form1::close);
    // Shift+F10 asks the focused control for its context menu, as the Menu key does on X11.
    connect(new QShortcut(Qt::SHIFT | Qt::Key_F10, this), &QShortcut::activated, this, [this] {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        const QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
        QApplication::sendEvent(focus, &event);
    });
    buildMenu();
    CentreOnScreen(this);
}

Form1::~Form1() = default;

void Form1::buildMenu() {
    m_gyabout = new QMenu(ToQString(MenuCaption), this);
    m_gyabout->setObjectName(ToQString(MenuName));
    m_gyabout->setAccessibleName(ToQString(MenuCaption));
    for (const MenuRow& row : Menu) {
        QAction* item = m_gyabout->addAction(ToQString(row.caption));
        item->setObjectName(ToQString(row.name));
        connect(item, &QAction::triggered, this,
                [this, action = row.action] { m_rules.MenuItemChosen(action); });
    }
}

bool Form1::isChecked(Control option) const {
    return control<QRadioButton>(option)->isChecked();
}

void Form1::check(Control option) {
    const QSignalBlocker quiet(m_modes);
    control<QRadioButton>(option)->setChecked(true);
}

std::string Form1::text(Control id) const {
    return ToUtf8(control(id)->property("text").toString());
}

void Form1::setText(Control id, std::string_view text) {
    if (auto* label = qobject_cast<DesignLabel*>(control(id)))
        label->setText(ToQString(text));
    else
        control(id)->setProperty("text", ToQString(text));
}

bool Form1::hasFocus(Control id) const {
    return control(id)->hasFocus();
}

void Form1::setFocus(Control id) {
    control(id)->setFocus(Qt::OtherFocusReason);
}

void Form1::setEntryLimit(int characters) {
    control<EntryBox>(Text1)->setMaxLength(characters);
}

void Form1::selectEntry(int start, int length) {
    control<EntryBox>(Text1)->setSelection(start, length);
}

void Form1::showPicture(const platform::Picture& picture, std::string_view name) {
    auto* box = control<QLabel>(Picture1);
    ShowInPictureBox(box, ToQPixmap(picture), m_pictureStartSize);
    box->setAccessibleName(ToQString(name));
}

// Each dialog is made afresh for each showing and gone when it closes.
void Form1::showDialog(Dialog dialog) {
    if (dialog == Dialog::AboutProgram) {
        FAbout fAbout(m_services, this);
        fAbout.exec();
    } else {
        Form2 form2(m_services);
        form2.exec();
    }
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!std::exchange(m_startedUp, true))
        m_rules.Start();
}

// The icon is read once the window has been painted: the window appears that much sooner, and
// its icon follows in the next turn of the event loop.
void Form1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (std::exchange(m_iconPending, false))
        QTimer::singleShot(0, this, [this] { setWindowIcon(ProgramIcon()); });
}

void Form1::closeEvent(QCloseEvent* event) {
    if (m_rules.CloseRequested())
        event->accept();
    else
        event->ignore();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (!PressButtonForKey(event, Controls, m_controls))
        QWidget::keyPressEvent(event);
}

// The keyboard's request for a menu that no control took: the mouse's way to the menu is the
// right button's release over the background.
void Form1::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->ignore();
        return;
    }
    const auto focus = std::find(m_controls.begin(), m_controls.end(), QApplication::focusWidget());
    const bool onControl = focus != m_controls.end();
    const QWidget* at = onControl ? *focus : this;
    const std::optional<Point> point = KeyboardMenuAt(
        onControl ? std::optional<Control>(Control(focus - m_controls.begin())) : std::nullopt,
        {0, 0, at->width(), at->height()});
    if (point)
        m_gyabout->popup(at->mapToGlobal(QPoint(point->x, point->y)));
}

void Form1::mousePressEvent(QMouseEvent* event) {
    m_rules.MousePressed(mouseButton(event->button()),
                         childAt(event->position().toPoint()) == nullptr);
    QWidget::mousePressEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    if (m_rules.MouseReleased(mouseButton(event->button()))) {
        m_gyabout->popup(event->globalPosition().toPoint());
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace ui::qt
