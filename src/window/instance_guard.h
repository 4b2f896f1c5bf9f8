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

    // What became of taking the name. A name that is not free is another copy's; any other
    // failure (the system refused the object, a name too long) is not.
    enum class Outcome : std::uint8_t { Held, HeldElsewhere, Failed };

    // Tries to take `name`; outcome() tells what came of it.
    explicit InstanceGuard(const QString& name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    Outcome outcome() const { return outcome_; }

private:
    // The socket's descriptor on Linux, the mutex's handle on Windows, while held.
    std::intptr_t handle_ = -1;
    Outcome outcome_ = Outcome::Failed;
};

}  // namespace blokka
