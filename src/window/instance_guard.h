// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One running copy per user: a name that only one process can hold at a time, taken at start-up
// and held for the life of the window. The system gives the name to exactly one of two copies
// started at the same moment, and frees it however the process ends.
//
// On Linux the name is that of an abstract unix socket, which leaves no file behind and belongs
// to a network namespace; on Windows it is a named mutex in the session's namespace.

#include <QString>
#include <cstdint>

namespace blokka {

class InstanceGuard {
public:
    // The per-user name the program takes.
    static QString defaultName();

    // Tries to take `name`; held() tells whether it did.
    explicit InstanceGuard(const QString& name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    bool held() const { return handle_ != kNone; }
    // The name was not free: another copy holds it. Any other failure (the system refused the
    // object, a name too long) is not another copy.
    bool heldElsewhere() const { return heldElsewhere_; }

private:
    static constexpr std::intptr_t kNone = -1;
    // The socket's descriptor on Linux, the mutex's handle on Windows.
    std::intptr_t handle_ = kNone;
    bool heldElsewhere_ = false;
};

}  // namespace blokka
