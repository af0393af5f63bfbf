// SPDX-License-Identifier: MIT
// Owners of the handles the Windows API gives out, each released the way its kind must be.
#pragma once

#include <utility>

#include <windows.h>

namespace ui::win32 {

template <typename Handle, auto Release> class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle)
        : m_handle(handle) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr)) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    [[nodiscard]] Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void reset(Handle handle = nullptr) {
        if (m_handle)
            Release(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

template <typename Handle> void DeleteGdiObject(Handle object) {
    DeleteObject(object);
}
inline void DestroyIconHandle(HICON icon) {
    DestroyIcon(icon);
}
inline void DestroyMenuHandle(HMENU menu) {
    DestroyMenu(menu);
}
inline void DeleteDcHandle(HDC dc) {
    DeleteDC(dc);
}

using Font = Unique<HFONT, DeleteGdiObject<HFONT>>;
using Brush = Unique<HBRUSH, DeleteGdiObject<HBRUSH>>;
using Icon = Unique<HICON, DestroyIconHandle>;
using PopupMenu = Unique<HMENU, DestroyMenuHandle>;
// A device context of its own, such as a memory one: measuring in it asks nothing of a window.
using OwnDc = Unique<HDC, DeleteDcHandle>;

// An object selected into a device context until the end of the scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object)
        : m_dc(dc)
        , m_previous(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(m_dc, m_previous); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

} // namespace ui::win32
