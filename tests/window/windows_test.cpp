// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What only the Windows program has: keys taken by the virtual-key code Windows gives them, and
// the icon and version Explorer reads from blokka.exe.
#include <windows.h>

#include <QKeyEvent>
#include <QTest>

#include "window/app_icon.h"
#include "window/frm_main.h"

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theGameTakesTheVirtualKeyWindowsGivesWhateverQtMakesOfTheKey() {
        blokka::frmMain window("blokka-windows-test");
        QVERIFY(window.load());
        window.game().tmrMain_Timer();  // the first figure
        // Qt's key from a Russian layout, one Qt has no name for, one it names otherwise: the
        // figure's anchor moves right, left, down.
        for (const auto& [key, virtualKey, shift] : {std::tuple{0x0424, 'D', 1},
                                                     {int(Qt::Key_unknown), VK_LEFT, -1},
                                                     {int(Qt::Key_Clear), VK_DOWN, 10}}) {
            const blokka::Integer pivot = window.game().Pivot;
            QKeyEvent press(QEvent::KeyPress, key, {}, 0, quint32(virtualKey), 0);
            QApplication::sendEvent(&window.layer().canvas(), &press);
            QCOMPARE(window.game().Pivot, pivot + shift);
        }
    }

    void blokkaExeCarriesTheWindowIconAtItsSizesAndItsVersion() {
        const std::wstring exe = QStringLiteral(BLOKKA_EXE).toStdWString();
        HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        QVERIFY(module != nullptr);
        for (const int size : blokka::kWindowIconSizes) {
            HANDLE icon = LoadImageW(module, L"IDI_ICON1", IMAGE_ICON, size, size, 0);
            QVERIFY2(icon != nullptr, qPrintable(QString::number(size)));
            QCOMPARE(QImage::fromHICON(HICON(icon)).convertToFormat(QImage::Format_RGB32),
                     blokka::drawAppIcon(size));
            DestroyIcon(HICON(icon));
        }
        FreeLibrary(module);

        QByteArray info(int(GetFileVersionInfoSizeW(exe.c_str(), nullptr)), '\0');
        QVERIFY(GetFileVersionInfoW(exe.c_str(), 0, DWORD(info.size()), info.data()));
        QStringList values;
        for (const wchar_t* name : {L"ProductName", L"ProductVersion", L"LegalCopyright"}) {
            void* text = nullptr;
            UINT length = 0;
            const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
            values << (VerQueryValueW(info.data(), path.c_str(), &text, &length)
                           ? QString::fromWCharArray(static_cast<const wchar_t*>(text))
                           : QString());
        }
        QCOMPARE(values, (QStringList{"Blokka", BLOKKA_VERSION,
                                      "Copyright 2026 Blokka developers. GPL-3.0-or-later"}));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
