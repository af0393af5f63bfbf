// SPDX-License-Identifier: MIT
#pragma once

#include "ui/main/form1_rules.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QMenu;

namespace ui::qt {

class EntryBox;

// The main window: choose age or birth year, type a number, and see the sign and its animal.
class Form1 final : public QWidget, private form1::View {
    Q_OBJECT

public:
    explicit Form1(platform::PlatformServices& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Evaluates the entry and shows the sign, or the rejection, as 确定 does.
    void RunQuery() { m_rules.RunQuery(); }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    template <typename T = QWidget> [[nodiscard]] T* control(form1::Control id) const {
        return static_cast<T*>(m_controls[id]);
    }
    void buildMenu();

    // form1::View
    bool isChecked(form1::Control option) const override;
    void check(form1::Control option) override;
    std::string text(form1::Control control) const override;
    void setText(form1::Control control, std::string_view text) override;
    bool hasFocus(form1::Control control) const override;
    void setFocus(form1::Control control) override;
    void setEntryLimit(int characters) override;
    void selectEntry(int start, int length) override;
    void showPicture(const platform::Picture& picture, std::string_view name) override;
    void showDialog(form1::Dialog dialog) override;

    platform::PlatformServices& m_services;
    form1::Rules m_rules;
    std::array<QWidget*, form1::ControlCount> m_controls{};
    QButtonGroup* m_modes = nullptr;
    QMenu* m_gyabout = nullptr;
    QSize m_pictureStartSize;
    bool m_startedUp = false;
    bool m_iconPending = true;
};

} // namespace ui::qt
