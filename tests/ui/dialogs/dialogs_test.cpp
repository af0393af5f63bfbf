// SPDX-License-Identifier: MIT
// The main window's popup menu and the dialogs it opens, with real mouse and key events.
#include "support/fake_services.h"
#include "support/modal.h"
#include "ui/dialogs/fabout.h"
#include "ui/dialogs/form2.h"
#include "ui/main/form1.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>

namespace {

// The window's name and title, then each named control's text, or its box for "@name".
QString seen(QWidget* window, const QStringList& names) {
    QString all = window->objectName() + '|' + window->windowTitle();
    for (const QString& name : names) {
        QWidget* control = window->findChild<QWidget*>(name.section('@', -1));
        auto* label = qobject_cast<QLabel*>(control);
        QDebug text = QDebug(&all).noquote().nospace() << '|';
        name[0] == '@'
            ? text << control->geometry()
            : text << (label ? label->text() : qobject_cast<QAbstractButton*>(control)->text());
    }
    return all;
}

// Rounding aside: a window of odd width has no exact centre.
bool centredOn(QWidget* window, const QRect& area) {
    return (window->geometry().center() - area.center()).manhattanLength() <= 2;
}

// Opens the popup menu over the window's background and chooses an item; `act` runs in the
// window that opens.
void choose(QWidget* window, const char* item, std::function<void(QWidget*)> act = {}) {
    QTest::mouseClick(window, Qt::RightButton, {}, {8, 300});
    auto* menu = window->findChild<QMenu*>("gyabout");
    QTRY_VERIFY(menu->isVisible());
    if (act)
        WhenModalShows(std::move(act));
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->findChild<QAction*>(item)).center());
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
    void cleanup() { CloseLeftoverModals(); }

    void theMenuOpensAtThePointerOnlyForTheRightButtonOverTheBareSurface() {
        auto* menu = form->findChild<QMenu*>("gyabout");
        QString items = menu->title();
        for (const QAction* action : menu->actions())
            items += '|' + action->objectName() + '=' + action->text();
        QCOMPARE(items, "关于...|aboutsoft=关于本软件|aboutwriter=关于作者|aboutjh=本软件计划");
        const auto opens = [&](const char* over, Qt::MouseButton button,
                               Qt::KeyboardModifiers keys = {}) {
            QWidget* target = *over ? form->findChild<QWidget*>(over) : form.get();
            const QPoint at = *over ? target->rect().center() : QPoint(8, 300);
            QTest::mouseClick(target, button, keys, at);
            const bool open = menu->isVisible() && menu->pos() == target->mapToGlobal(at);
            menu->hide();
            return open;
        };
        QVERIFY(opens("", Qt::RightButton) &&
                opens("", Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier));
        QVERIFY(!opens("", Qt::LeftButton) && !opens("", Qt::MiddleButton));
        for (const char* control :
             {"Label1", "Picture1", "frame1", "Label4", "Option2", "Command1"})
            QVERIFY2(!opens(control, Qt::RightButton), control);
    }

    // It is filled afresh at each opening, centred on the main window, and closed by Esc, Enter
    // or its close box; 系统信息 starts the tool the registry names, or says it is unavailable.
    void theAboutProgramDialog() {
        form->move(form->pos() + QPoint(37, 11));
        services.registry = {{"PATH", "C:\\Program Files\\msinfo32.exe"}};
        for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), 0}) {
            choose(form.get(), "aboutsoft", [&](QWidget* about) {
                // clang-format off
                QCOMPARE(seen(about, {"lblTitle", "lblVersion", "cmdOK", "cmdSysInfo", "@cmdOK", "@cmdSysInfo", "@picIcon", "@lblDescription"}),
                         "fAbout|关于 Moltrava V1.2|Moltrava V1.2|版本 1.0.0|确定|系统信息|QRect(224,175 68x23)|QRect(224,205 68x23)|QRect(16,16 36x36)|QRect(16,88 259x54)");
                // clang-format on
                QVERIFY(centredOn(about, form->geometry()) && about->size() == QSize(307, 237));
                QVERIFY(about->parentWidget() == form.get() &&
                        about->minimumSize() == about->maximumSize());
                const QImage image = about->grab().toImage(); // the etched line over the buttons
                QVERIFY(image.pixelColor(100, 163) == QColor(0x808080) &&
                        image.pixelColor(306, 165) == Qt::white);
                about->findChild<QLabel*>("lblTitle")->setText("changed");
                QVERIFY(about->findChild<QWidget*>("cmdOK")->hasFocus());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // past the icon
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // 系统信息
                services.registry.clear();
                QVERIFY(about->isVisible());
                key ? QTest::keyClick(about->findChild<QWidget*>("cmdOK"), Qt::Key(key))
                    : void(about->close());
            });
        }
        QCOMPARE(services.launches,
                 std::vector<std::string>{"\"C:\\Program Files\\msinfo32.exe\""});
        QCOMPARE(services.messages.size(), 2u);
        QCOMPARE(services.messages[1].text + services.messages[1].title, "此时系统信息不可用");
    }

    void theAuthorDialogOpensPagesAndStaysOpen() {
        choose(form.get(), "aboutwriter", [&](QWidget* author) {
            // The greeting's three lines of the substitute face take 45 pixels, one more than
            // its box: it grows rather than cut a line.
            // clang-format off
            QCOMPARE(seen(author, {"Label1", "Label2", "Label3", "Command2", "Command1", "@Label1", "@Command2", "@Command1"}),
                     "Form2|关于作者|本人喜欢电脑，热爱电脑技术研究，希望结交喜欢电脑的朋友，能够共同学习，相互补充，相互学习。"
                     "|QQ:000000000|E-mail:author@example.com|百度博客|主 页|QRect(24,24 260x45)|QRect(188,168 73x25)|QRect(52,168 65x25)");
            // clang-format on
            QVERIFY(!author->parentWidget() && author->windowModality() == Qt::ApplicationModal);
            QVERIFY(centredOn(author, author->screen()->availableGeometry()) &&
                    author->size() == QSize(312, 206));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // no cancel button
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // 百度博客 has the focus
            services.launchError = "没有浏览器";
            QTest::mouseClick(author->findChild<QWidget*>("Command1"), Qt::LeftButton);
            QVERIFY(author->isVisible());
            author->close();
        });
        QCOMPARE(services.launches, (std::vector<std::string>{"web https://blog.example.org/",
                                                              "web https://www.example.com/"}));
        QCOMPARE(services.messages.size(), 1u); // the page that could not be opened
        QCOMPARE(services.messages[0].text, "无法打开网页：https://www.example.com/\n没有浏览器");
    }

    void thePlanNoticeCarriesTheProgramTitle() {
        choose(form.get(), "aboutjh");
        QCOMPARE(services.messages.size(), 1u);
        QCOMPARE(services.messages[0].text + services.messages[0].title +
                     char('0' + int(services.messages[0].style)),
                 "本软件计划增加反查功能，如知道某人的属相，但不知道某人的年龄或出生年份，就可以通"
                 "过本软件的反查功能来实现。0");
    }

    // Each text of the three windows, and every sign and digit, is whole in a face its control
    // asked for (the substitute, where the Windows face is missing), and bold where asked.
    void everyTextIsWholeInItsFaceAndBoldWhereAsked() {
        const ui::FAbout about(services, form.get());
        const ui::Form2 author(services);
        const auto reach = [](QFont font, bool bold, const QString& text) {
            font.setBold(bold);
            return QFontMetrics(font).tightBoundingRect(text).width();
        };
        QString shownLater = "请输入出生年份0123456789";
        for (const core::SignEntry& sign : core::SignTable)
            shownLater += QString::fromUtf8(sign.caption.data(), sign.caption.size());
        for (QWidget* c : form->findChildren<QWidget*>() + author.findChildren<QWidget*>()) {
            const QString text = c->property("text").toString() + c->property("title").toString();
            if (c->isWindow() || text.isEmpty()) // the menu has the desktop's font
                continue;
            const QRawFont face = QRawFont::fromFont(c->font());
            QVERIFY2(c->font().families().contains(face.familyName()),
                     qPrintable(face.familyName()));
            QVERIFY2(!face.glyphIndexesForString(text + shownLater).contains(0), qPrintable(text));
            QVERIFY2(!c->font().bold() ||
                         reach(c->font(), true, text) > reach(c->font(), false, text),
                     qPrintable(text));
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
