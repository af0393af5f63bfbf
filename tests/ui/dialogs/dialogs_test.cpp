// SPDX-License-Identifier: MIT
// The main window's popup menu and the dialogs it opens, with real mouse and key events.
#include "support/fake_services.h"
#include "support/modal.h"
#include "ui/main/form1.h"

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {

const QPoint Background(8, 300);

// The texts of the named controls of a window, and its own name and title.
QString texts(QWidget* window, const QStringList& names) {
    QString all = window->objectName() + '|' + window->windowTitle();
    for (const QString& name : names) {
        auto* label = window->findChild<QLabel*>(name);
        all += '|' + (label ? label->text() : window->findChild<QAbstractButton*>(name)->text());
    }
    return all;
}

bool centredOn(QWidget* window, const QRect& area) {
    return (window->geometry().center() - area.center()).manhattanLength() <= 2;
}

// Chooses an item of the popup menu, opened over the background; `act` runs in what it opens.
void choose(QWidget* form, const char* item, std::function<void(QWidget*)> act = {}) {
    QTest::mousePress(form, Qt::RightButton, {}, Background);
    QTest::mouseRelease(form, Qt::RightButton, {}, Background);
    auto* menu = form->findChild<QMenu*>("gyabout");
    QTRY_VERIFY(menu->isVisible());
    if (act)
        WhenModalShows(std::move(act));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->findChild<QAction*>(item)).center());
    QVERIFY(!QApplication::activeModalWidget());
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    FakeServices services;
    std::unique_ptr<ui::Form1> form;

private Q_SLOTS:
    void init() {
        services = {};
        form = std::make_unique<ui::Form1>(services);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() {
        CloseLeftoverModals();
        form->findChild<QMenu*>("gyabout")->hide();
    }

    void theMenuOpensAtThePointerOnlyOverTheBareSurfaceForTheRightButton() {
        auto* menu = form->findChild<QMenu*>("gyabout");
        QString items = menu->title();
        for (const QAction* action : menu->actions())
            items += '|' + action->objectName() + '=' + action->text();
        QCOMPARE(items, "关于...|aboutsoft=关于本软件|aboutwriter=关于作者|aboutjh=本软件计划");
        const auto opens = [&](const char* over, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
            QWidget* target = *over ? form->findChild<QWidget*>(over) : form.get();
            const QPoint at = *over ? target->rect().center() : Background;
            QTest::mousePress(target, button, modifiers, at);
            QTest::mouseRelease(target, button, modifiers, at);
            const bool open = menu->isVisible() && menu->pos() == target->mapToGlobal(at);
            menu->hide();
            return open;
        };
        QVERIFY(opens("", Qt::RightButton, {}) && opens("", Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier));
        QVERIFY(!opens("", Qt::LeftButton, {}) && !opens("", Qt::MiddleButton, {}));
        for (const char* control : {"Label1", "Picture1", "frame1", "Label4", "Option2", "Command1"})
            QVERIFY2(!opens(control, Qt::RightButton, {}), control);
    }

    void theAboutProgramDialogIsFilledAtEveryOpeningAndCentredOnTheWindow() {
        form->move(form->pos() + QPoint(37, 11));
        QStringList seen;
        for (const Qt::Key closeKey : {Qt::Key_Escape, Qt::Key_Return}) {
            choose(form.get(), "aboutsoft", [&](QWidget* about) {
                seen << texts(about, {"lblTitle", "lblVersion", "cmdOK", "cmdSysInfo"});
                QVERIFY(about->parentWidget() == form.get() && centredOn(about, form->geometry()));
                QVERIFY(about->findChild<QWidget*>("cmdOK")->hasFocus());
                about->findChild<QLabel*>("lblTitle")->setText("changed");
                QTest::keyClick(QApplication::focusWidget(), closeKey);
            });
        }
        QCOMPARE(seen, QStringList(2, "fAbout|关于 Moltrava V1.2|Moltrava V1.2|版本 1.0.0|确定|系统信息"));
    }

    void theAboutProgramDialogFollowsItsLayoutTable() {
        choose(form.get(), "aboutsoft", [&](QWidget* about) {
            QCOMPARE(about->size(), QSize(307, std::max(237, about->findChild<QWidget*>("lblDisclaimer")->geometry().bottom() + 5)));
            QVERIFY(about->minimumSize() == about->maximumSize() && !about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
            for (const auto& [name, box] : {std::pair{"cmdOK", QRect(224, 175, 68, 23)}, {"cmdSysInfo", QRect(224, 205, 68, 23)},
                                            {"lblDescription", QRect(16, 88, 259, 54)}, {"picIcon", QRect(16, 16, 36, 36)}})
                QCOMPARE(about->findChild<QWidget*>(name)->geometry().topLeft(), box.topLeft());
            QCOMPARE(about->findChild<QWidget*>("lblDisclaimer")->width(), 177);
            const QImage image = about->grab().toImage(); // the etched line above the buttons
            QVERIFY(image.pixelColor(100, 163) == QColor(0x808080) && image.pixelColor(306, 165) == Qt::white);
            about->close(); // the close box closes it like 确定
        });
    }

    // 系统信息 starts the tool the registry names, or says it is unavailable; the dialog stays.
    void systemInformationStartsTheToolOrSaysItIsUnavailable() {
        services.registry = {{"PATH", "C:\\Program Files\\msinfo32.exe"}};
        for (int time = 0; time < 2; ++time) {
            choose(form.get(), "aboutsoft", [&](QWidget* about) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // past the icon
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                QVERIFY(about->isVisible());
                about->close();
            });
            services.registry.clear();
        }
        QCOMPARE(services.launches, std::vector<std::string>{"\"C:\\Program Files\\msinfo32.exe\""});
        QCOMPARE(services.messages.size(), 1u);
        QCOMPARE(services.messages[0].text + services.messages[0].title, "此时系统信息不可用");
    }

    // With the real platform, which has no registry here: the box belongs to the dialog.
    void theRealUnavailableBoxBelongsToTheDialog() {
        ui::Form1 real;
        real.show();
        QVERIFY(QTest::qWaitForWindowActive(&real));
        QWidget* owner = nullptr;
        choose(&real, "aboutsoft", [&](QWidget* about) {
            WhenModalShows([&](QWidget* box) {
                owner = box->parentWidget();
                QTest::keyClick(box, Qt::Key_Return);
            });
            QTest::mouseClick(about->findChild<QWidget*>("cmdSysInfo"), Qt::LeftButton);
            QCOMPARE(owner, about);
            about->close();
        });
    }

    void theAuthorDialogOpensPagesAndStaysOpen() {
        QString seen;
        choose(form.get(), "aboutwriter", [&](QWidget* author) {
            seen = texts(author, {"Label1", "Label2", "Label3", "Command2", "Command1"});
            QVERIFY(!author->parentWidget() && author->windowModality() == Qt::ApplicationModal);
            QVERIFY(centredOn(author, author->screen()->availableGeometry()));
            QCOMPARE(author->size(), QSize(312, 206));
            QCOMPARE(author->findChild<QWidget*>("Command1")->geometry(), QRect(52, 168, 65, 25));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // no cancel button
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // 百度博客 has the focus
            services.launchError = "没有浏览器";
            QTest::mouseClick(author->findChild<QWidget*>("Command1"), Qt::LeftButton);
            QVERIFY(author->isVisible());
            author->close();
        });
        QCOMPARE(seen, "Form2|关于作者|本人喜欢电脑，热爱电脑技术研究，希望结交喜欢电脑的朋友，能够共同学习，相互补充，相互学习。"
                       "|QQ:000000000|E-mail:author@example.com|百度博客|主 页");
        QCOMPARE(services.webPages, (std::vector<std::string>{"https://blog.example.org/", "https://www.example.com/"}));
        QCOMPARE(services.messages.size(), 1u); // the page that could not be opened
        QCOMPARE(services.messages[0].text, "无法打开网页：https://www.example.com/\n没有浏览器");
    }

    void thePlanNoticeCarriesTheProgramTitle() {
        choose(form.get(), "aboutjh");
        QCOMPARE(services.messages.size(), 1u);
        QCOMPARE(services.messages[0].text + services.messages[0].title,
                 "本软件计划增加反查功能，如知道某人的属相，但不知道某人的年龄或出生年份，就可以通过本软件的反查功能来实现。");
        QCOMPARE(services.messages[0].style, platform::MessageStyle::Ok);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
