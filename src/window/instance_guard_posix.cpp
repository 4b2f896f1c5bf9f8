// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "window/instance_guard.h"

namespace blokka {

QString InstanceGuard::defaultName() { return QStringLiteral("blokka-%1").arg(::getuid()); }

InstanceGuard::InstanceGuard(const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // An abstract name starts with a zero byte and is exactly as long as the address length
    // says: no terminating zero and no padding, which the kernel would take into the name.
    if (utf8.isEmpty() || static_cast<std::size_t>(utf8.size()) >= sizeof(address.sun_path)) {
        return;
    }
    std::memcpy(address.sun_path + 1, utf8.constData(), static_cast<std::size_t>(utf8.size()));
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 +
                                               static_cast<std::size_t>(utf8.size()));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
        handle_ = fd;
        outcome_ = Outcome::Held;
        return;
    }
    if (errno == EADDRINUSE) outcome_ = Outcome::HeldElsewhere;
    ::close(fd);
}

InstanceGuard::~InstanceGuard() {
    if (outcome_ == Outcome::Held) ::close(static_cast<int>(handle_));
}

}  // namespace blokka
