// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A small Wayland client for the tests: a private headless sway, its windows from its tree,
// pictures through grim, keys through wtype and a virtual pointer of its own.

#include <wayland-client.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <set>

#include "client_basics.h"

namespace blokka::wayland {

using namespace support;

// The virtual pointer of wlroots, which sway offers and Debian has no description of: only made,
// so that the seat has a pointer, which sway's own commands then move.
inline const wl_interface kPointer = {"zwlr_virtual_pointer_v1", 1, 0, nullptr, 0, {}};
inline const wl_interface* kNewPointer[] = {nullptr, &kPointer};  // on any seat, a pointer
inline const wl_message kManagerRequests[] = {{"create_virtual_pointer", "?on", kNewPointer}};
inline const wl_interface kPointerManager = {
    "zwlr_virtual_pointer_manager_v1", 1, 1, kManagerRequests, 0, {}};

// A private headless sway of 1000 by 1000 points, `scale` pixels to a point, with a runtime
// folder of its own, ended with this object; WAYLAND_DISPLAY names it from then on. Its seat has
// a keyboard and a pointer only while a client keeps one: a wtype that waits, and this client.
struct Client : Desktop {
    explicit Client(int scale) : scale(scale) {
        char folder[] = "/tmp/blokka-wayland-XXXXXX";
        if (mkdtemp(folder) == nullptr) throw std::runtime_error("no runtime folder");
        const std::filesystem::path config = runtime.path = folder;
        std::ofstream(config / "config")
            << "xwayland disable\noutput * resolution " << 1000 * scale << 'x' << 1000 * scale
            << " scale " << scale << "\ndefault_border none\ndefault_floating_border none\n"
            << "for_window [app_id=.*] floating enable\n";
        // Sway would take a SWAYSOCK it finds for its own socket.
        setenv("XDG_RUNTIME_DIR", folder, 1), unsetenv("SWAYSOCK"), unsetenv("DISPLAY");
        setenv("WLR_BACKENDS", "headless", 1), setenv("WLR_RENDERER", "pixman", 1);
        sway.emplace(Strings{"unshare", "-U", "--map-user=1000", "--map-group=1000", "sway", "-c",
                             config / "config"});
        const auto ipc = config / ("sway-ipc.1000." + std::to_string(sway->pid) + ".sock");
        if (!WaitUntil([&] { return exists(ipc) && exists(config / "wayland-1"); }))
            throw std::runtime_error("no sway");
        setenv("WAYLAND_DISPLAY", "wayland-1", 1), setenv("SWAYSOCK", ipc.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "wayland", 1), setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
        keyboard.emplace(Strings{"wtype", "-s", "86400000"});  // for the programs to come, too
        auto typing = [] {
            return Output("swaymsg -t get_seats").find("\"keyboard\"") != std::string::npos;
        };
        if (!WaitUntil(typing)) throw std::runtime_error("no keyboard");
        display.reset(wl_display_connect(nullptr));
        if (display == nullptr) throw std::runtime_error("no sway");
        static constexpr wl_registry_listener kListener = {
            [](void* self, wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t) {
                if (std::string_view(interface) == kPointerManager.name)
                    static_cast<Client*>(self)->manager = static_cast<wl_proxy*>(
                        wl_registry_bind(registry, name, &kPointerManager, 1));
            },
            [](void*, wl_registry*, std::uint32_t) {}};
        wl_registry_add_listener(wl_display_get_registry(display.get()), &kListener, this);
        if (wl_display_roundtrip(display.get()) < 0 || manager == nullptr)
            throw std::runtime_error("no virtual pointer");
        wl_proxy_marshal_flags(manager, 0, &kPointer, 1, 0, nullptr, nullptr);
        wl_display_roundtrip(display.get());
    }

    // The windows in sway's tree, each a node with an application id; the last of them is taken
    // as the one shown last.
    int TakeShown() override {
        int shown = 0;
        auto visit = [&](const QJsonObject& node, auto& visit) -> void {
            if (const QJsonObject rect = node["rect"].toObject(); node["app_id"].isString()) {
                title = node["name"].toString().toStdString();
                app = node["app_id"].toString().toStdString();
                place = {rect["x"].toInt(), rect["y"].toInt(), rect["width"].toInt(),
                         rect["height"].toInt()};
                shown += seen.insert(node["id"].toInt()).second;
            }
            for (const char* kind : {"nodes", "floating_nodes"})
                for (const QJsonValue child : node[kind].toArray()) visit(child.toObject(), visit);
        };
        const auto tree = QByteArray::fromStdString(Output("swaymsg -t get_tree"));
        visit(QJsonDocument::fromJson(tree).object(), visit);
        return shown;
    }

    Picture Take(Rect area) override {
        const auto [x, y, w, h] = area;
        const auto grim = QString::asprintf("grim -g '%d,%d %dx%d' -t ppm -", x, y, w, h);
        image = QImage::fromData(QByteArray::fromStdString(Output(grim.toStdString())))
                    .convertToFormat(QImage::Format_RGB32);
        if (image.isNull()) throw std::runtime_error("no picture of the screen");
        const auto* rgb = reinterpret_cast<const std::uint32_t*>(image.constBits());
        return {image.width(), image.height(), scale, {rgb, rgb + image.width() * image.height()}};
    }

    void Keys(const Strings& names) override {
        std::string wtype = "wtype";
        for (const auto& name : names) wtype += " -k " + name;
        if (std::system(wtype.c_str()) != 0) throw std::runtime_error("failed: " + wtype);
    }
    // Twice onto the target, as the first move only enters a window; back to the corner after,
    // off the window, as the pictures show the pointer.
    void Click(int x, int y, unsigned button = 0) override {
        const QString to = "seat - cursor set %1 %2", click = "seat - cursor %1 button%2";
        QStringList commands{to.arg(x - 1).arg(y), to.arg(x).arg(y)};
        if (button != 0)
            commands << click.arg("press").arg(button) << click.arg("release").arg(button);
        Output(("swaymsg '" + (commands << to.arg(0).arg(0)).join(", ") + "'").toStdString());
    }

    struct Folder {
        std::filesystem::path path;
        ~Folder() { std::filesystem::remove_all(path, std::error_code() = {}); }
    } runtime;  // the last to go
    int scale;
    QImage image;  // the last picture taken
    std::optional<Process> sway, keyboard;
    std::unique_ptr<wl_display, void (*)(wl_display*)> display{nullptr, wl_display_disconnect};
    wl_proxy* manager = nullptr;
    std::set<int> seen;  // the windows shown so far, by id
};

}  // namespace blokka::wayland
