// SPDX-License-Identifier: MIT
#include "form1.h"

#include "entry_box.h"
#include "form1_layout.h"
#include "platform/picture_file.h"
#include "ui/author_details.h"
#include "ui/dialogs/fabout.h"
#include "ui/dialogs/form2.h"
#include "ui/qt_translations.h"
#include "ui/widgets/icons.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/placement.h"
#include "ui/widgets/twips.h"

#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace ui {

using namespace form1;

namespace {

// A plain top-level QWidget is exposed as a filler; a screen reader should meet a window.
QAccessibleInterface* mainWindowAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::Form1") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

Form1::Form1(platform::PlatformServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_services(services) {
    // Once for the program: a screen reader meets this window as a window, and Qt's own texts
    // are in Chinese too.
    static const bool prepared =
        (QAccessible::installFactory(mainWindowAccessible), InstallQtTranslations(), true);
    Q_UNUSED(prepared);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(FromUtf8(CaptionPrefix) + FromUtf8(author::QqNumber));
    setFont(DesignFont({"幼圆", 15, false}));
    resize(PixelSize(ClientWidth, ClientHeight));

    for (const ControlRow& row : Controls)
        BuildControl(this, row, row.kind == ControlKind::TextBox ? new EntryBox(this) : nullptr);

    m_option1 = FindControl<QRadioButton>(this, "Option1");
    m_text1 = FindControl<EntryBox>(this, "Text1");
    m_command1 = FindControl<QPushButton>(this, "Command1");
    m_command2 = FindControl<QPushButton>(this, "Command2");
    m_label2 = FindControl<DesignLabel>(this, "Label2");
    m_label3 = FindControl<DesignLabel>(this, "Label3");
    m_picture1 = FindControl<QLabel>(this, "Picture1");

    m_command1->setDefault(true);
    m_label3->setBuddy(m_text1);
    m_picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_picture1->setFocusPolicy(Qt::TabFocus);
    m_picture1->setAccessibleName(FromUtf8(NoPictureName));
    m_pictureStartSize = m_picture1->size();

    m_modes = new QButtonGroup(this);
    m_modes->addButton(m_option1, static_cast<int>(core::QueryMode::Age));
    m_modes->addButton(FindControl<QRadioButton>(this, "Option2"),
                       static_cast<int>(core::QueryMode::BirthYear));
    connect(m_modes, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            SelectMode(static_cast<core::QueryMode>(id));
    });
    connect(m_text1, &EntryBox::focusEnteredFromForm, this, &Form1::OnTextFocus);
    connect(m_command1, &QPushButton::clicked, this, &Form1::RunQuery);
    connect(m_command2, &QPushButton::clicked, this, &Form1::close);
    buildMenu();
    CentreOnScreen(this);
}

Form1::~Form1() = default;

// The menu has no menu bar: it only ever pops up.
void Form1::buildMenu() {
    m_gyabout = new QMenu(FromUtf8(MenuCaption), this);
    m_gyabout->setObjectName(QStringLiteral("gyabout"));
    m_gyabout->setAccessibleName(FromUtf8(MenuCaption));
    const auto addItem = [this](const char* name, std::string_view caption, auto handler) {
        QAction* item = m_gyabout->addAction(FromUtf8(caption));
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, handler);
    };
    addItem("aboutsoft", AboutProgramItem, &Form1::showAboutProgram);
    addItem("aboutwriter", AboutAuthorItem, &Form1::showAboutAuthor);
    addItem("aboutjh", PlanItem, &Form1::showPlanNotice);
}

// Each dialog is made afresh for each showing and gone when it closes.
void Form1::showAboutProgram() {
    FAbout fAbout(m_services, this);
    fAbout.exec();
}

void Form1::showAboutAuthor() {
    Form2 form2(m_services);
    form2.exec();
}

void Form1::showPlanNotice() {
    m_services.showMessage(PlanNotice, platform::MessageStyle::Ok, {});
}

core::QueryMode Form1::mode() const {
    return m_option1->isChecked() ? core::QueryMode::Age : core::QueryMode::BirthYear;
}

void Form1::SelectMode(core::QueryMode mode) {
    m_label3->setText(FromUtf8(mode == core::QueryMode::Age ? AgePrompt : BirthYearPrompt));
    m_text1->setText(QStringLiteral("0"));
    clearResult();
}

void Form1::OnTextFocus() {
    clearResult();
    m_text1->setMaxLength(mode() == core::QueryMode::Age ? AgeMaxLength : BirthYearMaxLength);
    m_text1->setSelection(0, 4);
}

void Form1::RunQuery() {
    const QByteArray entry = m_text1->text().toUtf8();
    const core::QueryOutcome outcome = core::EvaluateQuery(
        mode(), std::string_view(entry.constData(), static_cast<std::size_t>(entry.size())),
        m_services.currentYear());

    if (outcome.isRejection()) {
        m_services.showMessage(outcome.message, platform::MessageStyle::OkStop, outcome.title);
        m_text1->setText(QStringLiteral("0"));
        const bool hadFocus = m_text1->hasFocus();
        m_text1->setFocus(Qt::OtherFocusReason);
        // Where the window system gives this window back its activation only later, the focus
        // arrives then, as a window's return, which prepares nothing: prepare the entry now.
        if (hadFocus)
            m_text1->selectAll(); // so the next digit replaces the "0"
        else if (!m_text1->hasFocus())
            OnTextFocus();
        return;
    }
    if (outcome.kind != core::QueryOutcomeKind::SignFound)
        return;

    const QString caption = FromUtf8(outcome.sign->caption);
    m_label2->setText(caption);
    // A missing or broken picture leaves the sign shown and the picture box empty.
    const platform::LoadedPicture loaded =
        platform::LoadPictureFile(FromUtf8(outcome.sign->picturePath));
    showPicture(loaded.picture, caption);
}

void Form1::clearResult() {
    m_label2->setText(QString());
    showPicture(QPixmap(), QString());
}

void Form1::showPicture(const QPixmap& picture, const QString& animal) {
    if (picture.isNull()) {
        m_picture1->setPixmap(picture);
        m_picture1->resize(m_pictureStartSize);
        m_picture1->setAccessibleName(FromUtf8(NoPictureName));
        return;
    }
    ShowInPictureBox(m_picture1, picture);
    m_picture1->setAccessibleName(animal);
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_startedUp)
        return;
    m_startedUp = true;
    m_option1->setFocus(Qt::OtherFocusReason);
    m_option1->setChecked(true);
}

// The icon is read once the window has been painted: the window appears that much sooner, and
// its icon follows in the next turn of the event loop.
void Form1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_iconPending) {
        m_iconPending = false;
        QTimer::singleShot(0, this, [this] { setWindowIcon(ProgramIcon()); });
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    const platform::Answer answer =
        m_services.showMessage(CloseQuestion, platform::MessageStyle::YesNoExclamation, CloseTitle);
    if (answer != platform::Answer::Yes) {
        event->ignore();
        return;
    }
    event->accept();
    m_services.endProgram();
}

// Enter presses the default button and Esc the cancel button, from whichever control has the
// focus; with "退出" focused, Enter presses it instead.
void Form1::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        (focusWidget() == m_command2 ? m_command2 : m_command1)->click();
        return;
    case Qt::Key_Escape:
        m_command2->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Form1::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        m_rightPressOnSurface = childAt(event->position().toPoint()) == nullptr;
    QWidget::mousePressEvent(event);
}

// The menu opens when the right button is released over the window's own surface: the press
// must have been there too, since a release goes to whatever received the press.
void Form1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && m_rightPressOnSurface) {
        m_rightPressOnSurface = false;
        m_gyabout->popup(event->globalPosition().toPoint());
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace ui
