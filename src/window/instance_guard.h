// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One running copy per user: a Linux abstract unix socket bound to a per-user name and held for
// the life of the window. The kernel binds a name atomically, so of two copies started at the
// same moment exactly one holds it; it frees the name when the socket closes, however the
// process ends, and leaves no file behind. Such names belong to a network namespace.

#include <QString>

namespace blokka {

class InstanceGuard {
public:
    // Tries to take `name`; held() tells whether it did.
    explicit InstanceGuard(const QString& name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    bool held() const { return socket_ >= 0; }
    // The name was not free: another copy holds it. Any other failure (no sockets allowed, a
    // name too long) is not another copy.
    bool heldElsewhere() const { return heldElsewhere_; }

private:
    int socket_ = -1;
    bool heldElsewhere_ = false;
};

}  // namespace blokka
