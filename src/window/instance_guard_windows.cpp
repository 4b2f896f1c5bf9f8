// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include <array>
#include <string>

#include "window/instance_guard.h"

namespace blokka {

QString InstanceGuard::defaultName() {
    // User names hold no backslash, the one character a mutex's name may not.
    std::array<wchar_t, 257> user{};
    auto length = static_cast<DWORD>(user.size());
    const QString who =
        GetUserNameW(user.data(), &length) ? QString::fromWCharArray(user.data()) : QString();
    return QStringLiteral("blokka-%1").arg(who);
}

InstanceGuard::InstanceGuard(const QString& name) {
    // "Local\" is the namespace of the user's session: another user's copy does not count.
    const std::wstring wide = QStringLiteral("Local\\%1").arg(name).toStdWString();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, wide.c_str());
    const DWORD error = GetLastError();
    if (mutex == nullptr) {
        // A mutex of that name that this user may not open is another copy's all the same.
        if (error == ERROR_ACCESS_DENIED) outcome_ = Outcome::HeldElsewhere;
        return;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        outcome_ = Outcome::HeldElsewhere;
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(mutex);
    outcome_ = Outcome::Held;
}

InstanceGuard::~InstanceGuard() {
    if (outcome_ == Outcome::Held) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace blokka
