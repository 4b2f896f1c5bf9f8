// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What only the Windows program has: keys taken by the virtual-key code Windows gives them, and
// the icon and version Explorer reads from blokka.exe.
#include <windows.h>

#include <QKeyEvent>
#include <QTest>
#include <QUuid>
#include <array>

#include "window/app_icon.h"
#include "window/frm_main.h"

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void theGameTakesTheVirtualKeyWindowsGivesWhateverQtMakesOfTheKey() {
        blokka::frmMain window("blokka-test-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
        QVERIFY(window.load());
        window.game().tmrMain_Timer();  // the first figure
        struct Case {
            int qtKey;
            quint32 virtualKey;
            int shift;  // of the figure's anchor cell
        };
        // Qt's key from a Russian layout, a key Qt has no name for, and one it names otherwise.
        for (const Case& c : std::array<Case, 3>{{{0x0424, 'D', 1},
                                                  {Qt::Key_unknown, VK_LEFT, -1},
                                                  {Qt::Key_Clear, VK_DOWN, 10}}}) {
            const blokka::Integer pivot = window.game().Pivot;
            QKeyEvent press(QEvent::KeyPress, c.qtKey, {}, 0, c.virtualKey, 0);
            QApplication::sendEvent(&window.layer().canvas(), &press);
            QCOMPARE(window.game().Pivot, pivot + c.shift);
        }
    }

    void blokkaExeCarriesTheWindowIconAtItsSizesAndItsVersion() {
        const std::wstring exe = QStringLiteral(BLOKKA_EXE).toStdWString();
        HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        QVERIFY(module != nullptr);
        for (const int size : blokka::kWindowIconSizes) {
            auto* icon = static_cast<HICON>(
                LoadImageW(module, L"IDI_ICON1", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
            QVERIFY2(icon != nullptr, qPrintable(QString::number(size)));
            const QImage image = QImage::fromHICON(icon).convertToFormat(QImage::Format_RGB32);
            DestroyIcon(icon);
            QCOMPARE(image, blokka::drawAppIcon(size));
        }
        FreeLibrary(module);

        DWORD ignored = 0;
        QByteArray info(int(GetFileVersionInfoSizeW(exe.c_str(), &ignored)), '\0');
        QVERIFY(!info.isEmpty() &&
                GetFileVersionInfoW(exe.c_str(), 0, DWORD(info.size()), info.data()));
        auto value = [&](const wchar_t* name) {
            void* text = nullptr;
            UINT length = 0;
            const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
            return VerQueryValueW(info.data(), path.c_str(), &text, &length) && length > 0
                       ? QString::fromWCharArray(static_cast<wchar_t*>(text))
                       : QString();
        };
        QCOMPARE(value(L"ProductName"), QStringLiteral("Blokka"));
        QCOMPARE(value(L"ProductVersion"), QStringLiteral(BLOKKA_VERSION));
        QVERIFY(value(L"LegalCopyright").contains("GPL-3.0-or-later"));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
