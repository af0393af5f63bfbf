// SPDX-License-Identifier: MIT
// The popup menu of the main window and the dialogs it opens, with real mouse and key events.
#include "support/main_window.h"
#include "support/modal.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <memory>

using testing_support::WhenModalShows;

namespace {

struct Window : testing_support::MainWindow {
    ~Window() { menu()->hide(); }
    QMenu* menu() const { return find<QMenu>("gyabout"); }

    // Presses and releases a button over `widget` at `at` (its centre by default).
    void release(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {},
                 QPoint at = {}) const {
        if (at.isNull())
            at = widget->rect().center();
        QTest::mousePress(widget, button, modifiers, at);
        QTest::mouseRelease(widget, button, modifiers, at);
    }
    void openMenu() const { release(form.get(), Qt::RightButton, {}, QPoint(8, 300)); }

    // Chooses a menu item with the mouse; `whileOpen` runs once the dialog it opens is up.
    void choose(const char* item, std::function<void(QWidget*)> whileOpen = {}) const {
        openMenu();
        QMenu* gyabout = menu();
        auto* action = gyabout->findChild<QAction*>(QLatin1String(item));
        if (whileOpen)
            WhenModalShows(std::move(whileOpen));
        QTest::mouseClick(gyabout, Qt::LeftButton, {}, gyabout->actionGeometry(action).center());
    }
};

template <typename T = QWidget> T* in(QWidget* dialog, const char* name) {
    return dialog->findChild<T*>(QLatin1String(name));
}

// A wrapping label keeps its place and width, and grows downwards only when a substitute face
// needs more line height, so that its whole text shows.
void expectWrapped(QLabel* label, const QRect& design) {
    QCOMPARE(label->pos(), design.topLeft());
    QCOMPARE(label->width(), design.width());
    QVERIFY(label->height() >= design.height());
    QCOMPARE(label->height(), std::max(design.height(), label->heightForWidth(design.width())));
}

QString textOf(QWidget* dialog, const char* name) {
    if (auto* label = in<QLabel>(dialog, name))
        return label->text();
    return in<QAbstractButton>(dialog, name)->text();
}

} // namespace

class MenuAndDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { testing_support::CloseLeftoverModals(); }

    void theMenuListsItsThreeItems() {
        Window w;
        QCOMPARE(w.menu()->title(), QStringLiteral("关于..."));
        QStringList items;
        for (const QAction* action : w.menu()->actions())
            items << action->objectName() + u'=' + action->text();
        QCOMPARE(items, (QStringList{QStringLiteral("aboutsoft=关于本软件"),
                                     QStringLiteral("aboutwriter=关于作者"),
                                     QStringLiteral("aboutjh=本软件计划")}));
    }

    void theMenuOpensOnlyOverTheBareSurface_data() {
        QTest::addColumn<QString>("over");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");
        const int right = Qt::RightButton;
        QTest::newRow("background") << "" << right << 0 << true;
        QTest::newRow("background with Shift") << "" << right << int(Qt::ShiftModifier) << true;
        QTest::newRow("background with Ctrl+Alt")
            << "" << right << int(Qt::ControlModifier | Qt::AltModifier) << true;
        QTest::newRow("left button") << "" << int(Qt::LeftButton) << 0 << false;
        QTest::newRow("middle button") << "" << int(Qt::MiddleButton) << 0 << false;
        for (const char* control : {"Label1", "Label3", "Picture1", "frame1", "Label4", "Option2",
                                    "Command1", "Command2"})
            QTest::newRow(control) << control << right << 0 << false;
    }
    void theMenuOpensOnlyOverTheBareSurface() {
        QFETCH(QString, over);
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(bool, opens);
        Window w;
        QWidget* target = over.isEmpty() ? w.form.get() : w.find(qPrintable(over));
        const QPoint at = over.isEmpty() ? QPoint(8, 300) : QPoint();
        w.release(target, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), at);
        QCOMPARE(w.menu()->isVisible(), opens);
        if (opens) // at the pointer
            QCOMPARE(w.menu()->pos(), w.form->mapToGlobal(QPoint(8, 300)));
    }

    void theAboutProgramDialogIsFilledAtEveryOpening() {
        Window w;
        QStringList seen;
        auto check = [&](QWidget* modal) {
            seen << modal->objectName() << modal->windowTitle() << textOf(modal, "lblTitle")
                 << textOf(modal, "lblVersion");
            QCOMPARE(modal->parentWidget(), w.form.get());
            QCOMPARE(QApplication::focusWidget(), in(modal, "cmdOK"));
            QVERIFY((modal->geometry().center() - w.form->geometry().center()).manhattanLength() <=
                    2);
            in<QLabel>(modal, "lblTitle")->setText(QStringLiteral("changed"));
            QTest::keyClick(modal, Qt::Key_Escape);
        };
        w.choose("aboutsoft", check);
        w.choose("aboutsoft", check);
        const QStringList once{QStringLiteral("fAbout"), QStringLiteral("关于 Moltrava V1.2"),
                               QStringLiteral("Moltrava V1.2"), QStringLiteral("版本 1.0.0")};
        QCOMPARE(seen, once + once);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void theAboutProgramDialogFollowsItsTable() {
        Window w;
        w.choose("aboutsoft", [](QWidget* modal) {
            QCOMPARE(modal->width(), 307);
            QVERIFY(modal->height() >= 237);
            QVERIFY(in(modal, "lblDisclaimer")->geometry().bottom() < modal->height());
            QCOMPARE(modal->minimumSize(), modal->maximumSize()); // a fixed frame
            QVERIFY(!modal->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!modal->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            QCOMPARE(in(modal, "cmdOK")->geometry(), QRect(224, 175, 68, 23));
            QCOMPARE(in(modal, "cmdSysInfo")->geometry(), QRect(224, 205, 68, 23));
            expectWrapped(in<QLabel>(modal, "lblDescription"), QRect(16, 88, 259, 54));
            expectWrapped(in<QLabel>(modal, "lblDisclaimer"), QRect(16, 176, 177, 54));
            QCOMPARE(in(modal, "lblTitle")->pos(), QPoint(72, 24));
            QCOMPARE(in(modal, "lblVersion")->pos(), QPoint(80, 56));
            QCOMPARE(textOf(modal, "cmdSysInfo"), QStringLiteral("系统信息"));
            QCOMPARE(textOf(modal, "lblDisclaimer"),
                     QStringLiteral("您可以自由使用、复制和传播本软件，但不得用于商业用途。"));
            QCOMPARE(textOf(modal, "lblDescription"),
                     QStringLiteral("能够根据你的出生年份(阳历)和你现在的年龄(周岁)来计算你属相"
                                    "的一个小软件，仅供大家娱乐。"));
            auto* icon = in<QLabel>(modal, "picIcon");
            QCOMPARE(icon->pos(), QPoint(16, 16));
            QVERIFY(!icon->pixmap().isNull());
            QVERIFY(!modal->windowIcon().isNull());
            // The etched line across the dialog above the buttons.
            const QImage image = modal->grab().toImage();
            QCOMPARE(image.pixelColor(100, 163), QColor(0x80, 0x80, 0x80));
            QCOMPARE(image.pixelColor(100, 164), QColor(Qt::white));
            QCOMPARE(image.pixelColor(306, 165), QColor(Qt::white));
            QTest::keyClick(modal, Qt::Key_Return);
        });
        QVERIFY(!QApplication::activeModalWidget());
    }

    // No registry here names the tool, so the button reports it unavailable, over the dialog.
    void enterOnSystemInformationKeepsTheDialogOpen() {
        Window w;
        bool stillOpen = false;
        QString owner;
        w.services.whileMessageShows = [&](const auto& message) {
            owner = message.owner->objectName();
        };
        w.choose("aboutsoft", [&](QWidget* modal) {
            QTest::keyClick(modal, Qt::Key_Tab); // past the icon
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), in(modal, "cmdSysInfo"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            stillOpen = modal->isVisible();
            modal->close(); // the close box closes it like 确定
        });
        QVERIFY(stillOpen);
        QCOMPARE(w.services.messages.size(), size_t(1));
        QCOMPARE(w.services.messages[0].text, QStringLiteral("此时系统信息不可用"));
        QCOMPARE(w.services.messages[0].style, platform::MessageStyle::Ok);
        QCOMPARE(w.services.messages[0].title, QString());
        QCOMPARE(owner, QStringLiteral("fAbout"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void theMainWindowTakesNoInputWhileADialogIsOpen() {
        Window w;
        bool blocked = false;
        w.choose("aboutsoft", [&](QWidget* modal) {
            // Through the window system, as a real click arrives.
            QWidget* command1 = w.find("Command1");
            QTest::mouseClick(w.form->windowHandle(), Qt::LeftButton, {},
                              command1->mapTo(w.form.get(), command1->rect().center()));
            blocked = w.services.picturesLoaded.empty() && modal->isVisible();
            QTest::mouseClick(in(modal, "cmdOK"), Qt::LeftButton);
        });
        QVERIFY(blocked);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void theAuthorDialogOpensPagesAndStaysOpen() {
        Window w;
        QStringList seen;
        bool stayedOpenAfterEsc = false;
        w.choose("aboutwriter", [&](QWidget* modal) {
            seen << modal->objectName() << modal->windowTitle() << textOf(modal, "Label2")
                 << textOf(modal, "Label3") << textOf(modal, "Command2")
                 << textOf(modal, "Command1");
            QVERIFY(!modal->parentWidget()); // its own entry in the task bar
            QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
            QVERIFY((modal->geometry().center() - modal->screen()->availableGeometry().center())
                        .manhattanLength() <= 2);
            QVERIFY(!modal->windowIcon().isNull());
            QCOMPARE(QApplication::focusWidget(), in(modal, "Command2"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            stayedOpenAfterEsc = modal->isVisible();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // the blog
            QTest::mouseClick(in(modal, "Command1"), Qt::LeftButton);     // the home page
            QVERIFY(modal->isVisible());
            modal->close();
        });
        QCOMPARE(seen, (QStringList{QStringLiteral("Form2"), QStringLiteral("关于作者"),
                                    QStringLiteral("QQ:000000000"),
                                    QStringLiteral("E-mail:author@example.com"),
                                    QStringLiteral("百度博客"), QStringLiteral("主 页")}));
        QVERIFY(stayedOpenAfterEsc);
        QCOMPARE(w.services.webPages.size(), size_t(2));
        QCOMPARE(w.services.webPages[0].host(), QStringLiteral("blog.example.org"));
        QCOMPARE(w.services.webPages[1].host(), QStringLiteral("www.example.com"));
        QVERIFY(w.services.messages.empty());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void thePageThatCannotBeOpenedIsReported() {
        Window w;
        w.services.webPageError = QStringLiteral("没有可以打开网页的程序");
        w.choose("aboutwriter", [&](QWidget* modal) {
            QTest::mouseClick(in(modal, "Command1"), Qt::LeftButton);
            QVERIFY(modal->isVisible());
            modal->close();
        });
        QCOMPARE(w.services.messages.size(), size_t(1));
        QVERIFY(w.services.messages[0].text.contains(QStringLiteral("https://www.example.com/")));
        QVERIFY(w.services.messages[0].text.contains(QStringLiteral("没有可以打开网页的程序")));
        QVERIFY(w.form->isVisible());
    }

    void theAuthorDialogFollowsItsTable() {
        Window w;
        w.choose("aboutwriter", [](QWidget* modal) {
            QCOMPARE(modal->size(), QSize(312, 206));
            expectWrapped(in<QLabel>(modal, "Label1"), QRect(24, 24, 260, 44));
            QCOMPARE(in(modal, "Label2")->pos(), QPoint(16, 96));
            QCOMPARE(in(modal, "Label3")->pos(), QPoint(16, 128));
            QCOMPARE(in(modal, "Command2")->geometry(), QRect(188, 168, 73, 25));
            QCOMPARE(in(modal, "Command1")->geometry(), QRect(52, 168, 65, 25));
            QCOMPARE(in(modal, "Label2")->palette().color(QPalette::WindowText).name(),
                     QStringLiteral("#0000ff"));
            QCOMPARE(in(modal, "Label3")->palette().color(QPalette::WindowText).name(),
                     QStringLiteral("#008000"));
            QVERIFY(!modal->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!modal->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            modal->close();
        });
    }

    void thePlanNoticeCarriesTheProgramTitle() {
        Window w;
        w.choose("aboutjh");
        QCOMPARE(w.services.messages.size(), size_t(1));
        QCOMPARE(w.services.messages[0].style, platform::MessageStyle::Ok);
        QCOMPARE(w.services.messages[0].title, QString()); // the program's title
        QCOMPARE(w.services.messages[0].text,
                 QStringLiteral("本软件计划增加反查功能，如知道某人的属相，但不知道某人的年龄或出生"
                                "年份，就可以通过本软件的反查功能来实现。"));
    }
};

QTEST_MAIN(MenuAndDialogsTest)
#include "menu_and_dialogs_test.moc"
